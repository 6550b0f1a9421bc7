#include "game/shell/Operations.h"

#include <exception>
#include <utility>

namespace game {

void Operations::AfterOutermost(std::string_view name, std::function<void()> work) {
    if (m_waiting.find(name) == m_waiting.end()) {
        m_waiting.emplace(name, std::move(work));
    }
}

void Operations::Leave() {
    // While the program ends (an exception passes through every operation) nothing waits on.
    if (--m_depth > 0 || m_waiting.empty() || std::uncaught_exceptions() > 0) {
        return;
    }
    for (auto& [name, work] : std::exchange(m_waiting, {})) {
        m_backend.Post(std::move(work));
    }
}

}  // namespace game
