// Runs a headless script against forms built in a test and hands back the trace lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/headless/HeadlessBackend.h"

namespace ui::test {

class Harness {
public:
    explicit Harness(const std::string& script) : m_script(script) {}

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(m_trace.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // The trace lines of one event kind.
    std::vector<std::string> Lines(const std::string& ev) const {
        std::vector<std::string> found;
        for (const std::string& line : Lines()) {
            if (line.find("\"ev\":\"" + ev + "\"") != std::string::npos)
                found.push_back(line);
        }
        return found;
    }

private:
    std::istringstream m_script;
    std::ostringstream m_trace;

public:
    HeadlessBackend backend{m_script, m_trace, "/prog"};
};

// A small window: one frame with a text box, a list, two buttons and a label, a timer, a menu.
struct MainForm {
    explicit MainForm(Backend& backend) : form(backend, "frmMain", "Main") {
        menu.Add("mnuGameNew", "&New ", 'N');
    }

    Form form;
    Control& frameA = form.AddControl("frameA", ControlKind::Frame, "", 0);
    Control& txtA = form.AddControl("txtA", ControlKind::TextBox, "", 1, &frameA);
    Control& lstA = form.AddControl("lstA", ControlKind::ListBox, "", 2, &frameA);
    Control& btnOK = form.AddControl("btnOK", ControlKind::Button, "OK", 3, &frameA);
    Control& btnExit = form.AddControl("btnExit", ControlKind::Button, "E&xit", 4, &frameA);
    Control& lblA = form.AddControl("lblA", ControlKind::Label, "Label", 5, &frameA);
    Timer& tmrA = form.AddTimer("tmrA", 100);
    MenuItem& menu = form.AddMenu("mnuGame", "&Game");
};

// A dialog with a list and a button that closes it.
struct Dialog {
    explicit Dialog(Backend& backend) : form(backend, "frmDialog", "Dialog") {
        form.SetDefaultButton(btnClose);
        form.onLoad = [this] {
            lstD.AddItem("one");
            lstD.AddItem("two");
        };
        btnClose.onClick = [this] { form.Unload(); };
    }

    Form form;
    Control& lstD = form.AddControl("lstD", ControlKind::ListBox, "", 0);
    Control& btnClose = form.AddControl("btnClose", ControlKind::Button, "Close", 1);
};

}  // namespace ui::test
