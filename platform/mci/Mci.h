// The media control interface: command strings sent to waveaudio devices by alias, replies
// written into a caller's buffer, and completion notices posted to a callback window.
#pragma once

#include <cstdint>

namespace mci {

// 0 on success, otherwise one of the published MCI error numbers (256 and up).
using ErrorCode = std::uint32_t;

inline constexpr ErrorCode Ok = 0;
inline constexpr ErrorCode ErrInvalidDeviceId = 257;
inline constexpr ErrorCode ErrUnrecognizedKeyword = 259;
inline constexpr ErrorCode ErrUnrecognizedCommand = 261;
inline constexpr ErrorCode ErrHardware = 262;
inline constexpr ErrorCode ErrInvalidDeviceName = 263;
inline constexpr ErrorCode ErrOutOfMemory = 264;
inline constexpr ErrorCode ErrParamOverflow = 268;  // the reply does not fit the caller's buffer
inline constexpr ErrorCode ErrBadInteger = 270;
inline constexpr ErrorCode ErrMissingParameter = 273;
inline constexpr ErrorCode ErrUnsupportedFunction = 274;
inline constexpr ErrorCode ErrFileNotFound = 275;
inline constexpr ErrorCode ErrDeviceNotReady = 276;
inline constexpr ErrorCode ErrOutOfRange = 282;
inline constexpr ErrorCode ErrFileNotSaved = 286;
inline constexpr ErrorCode ErrDuplicateAlias = 289;
inline constexpr ErrorCode ErrMissingDeviceName = 292;
inline constexpr ErrorCode ErrBadTimeFormat = 293;
inline constexpr ErrorCode ErrNoClosingQuote = 294;
inline constexpr ErrorCode ErrInvalidFile = 296;
inline constexpr ErrorCode ErrFilenameRequired = 304;
inline constexpr ErrorCode ErrExtraCharacters = 305;
inline constexpr ErrorCode ErrWaveOutputsInUse = 320;
inline constexpr ErrorCode ErrWaveInputsInUse = 322;
// No audio system, or no device at all that can play / record the format (not "busy").
inline constexpr ErrorCode ErrWaveOutputsUnsuitable = 326;
inline constexpr ErrorCode ErrWaveInputsUnsuitable = 328;
inline constexpr ErrorCode ErrFileRead = 348;
inline constexpr ErrorCode ErrFileWrite = 349;

// Notification flags delivered with a completion notice.
inline constexpr std::uint32_t NotifySuccessful = 1;
inline constexpr std::uint32_t NotifySuperseded = 2;
inline constexpr std::uint32_t NotifyAborted = 4;
inline constexpr std::uint32_t NotifyFailure = 8;

// The callback window of a command sent with "notify". PostNotify may be called from any thread;
// the implementation must deliver the notice on its owner's UI thread, through its event loop.
class NotifyTarget {
public:
    virtual ~NotifyTarget() = default;
    virtual void PostNotify(std::uint32_t flags, std::uint32_t deviceId) = 0;
};

// Sends one command string. `reply` (may be null when replySize is 0) receives the
// null-terminated reply of a status query. `callback` receives the notice of a "notify" command.
ErrorCode SendString(const char* command, char* reply, std::uint32_t replySize,
                     NotifyTarget* callback);

// True when the file `path` names is one the device opened as `alias` read or last saved to,
// laid out as a save writes it, and neither has changed since: saving the device into a new file
// would copy it byte for byte, so a caller that owns the file may take the file itself instead.
bool DeviceHoldsFile(const char* alias, const char* path);

// Writes the text of an error code into `text` (null-terminated, cut to size). False when the
// code is unknown (the text is then empty) or the buffer is empty.
bool GetErrorString(ErrorCode code, char* text, std::uint32_t size);

}  // namespace mci
