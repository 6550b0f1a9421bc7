// sonivel-host: registers and unregisters control libraries, reads their version, and runs
// scripts that create objects and call them. See docs/sonivel-host.md.
#include <fstream>
#include <iostream>
#include <string>

#include "platform/automation/ObjectLoader.h"
#include "platform/json/Json.h"
#include "tools/sonivel-host/ScriptRunner.h"

namespace {

constexpr const char* kUsage =
    "usage: sonivel-host register FILE | unregister FILE | version FILE | run [SCRIPT]\n";

int Report(const char* action, const std::string& file, automation::HResult hr) {
    std::cout << json::Value(
                     json::Value::Object{{action, file}, {"hr", automation::ResultName(hr)}})
                     .Dump()
              << '\n';
    return automation::Succeeded(hr) ? 0 : 1;
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
    return 0;
}

int Run(std::istream& script) {
    settings::Store registry(settings::Store::DefaultPath());
    automation::ObjectLoader loader(registry);
    bool allRan = true;
    {
        sonivelhost::ScriptRunner runner(loader, std::cout);
        std::string line;
        for (int number = 1; std::getline(script, line); ++number) {
            allRan = runner.RunLine(line, number) && allRan;
        }
    }
    return allRan ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
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
