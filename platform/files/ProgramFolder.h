// The program's folder: where the program finds its own files (its control library, sounds and
// help document). That is the executable's folder when they are beside it, as in a build folder,
// and otherwise the private folder the program was installed with.
#pragma once

#include <filesystem>

namespace files {

// The program's folder of the running executable.
std::filesystem::path ProgramFolder();

// The program's folder of the executable at `executable`: its own folder when the program's
// files are there, else the installed folder found from it (relative to the executable, so an
// unpacked or moved installation works too), else its own folder again.
std::filesystem::path ProgramFolderOf(const std::filesystem::path& executable);

}  // namespace files
