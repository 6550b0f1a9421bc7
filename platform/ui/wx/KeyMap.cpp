#include "platform/ui/wx/KeyMap.h"

#include <wx/defs.h>

#include <array>
#include <utility>

#include "platform/ui/KeyCodes.h"

namespace ui::wx {
namespace {

// Keys whose wx code has no arithmetic relation to the virtual-key code. The keypad's
// navigation keys (Num Lock off) act as their main-block twins.
constexpr std::array<std::pair<int, int>, 31> kNamedKeys{{
    {WXK_BACK, vk::Back},
    {WXK_TAB, vk::Tab},
    {WXK_RETURN, vk::Return},
    {WXK_NUMPAD_ENTER, vk::Return},
    {WXK_ESCAPE, vk::Escape},
    {WXK_SPACE, vk::Space},
    {WXK_NUMPAD_SPACE, vk::Space},
    {WXK_SHIFT, vk::Shift},
    {WXK_CONTROL, vk::Control},
    {WXK_ALT, vk::Menu},
    {WXK_PAGEUP, vk::PageUp},
    {WXK_NUMPAD_PAGEUP, vk::PageUp},
    {WXK_PAGEDOWN, vk::PageDown},
    {WXK_NUMPAD_PAGEDOWN, vk::PageDown},
    {WXK_END, vk::End},
    {WXK_NUMPAD_END, vk::End},
    {WXK_HOME, vk::Home},
    {WXK_NUMPAD_HOME, vk::Home},
    {WXK_LEFT, vk::Left},
    {WXK_NUMPAD_LEFT, vk::Left},
    {WXK_UP, vk::Up},
    {WXK_NUMPAD_UP, vk::Up},
    {WXK_RIGHT, vk::Right},
    {WXK_NUMPAD_RIGHT, vk::Right},
    {WXK_DOWN, vk::Down},
    {WXK_NUMPAD_DOWN, vk::Down},
    {WXK_INSERT, vk::Insert},
    {WXK_NUMPAD_INSERT, vk::Insert},
    {WXK_DELETE, vk::Delete},
    {WXK_NUMPAD_DELETE, vk::Delete},
    {WXK_NUMPAD_TAB, vk::Tab},
}};

}  // namespace

int ToVirtualKey(int wxKeyCode) {
    if (wxKeyCode >= 'A' && wxKeyCode <= 'Z') {
        return vk::LetterA + (wxKeyCode - 'A');
    }
    if (wxKeyCode >= 'a' && wxKeyCode <= 'z') {
        return vk::LetterA + (wxKeyCode - 'a');
    }
    if (wxKeyCode >= '0' && wxKeyCode <= '9') {
        return vk::Digit0 + (wxKeyCode - '0');
    }
    if (wxKeyCode >= WXK_F1 && wxKeyCode <= WXK_F12) {
        return vk::F1 + (wxKeyCode - WXK_F1);
    }
    for (const auto& [wxCode, vkCode] : kNamedKeys) {
        if (wxCode == wxKeyCode) {
            return vkCode;
        }
    }
    return vk::None;
}

}  // namespace ui::wx
