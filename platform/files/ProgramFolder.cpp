#include "platform/files/ProgramFolder.h"

#include <system_error>

// Both come from the install layout (cmake/InstallDirs.cmake): a file that is always among the
// program's files, and the installed folder of those files relative to the installed executable.
#ifndef VENTRA_PROGRAM_FILE
#error "VENTRA_PROGRAM_FILE must name one of the program's files"
#endif
#ifndef VENTRA_INSTALLED_PROGRAM_FOLDER
#error "VENTRA_INSTALLED_PROGRAM_FOLDER must give the installed program folder"
#endif

namespace files {

std::filesystem::path ProgramFolder() {
    return ProgramFolderOf(std::filesystem::read_symlink("/proc/self/exe"));
}

std::filesystem::path ProgramFolderOf(const std::filesystem::path& executable) {
    const std::filesystem::path beside = executable.parent_path();
    // An unreadable folder counts as one without the files: the next place is tried, and in
    // the end the game reports each file it cannot open.
    std::error_code error;
    if (std::filesystem::exists(beside / VENTRA_PROGRAM_FILE, error)) {
        return beside;
    }
    const std::filesystem::path installed =
        (beside / VENTRA_INSTALLED_PROGRAM_FOLDER).lexically_normal();
    if (std::filesystem::exists(installed / VENTRA_PROGRAM_FILE, error)) {
        return installed;
    }
    return beside;
}

}  // namespace files
