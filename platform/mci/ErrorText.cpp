#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "platform/mci/Mci.h"

namespace mci {
namespace {

constexpr std::pair<ErrorCode, std::string_view> kTexts[] = {
    {Ok, "The specified command was carried out."},
    {ErrInvalidDeviceId, "No open device has this identifier."},
    {ErrUnrecognizedKeyword, "The command holds a word this device does not understand."},
    {ErrUnrecognizedCommand, "The command is not one this interface knows."},
    {ErrHardware, "The audio hardware reported a fault."},
    {ErrInvalidDeviceName, "No open device goes by this name."},
    {ErrOutOfMemory, "There is not enough memory to carry out the command."},
    {ErrParamOverflow, "The reply is longer than the space given for it."},
    {ErrBadInteger, "A number in the command is not a valid whole number."},
    {ErrMissingParameter, "The command lacks a value it needs."},
    {ErrUnsupportedFunction, "This device cannot carry out the command."},
    {ErrFileNotFound, "The file cannot be found."},
    {ErrDeviceNotReady, "The device is not ready yet."},
    {ErrOutOfRange, "A position in the command lies outside the sound."},
    {ErrFileNotSaved, "The sound could not be saved to that file."},
    {ErrDuplicateAlias, "Another open device already uses this alias."},
    {ErrMissingDeviceName, "The command does not name a device."},
    {ErrBadTimeFormat, "This device does not know that time format."},
    {ErrNoClosingQuote, "A quoted name in the command has no closing quotation mark."},
    {ErrInvalidFile, "The file is not a sound file this device can read."},
    {ErrFilenameRequired, "The command needs a file name."},
    {ErrExtraCharacters, "The command goes on after its last value."},
    {ErrWaveOutputsInUse,
     "Every wave output that can play this sound is busy. Try again when one is free."},
    {ErrWaveInputsInUse,
     "Every wave input that can record this format is busy. Try again when one is free."},
    {ErrWaveOutputsUnsuitable, "There is no wave output that can play this sound."},
    {ErrWaveInputsUnsuitable, "There is no wave input that can record this format."},
    {ErrFileRead, "The file could not be read."},
    {ErrFileWrite, "The file could not be written."},
};

}  // namespace

bool GetErrorString(ErrorCode code, char* text, std::uint32_t size) {
    if (text == nullptr || size == 0) {
        return false;
    }
    text[0] = '\0';
    const auto* found = std::find_if(std::begin(kTexts), std::end(kTexts),
                                     [code](const auto& entry) { return entry.first == code; });
    if (found == std::end(kTexts)) {
        return false;
    }
    const std::size_t length = std::min<std::size_t>(found->second.size(), size - 1);
    std::memcpy(text, found->second.data(), length);
    text[length] = '\0';
    return true;
}

}  // namespace mci
