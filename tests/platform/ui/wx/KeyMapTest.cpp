#include <gtest/gtest.h>
#include <wx/defs.h>

#include "platform/ui/KeyCodes.h"
#include "platform/ui/wx/KeyMap.h"

namespace ui::wx {
namespace {

struct KeyCase {
    int wxCode;
    int virtualKey;
};

void ExpectAll(std::initializer_list<KeyCase> cases) {
    for (const KeyCase& key : cases) {
        EXPECT_EQ(ToVirtualKey(key.wxCode), key.virtualKey) << "wx key code " << key.wxCode;
    }
}

TEST(KeyMap, LettersAreUpperCaseCodesWhateverTheirCase) {
    ExpectAll({{'A', 65}, {'Z', 90}, {'H', 72}, {'a', 65}, {'g', 71}, {'z', 90}});
}

TEST(KeyMap, DigitsAndFunctionKeys) {
    ExpectAll({{'0', 48},
               {'9', 57},
               {WXK_F1, 112},
               {WXK_F2, 113},
               {WXK_F3, 114},
               {WXK_F12, 123},
               {341, vk::F2}});  // the raw code seen for F2 in a key-down handler
}

TEST(KeyMap, NavigationKeysOfTheMainBlockAndTheKeypad) {
    ExpectAll({{WXK_PAGEUP, 33},
               {366, vk::PageUp},
               {WXK_PAGEDOWN, 34},
               {WXK_END, 35},
               {WXK_HOME, 36},
               {WXK_LEFT, 37},
               {WXK_UP, 38},
               {WXK_RIGHT, 39},
               {WXK_DOWN, 40},
               {WXK_INSERT, 45},
               {WXK_DELETE, 46},
               {WXK_NUMPAD_PAGEUP, 33},
               {WXK_NUMPAD_PAGEDOWN, 34},
               {WXK_NUMPAD_END, 35},
               {WXK_NUMPAD_HOME, 36},
               {WXK_NUMPAD_LEFT, 37},
               {WXK_NUMPAD_UP, 38},
               {WXK_NUMPAD_RIGHT, 39},
               {WXK_NUMPAD_DOWN, 40},
               {WXK_NUMPAD_INSERT, 45},
               {WXK_NUMPAD_DELETE, 46}});
}

TEST(KeyMap, EditingAndControlKeys) {
    ExpectAll({{WXK_RETURN, 13},
               {WXK_NUMPAD_ENTER, 13},
               {WXK_SPACE, 32},
               {WXK_TAB, 9},
               {WXK_ESCAPE, 27},
               {WXK_BACK, 8},
               {WXK_SHIFT, 16},
               {WXK_CONTROL, 17},
               {WXK_ALT, 18}});
}

TEST(KeyMap, KeysTheModelDoesNotKnowMapToNone) {
    ExpectAll({{0, vk::None},
               {';', vk::None},
               {'@', vk::None},
               {WXK_F13, vk::None},
               {WXK_NUMPAD_MULTIPLY, vk::None},
               {WXK_NUMPAD5, vk::None},
               {-1, vk::None}});
}

}  // namespace
}  // namespace ui::wx
