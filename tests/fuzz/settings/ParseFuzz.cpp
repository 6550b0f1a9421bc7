// Feeds arbitrary bytes to the settings file parser: it must either refuse them with FormatError
// or produce a tree that writes out and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/settings/Format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    settings::Tree tree;
    try {
        tree = settings::ParseTree(text);
    } catch (const settings::FormatError&) {
        return 0;  // refusing damaged input is the expected outcome
    }
    if (!(settings::ParseTree(settings::FormatTree(tree)) == tree)) {
        std::abort();
    }
    return 0;
}
