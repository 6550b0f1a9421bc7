// One command string of the media control interface, parsed into what it asks of which device.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/mci/Mci.h"

namespace mci {

enum class Verb { Open, Close, Set, Status, Play, Record, Stop, Pause, Resume, Seek, Delete, Save };
enum class StatusItem { Length, Position, Mode, BitsPerSample, Channels, SamplesPerSec };
enum class TimeFormat { Samples, Milliseconds };
enum class SeekTarget { Position, Start, End };

struct Command {
    Verb verb = Verb::Open;
    // The device the command names: the alias (for open, the alias given or else the file name);
    // "all" only with close.
    std::string device;
    std::string file;  // open and save, without enclosing quotes
    // Positions in the device's time format, as written (range checks are the device's).
    std::optional<std::int64_t> from;
    std::optional<std::int64_t> to;
    SeekTarget seekTarget = SeekTarget::Position;
    StatusItem statusItem = StatusItem::Length;
    TimeFormat timeFormat = TimeFormat::Samples;
    bool wait = false;
    bool notify = false;
};

struct ParseResult {
    ErrorCode error = Ok;
    Command command;
};

// Words are separated by runs of white space and compared without regard to case.
ParseResult ParseCommand(std::string_view text);

}  // namespace mci
