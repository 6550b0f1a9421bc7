#include "platform/ui/headless/MenuNavigation.h"

#include <algorithm>

namespace ui {

namespace {

int Count(const MenuItem& menu) {
    return static_cast<int>(menu.Items().size());
}

// `index` + `step`, round the `count` entries.
int Round(int index, int step, int count) {
    return ((index + step) % count + count) % count;
}

}  // namespace

MenuNavigation::MenuNavigation(const std::vector<std::unique_ptr<MenuItem>>& bar, MenuItem& menu)
    : m_bar(bar) {
    OpenLevel(menu);
}

MenuMove MenuNavigation::Opening() const {
    return {MenuMove::Kind::Opened, m_levels.back().menu, HighlightedEntry()};
}

MenuMove MenuNavigation::Press(const KeyPress& key) {
    if (key.modifiers != Modifiers::None)
        return {MenuMove::Kind::Unused};
    const int count = Count(*Current().menu);
    const int index = Current().index;
    switch (key.code) {
        case vk::Down:
        case vk::Up:
            return count == 0 ? MenuMove{}
                              : Highlight(Round(index, key.code == vk::Down ? 1 : -1, count));
        case vk::Home:
        case vk::End:
            return count == 0 ? MenuMove{} : Highlight(key.code == vk::Home ? 0 : count - 1);
        case vk::Right:
            if (MenuItem* entry = HighlightedEntry(); entry && !entry->Items().empty())
                return OpenLevel(*entry);
            return OpenNeighbour(1);
        case vk::Left:
            return m_levels.size() > 1 ? Back() : OpenNeighbour(-1);
        case vk::Return:
        case vk::Space:
            if (MenuItem* entry = HighlightedEntry())
                return Enter(*entry);
            return {MenuMove::Kind::Closed};
        case vk::Escape:
            return m_levels.size() > 1 ? Back() : MenuMove{MenuMove::Kind::Closed};
        default:
            break;
    }
    if (key.code >= vk::LetterA && key.code < vk::LetterA + 26) {
        for (const auto& entry : Current().menu->Items()) {
            if (entry->AccessKey() == static_cast<char>(key.code))
                return Enter(*entry);
        }
        return {};
    }
    return {MenuMove::Kind::Unused};
}

MenuMove MenuNavigation::OpenLevel(MenuItem& menu) {
    m_levels.push_back({&menu, menu.Items().empty() ? -1 : 0});
    return Opening();
}

MenuMove MenuNavigation::OpenNeighbour(int step) {
    const MenuItem* top = m_levels.front().menu;
    const auto at = std::find_if(m_bar.begin(), m_bar.end(),
                                 [top](const auto& menu) { return menu.get() == top; });
    const auto here = static_cast<int>(at - m_bar.begin());
    m_levels.clear();
    return OpenLevel(
        *m_bar[static_cast<std::size_t>(Round(here, step, static_cast<int>(m_bar.size())))]);
}

MenuMove MenuNavigation::Highlight(int index) {
    Current().index = index;
    return {MenuMove::Kind::Highlighted, Current().menu, HighlightedEntry()};
}

MenuMove MenuNavigation::Enter(MenuItem& entry) {
    if (!entry.Items().empty())
        return OpenLevel(entry);
    return {MenuMove::Kind::Chosen, Current().menu, &entry};
}

MenuMove MenuNavigation::Back() {
    m_levels.pop_back();
    return {MenuMove::Kind::Highlighted, Current().menu, HighlightedEntry()};
}

MenuItem* MenuNavigation::HighlightedEntry() const {
    const Level& level = m_levels.back();
    return level.index < 0 ? nullptr
                           : level.menu->Items()[static_cast<std::size_t>(level.index)].get();
}

}  // namespace ui
