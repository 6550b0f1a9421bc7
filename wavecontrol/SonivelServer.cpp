#include "wavecontrol/SonivelServer.h"

#include <cstdio>
#include <new>

#include "wavecontrol/PropPages.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelIds.h"
#include "wavecontrol/SonivelResources.h"

namespace sonivel {

namespace {

using automation::HResult;

template <class T>
HResult Create(const automation::Guid& iid, void** out) {
    try {
        const auto object = automation::MakeObject<T>();
        return object->QueryInterface(iid, out);
    } catch (const std::bad_alloc&) {
        return automation::E_OUTOFMEMORY;
    }
}

// OLEMISC_ACTIVATEWHENVISIBLE, SETCLIENTSITEFIRST, INSIDEOUT, CANTLINKINSIDE,
// RECOMPOSEONRESIZE.
constexpr std::uint32_t kMiscStatus = 0x00020191;

constexpr automation::ControlRegistration kControlRegistration = {
    "SONIVEL.SonivelCtrl", kIdbToolbox,     kMiscStatus, automation::Insertable::No, kLibId,
    kLibMajorVersion,      kLibMinorVersion};

constexpr automation::ClassEntry kClasses[] = {
    {kControlClsid, "SONIVEL.SonivelCtrl", kIdsTypeName, &kControlRegistration,
     &Create<CSonivelCtrl>},
    {kGeneralPageClsid, "SONIVEL.SonivelPropPage.1", kIdsGeneralPageTypeName, nullptr,
     &Create<CSonivelPropPage>},
    {kAboutPageClsid, "CAboutPropPage0.CAboutPropPage", kIdsAboutPageTypeName, nullptr,
     &Create<CAboutPropPage>},
};

// One class factory per class for the library's lifetime.
automation::ClassFactory g_factories[] = {automation::ClassFactory(kClasses[0]),
                                          automation::ClassFactory(kClasses[1]),
                                          automation::ClassFactory(kClasses[2])};

const automation::ServerModule kServer = {g_factories, &kResources};

}  // namespace

const automation::ServerModule& SonivelServer() {
    return kServer;
}

void ModuleStart() {
    g_szClipFile[0] = '\0';
}

void ModuleEnd() {
    if (g_szClipFile[0] != '\0') {
        // Nothing can be reported while the library unloads; a file already gone is fine.
        std::remove(g_szClipFile);
    }
}

}  // namespace sonivel
