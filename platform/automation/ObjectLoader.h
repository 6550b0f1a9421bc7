// The host side of object creation: class ids from ProgIDs, in-process servers loaded from the
// registry (or, registration-free, from a given file), type libraries loaded through the
// registry, and unloading of servers that no longer hold objects.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "platform/automation/ClassFactory.h"
#include "platform/automation/Library.h"
#include "platform/automation/Resources.h"
#include "platform/automation/TypeInfo.h"
#include "platform/settings/Store.h"

namespace automation {

// A loaded type library; the description stays valid while this is held.
struct TypeLib {
    std::shared_ptr<Library> library;
    const TypeLibInfo* info = nullptr;
};

// A library's resource table; valid while this is held.
struct LibraryResources {
    std::shared_ptr<Library> library;
    const ResourceTable* table = nullptr;
};

class ObjectLoader {
public:
    explicit ObjectLoader(settings::Store& registry) : m_registry(registry) {}
    // Unloads what can be unloaded; a server whose objects are still alive stays mapped.
    ~ObjectLoader();
    ObjectLoader(const ObjectLoader&) = delete;
    ObjectLoader& operator=(const ObjectLoader&) = delete;

    const settings::Store& Registry() const { return m_registry; }

    // A new instance of a registered class. REGDB_E_CLASSNOTREG when the class has no server,
    // CO_E_DLLNOTFOUND when the server does not load, CO_E_ERRORINDLL when it lacks the entry
    // point, else the server's own result.
    HResult CreateInstance(const Guid& clsid, const Guid& iid, void** out);
    // As CreateInstance, but a class that is not registered, or whose registered library is gone
    // or broken, is created from `library` (for a host that ships the control beside itself).
    HResult CreateFromLibrary(const std::filesystem::path& library, const Guid& clsid,
                              const Guid& iid, void** out);
    // The type library registered for the version (locale 0). TYPE_E_LIBNOTREGISTERED when it is
    // not registered, TYPE_E_CANTLOADLIBRARY when its file does not load or does not hold it.
    HResult LoadRegTypeLib(const Guid& libid, std::uint16_t major, std::uint16_t minor,
                           TypeLib* out);
    // Unloads every server that answers DllCanUnloadNow with S_OK.
    void FreeUnusedLibraries();
    std::size_t LoadedLibraryCount() const { return m_libraries.size(); }

private:
    HResult LoadServer(const std::filesystem::path& path, std::shared_ptr<Library>* out);
    HResult CreateFromServer(const std::filesystem::path& path, const Guid& clsid, const Guid& iid,
                             void** out);

    settings::Store& m_registry;
    std::map<std::filesystem::path, std::shared_ptr<Library>> m_libraries;
};

// Loads the library and calls its DllRegisterServer / DllUnregisterServer. CO_E_DLLNOTFOUND when
// it does not load, CO_E_ERRORINDLL when it lacks the entry point.
HResult RegisterServer(const std::filesystem::path& library);
HResult UnregisterServer(const std::filesystem::path& library);
// The resources of a library file. CO_E_DLLNOTFOUND or CO_E_ERRORINDLL as above.
HResult ReadLibraryResources(const std::filesystem::path& library, LibraryResources* out);

}  // namespace automation
