#include "platform/files/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace files {

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string ShortPath(std::string_view path) {
    std::string native = NativePath(path);
    if (native.empty()) {
        return {};
    }
    std::error_code error;
    // An unreadable parent folder counts as "does not exist": the caller only learns that the
    // name cannot be used, as with any other missing file.
    return std::filesystem::exists(native, error) ? native : std::string();
}

}  // namespace files
