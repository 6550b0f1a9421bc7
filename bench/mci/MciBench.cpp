// Times the media control layer: from a play command to its first sample reaching the audio
// driver (SDL's disk driver, watched with inotify), and opening and saving a 50 MB WAV file.
#include <stdlib.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/mci/Mci.h"
#include "platform/mci/RiffChunks.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

void Check(mci::ErrorCode error, const std::string& command) {
    if (error != mci::Ok) {
        throw std::runtime_error(command + " failed with " + std::to_string(error));
    }
}

void Send(const std::string& command) {
    Check(mci::SendString(command.c_str(), nullptr, 0, nullptr), command);
}

// A 16-bit stereo 44.1 kHz file of `frames` frames whose samples are never zero.
void WriteWave(const fs::path& path, std::uint32_t frames) {
    const std::uint32_t dataSize = frames * 4;
    std::ofstream out(path, std::ios::binary);
    const auto header = riff::CanonicalHeader({2, 44100, 16}, dataSize);
    out.write(reinterpret_cast<const char*>(header->data()), header->size());
    std::vector<char> block(1 << 20);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>(1 + i % 200);
    }
    for (std::uint32_t left = dataSize; left > 0;) {
        const std::uint32_t piece =
            std::min<std::uint32_t>(left, static_cast<std::uint32_t>(block.size()));
        out.write(block.data(), piece);
        left -= piece;
    }
}

bool HoldsSound(const fs::path& output) {
    std::ifstream in(output, std::ios::binary);
    return std::any_of(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(),
                       [](char c) { return c != 0; });
}

// Sends a play without waiting and blocks on inotify until the driver's output file holds a
// sample that is not silence.
double PlayToFirstSample(const fs::path& folder, const fs::path& output) {
    fs::remove(output);
    const int watch = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(watch, folder.c_str(), IN_MODIFY);
    const Clock::time_point begin = Clock::now();
    Send("play b from 0");
    std::array<char, 4096> events{};
    while (!HoldsSound(output)) {
        if (read(watch, events.data(), events.size()) <= 0) {
            throw std::runtime_error("inotify read failed");
        }
    }
    const double took = Milliseconds(Clock::now() - begin);
    close(watch);
    Send("stop b wait");
    return took;
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-38s median %8.2f ms  min %8.2f ms  max %8.2f ms  (%zu runs)\n", what,
                times[times.size() / 2], times.front(), times.back(), times.size());
}

}  // namespace

int main() {
    char pattern[] = "/tmp/mci-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    const fs::path output = folder / "out.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    try {
        WriteWave(folder / "short.wav", 4410);
        Send("open " + (folder / "short.wav").string() + " alias b type waveaudio wait");
        PlayToFirstSample(folder, output);  // starts the audio system once
        std::vector<double> latency;
        for (int run = 0; run < 30; ++run) {
            latency.push_back(PlayToFirstSample(folder, output));
        }
        Report("play (no wait) -> first sample", latency);
        Send("close b wait");

        const fs::path big = folder / "big.wav";
        WriteWave(big, 50u * 1000 * 1000 / 4);
        std::vector<double> opens;
        std::vector<double> saves;
        for (int run = 0; run < 5; ++run) {
            Clock::time_point begin = Clock::now();
            Send("open " + big.string() + " alias big type waveaudio wait");
            opens.push_back(Milliseconds(Clock::now() - begin));
            begin = Clock::now();
            Send("save big " + (folder / "copy.wav").string() + " wait");
            saves.push_back(Milliseconds(Clock::now() - begin));
            Send("close big wait");
        }
        Report("open of a 50 MB WAV", opens);
        Report("save of a 50 MB WAV (with fsync)", saves);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        fs::remove_all(folder);
        return 1;
    }
    fs::remove_all(folder);
    return 0;
}
