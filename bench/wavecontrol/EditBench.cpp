// Measures the editing jobs of SONIVEL.OCX as a host runs them, each as a whole process:
// sonivel-host opens a 16-bit stereo 44.1 kHz WAV, edits it, saves it with SaveAs and closes it,
// against sox doing the same job on the same file followed by `sync FILE`, so that both outputs
// are equally safe on disk. Times are wall-clock of the whole processes, then their processor time
// (user and system); peak memory is each process's maximum resident set as the kernel counts it.
// Medians of the runs are printed.
//
// Usage: sonivel-edit-bench [RUNS] [MB...]   (3 runs; 100 and 1000 MB when no size is given)
// SONIVEL_HOST and SONIVEL_OCX in the environment measure another build of the host and control.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/mci/RiffChunks.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Outcome {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time
    double peakMiB = 0;
    bool ok = false;
};

// Runs `argv` with its standard output in `output`; its time and peak memory.
Outcome Run(const std::vector<std::string>& argv, const fs::path& output) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    std::fflush(stdout);  // the child would print what is still buffered
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (std::freopen(output.c_str(), "w", stdout) == nullptr) {
            _exit(126);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        return {};
    }
    Outcome outcome;
    outcome.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    outcome.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    outcome.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    outcome.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

// 16-bit stereo: a ramp over the whole range, so every sample is scaled and some clip in neither
// direction. `bytes` of samples.
void WriteWav(const fs::path& path, std::uint64_t bytes) {
    const auto header = riff::CanonicalHeader({2, 44100, 16}, bytes);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header->data()), header->size());
    std::vector<std::uint8_t> block(1 << 20);
    std::uint32_t frame = 0;
    for (std::uint64_t written = 0; written < bytes; written += block.size()) {
        for (std::size_t i = 0; i + 4 <= block.size(); i += 4, ++frame) {
            const auto v = static_cast<std::uint16_t>(frame * 13);
            riff::PutLe16(&block[i], v);
            riff::PutLe16(&block[i + 2], static_cast<std::uint16_t>(~v));
        }
        out.write(
            reinterpret_cast<const char*>(block.data()),
            static_cast<std::streamsize>(std::min<std::uint64_t>(block.size(), bytes - written)));
    }
}

struct Job {
    std::string name;
    std::vector<std::string> calls;  // the script lines between Open and SaveAs
    std::string soxEffect;
};

struct Figures {
    std::vector<double> control, controlCpu, controlPeak, sox, soxCpu, soxPeak;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Bench {
public:
    Bench(fs::path dir, std::string host, std::string library)
        : m_dir(std::move(dir)), m_host(std::move(host)), m_library(std::move(library)) {}

    // One run of the job by the control: false when a call failed.
    bool Control(const Job& job, Figures& figures) {
        const fs::path script = m_dir / "job.txt";
        std::ofstream(script) << "create s SONIVEL.SonivelCtrl --library " << m_library << "\n"
                              << "call s Open \"" << In().string() << "\"\n";
        for (const std::string& call : job.calls) {
            std::ofstream(script, std::ios::app) << call << "\n";
        }
        std::ofstream(script, std::ios::app) << "call s SaveAs \"" << Out().string() << "\"\n"
                                             << "call s Close\n";
        const fs::path log = m_dir / "job.jsonl";
        const Outcome outcome = Run({m_host, "run", script.string()}, log);
        std::ifstream in(log);
        const std::string printed((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
        figures.control.push_back(outcome.seconds);
        figures.controlCpu.push_back(outcome.cpuSeconds);
        figures.controlPeak.push_back(outcome.peakMiB);
        bool ok = outcome.ok && fs::exists(Out());
        std::istringstream lines(printed);
        for (std::string line; std::getline(lines, line);) {
            ok = ok && line.find("\"error\"") == std::string::npos &&
                 (line.find("\"call\"") == std::string::npos || line.ends_with("\"errorCode\":0}"));
        }
        if (!ok) {
            std::fprintf(stderr, "%s failed:\n%s", job.name.c_str(), printed.c_str());
        }
        fs::remove(Out());
        return ok;
    }

    // One run of the job by sox, then sync of its output.
    bool Sox(const Job& job, Figures& figures) {
        std::vector<std::string> command = {"sox", In().string(), Out().string()};
        std::string effect = job.soxEffect;
        for (std::size_t at = 0; at != std::string::npos;) {
            const std::size_t space = effect.find(' ', at);
            command.push_back(effect.substr(at, space == std::string::npos ? space : space - at));
            at = space == std::string::npos ? space : space + 1;
        }
        const Outcome sox = Run(command, "/dev/null");
        const Outcome sync = Run({"sync", Out().string()}, "/dev/null");
        figures.sox.push_back(sox.seconds + sync.seconds);
        figures.soxCpu.push_back(sox.cpuSeconds + sync.cpuSeconds);
        figures.soxPeak.push_back(sox.peakMiB);
        fs::remove(Out());
        return sox.ok && sync.ok;
    }

    fs::path In() const { return m_dir / "in.wav"; }
    fs::path Out() const { return m_dir / "out.wav"; }

private:
    fs::path m_dir;
    std::string m_host;
    std::string m_library;
};

std::string FromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::vector<std::uint64_t> sizes;
    for (int i = 2; i < argc; ++i) {
        sizes.push_back(std::strtoull(argv[i], nullptr, 10) * 1000 * 1000);
    }
    if (sizes.empty()) {
        sizes = {100'000'000, 1'000'000'000};
    }
    std::string pattern = (fs::temp_directory_path() / "sonivel-edit.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir = pattern;
    // The working copies and the clipboard go into a temporary folder of their own beside the
    // files, on the same disk as sox's output; the host's files stay outside it, so saving them
    // pays for the flush to disk as a user's file does.
    fs::create_directory(dir / "temp");
    setenv("TMPDIR", (dir / "temp").c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Bench bench(dir, FromEnvironment("SONIVEL_HOST", SONIVEL_HOST),
                FromEnvironment("SONIVEL_OCX", SONIVEL_OCX));

    bool ok = true;
    std::vector<std::string> cpuRows;
    std::printf("| job | file | control | sox + sync | ratio | control peak | sox peak |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const std::uint64_t bytes : sizes) {
        WriteWav(bench.In(), bytes);
        const std::uint64_t half = bytes / 4 / 2;
        const Job jobs[] = {
            {"ChangeVolume 0.5", {"call s ChangeVolume 0 -1 0.5"}, "vol 0.5"},
            {"Copy first half, Paste over the rest",
             {"call s Copy 0 " + std::to_string(half - 1),
              "call s Paste " + std::to_string(half) + " -1"},
             "trim 0 " + std::to_string(half) + "s repeat 1"},
        };
        for (const Job& job : jobs) {
            Figures figures;
            for (int run = 0; run < runs && ok; ++run) {
                ok = bench.Control(job, figures) && bench.Sox(job, figures);
            }
            if (!ok) {
                break;
            }
            std::printf("| %s | %llu MB | %.2f s | %.2f s | %.2f | %.0f MiB | %.1f MiB |\n",
                        job.name.c_str(), static_cast<unsigned long long>(bytes / 1000000),
                        Median(figures.control), Median(figures.sox),
                        Median(figures.control) / Median(figures.sox), Median(figures.controlPeak),
                        Median(figures.soxPeak));
            std::fflush(stdout);
            char row[200];
            std::snprintf(row, sizeof row, "| %s | %llu MB | %.2f s | %.2f s | %.2f |\n",
                          job.name.c_str(), static_cast<unsigned long long>(bytes / 1000000),
                          Median(figures.controlCpu), Median(figures.soxCpu),
                          Median(figures.controlCpu) / Median(figures.soxCpu));
            cpuRows.emplace_back(row);
        }
    }
    // On a shared machine the wall-clock times include waiting for a processor; the processor
    // time of the same runs does not.
    std::printf("\n| job | file | control CPU | sox + sync CPU | ratio |\n|---|---|---|---|---|\n");
    for (const std::string& row : cpuRows) {
        std::printf("%s", row.c_str());
    }
    fs::remove_all(dir);
    if (!ok) {
        std::fprintf(stderr, "a job failed\n");
        return 1;
    }
    return 0;
}
