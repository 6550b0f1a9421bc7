// A menu or menu item of the UI model: caption with access key, optional Ctrl+letter shortcut,
// optional check mark.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/AccessKey.h"

namespace ui {

// A plain command shows no mark; a check entry shows whether its setting is on. The program sets
// the mark: choosing the entry only runs its handler.
enum class CheckMark { None, Off, On };

class MenuItem {
public:
    MenuItem(std::string name, std::string caption, char ctrlShortcut)
        : m_name(std::move(name)), m_caption(std::move(caption)), m_ctrlShortcut(ctrlShortcut) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return m_name; }
    const std::string& Caption() const { return m_caption; }
    // The access key letter of the caption (upper case), or 0.
    char AccessKey() const { return AccessKeyOf(m_caption); }
    // Upper-case letter for Ctrl+letter, or 0.
    char CtrlShortcut() const { return m_ctrlShortcut; }
    CheckMark Mark() const { return m_mark; }
    // Give a check entry its mark before its window is first shown, so it is built as one.
    void SetMark(CheckMark mark) { m_mark = mark; }

    MenuItem& Add(std::string name, std::string caption, char ctrlShortcut = 0) {
        m_items.push_back(
            std::make_unique<MenuItem>(std::move(name), std::move(caption), ctrlShortcut));
        return *m_items.back();
    }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return m_items; }

    std::function<void()> onClick;

private:
    std::string m_name;
    std::string m_caption;
    char m_ctrlShortcut;
    CheckMark m_mark = CheckMark::None;
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

}  // namespace ui
