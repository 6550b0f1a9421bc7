// Where the samples of a WAV file start: found by searching the file's first bytes for the
// "data" tag.
#pragma once

#include <cstdint>

namespace sonivel {

// The offset of the first sample: 8 past the first "data" tag that starts at an offset from 1
// to 10000. 0 when the file cannot be read, the tag is not there, or it starts at offset 0.
// Reads at most the first 10004 bytes of the file.
std::int32_t FindHeaderSize(const char* path);

}  // namespace sonivel
