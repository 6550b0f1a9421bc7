#include "platform/a11y/ProcessName.h"

#include <fstream>

namespace a11y {

std::string ProcessName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

}  // namespace a11y
