// The methods of CSonivelCtrl that are media commands, and the routines that send them.
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/files/Paths.h"
#include "platform/mci/Mci.h"
#include "wavecontrol/CommandText.h"
#include "wavecontrol/HeaderSize.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/SonivelCtrl.h"

namespace sonivel {

namespace {

constexpr std::size_t kReplySize = 30;
constexpr std::size_t kPathBufferSize = 300;

// The short form of a path as it would fill a 300-character buffer that starts empty: a path
// that cannot be converted, or does not fit, gives "" and the command that uses it fails.
std::string ShortPathName(const std::string& path) {
    std::string shortPath = files::ShortPath(path);
    return shortPath.size() < kPathBufferSize ? shortPath : std::string();
}

// "from N" / "to N", or empty for -1 (bound not given).
std::string Bound(std::string_view word, std::int32_t value) {
    return value == -1 ? std::string() : std::string(word) + " " + std::to_string(value);
}

// The reply as a number: leading white space, an optional sign, decimal digits up to the
// first other character, limited to 32 bits; 0 without digits.
std::int32_t ReplyNumber(const char* reply) {
    const long long value = std::strtoll(reply, nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t CSonivelCtrl::SendCommand(std::initializer_list<std::string_view> pieces) {
    CommandText command;
    if (!command.Assemble(pieces)) {
        return static_cast<std::int32_t>(mci::ErrParamOverflow);
    }
    return static_cast<std::int32_t>(mci::SendString(command.Text(), nullptr, 0, &NotifyTarget()));
}

void CSonivelCtrl::OpenDevice(const std::string& path) {
    m_lErrorCode = SendCommand({"open", path, "alias", m_szAlias, "type waveaudio", "wait"});
    if (m_lErrorCode == 0) {
        // Only the open decides: a device left in its own time format still plays.
        SendCommand({"set", m_szAlias, "time format samples", "wait"});
    }
}

void CSonivelCtrl::CloseDevice() {
    // Closing what may not be open (a fresh control, a failed open) fails harmlessly.
    SendCommand({"close", m_szAlias, "wait"});
    m_strWavFilename.clear();
    m_lHeaderSize = 0;
    m_bOpen = 0;
}

std::string CSonivelCtrl::SendStatus(std::string_view item) {
    char reply[kReplySize] = {};
    CommandText command;
    if (command.Assemble({"status", m_szAlias, item, "wait"})) {
        // A failed query leaves the reply as it was, empty, which reads as 0.
        mci::SendString(command.Text(), reply, sizeof reply, &NotifyTarget());
    }
    reply[kReplySize - 1] = '\0';
    return reply;
}

std::int32_t CSonivelCtrl::StatusNumber(std::string_view item) {
    return ReplyNumber(SendStatus(item).c_str());
}

void CSonivelCtrl::Open(const std::string& WavFilename) {
    CloseDevice();
    // Wraps around instead of overflowing after 2^31 opens.
    g_lAliasCounter = static_cast<std::int32_t>(static_cast<std::uint32_t>(g_lAliasCounter) + 1);
    std::snprintf(m_szAlias, sizeof m_szAlias, "%d", static_cast<int>(g_lAliasCounter));
    const std::string shortPath = ShortPathName(WavFilename);
    OpenDevice(shortPath);
    if (m_lErrorCode != 0) {
        return;
    }
    m_strWavFilename = WavFilename;
    m_lHeaderSize = FindHeaderSize(shortPath.c_str());
    if (m_lHeaderSize == 0) {
        CloseDevice();
        m_lErrorCode = kErrNoHeaderSize;
        return;
    }
    m_bOpen = 1;
}

void CSonivelCtrl::Close() {
    CloseDevice();
}

void CSonivelCtrl::Play(std::int32_t From, std::int32_t To, bool Wait) {
    m_lErrorCode = SendCommand(
        {"play", m_szAlias, Bound("from", From), Bound("to", To), "notify", Wait ? "wait" : ""});
}

void CSonivelCtrl::Record(std::int32_t From, std::int32_t To, bool Wait) {
    // A recording without an end never blocks the caller.
    const bool wait = To != -1 && Wait;
    m_lErrorCode = SendCommand(
        {"record", m_szAlias, Bound("from", From), Bound("to", To), "notify", wait ? "wait" : ""});
}

void CSonivelCtrl::Stop() {
    m_lErrorCode = SendCommand({"stop", m_szAlias, "wait"});
}

void CSonivelCtrl::Seek(std::int32_t To) {
    const std::int32_t target = To == -1 ? GetLength() : To;
    m_lErrorCode = SendCommand({"seek", m_szAlias, "to " + std::to_string(target), "wait"});
}

void CSonivelCtrl::Delete(std::int32_t From, std::int32_t To) {
    m_lErrorCode =
        SendCommand({"delete", m_szAlias, "from " + std::to_string(From), Bound("to", To), "wait"});
}

void CSonivelCtrl::Pause() {
    const std::string mode = SendStatus("mode");
    const bool running = mode == "playing" || mode == "recording";
    m_lErrorCode = SendCommand({running ? "pause" : "resume", m_szAlias, "wait"});
}

bool CSonivelCtrl::RecordSampleIfEmpty(std::int32_t length) {
    if (length != 0) {
        return true;
    }
    const std::int32_t result = SendCommand({"record", m_szAlias, "from 0 to 1 wait"});
    if (result != 0) {
        m_lErrorCode = result;
        return false;
    }
    return true;
}

void CSonivelCtrl::SaveDeviceTo(const std::string& shortPath) {
    if (!RecordSampleIfEmpty(GetLength())) {
        return;
    }
    m_lErrorCode = SendCommand({"save", m_szAlias, shortPath, "wait"});
}

void CSonivelCtrl::Save() {
    SaveDeviceTo(ShortPathName(m_strWavFilename));
}

void CSonivelCtrl::SaveAs(const std::string& WavFilename) {
    // Only a file that exists has a short path: create it when it is new, leave an existing one
    // alone ("x" fails on an existing file, which is fine).
    if (std::FILE* created = std::fopen(files::NativePath(WavFilename).c_str(), "wx")) {
        std::fclose(created);
    }
    SaveDeviceTo(ShortPathName(WavFilename));
    if (m_lErrorCode == 0) {
        m_strWavFilename = WavFilename;
    }
}

std::int32_t CSonivelCtrl::GetLength() {
    return StatusNumber("length");
}

std::int32_t CSonivelCtrl::GetPosition() {
    return StatusNumber("position");
}

std::int16_t CSonivelCtrl::GetNumBits() {
    return static_cast<std::int16_t>(StatusNumber("bitspersample"));
}

std::int16_t CSonivelCtrl::GetNumChannels() {
    return static_cast<std::int16_t>(StatusNumber("channels"));
}

std::int32_t CSonivelCtrl::GetSamplingRate() {
    return StatusNumber("samplespersec");
}

std::int32_t CSonivelCtrl::GetMode() {
    static constexpr std::pair<std::string_view, std::int32_t> kModes[] = {
        {"not ready", 524}, {"stopped", 525}, {"playing", 526}, {"recording", 527},
        {"seeking", 528},   {"paused", 529},  {"open", 530},
    };
    const std::string mode = SendStatus("mode");
    for (const auto& [reply, value] : kModes) {
        if (mode == reply) {
            return value;
        }
    }
    return 0;
}

}  // namespace sonivel
