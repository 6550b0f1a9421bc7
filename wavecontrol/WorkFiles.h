// The files the editing operations keep in the temporary folder (working copies with the prefix
// "wav", the clipboard with "clp"), and how a whole new content is put over one of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace sonivel {

inline constexpr std::string_view kWorkPrefix = "wav";
inline constexpr std::string_view kClipPrefix = "clp";

// Writes of sample data go in pieces of at most this many bytes; reads take a whole region at once
// (the kernel copies straight into the buffer, without thousands of calls).
inline constexpr std::size_t kMaxPieceBytes = 60000;

// A new empty file of a unique, unguessable name in `folder` (the temporary folder when empty),
// readable only by its owner; "" when it cannot be created.
std::string NewTempFile(std::string_view prefix, const std::filesystem::path& folder = {});

// Replaces the content of `path` with `bytes`: they are written in pieces to a new temporary
// file beside it (named with `prefix`) that then takes the name. False when anything fails; `path`
// is then as it was.
bool WriteOver(const std::string& path, std::span<const std::uint8_t> bytes,
               std::string_view prefix);

}  // namespace sonivel
