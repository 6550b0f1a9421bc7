// The temporary folder and new, uniquely named temporary files created in it safely.
#pragma once

#include <filesystem>
#include <string_view>

namespace files {

// $TMPDIR when set and not empty, else /tmp.
std::filesystem::path TempFolder();

// Creates a new empty file (mode 0600) named `prefix` followed by random characters in `folder`
// (TempFolder() when empty) and returns its path. Throws std::system_error when it cannot be
// created.
std::filesystem::path CreateTempFile(std::string_view prefix,
                                     const std::filesystem::path& folder = {});

// Puts the scratch file `fresh` in the place of the existing file `target`, unflushed: the two
// are exchanged and the old one removed, because renamed over another file ext4 would write the
// new one to the disk at once. A plain rename where the exchange is not supported. False (with
// errno) when neither can be done.
bool ReplaceScratchFile(const std::filesystem::path& fresh, const std::filesystem::path& target);

}  // namespace files
