// The class registry kept in the settings store: where ProgIDs, class ids, in-process servers
// and type libraries are recorded and looked up. Key paths follow the platform's layout below
// "Classes"; a key's unnamed (default) value is the value named "".
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/Guid.h"
#include "platform/automation/Result.h"
#include "platform/automation/TypeInfo.h"
#include "platform/settings/Store.h"

namespace automation {

inline constexpr std::string_view kDefaultValue = "";
// The platform name under which a type library's file is registered.
inline constexpr std::string_view kTypeLibPlatform = "linux64";

std::string ClassKey(const Guid& clsid);         // "Classes/CLSID/{clsid}"
std::string ProgIdKey(std::string_view progId);  // "Classes/<ProgID>"
std::string TypeLibKey(const Guid& libid);       // "Classes/TypeLib/{libid}"
std::string TypeLibVersionKey(const Guid& libid, std::uint16_t major, std::uint16_t minor);
std::string InterfaceKey(const Guid& iid);  // "Classes/Interface/{iid}"

// REGDB_E_CLASSNOTREG when the ProgID is not registered, CO_E_CLASSSTRING when its class id is
// not a GUID.
HResult CLSIDFromProgID(const settings::Store& registry, std::string_view progId, Guid* clsid);
// The registered in-process server of a class.
std::optional<std::filesystem::path> InprocServerPath(const settings::Store& registry,
                                                      const Guid& clsid);

// Records the library, its help folder and flags, and its interfaces. REGDB_E_WRITEREGDB when
// the store cannot be written.
HResult RegisterTypeLib(settings::Store& registry, const TypeLibInfo& typeLib,
                        const std::filesystem::path& library);
// Removes the version's registration and the interfaces that pointed at the library.
// TYPE_E_REGISTRYACCESS when that version is not registered, REGDB_E_WRITEREGDB when the store
// cannot be written.
HResult UnRegisterTypeLib(settings::Store& registry, const TypeLibInfo& typeLib);
// The registered file of a type library version (locale 0).
std::optional<std::filesystem::path> TypeLibPath(const settings::Store& registry, const Guid& libid,
                                                 std::uint16_t major, std::uint16_t minor);

}  // namespace automation
