// Runs one editing operation of the control over a hostile working copy: the media interface is
// the recording stand-in, its status answers (length, channels, bits, position) come from the
// input, and its "save" writes the rest of the input as the working copy. The frame and paste
// arithmetic must then never read or write outside what it holds, whatever the bytes and the
// answers say; a successful Paste leaves a file whose sizes agree with it.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/automation/Object.h"
#include "platform/files/File.h"
#include "platform/files/TempFiles.h"
#include "platform/mci/RiffChunks.h"
#include "tests/wavecontrol/FakeMci.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelServer.h"
#include "wavecontrol/WavBuffer.h"
#include "wavecontrol/WavLayout.h"

namespace {

struct Scratch {
    std::string folder;
    std::string host;  // a canonical file Open accepts
    std::string clip;
};

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    files::File file(path, files::FileMode::CreateTruncate);
    files::WritePieces(file, 0, {data, size}, 1 << 16);
}

const Scratch& Files() {
    static const Scratch scratch = [] {
        Scratch s;
        std::string pattern = (files::TempFolder() / "fuzzedit.XXXXXX").string();
        s.folder = mkdtemp(pattern.data());
        setenv("TMPDIR", s.folder.c_str(), 1);
        s.host = s.folder + "/host.wav";
        static const std::uint8_t kHost[48] = {
            'R', 'I', 'F', 'F', 40,  0,   0,   0,   'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
            16,  0,   0,   0,   1,   0,   1,   0,   64,  31,  0,   0,   128, 62,  0,   0,
            2,   0,   16,  0,   'd', 'a', 't', 'a', 4,   0,   0,   0,   0,   0,   0,   0};
        WriteBytes(s.host, kHost, sizeof kHost);
        s.clip = s.folder + "/clip";
        return s;
    }();
    return scratch;
}

template <class T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = std::min(size, sizeof value);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sonivel;
    const Scratch& scratch = Files();
    const auto operation = Take<std::uint8_t>(data, size);
    const auto channels = static_cast<std::int8_t>(Take<std::int8_t>(data, size) % 9);
    const auto bitsChoice = Take<std::uint8_t>(data, size);
    const auto length = Take<std::uint16_t>(data, size);
    const auto from = Take<std::int32_t>(data, size);
    const auto to = Take<std::int32_t>(data, size);
    const auto position = Take<std::uint16_t>(data, size);
    const auto factor = Take<float>(data, size);
    const auto clipFileBytes = Take<std::uint16_t>(data, size);
    const auto clipBytes = Take<std::int32_t>(data, size);
    const std::vector<std::uint8_t> work(data, data + size);

    fakemci::Reset();
    const auto control = automation::MakeObject<CSonivelCtrl>();
    control->Open(scratch.host);
    const std::string alias = std::to_string(g_lAliasCounter);
    const auto status = [&](const std::string& item, long value) {
        fakemci::Respond("status " + alias + " " + item, 0, std::to_string(value));
    };
    static constexpr int kBits[] = {8, 16, 16, 8, 24, 0};
    status("length", length);
    status("channels", channels);
    status("bitspersample", kBits[bitsChoice % 6]);
    status("position", position);
    std::string workCopy;
    fakemci::OnSend("save ", [&](const std::string& command) {
        const std::string prefix = "save " + alias + " ";
        workCopy = command.substr(prefix.size(), command.size() - prefix.size() - 5);
        WriteBytes(workCopy, work.data(), work.size());
    });
    std::vector<std::uint8_t> clip(clipFileBytes);
    for (std::size_t i = 0; i < clip.size(); ++i) {
        clip[i] = static_cast<std::uint8_t>(i);
    }
    WriteBytes(scratch.clip, clip.data(), clip.size());
    std::snprintf(g_szClipFile, sizeof g_szClipFile, "%s", scratch.clip.c_str());
    g_lClipBytes = clipBytes;

    const std::int64_t count = static_cast<std::int64_t>(length) * channels;
    std::vector<std::int16_t> values(count > 0 ? static_cast<std::size_t>(count) : 0, 3);
    const auto arrayLength = static_cast<std::int32_t>(count) - (operation >> 7);
    switch (operation % 6) {
        case 0:
            control->WavFileToArray(values.data(), arrayLength);
            break;
        case 1:
            control->ArrayToWavFile(values.data(), arrayLength);
            break;
        case 2:
            control->ChangeVolume(from, to, factor);
            break;
        case 3:
            control->SetSamplingRate(from);
            break;
        case 4:
            control->Copy(from, to);
            break;
        default:
            control->Paste(from, to);
            if (control->GetErrorCode() == 0) {
                CWavBuffer pasted;
                if (!pasted.Load(workCopy, 0, -1)) {
                    __builtin_trap();
                }
                const std::int32_t header = FindDataOffset(pasted.Bytes());
                if (header == 0 ||
                    riff::ReadLe32(pasted.Data() + 4) != std::uint32_t(pasted.Size() - 8) ||
                    riff::ReadLe32(pasted.Data() + header - 4) !=
                        std::uint32_t(pasted.Size() - header)) {
                    __builtin_trap();
                }
            }
            break;
    }
    return 0;
}
