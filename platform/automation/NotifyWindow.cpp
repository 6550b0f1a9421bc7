#include "platform/automation/NotifyWindow.h"

namespace automation {

void NotifyWindow::Create(ControlSite& site) {
    std::lock_guard lock(m_mutex);
    m_site = &site;
    m_alive = std::make_shared<NotifyWindow*>(this);
}

void NotifyWindow::Destroy() {
    std::lock_guard lock(m_mutex);
    m_site = nullptr;
    m_alive.reset();
}

void NotifyWindow::PostNotify(std::uint32_t flags, std::uint32_t deviceId) {
    std::lock_guard lock(m_mutex);
    if (!m_site) {
        // No window, nobody to tell: a control without a site does not fire events.
        return;
    }
    std::weak_ptr<NotifyWindow*> alive = m_alive;
    m_site->Post([alive, flags, deviceId] {
        if (const auto window = alive.lock()) {
            (*window)->m_windowProc(MM_MCINOTIFY, flags, deviceId);
        }
    });
}

}  // namespace automation
