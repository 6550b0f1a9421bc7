#include "platform/ui/Control.h"

#include <stdexcept>

#include "platform/ui/AccessKey.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"

namespace ui {

namespace {

// The listener to tell about `form`, while it is on screen.
Announcements* ListenerFor(const Form& form) {
    const bool onScreen = form.State() == FormState::Shown || form.State() == FormState::ShownModal;
    return onScreen ? form.GetBackend().GetAnnouncements() : nullptr;
}

}  // namespace

Control::Control(Form& owner, std::string name, ControlKind kind, Control* frame, int tabIndex)
    : m_owner(owner), m_name(std::move(name)), m_kind(kind), m_frame(frame), m_tabIndex(tabIndex) {}

void Control::Changed(Property property) {
    m_owner.GetBackend().ControlChanged(*this, property);
}

void Control::SetCaption(std::string caption) {
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    Changed(Property::Caption);
}

void Control::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    // A hidden control cannot keep the keyboard focus, so focusing it again later is a real
    // focus change with its got-focus event.
    Control* focused = m_owner.ActiveControl();
    if (!visible && focused != nullptr && !focused->Showing())
        m_owner.NoteFocus(nullptr);
    Changed(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Changed(Property::Enabled);
}

bool Control::Showing() const {
    return m_visible && (m_frame == nullptr || m_frame->Showing());
}

void Control::AddItem(std::string item) {
    m_items.push_back(std::move(item));
    Changed(Property::Items);
}

void Control::ClearItems() {
    SetListIndex(-1);
    if (m_items.empty())
        return;
    m_items.clear();
    Changed(Property::Items);
}

void Control::SetListIndex(int index) {
    if (index < -1 || index >= static_cast<int>(m_items.size()))
        throw std::out_of_range("list index " + std::to_string(index) + " out of range for " +
                                m_name);
    if (index == m_listIndex)
        return;
    m_listIndex = index;
    Changed(Property::ListIndex);
    if (Announcements* listener = ListenerFor(m_owner); listener && m_owner.ActiveControl() == this)
        listener->EntryHighlighted(*this);
}

void Control::ResetCaret() {
    Changed(Property::Caret);
}

void Control::SetFocus() {
    if (m_owner.ActiveControl() == this)
        return;
    m_owner.NoteFocus(this);
    m_owner.GetBackend().FocusChanged(*this);
    RaiseGotFocus();
}

void Control::RaiseGotFocus() {
    if (onGotFocus)
        onGotFocus();
    if (Announcements* listener = ListenerFor(m_owner))
        listener->FocusMoved(*this);
}

char Control::AccessKey() const {
    return AccessKeyOf(m_caption);
}

}  // namespace ui
