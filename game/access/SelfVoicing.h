// The game voicing its own windows when no screen reader does: the window that appears, the
// control that takes the focus, the highlighted list entry, the message box that opens and the
// menu entries, said through the chosen reader's voice.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/Announcements.h"

namespace game {

struct Game;

// "on" voices always, "off" never, "auto" while no screen reader runs on the desktop.
enum class SelfVoicingMode { Auto, On, Off };

// "on", "off" or "auto"; nothing for any other word.
std::optional<SelfVoicingMode> ParseSelfVoicingMode(std::string_view word);

class SelfVoicing final : public ui::Announcements {
public:
    // Listens to the game's back end from now until destroyed.
    explicit SelfVoicing(Game& game);
    SelfVoicing(const SelfVoicing&) = delete;
    SelfVoicing& operator=(const SelfVoicing&) = delete;
    ~SelfVoicing() override;

    // The command line's choice, which wins over the settings store's.
    void SetCommandLineMode(std::optional<SelfVoicingMode> mode) { m_commandLineMode = mode; }
    // Reads the store's choice (a missing or damaged one is "auto").
    void LoadStoredMode();
    // Whether the game voices its windows now.
    bool Active() const;

    // The window has appeared, with its focus: its title, then its focused control.
    void AnnounceWindowWithFocus(const ui::Form& form);

    void WindowAppeared(const ui::Form& form) override;
    void FocusMoved(const ui::Control& control) override;
    void EntryHighlighted(const ui::Control& list) override;
    void MessageBoxOpened(const ui::MessageBoxRequest& request, const std::string& title) override;
    void MenuOpened(const ui::MenuItem& menu) override;
    void MenuEntryHighlighted(const ui::MenuItem& entry) override;

private:
    void Say(const std::string& text);

    Game& m_game;
    std::optional<SelfVoicingMode> m_commandLineMode;
    SelfVoicingMode m_storedMode = SelfVoicingMode::Auto;
};

}  // namespace game
