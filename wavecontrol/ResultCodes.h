// The wave control's own result codes (above the media interface's 1 to 512) and their texts.
#pragma once

#include <cstdint>

namespace sonivel {

inline constexpr std::int32_t kErrNoHeaderSize = 514;
inline constexpr std::int32_t kErrNotOpen = 515;
inline constexpr std::int32_t kErrBitsPerSample = 516;
inline constexpr std::int32_t kErrSaveTmp = 517;
inline constexpr std::int32_t kErrWavBuffer = 518;
inline constexpr std::int32_t kErrReopen = 519;
inline constexpr std::int32_t kErrArrayLength = 520;
inline constexpr std::int32_t kErrSamplingRate = 521;
inline constexpr std::int32_t kErrClipboardAccess = 522;
inline constexpr std::int32_t kErrClipboardEmpty = 523;
inline constexpr std::int32_t kErrWavEmpty = 524;

// Codes up to this one belong to the media control interface.
inline constexpr std::int32_t kLastMciCode = 512;

// The text of one of the codes above, or "Unknown error." for any other code above 512.
const char* OwnErrorText(std::int32_t code);

}  // namespace sonivel
