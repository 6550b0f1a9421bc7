// The server side of an in-process library: its classes with their class factories, the
// answers behind its four exported entry points, and the registration of its classes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/automation/ClassFactory.h"
#include "platform/automation/Resources.h"
#include "platform/settings/Store.h"

namespace automation {

enum class Insertable { No, Yes };

// What a control class records beyond a plain class.
struct ControlRegistration {
    const char* progId;
    std::uint32_t toolboxBitmapId;
    std::uint32_t miscStatus;
    Insertable insertable;
    Guid typeLib;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
};

struct ClassEntry {
    Guid clsid;
    const char* factoryName;
    std::uint32_t typeNameId;            // string resource: the class's type name
    const ControlRegistration* control;  // null for a class that is not a control
    HResult (*create)(const Guid& iid, void** out);
};

// The class object of one class; it lives as long as the library and counts as a server lock
// while the host holds it.
class ClassFactory final : public IClassFactory {
public:
    explicit constexpr ClassFactory(const ClassEntry& entry) : m_entry(entry) {}

    HResult QueryInterface(const Guid& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    HResult CreateInstance(IUnknown* outer, const Guid& iid, void** out) override;
    HResult LockServer(ServerLock lock) override;

    const ClassEntry& Entry() const { return m_entry; }

private:
    const ClassEntry& m_entry;
};

struct ServerModule {
    std::span<ClassFactory> factories;  // in registration order
    const ResourceTable* resources;     // with the type library
};

// DllGetClassObject: CLASS_E_CLASSNOTAVAILABLE for a class the library does not serve.
HResult ModuleGetClassObject(const ServerModule& module, const Guid& clsid, const Guid& iid,
                             void** out);
// DllCanUnloadNow: S_OK when no object and no lock of this library is alive, else S_FALSE.
HResult ModuleCanUnloadNow();
// DllRegisterServer: the type library (SELFREG_E_TYPELIB on failure), then every class in
// order (SELFREG_E_CLASS on failure).
HResult ModuleRegisterServer(const ServerModule& module, settings::Store& registry,
                             const std::filesystem::path& library);
// DllUnregisterServer: the same steps, undone, with the same failure codes.
HResult ModuleUnregisterServer(const ServerModule& module, settings::Store& registry);

// The exports of an in-process library, by the names hosts look them up with.
using DllGetClassObjectFn = HResult (*)(const Guid* clsid, const Guid* iid, void** out);
using DllCanUnloadNowFn = HResult (*)();
using DllRegisterServerFn = HResult (*)();
using DllUnregisterServerFn = HResult (*)();
// The library's resource table; exported beside the four entry points so a host can read a
// library's resources (its version block) without creating anything.
using DllGetResourcesFn = const ResourceTable* (*)();

}  // namespace automation
