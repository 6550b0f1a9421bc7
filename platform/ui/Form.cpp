#include "platform/ui/Form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ui/Backend.h"

namespace ui {

namespace {

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox ||
           kind == ControlKind::Button;
}

MenuItem* FindIn(const std::vector<std::unique_ptr<MenuItem>>& items, const std::string& name) {
    for (const auto& item : items) {
        if (item->Name() == name)
            return item.get();
        if (MenuItem* found = FindIn(item->Items(), name))
            return found;
    }
    return nullptr;
}

}  // namespace

Form::Form(Backend& backend, std::string name, std::string caption)
    : m_backend(backend), m_name(std::move(name)), m_caption(std::move(caption)) {
    m_backend.FormCreated(*this);
}

Form::~Form() {
    m_backend.FormDestroyed(*this);
}

Control& Form::AddControl(std::string name, ControlKind kind, std::string caption, int tabIndex,
                          Control* frame) {
    m_controls.push_back(std::make_unique<Control>(*this, std::move(name), kind, frame, tabIndex));
    Control& control = *m_controls.back();
    control.SetCaption(std::move(caption));
    return control;
}

Timer& Form::AddTimer(std::string name, int intervalMs) {
    m_timers.push_back(std::make_unique<Timer>(m_backend, std::move(name), intervalMs));
    return *m_timers.back();
}

MenuItem& Form::AddMenu(std::string name, std::string caption) {
    m_menus.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption), 0));
    return *m_menus.back();
}

Control& Form::Get(const std::string& name) const {
    if (Control* control = Find(name))
        return *control;
    throw std::out_of_range("no control " + name + " on " + m_name);
}

Control* Form::Find(const std::string& name) const {
    for (const auto& control : m_controls) {
        if (control->Name() == name)
            return control.get();
    }
    return nullptr;
}

Timer* Form::FindTimer(const std::string& name) const {
    for (const auto& timer : m_timers) {
        if (timer->Name() == name)
            return timer.get();
    }
    return nullptr;
}

MenuItem* Form::FindMenuItem(const std::string& name) const {
    return FindIn(m_menus, name);
}

Control* Form::ButtonWithAccessKey(char letter) const {
    for (const auto& control : m_controls) {
        if (control->Kind() == ControlKind::Button && control->Showing() && control->Enabled() &&
            control->AccessKey() == letter)
            return control.get();
    }
    return nullptr;
}

MenuItem* Form::MenuWithAccessKey(char letter) const {
    for (const auto& menu : m_menus) {
        if (menu->AccessKey() == letter)
            return menu.get();
    }
    return nullptr;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (const auto& control : m_controls) {
        if (TakesFocus(control->Kind()) && control->Showing() && control->Enabled())
            order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

void Form::Load() {
    if (m_state != FormState::NotLoaded)
        return;
    m_loadValues.clear();
    for (const auto& control : m_controls) {
        m_loadValues.push_back({control->Caption(), control->Visible(), control->Enabled(),
                                control->Items(), control->ListIndex()});
    }
    // Loaded before onLoad runs, so that what the handler changes is seen and a Show inside it
    // does not load the form a second time.
    m_state = FormState::Loaded;
    m_backend.FormLoaded(*this);
    if (onLoad)
        onLoad();
}

void Form::Show() {
    Load();
    if (m_state == FormState::Shown || m_state == FormState::ShownModal)
        return;
    m_state = FormState::Shown;
    m_backend.FormShown(*this);
}

void Form::ShowModal() {
    Load();
    if (m_state == FormState::ShownModal)
        throw std::logic_error(m_name + " is already shown modally");
    m_state = FormState::ShownModal;
    m_backend.RunModal(*this);
}

void Form::Hide() {
    if (m_state != FormState::Shown && m_state != FormState::ShownModal)
        return;
    m_state = FormState::Loaded;
    m_backend.FormClosed(*this);
}

bool Form::Unload() {
    if (m_state == FormState::NotLoaded)
        return true;
    bool cancel = false;
    if (onUnload)
        onUnload(cancel);
    if (cancel)
        return false;
    // A handler may have unloaded the form itself in the meantime.
    if (m_state == FormState::NotLoaded)
        return true;
    m_state = FormState::NotLoaded;
    for (const auto& timer : m_timers)
        timer->SetEnabled(false);
    for (std::size_t i = 0; i < m_loadValues.size(); ++i) {
        Control& control = *m_controls[i];
        const ControlValues& values = m_loadValues[i];
        if (control.Items() != values.items) {
            control.ClearItems();
            for (const std::string& item : values.items)
                control.AddItem(item);
        }
        control.SetListIndex(values.listIndex);
        control.SetCaption(values.caption);
        control.SetVisible(values.visible);
        control.SetEnabled(values.enabled);
    }
    m_activeControl = nullptr;
    m_backend.FormClosed(*this);
    return true;
}

void Form::NoteFocus(Control* control) {
    m_activeControl = control;
}

}  // namespace ui
