// The text file the settings store lives in. A UTF-8 or any-byte text, one item a line:
//   # Ventrelle settings 1          first line, names the format
//   [Classes/CLSID/{...}]           a key path
//   name=value                      a value of the key above; "=value" is the key's default value
//   # end                           last line
// Lines end with "\n". Other lines starting with "#" are comments; blank lines are ignored.
// What an editor may do to the file is read as well: "\r\n" line ends, a UTF-8 byte-order mark,
// no line end after the last line, and "# end" missing (the file is read as far as it goes).
// Escapes: "\\" "\n" "\r" "\t" and "\xHH"; control bytes are always escaped, and key paths and
// names also escape "=", "[", "]" and "#", so any byte string round-trips. Bytes from 0x80 up
// are written as they are.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/settings/Tree.h"

namespace settings {

// A store file bigger than this is treated as damaged rather than read into memory.
inline constexpr std::size_t kMaxStoreBytes = 16 * 1024 * 1024;

// The file does not follow the format; what() says where and why.
struct FormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string FormatTree(const Tree& tree);
// Throws FormatError for anything that is not a file in the format above.
Tree ParseTree(std::string_view text);

}  // namespace settings
