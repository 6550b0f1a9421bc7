// The name the system gives a running process: the file name it was started as (a script's own
// name, not its interpreter's), at most 15 bytes.
#pragma once

#include <sys/types.h>

#include <string>

namespace a11y {

// "" when there is no such process or its name cannot be read.
std::string ProcessName(pid_t pid);

}  // namespace a11y
