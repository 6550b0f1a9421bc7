// Opens a document with the desktop's default program.
#pragma once

#include <filesystem>

namespace shell {

// Starts `xdg-open FILE` without waiting for it. Returns false when it could not be started.
bool OpenDocument(const std::filesystem::path& file);

}  // namespace shell
