// Opens a document with the desktop's default program.
#pragma once

#include <filesystem>

namespace shell {

// Starts `xdg-open FILE` (found on PATH) without waiting for it; the process is reaped in the
// background. Returns false when it could not be started (xdg-open missing, empty path).
bool OpenDocument(const std::filesystem::path& file);

}  // namespace shell
