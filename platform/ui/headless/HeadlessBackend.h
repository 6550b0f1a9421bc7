// The headless UI back end: a script on an input stream drives the program, a virtual clock
// runs its timers and waits, and every observable effect goes to a JSON Lines trace.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"
#include "platform/ui/headless/KeyNames.h"
#include "platform/ui/headless/MenuNavigation.h"
#include "platform/ui/headless/ScriptError.h"
#include "platform/ui/headless/ScriptReader.h"

namespace ui {

// Where the virtual clock stops (about 146 million years): a `wait` beyond it lets no more time
// pass, so the clock never comes near the 2^63 a trace's "t" can hold.
inline constexpr std::uint64_t kClockEndMs = std::uint64_t{1} << 62;

class HeadlessBackend final : public Backend {
public:
    // A program-specific script command; throws ScriptError for bad arguments.
    using Command = std::function<void(const std::vector<std::string>& args)>;

    HeadlessBackend(std::istream& script, std::ostream& trace, std::filesystem::path programFolder);

    // Registers a program command ("setting", "seed", "deck", "speech"); the name must be new.
    void AddCommand(std::string name, Command command);
    // The fields of the `state` event that `dump` writes (before "frame" and "focus").
    void SetStateProvider(std::function<json::Value::Object()> provider);
    // Runs the whole script: `start` calls entry(), then the main loop goes on until the script
    // ends or the program ends. Returns the exit status: 0, 2 after an `error` event, or 1 when
    // the trace could not be written (TraceError says why; the run stops at the failed line).
    int RunScript(const std::function<void()>& entry);
    // Why the trace could not be written (the system's text, e.g. "No space left on device"), or
    // empty while it could.
    const std::string& TraceError() const { return m_traceError; }
    // Writes one trace line: {"t":now,"ev":ev, fields...}. UI thread only.
    void Emit(const std::string& ev, json::Value::Object fields);
    // Sets the virtual clock (before the script runs), at most to kClockEndMs.
    void SetClock(std::uint64_t ms);

    // Backend
    std::filesystem::path ProgramFolder() const override { return m_programFolder; }
    [[noreturn]] void End() override;
    std::uint64_t NowMs() const override { return m_now; }
    std::uint32_t TickCount() const override { return static_cast<std::uint32_t>(m_now); }
    void ProcessEventsUntil(std::uint64_t deadlineMs) override;
    void Run() override;
    void Post(std::function<void()> work) override;
    // Traces `shell` with the path; nothing is started.
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
    enum class LoopKind { BeforeStart, Main, Wait, Modal, MessageBox };
    struct Loop {
        LoopKind kind;
        std::function<bool()> done;
        std::optional<std::uint64_t> deadline;
        std::string blocker;  // what an end of script leaves open, for Modal and MessageBox
    };
    struct OpenBox {
        const MessageBoxRequest& request;
        std::optional<Answer> answer;
    };
    struct Scheduled {
        std::uint64_t due;
        std::uint64_t order;  // timers due at the same time fire in the order they were armed
    };
    struct OpenMenu {
        Form* form;
        MenuNavigation navigation;
    };

    // RunScript's run, with the status the script gives (a failed trace is RunScript's to add).
    int RunToTheEnd(const std::function<void()>& entry);
    // The event loop every Backend loop runs on: posted work, due timers, then the next command.
    void Pump(const Loop& loop);
    bool RunPosted();
    bool FireDueTimer(const Loop& loop);
    void Execute(const ScriptLine& line);
    void ExecuteBuiltIn(const std::string& name, const std::vector<std::string>& args);
    [[noreturn]] void Fail(const std::string& text);

    // Script commands (HeadlessCommands.cpp).
    void CommandWait(const std::vector<std::string>& args);
    void CommandKey(const std::vector<std::string>& args);
    void CommandClick(const std::vector<std::string>& args);
    void CommandSelect(const std::vector<std::string>& args);
    void CommandFocus(const std::vector<std::string>& args);
    void CommandMenu(const std::vector<std::string>& args);
    void CommandClose(const std::vector<std::string>& args);
    void CommandAnswer(const std::vector<std::string>& args);
    void CommandDump(const std::vector<std::string>& args);
    void CommandScreenReader(const std::vector<std::string>& args);
    void PressKey(const KeyPress& key);
    void DefaultKeyAction(Form& form, Control* control, const KeyPress& key);
    void AnswerBox(OpenBox& box, const std::string& word);
    Form& InputForm();
    // Menus opened from the keyboard (HeadlessMenus.cpp).
    void OpenMenuOf(Form& form, MenuItem& menu);
    // Whether the open menu took the key; a key it does not use closes it first.
    bool TakeMenuKey(const KeyPress& key);
    void CloseMenu();
    void AnnounceMenuMove(const MenuMove& move);
    Control& InputControl(const std::string& name);
    void Activate(Form& form);

    Form* FormOf(const Timer& timer) const;
    bool Shown(const Form& form) const;
    void FlushItems();
    void Write(const std::string& ev, json::Value::Object fields);

    ScriptReader m_script;
    std::ostream& m_trace;
    std::filesystem::path m_programFolder;
    std::map<std::string, Command> m_commands;
    std::function<json::Value::Object()> m_stateProvider;

    std::string m_traceError;

    std::uint64_t m_now = 0;
    std::uint64_t m_target = 0;  // where `wait` lets the clock go; commands are read there
    std::uint64_t m_armed = 0;
    bool m_startRequested = false;
    bool m_scriptEnded = false;

    std::vector<Form*> m_forms;            // in creation order
    std::vector<Form*> m_shown;            // on screen, the active one last
    std::vector<OpenBox*> m_boxes;         // open message boxes, innermost last
    std::deque<std::string> m_answers;     // answers given before their box opened
    std::map<Timer*, Scheduled> m_timers;  // enabled timers
    std::set<Timer*> m_busyTimers;         // timers whose handler is running
    Control* m_pendingItems = nullptr;     // a list whose new entries are not yet traced
    std::optional<OpenMenu> m_openMenu;    // a menu opened from the keyboard

    std::mutex m_postedMutex;
    std::deque<std::function<void()>> m_posted;
};

}  // namespace ui
