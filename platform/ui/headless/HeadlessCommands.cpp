// The script's built-in commands: input for the program's windows, time, answers and dumps.
#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/ui/headless/HeadlessBackend.h"

namespace ui {

namespace {

std::int64_t ParseNumber(const std::string& word, std::int64_t min, std::int64_t max) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < min || value > max)
        throw ScriptError("bad number " + QuoteWord(word));
    return value;
}

void ExpectArgs(const std::vector<std::string>& args, std::size_t min, std::size_t max,
                const char* usage) {
    if (args.size() < min || args.size() > max)
        throw ScriptError(std::string("usage: ") + usage);
}

bool TakesFocus(const Control& control) {
    return control.Kind() == ControlKind::TextBox || control.Kind() == ControlKind::ListBox ||
           control.Kind() == ControlKind::Button;
}

// Where a navigation key moves a list's highlight (before clamping), or nothing for other keys.
std::optional<int> ListTarget(int keyCode, int index, int last) {
    constexpr int kPageRows = 10;
    switch (keyCode) {
        case vk::Up:
            return index - 1;
        case vk::Down:
            return index + 1;
        case vk::PageUp:
            return index - kPageRows;
        case vk::PageDown:
            return index + kPageRows;
        case vk::Home:
            return 0;
        case vk::End:
            return last;
        default:
            return std::nullopt;
    }
}

void Click(Control& control) {
    if (control.onClick)
        control.onClick();
}

}  // namespace

void HeadlessBackend::Execute(const ScriptLine& line) {
    const std::string& name = line.words.front();
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    try {
        if (auto it = m_commands.find(name); it != m_commands.end())
            it->second(args);
        else
            ExecuteBuiltIn(name, args);
    } catch (const ScriptError& e) {
        Fail("line " + std::to_string(line.number) + ": " + e.what());
    }
}

void HeadlessBackend::ExecuteBuiltIn(const std::string& name,
                                     const std::vector<std::string>& args) {
    using Handler = void (HeadlessBackend::*)(const std::vector<std::string>&);
    static const std::map<std::string, Handler> handlers{
        {"wait", &HeadlessBackend::CommandWait},
        {"key", &HeadlessBackend::CommandKey},
        {"click", &HeadlessBackend::CommandClick},
        {"select", &HeadlessBackend::CommandSelect},
        {"focus", &HeadlessBackend::CommandFocus},
        {"menu", &HeadlessBackend::CommandMenu},
        {"close", &HeadlessBackend::CommandClose},
        {"answer", &HeadlessBackend::CommandAnswer},
        {"dump", &HeadlessBackend::CommandDump},
        {"screenreader", &HeadlessBackend::CommandScreenReader},
    };
    if (name == "start") {
        ExpectArgs(args, 0, 0, "start");
        if (m_startRequested)
            throw ScriptError("the program has started already");
        m_startRequested = true;
        return;
    }
    auto it = handlers.find(name);
    if (it == handlers.end())
        throw ScriptError("unknown command " + QuoteWord(name));
    (this->*(it->second))(args);
}

void HeadlessBackend::CommandWait(const std::vector<std::string>& args) {
    ExpectArgs(args, 1, 1, "wait MS");
    // A single wait is bounded, and the clock stops at its end, however long a script waits.
    const auto ms = static_cast<std::uint64_t>(ParseNumber(args[0], 0, 1LL << 40));
    m_target = std::max(m_now, std::min(m_now + ms, kClockEndMs));
}

void HeadlessBackend::CommandKey(const std::vector<std::string>& args) {
    if (args.empty())
        throw ScriptError("usage: key K...");
    std::vector<KeyPress> keys;
    for (const std::string& word : args) {
        std::optional<KeyPress> key = ParseKeyName(word);
        if (!key)
            throw ScriptError("unknown key " + QuoteWord(word));
        keys.push_back(*key);
    }
    for (const KeyPress& key : keys)
        PressKey(key);
}

void HeadlessBackend::CommandClick(const std::vector<std::string>& args) {
    ExpectArgs(args, 1, 1, "click CONTROL");
    CloseMenu();
    Control& control = InputControl(args[0]);
    if (!control.Showing() || !control.Enabled())
        throw ScriptError("cannot click " + control.Name() + ": it is hidden or disabled");
    Click(control);
}

void HeadlessBackend::CommandSelect(const std::vector<std::string>& args) {
    ExpectArgs(args, 2, 2, "select CONTROL INDEX");
    CloseMenu();
    Control& control = InputControl(args[0]);
    if (control.Kind() != ControlKind::ListBox)
        throw ScriptError(control.Name() + " is not a list box");
    if (!control.Showing() || !control.Enabled())
        throw ScriptError("cannot select in " + control.Name() + ": it is hidden or disabled");
    const auto last = static_cast<std::int64_t>(control.Items().size()) - 1;
    control.SetListIndex(static_cast<int>(ParseNumber(args[1], -1, last)));
}

void HeadlessBackend::CommandFocus(const std::vector<std::string>& args) {
    ExpectArgs(args, 1, 1, "focus CONTROL");
    CloseMenu();
    Control& control = InputControl(args[0]);
    if (!TakesFocus(control) || !control.Showing() || !control.Enabled())
        throw ScriptError("cannot focus " + control.Name());
    control.SetFocus();
}

void HeadlessBackend::CommandMenu(const std::vector<std::string>& args) {
    ExpectArgs(args, 1, 1, "menu MENUITEM");
    CloseMenu();
    Form& form = InputForm();
    MenuItem* item = form.FindMenuItem(args[0]);
    if (item == nullptr)
        throw ScriptError("no menu item " + QuoteWord(args[0]) + " on " + form.Name());
    if (item->onClick)
        item->onClick();
}

void HeadlessBackend::CommandClose(const std::vector<std::string>& args) {
    ExpectArgs(args, 0, 0, "close");
    CloseMenu();
    InputForm().Unload();
}

void HeadlessBackend::CommandAnswer(const std::vector<std::string>& args) {
    ExpectArgs(args, 1, 1, "answer yes|no|ok|cancel");
    const std::string& word = args[0];
    if (word != "yes" && word != "no" && word != "ok" && word != "cancel")
        throw ScriptError("unknown answer " + QuoteWord(word));
    if (!m_boxes.empty() && !m_boxes.back()->answer)
        AnswerBox(*m_boxes.back(), word);
    else
        m_answers.push_back(word);
}

void HeadlessBackend::AnswerBox(OpenBox& box, const std::string& word) {
    const bool yesNo = box.request.buttons == Buttons::YesNo;
    Answer answer = Answer::Cancel;
    if (word == "ok" && !yesNo)
        answer = Answer::Ok;
    else if (word == "yes" && yesNo)
        answer = Answer::Yes;
    else if (word == "no" && yesNo)
        answer = Answer::No;
    else if (word != "cancel")
        throw ScriptError("the answer " + QuoteWord(word) +
                          " does not fit a message box with buttons " +
                          (yesNo ? "\"yesno\"" : "\"ok\""));
    Emit("answer", {{"value", word}});
    box.answer = answer;
}

void HeadlessBackend::CommandScreenReader(const std::vector<std::string>& args) {
    ExpectArgs(args, 1, 1, "screenreader running|none");
    if (args[0] != "running" && args[0] != "none")
        throw ScriptError("usage: screenreader running|none");
    SetScreenReaderRunning(args[0] == "running");
}

void HeadlessBackend::CommandDump(const std::vector<std::string>& args) {
    ExpectArgs(args, 0, 0, "dump");
    json::Value::Object fields = m_stateProvider ? m_stateProvider() : json::Value::Object{};
    std::string frame;
    std::string focus;
    if (!m_shown.empty()) {
        const Form& form = *m_shown.back();
        for (const auto& control : form.Controls()) {
            if (control->Kind() == ControlKind::Frame && control->Showing()) {
                frame = control->Name();
                break;
            }
        }
        if (form.ActiveControl() != nullptr)
            focus = form.ActiveControl()->Name();
    }
    fields.emplace_back("frame", frame);
    fields.emplace_back("focus", focus);
    Emit("state", std::move(fields));
}

// The form that takes input now: the active one, unless a message box holds everything.
Form& HeadlessBackend::InputForm() {
    if (!m_boxes.empty())
        throw ScriptError("a message box is open: only answer, wait and dump reach it");
    if (m_shown.empty())
        throw ScriptError("no form is shown");
    return *m_shown.back();
}

// A control by name ("btnOK" or "frmReader.btnOK") on the form that takes input now.
Control& HeadlessBackend::InputControl(const std::string& name) {
    Form& active = InputForm();
    std::string formName;
    std::string controlName = name;
    if (auto dot = name.find('.'); dot != std::string::npos) {
        formName = name.substr(0, dot);
        controlName = name.substr(dot + 1);
    }
    if (formName.empty() || formName == active.Name()) {
        if (Control* control = active.Find(controlName))
            return *control;
    }
    for (Form* form : m_forms) {
        if (form == &active || (!formName.empty() && form->Name() != formName))
            continue;
        if (form->Find(controlName) != nullptr)
            throw ScriptError("the control " + QuoteWord(name) + " is on " + form->Name() +
                              ", which does not take input now (" + active.Name() + " is active)");
    }
    throw ScriptError("unknown control " + QuoteWord(name));
}

void HeadlessBackend::PressKey(const KeyPress& key) {
    Form& form = InputForm();
    if (TakeMenuKey(key))
        return;
    const bool letter = key.code >= vk::LetterA && key.code < vk::LetterA + 26;
    // Menu shortcuts and access keys are taken before the focused control sees the key.
    if (letter && Has(key.modifiers, Modifiers::Ctrl)) {
        for (const auto& menu : form.Menus()) {
            for (const auto& item : menu->Items()) {
                if (item->CtrlShortcut() == static_cast<char>(key.code)) {
                    if (item->onClick)
                        item->onClick();
                    return;
                }
            }
        }
    }
    if (letter && Has(key.modifiers, Modifiers::Alt)) {
        if (Control* button = form.ButtonWithAccessKey(static_cast<char>(key.code))) {
            button->SetFocus();
            Click(*button);
            return;
        }
        if (MenuItem* menu = form.MenuWithAccessKey(static_cast<char>(key.code))) {
            OpenMenuOf(form, *menu);
            return;
        }
    }
    Control* control = form.ActiveControl();
    if (control != nullptr && (!control->Showing() || !control->Enabled()))
        control = nullptr;
    int code = key.code;
    if (control != nullptr && control->onKeyDown)
        control->onKeyDown(code, key.modifiers);
    else if (control == nullptr && form.onKeyDown)
        form.onKeyDown(code, key.modifiers);
    // The handler may have closed the form or moved the focus; the default action follows the
    // key only where it was pressed.
    if (code == vk::None || m_shown.empty() || m_shown.back() != &form || !m_boxes.empty() ||
        form.ActiveControl() != control)
        return;
    DefaultKeyAction(form, control, {code, key.modifiers});
}

void HeadlessBackend::DefaultKeyAction(Form& form, Control* control, const KeyPress& key) {
    if (key.code == vk::Tab) {
        std::vector<Control*> order = form.TabOrder();
        if (order.empty())
            return;
        auto at = std::find(order.begin(), order.end(), control);
        std::size_t index = 0;
        if (at != order.end()) {
            const std::size_t here = static_cast<std::size_t>(at - order.begin());
            index = Has(key.modifiers, Modifiers::Shift) ? (here + order.size() - 1) % order.size()
                                                         : (here + 1) % order.size();
        }
        order[index]->SetFocus();
        return;
    }
    if (key.code == vk::Return) {
        if (control != nullptr && control->Kind() == ControlKind::Button) {
            Click(*control);
        } else if (Control* button = form.DefaultButton();
                   button != nullptr && button->Showing() && button->Enabled()) {
            Click(*button);
        }
        return;
    }
    if (key.code == vk::Escape) {
        if (Control* button = form.CancelButton();
            button != nullptr && button->Showing() && button->Enabled())
            Click(*button);
        return;
    }
    if (key.code == vk::F1) {
        OpenHelpFile();
        return;
    }
    if (TakeApplicationKey(key.code, key.modifiers))
        return;
    if (control == nullptr)
        return;
    if (key.code == vk::Space && control->Kind() == ControlKind::Button) {
        Click(*control);
        return;
    }
    if (control->Kind() != ControlKind::ListBox || control->Items().empty())
        return;
    const int last = static_cast<int>(control->Items().size()) - 1;
    if (std::optional<int> target = ListTarget(key.code, control->ListIndex(), last))
        control->SetListIndex(std::clamp(*target, 0, last));
}

}  // namespace ui
