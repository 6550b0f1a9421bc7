// An announcements listener for tests: writes down every moment it is told of, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Announcements.h"
#include "platform/ui/Form.h"

namespace ui::test {

class RecordingAnnouncements final : public Announcements {
public:
    std::vector<std::string> heard;

    void WindowAppeared(const Form& form) override { heard.push_back("window " + form.Name()); }
    void FocusMoved(const Control& control) override { heard.push_back("focus " + control.Name()); }
    void EntryHighlighted(const Control& list) override {
        heard.push_back("entry " + list.Name() + " " + std::to_string(list.ListIndex()));
    }
    void MessageBoxOpened(const MessageBoxRequest& request, const std::string& title) override {
        heard.push_back("box " + title + ": " + request.text);
    }
    void MenuOpened(const MenuItem& menu) override { heard.push_back("menu " + menu.Name()); }
    void MenuEntryHighlighted(const MenuItem& entry) override {
        heard.push_back("menu entry " + entry.Name());
    }
};

}  // namespace ui::test
