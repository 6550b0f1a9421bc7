// A menu or menu item of the UI model: caption with access key, optional Ctrl+letter shortcut.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/AccessKey.h"

namespace ui {

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
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

}  // namespace ui
