// Menus opened from the keyboard: Alt with a menu's access letter opens it, and the keys of
// menus move through it until an entry is chosen or the menu closes. An open menu writes nothing
// to the trace; what a screen reader would say about it goes to the announcements listener.
#include "platform/ui/headless/HeadlessBackend.h"

namespace ui {

void HeadlessBackend::OpenMenuOf(Form& form, MenuItem& menu) {
    m_openMenu.emplace(OpenMenu{&form, MenuNavigation(form.Menus(), menu)});
    AnnounceMenuMove(m_openMenu->navigation.Opening());
    // As a windowed menu does when it opens.
    if (menu.onClick)
        menu.onClick();
}

bool HeadlessBackend::TakeMenuKey(const KeyPress& key) {
    if (!m_openMenu)
        return false;
    const MenuMove move = m_openMenu->navigation.Press(key);
    switch (move.kind) {
        case MenuMove::Kind::Unused:
            CloseMenu();
            return false;
        case MenuMove::Kind::Closed:
            CloseMenu();
            return true;
        case MenuMove::Kind::Chosen:
            CloseMenu();
            if (move.entry->onClick)
                move.entry->onClick();
            return true;
        case MenuMove::Kind::Opened:
            AnnounceMenuMove(move);
            if (move.menu->onClick)
                move.menu->onClick();
            return true;
        case MenuMove::Kind::Highlighted:
            AnnounceMenuMove(move);
            return true;
        case MenuMove::Kind::Kept:
            return true;
    }
    return true;
}

void HeadlessBackend::CloseMenu() {
    m_openMenu.reset();
}

void HeadlessBackend::AnnounceMenuMove(const MenuMove& move) {
    Announcements* listener = GetAnnouncements();
    if (listener == nullptr)
        return;
    if (move.kind == MenuMove::Kind::Opened)
        listener->MenuOpened(*move.menu);
    if (move.entry != nullptr)
        listener->MenuEntryHighlighted(*move.entry);
}

}  // namespace ui
