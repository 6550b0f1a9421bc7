#include "platform/ui/headless/HeadlessBackend.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace ui {

namespace {

// Unwinds every loop after an `error` event; not a std::exception, so the program's error
// handlers let it pass.
struct ScriptAborted {};

// Unwinds every loop once the trace cannot be written: nothing the run does would be seen.
struct TraceFailed {};

constexpr int kTraceFailedStatus = 1;

const char* ButtonsName(Buttons buttons) {
    return buttons == Buttons::YesNo ? "yesno" : "ok";
}

const char* IconName(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return "information";
        case Icon::Question:
            return "question";
        case Icon::None:
            break;
    }
    return "none";
}

template <typename T>
void Erase(std::vector<T*>& items, const T* item) {
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

HeadlessBackend::HeadlessBackend(std::istream& script, std::ostream& trace,
                                 std::filesystem::path programFolder)
    : m_script(script), m_trace(trace), m_programFolder(std::move(programFolder)) {}

void HeadlessBackend::AddCommand(std::string name, Command command) {
    static const std::set<std::string> builtIn{"start",  "wait",  "key",         "click",
                                               "select", "focus", "menu",        "close",
                                               "answer", "dump",  "screenreader"};
    if (builtIn.count(name) != 0 || m_commands.count(name) != 0)
        throw std::invalid_argument("script command " + name + " exists already");
    m_commands.emplace(std::move(name), std::move(command));
}

void HeadlessBackend::SetStateProvider(std::function<json::Value::Object()> provider) {
    m_stateProvider = std::move(provider);
}

void HeadlessBackend::SetClock(std::uint64_t ms) {
    m_now = std::min(ms, kClockEndMs);
    m_target = m_now;
}

int HeadlessBackend::RunScript(const std::function<void()>& entry) {
    const int status = RunToTheEnd(entry);
    return m_traceError.empty() ? status : kTraceFailedStatus;
}

int HeadlessBackend::RunToTheEnd(const std::function<void()>& entry) {
    try {
        Pump({LoopKind::BeforeStart, [this] { return m_startRequested; }, {}, {}});
        if (!m_startRequested)
            return 0;
        entry();
        Run();
        FlushItems();
        return 0;
    } catch (const ProgramEnded&) {
        return 0;
    } catch (const ScriptAborted&) {
        return 2;
    } catch (const TraceFailed&) {
        return kTraceFailedStatus;
    } catch (const std::exception& e) {
        // Nothing of the program caught it: in a windowed run it would end the program.
        Emit("error", {{"text", std::string("unhandled error: ") + e.what()}});
        return 2;
    }
}

void HeadlessBackend::Emit(const std::string& ev, json::Value::Object fields) {
    FlushItems();
    Write(ev, std::move(fields));
}

// After a failed write nothing more is written; the next turn of a loop ends the run (a handler
// may be in the middle of its work here, and a destructor may be writing).
void HeadlessBackend::Write(const std::string& ev, json::Value::Object fields) {
    if (!m_traceError.empty())
        return;
    json::Value::Object line{{"t", static_cast<std::int64_t>(m_now)}, {"ev", ev}};
    for (auto& field : fields)
        line.push_back(std::move(field));
    errno = 0;
    m_trace << json::Value(std::move(line)).Dump() << '\n';
    m_trace.flush();
    if (!m_trace) {
        const int error = errno;
        m_traceError = error != 0 ? std::generic_category().message(error) : "write error";
    }
}

void HeadlessBackend::FlushItems() {
    Control* control = std::exchange(m_pendingItems, nullptr);
    if (control == nullptr)
        return;
    json::Value::Array items(control->Items().begin(), control->Items().end());
    Write("items", {{"control", control->Name()}, {"value", std::move(items)}});
}

[[noreturn]] void HeadlessBackend::Fail(const std::string& text) {
    Emit("error", {{"text", text}});
    throw ScriptAborted{};
}

// --- Loops ---

void HeadlessBackend::Pump(const Loop& loop) {
    for (;;) {
        if (!m_traceError.empty())
            throw TraceFailed{};
        FlushItems();
        if (loop.done())
            return;
        if (RunPosted() || FireDueTimer(loop))
            continue;
        if (loop.deadline && *loop.deadline <= m_target) {
            m_now = std::max(m_now, *loop.deadline);
            return;
        }
        m_now = m_target;
        if (m_scriptEnded) {
            switch (loop.kind) {
                case LoopKind::BeforeStart:
                case LoopKind::Main:
                    return;
                case LoopKind::Wait:
                    // Let the waiting handler finish as it would have.
                    m_target = *loop.deadline;
                    continue;
                case LoopKind::Modal:
                case LoopKind::MessageBox:
                    Fail("the script ended with " + loop.blocker);
            }
        }
        std::optional<ScriptLine> line;
        try {
            line = m_script.Next();
        } catch (const ScriptError& e) {
            Fail(e.what());
        }
        if (line)
            Execute(*line);
        else
            m_scriptEnded = true;
    }
}

bool HeadlessBackend::RunPosted() {
    std::deque<std::function<void()>> work;
    {
        std::lock_guard lock(m_postedMutex);
        work.swap(m_posted);
    }
    for (auto& item : work)
        item();
    return !work.empty();
}

bool HeadlessBackend::FireDueTimer(const Loop& loop) {
    Timer* next = nullptr;
    Scheduled when{};
    for (const auto& [timer, scheduled] : m_timers) {
        if (m_busyTimers.count(timer) != 0 || scheduled.due > m_target ||
            (loop.deadline && scheduled.due >= *loop.deadline))
            continue;
        if (next == nullptr || scheduled.due < when.due ||
            (scheduled.due == when.due && scheduled.order < when.order)) {
            next = timer;
            when = scheduled;
        }
    }
    if (next == nullptr)
        return false;
    m_now = std::max(m_now, when.due);
    const auto interval = static_cast<std::uint64_t>(next->Interval());
    m_timers[next].due = when.due + interval;
    // A timer does not fire again while its own handler waits; the ticks it misses are lost.
    m_busyTimers.insert(next);
    struct Release {
        HeadlessBackend& self;
        Timer* timer;
        ~Release() {
            self.m_busyTimers.erase(timer);
            auto it = self.m_timers.find(timer);
            if (it != self.m_timers.end() && it->second.due <= self.m_now) {
                const auto behind = self.m_now - it->second.due;
                it->second.due += (behind / timer->Interval() + 1) * timer->Interval();
            }
        }
    } release{*this, next};
    if (next->onTimer)
        next->onTimer();
    return true;
}

void HeadlessBackend::ProcessEventsUntil(std::uint64_t deadlineMs) {
    Pump({LoopKind::Wait, [] { return false; }, deadlineMs, {}});
}

void HeadlessBackend::Run() {
    Pump({LoopKind::Main, [] { return false; }, {}, {}});
}

void HeadlessBackend::Post(std::function<void()> work) {
    std::lock_guard lock(m_postedMutex);
    m_posted.push_back(std::move(work));
}

[[noreturn]] void HeadlessBackend::End() {
    Emit("end", {});
    throw ProgramEnded{};
}

Answer HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
    CloseMenu();
    OpenBox box{request, std::nullopt};
    m_boxes.push_back(&box);
    struct Close {
        std::vector<OpenBox*>& boxes;
        ~Close() { boxes.pop_back(); }
    } close{m_boxes};
    const std::string title = request.title.value_or(Title());
    Emit("msgbox", {{"title", title},
                    {"text", request.text},
                    {"buttons", ButtonsName(request.buttons)},
                    {"icon", IconName(request.icon)}});
    if (Announcements* listener = GetAnnouncements())
        listener->MessageBoxOpened(request, title);
    if (!m_answers.empty()) {
        std::string word = std::move(m_answers.front());
        m_answers.pop_front();
        try {
            AnswerBox(box, word);
        } catch (const ScriptError& e) {
            Fail(std::string("queued answer: ") + e.what());
        }
    }
    Pump({LoopKind::MessageBox,
          [&box] { return box.answer.has_value(); },
          {},
          "a message box open and no answer queued"});
    return *box.answer;
}

// --- Forms ---

void HeadlessBackend::FormCreated(Form& form) {
    m_forms.push_back(&form);
}

void HeadlessBackend::FormDestroyed(Form& form) {
    if (m_openMenu && m_openMenu->form == &form)
        CloseMenu();
    Erase(m_forms, &form);
    Erase(m_shown, &form);
    for (const auto& timer : form.Timers()) {
        m_timers.erase(timer.get());
        m_busyTimers.erase(timer.get());
    }
    if (m_pendingItems != nullptr && &m_pendingItems->Owner() == &form)
        m_pendingItems = nullptr;
}

void HeadlessBackend::FormLoaded(Form&) {}

void HeadlessBackend::FormShown(Form& form) {
    // A window coming up takes the keyboard from an open menu.
    CloseMenu();
    Erase(m_shown, &form);
    m_shown.push_back(&form);
    Emit("form", {{"name", form.Name()}, {"state", "shown"}});
    if (Announcements* listener = GetAnnouncements(); listener && Shown(form))
        listener->WindowAppeared(form);
    Activate(form);
}

void HeadlessBackend::RunModal(Form& form) {
    FormShown(form);
    Pump({LoopKind::Modal,
          [&form] { return form.State() != FormState::ShownModal; },
          {},
          "the form " + form.Name() + " open"});
}

void HeadlessBackend::FormClosed(Form& form) {
    if (m_openMenu && m_openMenu->form == &form)
        CloseMenu();
    if (!Shown(form))
        return;
    const bool wasActive = m_shown.back() == &form;
    Erase(m_shown, &form);
    Emit("form", {{"name", form.Name()}, {"state", "closed"}});
    if (wasActive && !m_shown.empty())
        Activate(*m_shown.back());
}

// A window that becomes active gives the focus back to its control, or to the first control in
// tab order, or takes it itself when it has none.
void HeadlessBackend::Activate(Form& form) {
    Control* control = form.ActiveControl();
    if (control != nullptr && control->Showing() && control->Enabled())
        return;
    std::vector<Control*> order = form.TabOrder();
    if (!order.empty())
        order.front()->SetFocus();
    else if (form.onGotFocus)
        form.onGotFocus();
}

bool HeadlessBackend::Shown(const Form& form) const {
    return std::find(m_shown.begin(), m_shown.end(), &form) != m_shown.end();
}

Form* HeadlessBackend::FormOf(const Timer& timer) const {
    for (Form* form : m_forms) {
        for (const auto& own : form->Timers()) {
            if (own.get() == &timer)
                return form;
        }
    }
    return nullptr;
}

// --- Model notifications ---

void HeadlessBackend::ControlChanged(Control& control, Property property) {
    // The entries of one list coalesce into one `items` event; anything else comes after them.
    if (property != Property::Items || &control != m_pendingItems)
        FlushItems();
    if (control.Owner().State() == FormState::NotLoaded)
        return;
    switch (property) {
        case Property::Caption:
            Write(control.Kind() == ControlKind::TextBox ? "text" : "caption",
                  {{"control", control.Name()}, {"value", control.Caption()}});
            break;
        case Property::Visible:
            Write("visible", {{"control", control.Name()}, {"value", control.Visible()}});
            break;
        case Property::Enabled:
            break;
        case Property::Items:
            m_pendingItems = &control;
            break;
        case Property::ListIndex:
            Write("selected", {{"control", control.Name()}, {"value", control.ListIndex()}});
            break;
        case Property::Caret:
            break;  // text boxes here have no caret for the user to move, so it never changes
    }
}

void HeadlessBackend::FocusChanged(Control& control) {
    if (control.Owner().State() != FormState::NotLoaded)
        Emit("focus", {{"control", control.Name()}});
}

void HeadlessBackend::TimerChanged(Timer& timer) {
    m_timers.erase(&timer);
    if (timer.Enabled() && timer.Interval() > 0)
        m_timers[&timer] = {m_now + static_cast<std::uint64_t>(timer.Interval()), m_armed++};
    const Form* form = FormOf(timer);
    if (form == nullptr || form->State() != FormState::NotLoaded)
        Emit("timer", {{"name", timer.Name()}, {"enabled", timer.Enabled()}});
}

void HeadlessBackend::OpenDocument(const std::string& path) {
    Emit("shell", {{"file", path}});
}

void HeadlessBackend::Report(const std::string& event, json::Value::Object fields) {
    Emit(event, std::move(fields));
}

}  // namespace ui
