// The exported entry points of SONIVEL.OCX, and the library's start and end.
#include "platform/automation/Library.h"
#include "platform/automation/ServerModule.h"
#include "wavecontrol/SonivelResources.h"
#include "wavecontrol/SonivelServer.h"

using automation::Guid;
using automation::HResult;

extern "C" {

[[gnu::visibility("default")]] HResult DllGetClassObject(const Guid* clsid, const Guid* iid,
                                                         void** out) {
    if (!clsid || !iid) {
        return automation::E_POINTER;
    }
    // The media layer keeps process-wide state (the audio subsystem, its device table and their
    // threads) that must not be unmapped under it: once it can be used, the library stays.
    [[maybe_unused]] static const bool pinned =
        (automation::PinLibraryOf(&sonivel::kResources), true);
    return automation::ModuleGetClassObject(sonivel::SonivelServer(), *clsid, *iid, out);
}

[[gnu::visibility("default")]] HResult DllCanUnloadNow() {
    return automation::ModuleCanUnloadNow();
}

[[gnu::visibility("default")]] HResult DllRegisterServer() {
    settings::Store registry(settings::Store::DefaultPath());
    return automation::ModuleRegisterServer(sonivel::SonivelServer(), registry,
                                            automation::LibraryPathOf(&sonivel::kResources));
}

[[gnu::visibility("default")]] HResult DllUnregisterServer() {
    settings::Store registry(settings::Store::DefaultPath());
    return automation::ModuleUnregisterServer(sonivel::SonivelServer(), registry);
}

[[gnu::visibility("default")]] const automation::ResourceTable* DllGetResources() {
    return &sonivel::kResources;
}

}  // extern "C"

namespace {

[[gnu::constructor]] void LibraryStart() {
    sonivel::ModuleStart();
}

[[gnu::destructor]] void LibraryEnd() {
    sonivel::ModuleEnd();
}

}  // namespace
