#include "platform/automation/ServerModule.h"

#include <algorithm>
#include <system_error>

#include "platform/automation/Object.h"
#include "platform/automation/Registry.h"

namespace automation {

namespace {

void RegisterClass(settings::Store& registry, const ClassEntry& entry,
                   const ResourceTable& resources, const std::filesystem::path& library) {
    const std::string key = ClassKey(entry.clsid);
    registry.Set(key, kDefaultValue, resources.LoadString(entry.typeNameId));
    registry.Set(key + "/InprocServer32", kDefaultValue, library.string());
    registry.Set(key + "/InprocServer32", "ThreadingModel", "Apartment");
    const ControlRegistration* control = entry.control;
    if (!control) {
        return;
    }
    registry.Set(key + "/ProgID", kDefaultValue, control->progId);
    registry.Set(key + "/Control", kDefaultValue, "");
    if (control->insertable == Insertable::Yes) {
        registry.Set(key + "/Insertable", kDefaultValue, "");
    }
    registry.Set(key + "/ToolboxBitmap32", kDefaultValue,
                 library.string() + ", " + std::to_string(control->toolboxBitmapId));
    registry.Set(key + "/MiscStatus", kDefaultValue, "0");
    registry.Set(key + "/MiscStatus/1", kDefaultValue, std::to_string(control->miscStatus));
    registry.Set(key + "/TypeLib", kDefaultValue, control->typeLib.ToString());
    registry.Set(
        key + "/Version", kDefaultValue,
        std::to_string(control->majorVersion) + "." + std::to_string(control->minorVersion));
    registry.Set(ProgIdKey(control->progId), kDefaultValue, resources.LoadString(entry.typeNameId));
    registry.Set(ProgIdKey(control->progId) + "/CLSID", kDefaultValue, entry.clsid.ToString());
}

void UnregisterClass(settings::Store& registry, const ClassEntry& entry) {
    if (entry.control) {
        registry.DeleteTree(ProgIdKey(entry.control->progId));
    }
    registry.DeleteTree(ClassKey(entry.clsid));
}

}  // namespace

HResult ClassFactory::QueryInterface(const Guid& iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    if (iid != IUnknown::kIid && iid != IClassFactory::kIid) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

std::uint32_t ClassFactory::AddRef() {
    return static_cast<std::uint32_t>(ModuleLockCount().fetch_add(1) + 1);
}

std::uint32_t ClassFactory::Release() {
    return static_cast<std::uint32_t>(ModuleLockCount().fetch_sub(1) - 1);
}

HResult ClassFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    if (outer) {
        return CLASS_E_NOAGGREGATION;
    }
    return m_entry.create(iid, out);
}

HResult ClassFactory::LockServer(ServerLock lock) {
    if (lock == ServerLock::Lock) {
        AddRef();
    } else {
        Release();
    }
    return S_OK;
}

HResult ModuleGetClassObject(const ServerModule& module, const Guid& clsid, const Guid& iid,
                             void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    const auto it = std::ranges::find_if(
        module.factories, [&](const ClassFactory& f) { return f.Entry().clsid == clsid; });
    if (it == module.factories.end()) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return it->QueryInterface(iid, out);
}

HResult ModuleCanUnloadNow() {
    return ModuleLockCount().load() == 0 ? S_OK : S_FALSE;
}

HResult ModuleRegisterServer(const ServerModule& module, settings::Store& registry,
                             const std::filesystem::path& library) {
    if (!module.resources->typeLibrary ||
        Failed(RegisterTypeLib(registry, *module.resources->typeLibrary, library))) {
        return SELFREG_E_TYPELIB;
    }
    try {
        for (const ClassFactory& factory : module.factories) {
            RegisterClass(registry, factory.Entry(), *module.resources, library);
        }
    } catch (const std::system_error&) {
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HResult ModuleUnregisterServer(const ServerModule& module, settings::Store& registry) {
    if (!module.resources->typeLibrary ||
        Failed(UnRegisterTypeLib(registry, *module.resources->typeLibrary))) {
        return SELFREG_E_TYPELIB;
    }
    try {
        for (const ClassFactory& factory : module.factories) {
            UnregisterClass(registry, factory.Entry());
        }
    } catch (const std::system_error&) {
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

}  // namespace automation
