#include "platform/automation/Object.h"

namespace automation {

std::atomic<std::int32_t>& ModuleLockCount() {
    // One count per linked copy of this layer: each control library has its own.
    static std::atomic<std::int32_t> count{0};
    return count;
}

}  // namespace automation
