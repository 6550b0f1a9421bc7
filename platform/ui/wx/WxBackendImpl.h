// The windowed back end: forms become wxWidgets windows, timers wxTimers, and waiting runs the
// toolkit's event loop until a deadline.
#pragma once

#include <wx/timer.h>

#include <memory>
#include <unordered_map>

#include "platform/a11y/ScreenReaderMonitor.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"
#include "platform/ui/wx/FormWindow.h"

namespace ui::wx {

class WxBackend final : public Backend {
public:
    // Expects the toolkit to be started (wxEntryStart) and stops it in the destructor. Watches the
    // desktop for a screen reader from the start.
    WxBackend();
    WxBackend(const WxBackend&) = delete;
    WxBackend& operator=(const WxBackend&) = delete;
    ~WxBackend() override;

    std::filesystem::path ProgramFolder() const override;
    [[noreturn]] void End() override;

    std::uint64_t NowMs() const override;
    std::uint32_t TickCount() const override;
    void ProcessEventsUntil(std::uint64_t deadlineMs) override;
    void Run() override;
    void Post(std::function<void()> work) override;
    // Starts the desktop's default program for the document (xdg-open).
    void OpenDocument(const std::string& path) override;

    Answer ShowMessageBox(const MessageBoxRequest& request) override;

    void FormCreated(Form& form) override;
    void FormDestroyed(Form& form) override;
    void FormLoaded(Form& form) override;
    void FormShown(Form& form) override;
    void RunModal(Form& form) override;
    void FormClosed(Form& form) override;
    void ControlChanged(Control& control, Property property) override;
    void FocusChanged(Control& control) override;
    void TimerChanged(Timer& timer) override;

    void Report(const std::string& event, json::Value::Object fields) override;

private:
    FormWindow* WindowOf(const Form& form) const;
    // The form's window, (re)built as `kind` when it has none or one of another kind.
    FormWindow& EnsureWindow(Form& form, WindowKind kind);
    void DropWindow(Form& form);
    // Other forms' windows belong to the main window while it exists (frmReader, frmAbout).
    void OwnByMainWindow(FormWindow& window);
    // A form coming up gives the focus back to its control, or to the first in tab order (the
    // model raises the got-focus event).
    void Activate(Form& form);
    // Tells the announcements listener that the form is coming on screen (its focus follows).
    void AnnounceWindow(const Form& form);
    // Ends Run() (at once, or as soon as it starts).
    void Quit();

    // Lets the screen-reader monitor's news, posted from its thread, know the back end is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::unique_ptr<a11y::ScreenReaderMonitor> m_screenReaders;
    std::unordered_map<const Form*, std::unique_ptr<FormWindow>> m_windows;
    std::unordered_map<const Timer*, std::unique_ptr<wxTimer>> m_timers;
    Form* m_mainForm = nullptr;
    bool m_quitRequested = false;
};

}  // namespace ui::wx
