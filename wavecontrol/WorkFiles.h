// The files the editing operations keep in the temporary folder: working copies with the prefix
// "wav", the clipboard with "clp".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sonivel {

inline constexpr std::string_view kWorkPrefix = "wav";
inline constexpr std::string_view kClipPrefix = "clp";

// A new empty file of a unique, unguessable name in `folder` (the temporary folder when empty),
// readable only by its owner; "" when it cannot be created.
std::string NewTempFile(std::string_view prefix, const std::filesystem::path& folder = {});

}  // namespace sonivel
