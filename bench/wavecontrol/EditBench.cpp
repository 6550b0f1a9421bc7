// Measures the editing operations of SONIVEL.OCX on a 100 MB 16-bit stereo WAV against sox doing
// the same job on the same file in the same run: ChangeVolume by 0.5 (sox "vol 0.5"), and Copy of
// the first half pasted over the second half (sox "trim 0 Ns repeat 1"). Prints each median and
// the ratio control / sox; below 1 the control is faster.
// Usage: sonivel-edit-bench [RUNS]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/automation/Dispatch.h"
#include "platform/automation/ObjectLoader.h"
#include "wavecontrol/SonivelIds.h"

namespace {

using namespace automation;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kFrames = 100'000'000 / 4;

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// 16-bit stereo 44.1 kHz: a ramp that spans the whole range, so every sample is scaled and some
// clip in neither direction.
void WriteWav(const std::filesystem::path& path) {
    std::string header = "RIFF";
    PutLe(header, 36 + kFrames * 4, 4);
    header += "WAVEfmt ";
    for (const auto& [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {44100u, 4}, {44100u * 4, 4}, {4u, 2}, {16u, 2}}) {
        PutLe(header, value, bytes);
    }
    header += "data";
    PutLe(header, kFrames * 4, 4);
    std::ofstream out(path, std::ios::binary);
    out << header;
    std::string block;
    for (std::uint32_t frame = 0; frame < kFrames; ++frame) {
        const auto v = static_cast<std::uint32_t>(static_cast<std::int16_t>(frame * 13));
        PutLe(block, v, 2);
        PutLe(block, ~v, 2);
        if (block.size() >= (1 << 20) || frame + 1 == kFrames) {
            out << block;
            block.clear();
        }
    }
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double Time(const std::function<void()>& job) {
    const auto start = Clock::now();
    job();
    return Ms(Clock::now() - start);
}

void Report(const char* what, const std::vector<double>& control, const std::vector<double>& sox) {
    std::printf("%-44s control %8.0f ms   sox %8.0f ms   ratio %.2f\n", what, Median(control),
                Median(sox), Median(control) / Median(sox));
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::string pattern = (std::filesystem::temp_directory_path() / "sonivel-edit.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path dir = pattern;
    // The working copies and the clipboard go into a temporary folder of their own beside the
    // files, on the same disk as sox's output; the host's files stay outside it, so saving them
    // pays for the flush to disk as a user's file does.
    const std::filesystem::path temp = dir / "temp";
    std::filesystem::create_directory(temp);
    setenv("TMPDIR", temp.c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    const std::string in = (dir / "in.wav").string();
    const std::string out = (dir / "out.wav").string();
    WriteWav(in);

    settings::Store registry(dir / "registry.ini");
    ObjectLoader loader(registry);
    Ref<IDispatch> control;
    if (Failed(loader.CreateFromLibrary(SONIVEL_OCX, sonivel::kControlClsid, IDispatch::kIid,
                                        control.PutVoid()))) {
        std::fprintf(stderr, "cannot load %s\n", SONIVEL_OCX);
        return 1;
    }
    bool failed = false;
    const auto call = [&](DispId id, std::initializer_list<Variant> args) {
        Variant result;
        control->Invoke(id, std::span<const Variant>(args.begin(), args.size()), &result);
        Variant code;
        control->Invoke(sonivel::dispid::GetErrorCode, {}, &code);
        failed = failed || code.Long() != 0;
    };
    const auto sox = [&](const std::string& effect) {
        const std::string command = "sox '" + in + "' '" + out + "' " + effect;
        failed = failed || std::system(command.c_str()) != 0;
    };
    const std::int32_t half = kFrames / 2;
    const std::string trim = "trim 0 " + std::to_string(half) + "s repeat 1";

    std::vector<double> volume, volumeWhole, soxVolume, clip, clipWhole, soxTrim;
    for (int i = 0; i < runs; ++i) {
        double open = Time([&] { call(sonivel::dispid::Open, {Variant(in)}); });
        const double scale = Time([&] {
            call(sonivel::dispid::ChangeVolume, {Variant(0), Variant(-1), Variant(0.5f)});
        });
        double save = Time([&] { call(sonivel::dispid::SaveAs, {Variant(out)}); });
        volume.push_back(scale);
        volumeWhole.push_back(open + scale + save);
        soxVolume.push_back(Time([&] { sox("vol 0.5"); }));

        open = Time([&] { call(sonivel::dispid::Open, {Variant(in)}); });
        const double edit = Time([&] {
            call(sonivel::dispid::Copy, {Variant(0), Variant(half - 1)});
            call(sonivel::dispid::Paste, {Variant(half), Variant(-1)});
        });
        save = Time([&] { call(sonivel::dispid::SaveAs, {Variant(out)}); });
        clip.push_back(edit);
        clipWhole.push_back(open + edit + save);
        soxTrim.push_back(Time([&] { sox(trim); }));
    }
    call(sonivel::dispid::Close, {});
    control.Reset();
    std::filesystem::remove_all(dir);
    if (failed) {
        std::fprintf(stderr, "a call or sox failed\n");
        return 1;
    }
    std::printf("100 MB 16-bit stereo WAV, %d runs, medians\n", runs);
    Report("ChangeVolume 0.5 (the call)", volume, soxVolume);
    Report("Open + ChangeVolume 0.5 + SaveAs", volumeWhole, soxVolume);
    Report("Copy half + Paste over the rest (the calls)", clip, soxTrim);
    Report("Open + Copy + Paste + SaveAs", clipWhole, soxTrim);
    return 0;
}
