// Measures SONIVEL.OCX as a host uses it: Open of a 50 MB WAV file (read, and opened again at
// once while unchanged), and the time from a Play without waiting to its first sample reaching
// the audio driver (SDL's disk driver, no delay).
// Usage: sonivel-bench [RUNS]
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/automation/Dispatch.h"
#include "platform/automation/ObjectLoader.h"
#include "platform/mci/RiffChunks.h"
#include "wavecontrol/SonivelIds.h"

namespace {

using namespace automation;
using Clock = std::chrono::steady_clock;

// A 16-bit stereo 44.1 kHz file of `frames` frames of a constant non-zero level.
void WriteWav(const std::filesystem::path& path, std::uint32_t frames) {
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataSize = frames * 4;
    const auto header = riff::CanonicalHeader({2, 44100, 16}, dataSize);
    out.write(reinterpret_cast<const char*>(header->data()), header->size());
    const std::vector<char> block(1 << 16, 0x11);
    for (std::uint32_t left = dataSize; left > 0;) {
        const auto n = std::min<std::uint32_t>(left, static_cast<std::uint32_t>(block.size()));
        out.write(block.data(), n);
        left -= n;
    }
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// How long until the driver's output file holds a byte of the sound (0x11), polled every 50 us.
double FirstSample(const std::string& output, Clock::time_point start) {
    for (;;) {
        std::ifstream in(output, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        if (bytes.find('\x11') != std::string::npos) {
            return Ms(Clock::now() - start);
        }
        if (Clock::now() - start > std::chrono::seconds(5)) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.2f ms   min %8.2f ms   max %8.2f ms\n", what, ms[ms.size() / 2],
                ms.front(), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const auto dir = std::filesystem::temp_directory_path() / "sonivel-bench";
    std::filesystem::create_directories(dir);
    const std::string output = (dir / "out.raw").string();
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);

    const auto big = dir / "big.wav";
    const auto small = dir / "small.wav";
    WriteWav(big, 50'000'000 / 4);
    WriteWav(small, 44100);

    settings::Store registry(dir / "registry.ini");
    ObjectLoader loader(registry);
    Ref<IDispatch> control;
    if (Failed(loader.CreateFromLibrary(SONIVEL_OCX, sonivel::kControlClsid, IDispatch::kIid,
                                        control.PutVoid()))) {
        std::fprintf(stderr, "cannot load %s\n", SONIVEL_OCX);
        return 1;
    }
    const auto call = [&](DispId id, std::initializer_list<Variant> args) {
        Variant result;
        control->Invoke(id, std::span<const Variant>(args.begin(), args.size()), &result);
        return result;
    };

    std::vector<double> open;
    std::vector<double> reopen;
    for (int i = 0; i < runs; ++i) {
        // A query between the Close and the Open lets the closed sound go: the Open reads.
        call(sonivel::dispid::Close, {});
        call(sonivel::dispid::GetLength, {});
        for (std::vector<double>* times : {&open, &reopen}) {
            const auto start = Clock::now();
            call(sonivel::dispid::Open, {Variant(big.string())});
            times->push_back(Ms(Clock::now() - start));
            if (call(sonivel::dispid::GetErrorCode, {}).Long() != 0) {
                std::fprintf(stderr, "Open failed\n");
                return 1;
            }
        }
    }
    Report("Open, 50 MB WAV", open);
    Report("Open again, unchanged", reopen);

    std::vector<double> first;
    std::vector<double> returned;
    call(sonivel::dispid::Open, {Variant(small.string())});
    for (int i = 0; i < runs; ++i) {
        std::filesystem::remove(output);
        const auto start = Clock::now();
        call(sonivel::dispid::Play, {Variant(-1), Variant(-1), Variant(false)});
        returned.push_back(Ms(Clock::now() - start));
        first.push_back(FirstSample(output, start));
        call(sonivel::dispid::Stop, {});
        call(sonivel::dispid::Close, {});
        call(sonivel::dispid::Open, {Variant(small.string())});
    }
    Report("Play (no wait) returns", returned);
    Report("Play (no wait) to first sample at driver", first);
    call(sonivel::dispid::Close, {});
    control.Reset();
    std::filesystem::remove_all(dir);
    return 0;
}
