#include "game/access/SelfVoicing.h"

#include "game/access/Speech.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Naming.h"

namespace game {

namespace {

constexpr std::string_view kApp = "Ventrelle";
constexpr std::string_view kSection = "Accessibility";
constexpr std::string_view kKey = "SelfVoicing";

bool OnScreen(const ui::Form& form) {
    return form.State() == ui::FormState::Shown || form.State() == ui::FormState::ShownModal;
}

// The highlighted entry of a list, or nothing when none is.
std::optional<std::string> HighlightedEntry(const ui::Control& list) {
    const int index = list.ListIndex();
    if (index < 0 || index >= static_cast<int>(list.Items().size())) {
        return std::nullopt;
    }
    return list.Items()[static_cast<std::size_t>(index)];
}

// A caption as said: without its access-key marker and the spaces around it.
std::string Spoken(const std::string& caption) {
    return std::string(TrimSpaces(ui::WithoutAccessMarker(caption)));
}

// What a screen reader says of a control taking the focus: its name, its role and, for a list,
// the highlighted entry.
std::string Describe(const ui::Control& control) {
    const ui::Form& form = control.Owner();
    switch (control.Kind()) {
        case ui::ControlKind::Button:
            return Spoken(control.Caption()) + " button";
        case ui::ControlKind::TextBox:
            return ui::AccessibleNameFor(form, control) + " text";
        case ui::ControlKind::ListBox: {
            std::string text = ui::AccessibleNameFor(form, control) + " list";
            if (const auto entry = HighlightedEntry(control)) {
                text += ", " + *entry;
            }
            return text;
        }
        case ui::ControlKind::Frame:
        case ui::ControlKind::Label:
        case ui::ControlKind::ObjectHost:
            break;
    }
    return ui::AccessibleNameFor(form, control);
}

std::string FocusedButtonOf(ui::Buttons buttons) {
    return buttons == ui::Buttons::YesNo ? "Yes button" : "OK button";
}

}  // namespace

std::optional<SelfVoicingMode> ParseSelfVoicingMode(std::string_view word) {
    if (word == "auto") {
        return SelfVoicingMode::Auto;
    }
    if (word == "on") {
        return SelfVoicingMode::On;
    }
    if (word == "off") {
        return SelfVoicingMode::Off;
    }
    return std::nullopt;
}

SelfVoicing::SelfVoicing(Game& game) : m_game(game) {
    m_game.backend.SetAnnouncements(this);
}

SelfVoicing::~SelfVoicing() {
    m_game.backend.SetAnnouncements(nullptr);
}

void SelfVoicing::LoadStoredMode() {
    const std::string stored = settings::GetSetting(m_game.store, kApp, kSection, kKey, "auto");
    m_storedMode = ParseSelfVoicingMode(stored).value_or(SelfVoicingMode::Auto);
}

bool SelfVoicing::Active() const {
    switch (m_commandLineMode.value_or(m_storedMode)) {
        case SelfVoicingMode::On:
            return true;
        case SelfVoicingMode::Off:
            return false;
        case SelfVoicingMode::Auto:
            break;
    }
    return !m_game.backend.ScreenReaderRunning();
}

void SelfVoicing::AnnounceWindowWithFocus(const ui::Form& form) {
    WindowAppeared(form);
    if (const ui::Control* focused = form.ActiveControl()) {
        FocusMoved(*focused);
    }
}

void SelfVoicing::WindowAppeared(const ui::Form& form) {
    if (OnScreen(form) && !form.Caption().empty()) {
        Say(form.Caption());
    }
}

void SelfVoicing::FocusMoved(const ui::Control& control) {
    // The got-focus event may have paused, and the focus moved on meanwhile.
    if (control.Owner().ActiveControl() == &control) {
        Say(Describe(control));
    }
}

void SelfVoicing::EntryHighlighted(const ui::Control& list) {
    if (const auto entry = HighlightedEntry(list)) {
        Say(*entry);
    }
}

void SelfVoicing::MessageBoxOpened(const ui::MessageBoxRequest& request, const std::string& title) {
    Say(title + " dialog");
    Say(request.text);
    Say(FocusedButtonOf(request.buttons));
}

void SelfVoicing::MenuOpened(const ui::MenuItem& menu) {
    Say(Spoken(menu.Caption()) + " menu");
}

void SelfVoicing::MenuEntryHighlighted(const ui::MenuItem& entry) {
    std::string text = Spoken(entry.Caption());
    if (!entry.Items().empty()) {
        text += " menu";
    } else if (entry.CtrlShortcut() != 0) {
        text += std::string(" Ctrl+") + entry.CtrlShortcut();
    }
    if (entry.Mark() != ui::CheckMark::None) {
        text += entry.Mark() == ui::CheckMark::On ? " checked" : " not checked";
    }
    Say(text);
}

void SelfVoicing::Say(const std::string& text) {
    if (Active() && !text.empty()) {
        SayForScreenReader(m_game, text);
    }
}

}  // namespace game
