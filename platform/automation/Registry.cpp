#include "platform/automation/Registry.h"

#include <system_error>

namespace automation {

namespace {

std::string VersionText(std::uint16_t major, std::uint16_t minor) {
    return std::to_string(major) + "." + std::to_string(minor);
}

// The Dispatch proxy class: late-bound interfaces need no proxy of their own.
constexpr std::string_view kDispatchProxy = "{00020420-0000-0000-C000-000000000046}";

}  // namespace

std::string ClassKey(const Guid& clsid) {
    return "Classes/CLSID/" + clsid.ToString();
}

std::string ProgIdKey(std::string_view progId) {
    return "Classes/" + std::string(progId);
}

std::string TypeLibKey(const Guid& libid) {
    return "Classes/TypeLib/" + libid.ToString();
}

std::string TypeLibVersionKey(const Guid& libid, std::uint16_t major, std::uint16_t minor) {
    return TypeLibKey(libid) + "/" + VersionText(major, minor);
}

std::string InterfaceKey(const Guid& iid) {
    return "Classes/Interface/" + iid.ToString();
}

HResult CLSIDFromProgID(const settings::Store& registry, std::string_view progId, Guid* clsid) {
    if (!clsid) {
        return E_POINTER;
    }
    if (progId.empty()) {
        return REGDB_E_CLASSNOTREG;
    }
    const auto text = registry.Get(ProgIdKey(progId) + "/CLSID", kDefaultValue);
    if (!text) {
        return REGDB_E_CLASSNOTREG;
    }
    const auto parsed = Guid::Parse(*text);
    if (!parsed) {
        return CO_E_CLASSSTRING;
    }
    *clsid = *parsed;
    return S_OK;
}

std::optional<std::filesystem::path> InprocServerPath(const settings::Store& registry,
                                                      const Guid& clsid) {
    const auto path = registry.Get(ClassKey(clsid) + "/InprocServer32", kDefaultValue);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    return std::filesystem::path(*path);
}

HResult RegisterTypeLib(settings::Store& registry, const TypeLibInfo& typeLib,
                        const std::filesystem::path& library) {
    const std::string versionKey =
        TypeLibVersionKey(typeLib.libid, typeLib.majorVersion, typeLib.minorVersion);
    try {
        registry.Set(versionKey, kDefaultValue, typeLib.help ? typeLib.help : typeLib.name);
        registry.Set(
            versionKey + "/" + std::to_string(typeLib.lcid) + "/" + std::string(kTypeLibPlatform),
            kDefaultValue, library.string());
        registry.Set(versionKey + "/FLAGS", kDefaultValue, "0");
        registry.Set(versionKey + "/HELPDIR", kDefaultValue, library.parent_path().string());
        for (const InterfaceInfo* info : typeLib.interfaces) {
            const std::string key = InterfaceKey(info->iid);
            registry.Set(key, kDefaultValue, info->name);
            registry.Set(key + "/ProxyStubClsid32", kDefaultValue, kDispatchProxy);
            registry.Set(key + "/TypeLib", kDefaultValue, typeLib.libid.ToString());
            registry.Set(key + "/TypeLib", "Version",
                         VersionText(typeLib.majorVersion, typeLib.minorVersion));
        }
    } catch (const std::system_error&) {
        return REGDB_E_WRITEREGDB;
    }
    return S_OK;
}

HResult UnRegisterTypeLib(settings::Store& registry, const TypeLibInfo& typeLib) {
    const std::string versionKey =
        TypeLibVersionKey(typeLib.libid, typeLib.majorVersion, typeLib.minorVersion);
    if (!TypeLibPath(registry, typeLib.libid, typeLib.majorVersion, typeLib.minorVersion)) {
        return TYPE_E_REGISTRYACCESS;
    }
    try {
        for (const InterfaceInfo* info : typeLib.interfaces) {
            registry.DeleteTree(InterfaceKey(info->iid));
        }
        registry.DeleteTree(versionKey);
        if (registry.SubKeys(TypeLibKey(typeLib.libid)).empty()) {
            registry.DeleteTree(TypeLibKey(typeLib.libid));
        }
    } catch (const std::system_error&) {
        return REGDB_E_WRITEREGDB;
    }
    return S_OK;
}

std::optional<std::filesystem::path> TypeLibPath(const settings::Store& registry, const Guid& libid,
                                                 std::uint16_t major, std::uint16_t minor) {
    const auto path =
        registry.Get(TypeLibVersionKey(libid, major, minor) + "/0/" + std::string(kTypeLibPlatform),
                     kDefaultValue);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    return std::filesystem::path(*path);
}

}  // namespace automation
