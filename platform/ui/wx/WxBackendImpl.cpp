#include "platform/ui/wx/WxBackendImpl.h"

#include <wx/app.h>
#include <wx/evtloop.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "platform/files/Paths.h"
#include "platform/files/ProgramFolder.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Timer.h"
#include "platform/ui/wx/Guard.h"
#include "platform/ui/wx/MessageDialog.h"
#include "platform/ui/wx/WindowFocus.h"

namespace ui::wx {
namespace {

// Fires the model timer's handler on every tick of the toolkit timer.
class ModelTimer final : public wxTimer {
public:
    explicit ModelTimer(Timer& timer) : m_timer(timer) {}
    void Notify() override { RunHandler("timer", m_timer.onTimer); }

private:
    Timer& m_timer;
};

bool IsShown(const Form& form) {
    return form.State() == FormState::Shown || form.State() == FormState::ShownModal;
}

}  // namespace

WxBackend::WxBackend()
    : m_screenReaders(
          std::make_unique<a11y::ScreenReaderMonitor>([this, alive = m_alive](bool running) {
              Post([this, alive, running] {
                  if (*alive) {
                      SetScreenReaderRunning(running);
                  }
              });
          })) {
    SetScreenReaderRunning(m_screenReaders->ScreenReaderRunning());
}

WxBackend::~WxBackend() {
    *m_alive = false;
    m_screenReaders.reset();
    m_timers.clear();
    m_windows.clear();
    wxEntryCleanup();
}

std::filesystem::path WxBackend::ProgramFolder() const {
    return files::ProgramFolder();
}

void WxBackend::End() {
    for (auto& [form, window] : m_windows) {
        window->Window().Hide();
    }
    EndProcessNow();
}

std::uint64_t WxBackend::NowMs() const {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

std::uint32_t WxBackend::TickCount() const {
    return static_cast<std::uint32_t>(NowMs());
}

void WxBackend::ProcessEventsUntil(std::uint64_t deadlineMs) {
    // Before Run() no loop is active yet: lend one for the wait.
    std::optional<wxGUIEventLoop> ownLoop;
    std::optional<wxEventLoopActivator> activator;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (loop == nullptr) {
        ownLoop.emplace();
        activator.emplace(&*ownLoop);
        loop = &*ownLoop;
    }
    for (std::uint64_t now = NowMs(); now < deadlineMs; now = NowMs()) {
        // Sleeps until an event arrives or the time is up.
        loop->DispatchTimeout(static_cast<unsigned long>(deadlineMs - now));
    }
}

void WxBackend::Run() {
    // Our own loop rather than wx's main loop: wx cannot end its main loop from inside a
    // nested one (a modal form or a wait), and the model may unload the main form there.
    wxGUIEventLoop loop;
    wxEventLoopActivator activator(&loop);
    while (!m_quitRequested) {
        loop.Dispatch();
    }
}

void WxBackend::Post(std::function<void()> work) {
    wxTheApp->CallAfter([work = std::move(work)] { RunHandler("posted work", work); });
}

Answer WxBackend::ShowMessageBox(const MessageBoxRequest& request) {
    wxWindow* parent = nullptr;
    if (wxWindow* focus = wxWindow::FindFocus(); focus != nullptr) {
        parent = wxGetTopLevelParent(focus);
    } else if (FormWindow* main = m_mainForm != nullptr ? WindowOf(*m_mainForm) : nullptr) {
        parent = &main->Window();
    }
    const std::string title = request.title.value_or(Title());
    if (Announcements* listener = GetAnnouncements(); listener != nullptr) {
        listener->MessageBoxOpened(request, title);
    }
    return RunMessageDialog(parent, request, title);
}

void WxBackend::FormCreated(Form&) {
    // Nothing to do: the window is built when the form is loaded.
}

void WxBackend::FormDestroyed(Form& form) {
    for (const auto& timer : form.Timers()) {
        m_timers.erase(timer.get());
    }
    DropWindow(form);
}

void WxBackend::FormLoaded(Form& form) {
    // The first form becomes the main frame; later ones are usually shown modally. FormShown
    // and RunModal rebuild the window when the guess was wrong.
    EnsureWindow(
        form, m_mainForm == nullptr && m_windows.empty() ? WindowKind::Frame : WindowKind::Dialog);
}

void WxBackend::FormShown(Form& form) {
    FormWindow* window = WindowOf(form);
    if (m_mainForm == nullptr || m_mainForm == &form) {
        m_mainForm = &form;
        window = &EnsureWindow(form, WindowKind::Frame);
        wxTheApp->SetTopWindow(&window->Window());
    } else if (window == nullptr) {
        window = &EnsureWindow(form, WindowKind::Frame);
    }
    OwnByMainWindow(*window);
    AnnounceWindow(form);
    Activate(form);
    window->Show();
}

void WxBackend::RunModal(Form& form) {
    FormWindow& window = EnsureWindow(form, WindowKind::Dialog);
    OwnByMainWindow(window);
    AnnounceWindow(form);
    Activate(form);
    // ShowModal returns when FormClosed ends the run; only the model says the form has gone.
    while (IsShown(form) && WindowOf(form) == &window) {
        window.ShowModal();
    }
}

void WxBackend::FormClosed(Form& form) {
    if (FormWindow* window = WindowOf(form); window != nullptr) {
        window->Hide();
    }
    if (&form == m_mainForm && form.State() == FormState::NotLoaded) {
        Quit();  // the main window has been unloaded: the program has nothing left to show
    }
}

void WxBackend::ControlChanged(Control& control, Property property) {
    if (FormWindow* window = WindowOf(control.Owner()); window != nullptr) {
        window->ApplyChange(control, property);
    }
}

void WxBackend::FocusChanged(Control& control) {
    if (FormWindow* window = WindowOf(control.Owner()); window != nullptr) {
        window->ApplyFocus(control);
    }
}

void WxBackend::TimerChanged(Timer& timer) {
    auto& native = m_timers[&timer];
    if (!native) {
        native = std::make_unique<ModelTimer>(timer);
    }
    if (timer.Enabled() && timer.Interval() > 0) {
        native->Start(timer.Interval(), wxTIMER_CONTINUOUS);
    } else {
        native->Stop();
    }
}

void WxBackend::OpenDocument(const std::string& path) {
    // Whether a program could be started is not examined: a missing document or opener gives
    // no message of the program's own.
    static_cast<void>(shell::OpenDocument(files::NativePath(path)));
}

void WxBackend::Report(const std::string& event, json::Value::Object fields) {
    // The windowed program's effects are seen and heard; a trace only helps when debugging.
    if (std::getenv("VENTRA_DEBUG") != nullptr) {
        std::cerr << "ventra: " << event << ' ' << json::Value(std::move(fields)).Dump() << '\n';
    }
}

void WxBackend::Activate(Form& form) {
    const Control* active = form.ActiveControl();
    if (active != nullptr && active->Showing() && active->Enabled()) {
        return;
    }
    if (const std::vector<Control*> order = form.TabOrder(); !order.empty()) {
        order.front()->SetFocus();
    }
}

void WxBackend::AnnounceWindow(const Form& form) {
    if (Announcements* listener = GetAnnouncements(); listener != nullptr && IsShown(form)) {
        listener->WindowAppeared(form);
    }
}

FormWindow* WxBackend::WindowOf(const Form& form) const {
    const auto found = m_windows.find(&form);
    return found != m_windows.end() ? found->second.get() : nullptr;
}

FormWindow& WxBackend::EnsureWindow(Form& form, WindowKind kind) {
    auto& window = m_windows[&form];
    if (!window || window->Kind() != kind) {
        window.reset();
        window = std::make_unique<FormWindow>(form, kind);
        KeepFocusWhereKeysGo(window->Window());
    }
    return *window;
}

void WxBackend::OwnByMainWindow(FormWindow& window) {
    FormWindow* main = m_mainForm != nullptr ? WindowOf(*m_mainForm) : nullptr;
    if (main != nullptr && main != &window) {
        SetOwner(window.Window(), main->Window());
    }
}

void WxBackend::DropWindow(Form& form) {
    m_windows.erase(&form);
    if (&form == m_mainForm) {
        m_mainForm = nullptr;
        Quit();
    }
}

void WxBackend::Quit() {
    m_quitRequested = true;
    wxWakeUpIdle();  // lets a sleeping Run() see the request
}

}  // namespace ui::wx
