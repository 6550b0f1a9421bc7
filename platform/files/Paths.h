// Path services of the platform layer: backslash-separated paths made native, and the short-path
// lookup (a path is usable as given when its file exists).
#pragma once

#include <string>
#include <string_view>

namespace files {

// The path with every backslash turned into the directory separator "/".
std::string NativePath(std::string_view path);

// The native form of `path` when something exists there, "" otherwise.
std::string ShortPath(std::string_view path);

}  // namespace files
