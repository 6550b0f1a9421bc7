#include "platform/ui/Timer.h"

#include "platform/ui/Backend.h"

namespace ui {

Timer::Timer(Backend& backend, std::string name, int intervalMs)
    : m_backend(backend), m_name(std::move(name)), m_intervalMs(intervalMs) {}

void Timer::SetEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_backend.TimerChanged(*this);
}

}  // namespace ui
