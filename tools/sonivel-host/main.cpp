// sonivel-host: registers and unregisters control libraries, reads their version, and runs
// scripts that create objects and call them. See docs/sonivel-host.md.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/automation/ObjectLoader.h"
#include "platform/json/Json.h"
#include "tools/sonivel-host/ScriptRunner.h"
#include "tools/sonivel-host/SignalGuard.h"

namespace {

constexpr const char* kUsage =
    "usage: sonivel-host register FILE | unregister FILE | version FILE | run [SCRIPT]\n";
constexpr int kOutputFailed = 3;

// Says why the output could not be written; the exit status for that.
int OutputFailed(int error) {
    std::cerr << "sonivel-host: cannot write the output: " << std::strerror(error) << '\n';
    return kOutputFailed;
}

// `status`, once everything printed has been written.
int Finish(int status) {
    errno = 0;
    if (!(std::cout << std::flush)) {
        return OutputFailed(errno != 0 ? errno : EIO);
    }
    return status;
}

int Report(const char* action, const std::string& file, automation::HResult hr) {
    std::cout << json::Value(
                     json::Value::Object{{action, file}, {"hr", automation::ResultName(hr)}})
                     .Dump()
              << '\n';
    return Finish(automation::Succeeded(hr) ? 0 : 1);
}

std::string VersionText(const std::uint16_t (&parts)[4]) {
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
           std::to_string(parts[2]) + "." + std::to_string(parts[3]);
}

int Version(const std::string& file) {
    automation::LibraryResources resources;
    const automation::HResult hr = automation::ReadLibraryResources(file, &resources);
    if (automation::Failed(hr) || !resources.table->version) {
        return Report("version", file, automation::Failed(hr) ? hr : automation::E_FAIL);
    }
    const auto& version = *resources.table->version;
    json::Value::Object strings;
    for (const auto& entry : version.strings) {
        strings.emplace_back(entry.key, entry.value);
    }
    std::cout << json::Value(
                     json::Value::Object{{"version", file},
                                         {"fileVersion", VersionText(version.fileVersion)},
                                         {"productVersion", VersionText(version.productVersion)},
                                         {"strings", std::move(strings)}})
                     .Dump()
              << '\n';
    return Finish(0);
}

int Run(std::istream& script) {
    settings::Store registry(settings::Store::DefaultPath());
    automation::ObjectLoader loader(registry);
    bool allRan = true;
    int writeError = 0;
    {
        sonivelhost::ScriptRunner runner(loader, std::cout);
        std::string line;
        // Output nobody can read: the script stops rather than act unseen.
        for (int number = 1; runner.WriteError() == 0 && std::getline(script, line); ++number) {
            allRan = runner.RunLine(line, number) && allRan;
        }
        writeError = runner.WriteError();
    }
    return writeError != 0 ? OutputFailed(writeError) : Finish(allRan ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    // With no standard output the next file opened would take its place and receive the output.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        return OutputFailed(errno);
    }
    const sonivelhost::SignalGuard signals;
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 3 && command == "register") {
        return Report("register", argv[2], automation::RegisterServer(argv[2]));
    }
    if (argc == 3 && command == "unregister") {
        return Report("unregister", argv[2], automation::UnregisterServer(argv[2]));
    }
    if (argc == 3 && command == "version") {
        return Version(argv[2]);
    }
    if (command == "run" && argc <= 3) {
        if (argc == 2) {
            return Run(std::cin);
        }
        std::ifstream file(argv[2]);
        if (!file) {
            std::cerr << "sonivel-host: cannot read " << argv[2] << '\n';
            return 2;
        }
        return Run(file);
    }
    std::cerr << kUsage;
    return 2;
}
