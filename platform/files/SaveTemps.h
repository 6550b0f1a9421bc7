// The new files a save writes beside its target before putting them in its place, named
// ".NAME.XXXXXXXX" (NAME the target's name, then 8 random letters and digits). Each is locked for
// as long as it is open, so that a save killed half-way is told from one still running: the
// leftovers of killed saves are removed by the next save of the same target.
#pragma once

#include <filesystem>

#include "platform/files/File.h"

namespace files {

// Creates a new locked save file beside `target` and sets `path` to it. A file that is not open
// has failed: Error() says why (0 when no free name was found).
File CreateSaveTemp(const std::filesystem::path& target, std::filesystem::path& path);

// Removes this user's save files of `target` that no open file holds locked: what saves killed
// half-way left behind. Another process's save that is still running keeps its file.
void RemoveSaveLeftovers(const std::filesystem::path& target);

}  // namespace files
