#include "wavecontrol/ResultCodes.h"

#include <utility>

namespace sonivel {

const char* OwnErrorText(std::int32_t code) {
    static constexpr std::pair<std::int32_t, const char*> kTexts[] = {
        {kErrNoHeaderSize, "Cannot determine WAV header size."},
        {kErrNotOpen, "WAV file is not open."},
        {kErrBitsPerSample, "This method supports only 8-bit or 16-bit WAV files."},
        {kErrSaveTmp, "Cannot save TMP file."},
        {kErrWavBuffer, "Cannot create WAV buffer."},
        {kErrReopen, "Cannot re-open the WAV file."},
        {kErrArrayLength,
         "Invalid array length.\n\n Array length must be: NumSamples * NumChannels"},
        {kErrSamplingRate, "Invalid sampling rate."},
        {kErrClipboardAccess, "Cannot access the Clipboard."},
        {kErrClipboardEmpty, "Clipboard is empty."},
        {kErrWavEmpty, "WAV file is empty."},
    };
    for (const auto& [known, text] : kTexts) {
        if (known == code) {
            return text;
        }
    }
    return "Unknown error.";
}

}  // namespace sonivel
