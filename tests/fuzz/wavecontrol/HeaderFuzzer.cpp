// Feeds arbitrary bytes as a whole file to the two header readers: the tag search Open uses on
// the host's file and the chunk walk the edits use on working copies. Both must stay inside the
// file and only name an offset that really follows a "data" tag.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "platform/files/File.h"
#include "platform/files/TempFiles.h"
#include "wavecontrol/HeaderSize.h"
#include "wavecontrol/WavLayout.h"

namespace {

const std::string& ScratchFile() {
    static const std::string path = files::CreateTempFile("fuzzhdr").string();
    return path;
}

// The tag lies 8 bytes before `offset`; the size field after it may be cut off by the end of
// the file.
bool FollowsTag(const std::uint8_t* data, std::size_t size, std::int32_t offset) {
    return offset >= 8 && static_cast<std::size_t>(offset) - 4 <= size &&
           std::memcmp(data + offset - 8, "data", 4) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        files::File file(ScratchFile(), files::FileMode::CreateTruncate);
        files::WritePieces(file, 0, {data, size}, 1 << 16);
    }
    const std::int32_t found = sonivel::FindHeaderSize(ScratchFile().c_str());
    if (found != 0 && (!FollowsTag(data, size, found) || found > 10008)) {
        __builtin_trap();
    }
    const std::int32_t walked = sonivel::FindDataOffset({data, size});
    if (walked != 0 && (!FollowsTag(data, size, walked) ||
                        static_cast<std::size_t>(walked) > size || walked < 20 || walked > 10008)) {
        __builtin_trap();
    }
    return 0;
}
