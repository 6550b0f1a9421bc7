// A menu of the menu bar opened from the keyboard, and the keys that move through it as a
// desktop's menus do: Up and Down (round), Home and End, Right and Left (into and out of
// submenus, else on to the next or previous menu), Enter or Space (choose), Escape (back out),
// and an entry's access letter (choose it).
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Menu.h"
#include "platform/ui/headless/KeyNames.h"

namespace ui {

struct MenuMove {
    enum class Kind {
        Unused,       // not a key of menus: the menu closes and the key acts as usual
        Kept,         // nothing changes
        Highlighted,  // `entry` is highlighted
        Opened,       // `menu` opened, highlighting `entry` (null when it has no entries)
        Chosen,       // `entry` was chosen: the menu closes and the entry's command runs
        Closed,       // the menu closed without a choice
    };
    Kind kind = Kind::Kept;
    const MenuItem* menu = nullptr;
    MenuItem* entry = nullptr;
};

class MenuNavigation {
public:
    // `bar` holds the menus of the menu bar; `menu`, one of them, opens.
    MenuNavigation(const std::vector<std::unique_ptr<MenuItem>>& bar, MenuItem& menu);

    // What the opening did.
    MenuMove Opening() const;
    MenuMove Press(const KeyPress& key);

private:
    struct Level {
        MenuItem* menu;
        int index;  // the highlighted entry, -1 in a menu without entries
    };

    MenuMove OpenLevel(MenuItem& menu);
    MenuMove OpenNeighbour(int step);
    MenuMove Highlight(int index);
    MenuMove Enter(MenuItem& entry);
    MenuMove Back();
    Level& Current() { return m_levels.back(); }
    MenuItem* HighlightedEntry() const;

    const std::vector<std::unique_ptr<MenuItem>>& m_bar;
    std::vector<Level> m_levels;
};

}  // namespace ui
