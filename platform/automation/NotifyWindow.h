// A control's notification window: the callback target of media commands. A notice posted from
// any thread is carried to the host's UI thread through the site and delivered there as a window
// message. While the control has no site there is no window, and notices are dropped.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/automation/ControlSite.h"
#include "platform/mci/Mci.h"

namespace automation {

// The window message of a media command's completion notice: wParam carries the notify flags,
// lParam the device id.
inline constexpr std::uint32_t MM_MCINOTIFY = 0x03B9;

class NotifyWindow final : public mci::NotifyTarget {
public:
    using WindowProc =
        std::function<void(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>;

    explicit NotifyWindow(WindowProc windowProc) : m_windowProc(std::move(windowProc)) {}
    ~NotifyWindow() override { Destroy(); }

    // On the UI thread: the window exists while it has a site.
    void Create(ControlSite& site);
    // Notices still queued for a destroyed window are not delivered.
    void Destroy();

    void PostNotify(std::uint32_t flags, std::uint32_t deviceId) override;

private:
    const WindowProc m_windowProc;
    std::mutex m_mutex;
    ControlSite* m_site = nullptr;
    // Queued deliveries hold a weak reference: a window destroyed meanwhile drops them.
    std::shared_ptr<NotifyWindow*> m_alive;
};

}  // namespace automation
