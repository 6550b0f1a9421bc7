// Feeds arbitrary text to the command parser: it must answer every input with a result,
// never crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/mci/Command.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const mci::ParseResult parsed =
        mci::ParseCommand(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed.error == mci::Ok && parsed.command.device.empty()) {
        __builtin_trap();  // every accepted command names a device
    }
    return 0;
}
