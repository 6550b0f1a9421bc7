#include "platform/files/TempFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace files {

std::filesystem::path TempFolder() {
    const char* folder = std::getenv("TMPDIR");
    if (folder != nullptr && *folder != '\0') {
        return folder;
    }
    return "/tmp";
}

std::filesystem::path CreateTempFile(std::string_view prefix, const std::filesystem::path& folder) {
    const std::filesystem::path where = folder.empty() ? TempFolder() : folder;
    if (prefix.find('/') != std::string_view::npos) {
        throw std::system_error(EINVAL, std::generic_category(),
                                "temporary file prefix names a folder");
    }
    std::string pattern = (where / std::string(prefix)).string() + "XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        throw std::system_error(errno, std::generic_category(),
                                "cannot create a temporary file in " + where.string());
    }
    ::close(fd);
    return pattern;
}

bool ReplaceScratchFile(const std::filesystem::path& fresh, const std::filesystem::path& target) {
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        // The replaced file, now under the fresh one's name, is wanted no more.
        ::unlink(fresh.c_str());
        return true;
    }
    return std::rename(fresh.c_str(), target.c_str()) == 0;
}

}  // namespace files
