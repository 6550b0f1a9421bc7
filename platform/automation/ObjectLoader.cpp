#include "platform/automation/ObjectLoader.h"

#include "platform/automation/Registry.h"
#include "platform/automation/ServerModule.h"

namespace automation {

namespace {

HResult CallEntryPoint(const std::filesystem::path& library, const char* name) {
    const auto loaded = Library::Open(library, nullptr);
    if (!loaded) {
        return CO_E_DLLNOTFOUND;
    }
    const auto entry = loaded->Function<DllRegisterServerFn>(name);
    if (!entry) {
        return CO_E_ERRORINDLL;
    }
    const HResult hr = entry();
    const auto canUnload = loaded->Function<DllCanUnloadNowFn>("DllCanUnloadNow");
    if (!canUnload || canUnload() != S_OK) {
        // Something of it is still alive: unmapping it now would pull the code from under it.
        loaded->Pin();
    }
    return hr;
}

}  // namespace

ObjectLoader::~ObjectLoader() {
    FreeUnusedLibraries();
    for (auto& [path, library] : m_libraries) {
        // Objects of these servers are still alive somewhere; they keep needing the code.
        library->Pin();
    }
}

HResult ObjectLoader::CreateInstance(const Guid& clsid, const Guid& iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    const auto path = InprocServerPath(m_registry, clsid);
    if (!path) {
        return REGDB_E_CLASSNOTREG;
    }
    return CreateFromServer(*path, clsid, iid, out);
}

HResult ObjectLoader::CreateFromLibrary(const std::filesystem::path& library, const Guid& clsid,
                                        const Guid& iid, void** out) {
    const HResult hr = CreateInstance(clsid, iid, out);
    // A registration whose library is gone or broken is as good as none.
    if (hr != REGDB_E_CLASSNOTREG && hr != CO_E_DLLNOTFOUND && hr != CO_E_ERRORINDLL) {
        return hr;
    }
    return CreateFromServer(library, clsid, iid, out);
}

HResult ObjectLoader::LoadRegTypeLib(const Guid& libid, std::uint16_t major, std::uint16_t minor,
                                     TypeLib* out) {
    if (!out) {
        return E_POINTER;
    }
    const auto path = TypeLibPath(m_registry, libid, major, minor);
    if (!path) {
        return TYPE_E_LIBNOTREGISTERED;
    }
    LibraryResources resources;
    if (Failed(ReadLibraryResources(*path, &resources)) || !resources.table->typeLibrary ||
        resources.table->typeLibrary->libid != libid) {
        return TYPE_E_CANTLOADLIBRARY;
    }
    out->library = resources.library;
    out->info = resources.table->typeLibrary;
    return S_OK;
}

void ObjectLoader::FreeUnusedLibraries() {
    for (auto it = m_libraries.begin(); it != m_libraries.end();) {
        const auto canUnload = it->second->Function<DllCanUnloadNowFn>("DllCanUnloadNow");
        if (canUnload && canUnload() == S_OK) {
            it = m_libraries.erase(it);
        } else {
            ++it;
        }
    }
}

HResult ObjectLoader::LoadServer(const std::filesystem::path& path, std::shared_ptr<Library>* out) {
    const auto found = m_libraries.find(path);
    if (found != m_libraries.end()) {
        *out = found->second;
        return S_OK;
    }
    auto library = Library::Open(path, nullptr);
    if (!library) {
        return CO_E_DLLNOTFOUND;
    }
    *out = library;
    m_libraries.emplace(path, std::move(library));
    return S_OK;
}

HResult ObjectLoader::CreateFromServer(const std::filesystem::path& path, const Guid& clsid,
                                       const Guid& iid, void** out) {
    std::shared_ptr<Library> library;
    if (const HResult hr = LoadServer(path, &library); Failed(hr)) {
        return hr;
    }
    const auto getClassObject = library->Function<DllGetClassObjectFn>("DllGetClassObject");
    if (!getClassObject) {
        return CO_E_ERRORINDLL;
    }
    Ref<IClassFactory> factory;
    if (const HResult hr = getClassObject(&clsid, &IClassFactory::kIid, factory.PutVoid());
        Failed(hr)) {
        return hr;
    }
    return factory->CreateInstance(nullptr, iid, out);
}

HResult RegisterServer(const std::filesystem::path& library) {
    return CallEntryPoint(library, "DllRegisterServer");
}

HResult UnregisterServer(const std::filesystem::path& library) {
    return CallEntryPoint(library, "DllUnregisterServer");
}

HResult ReadLibraryResources(const std::filesystem::path& library, LibraryResources* out) {
    if (!out) {
        return E_POINTER;
    }
    auto loaded = Library::Open(library, nullptr);
    if (!loaded) {
        return CO_E_DLLNOTFOUND;
    }
    const auto getResources = loaded->Function<DllGetResourcesFn>("DllGetResources");
    const ResourceTable* table = getResources ? getResources() : nullptr;
    if (!table) {
        return CO_E_ERRORINDLL;
    }
    out->library = std::move(loaded);
    out->table = table;
    return S_OK;
}

}  // namespace automation
