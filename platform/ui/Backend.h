// What a UI back end provides to the model and to the program: native windows (or a script and a
// trace), the event loop with its clock and timers, message boxes, and the application object.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/json/Json.h"
#include "platform/ui/Announcements.h"
#include "platform/ui/Control.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"

namespace ui {

class Form;
class Timer;

// Thrown out of the event loops when the program ends at once; not a std::exception, so the
// game's error handlers let it pass.
struct ProgramEnded {};

class Backend {
public:
    virtual ~Backend() = default;

    // --- The application object ---
    const std::string& Title() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    const std::string& HelpFile() const { return m_helpFile; }
    void SetHelpFile(std::string helpFile) { m_helpFile = std::move(helpFile); }
    // The program's folder, where its own files are (files::ProgramFolder): the executable's
    // folder, or the folder an installed program keeps them in.
    virtual std::filesystem::path ProgramFolder() const = 0;
    // Ends the program at once: every window goes without running further handlers.
    [[noreturn]] virtual void End() = 0;

    // --- Clock and waiting ---
    // Milliseconds on a monotonic clock; never wraps.
    virtual std::uint64_t NowMs() const = 0;
    // The platform's 32-bit millisecond tick counter (wraps after about 49.7 days).
    virtual std::uint32_t TickCount() const = 0;
    // Processes events (input, timers, posted work) until the clock reaches the deadline,
    // sleeping while there is nothing to do.
    virtual void ProcessEventsUntil(std::uint64_t deadlineMs) = 0;
    // Runs the main loop until the program ends.
    virtual void Run() = 0;
    // Queues work for the UI thread; safe to call from any thread.
    virtual void Post(std::function<void()> work) = 0;

    // --- The shell ---
    // Opens a document with the desktop's default program and returns at once; whether it could
    // be opened is not reported. A backslash in the path is a folder separator.
    virtual void OpenDocument(const std::string& path) = 0;
    // What F1 does when no key handler took it: opens the application's help file. False when
    // the application has none.
    bool OpenHelpFile() {
        if (m_helpFile.empty())
            return false;
        OpenDocument(m_helpFile);
        return true;
    }

    // --- Keys of the whole program ---
    // What a key means in every window of the program once the focused control's handler has
    // left it alone (after the window's own keys, such as Enter and F1, have not taken it):
    // returns true when the key must go no further.
    using ApplicationKeys = std::function<bool(int keyCode, Modifiers modifiers)>;
    void SetApplicationKeys(ApplicationKeys keys) { m_applicationKeys = std::move(keys); }
    bool TakeApplicationKey(int keyCode, Modifiers modifiers) const {
        return m_applicationKeys && m_applicationKeys(keyCode, modifiers);
    }

    // --- Modal message box ---
    virtual Answer ShowMessageBox(const MessageBoxRequest& request) = 0;

    // --- Notifications from the model ---
    // A form exists (its constructor) or goes (its destructor); scripts find controls by name.
    virtual void FormCreated(Form& form) = 0;
    virtual void FormDestroyed(Form& form) = 0;
    virtual void FormLoaded(Form& form) = 0;
    virtual void FormShown(Form& form) = 0;
    // Shows the form modally and runs a modal loop until the form is no longer shown.
    virtual void RunModal(Form& form) = 0;
    // The form left the screen: hidden (state Loaded) or unloaded (state NotLoaded).
    virtual void FormClosed(Form& form) = 0;
    virtual void ControlChanged(Control& control, Property property) = 0;
    virtual void FocusChanged(Control& control) = 0;
    virtual void TimerChanged(Timer& timer) = 0;

    // --- The screen reader ---
    // Whether a screen reader runs on the desktop: the windowed back end watches for one; in a
    // headless run the script says (running until it says otherwise).
    bool ScreenReaderRunning() const { return m_screenReaderRunning; }
    // Called on the UI thread after ScreenReaderRunning() has changed.
    std::function<void()> onScreenReaderChanged;
    // Who is told what a screen reader would announce (nobody when null).
    void SetAnnouncements(Announcements* listener) { m_announcements = listener; }
    Announcements* GetAnnouncements() const { return m_announcements; }

    // --- Observability ---
    // An observable effect outside the UI (speech, sound, settings, shell): the headless back
    // end writes it to its trace, the windowed one ignores it.
    virtual void Report(const std::string& event, json::Value::Object fields) = 0;

protected:
    // Records what the back end has found (UI thread) and tells onScreenReaderChanged of a change.
    void SetScreenReaderRunning(bool running) {
        if (running == m_screenReaderRunning)
            return;
        m_screenReaderRunning = running;
        if (onScreenReaderChanged)
            onScreenReaderChanged();
    }

private:
    std::string m_title;
    std::string m_helpFile;
    ApplicationKeys m_applicationKeys;
    bool m_screenReaderRunning = true;
    Announcements* m_announcements = nullptr;
};

}  // namespace ui
