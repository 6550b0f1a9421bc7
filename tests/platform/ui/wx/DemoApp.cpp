// A small program on the windowed back end for the windowed test: two stacked frames, a list, a
// read-only text box, buttons with access keys, a menu with Ctrl+N, a timer and a Yes/No box.
// It writes every event it sees to stdout, one line each, for the test to check.
#include <iostream>
#include <string>

#include "platform/ui/Form.h"
#include "platform/ui/wx/WxBackend.h"

namespace {

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

const char* AnswerName(ui::Answer answer) {
    switch (answer) {
        case ui::Answer::Yes:
            return "yes";
        case ui::Answer::No:
            return "no";
        case ui::Answer::Ok:
            return "ok";
        case ui::Answer::Cancel:
            return "cancel";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<ui::Backend> backend = ui::CreateWxBackend(argc, argv);
    if (!backend) {
        return 2;
    }
    using ui::ControlKind;
    ui::Form form(*backend, "frmDemo", "Ventrelle Demo");
    ui::Control& frameList = form.AddControl("frameList", ControlKind::Frame, "", 0);
    form.AddControl("lblChoices", ControlKind::Label, "Choices", 1, &frameList);
    ui::Control& lstChoices =
        form.AddControl("lstChoices", ControlKind::ListBox, "", 2, &frameList);
    ui::Control& btnGo = form.AddControl("btnGo", ControlKind::Button, "&Go", 3, &frameList);
    ui::Control& frameText = form.AddControl("frameText", ControlKind::Frame, "", 4);
    form.AddControl("lblNotes", ControlKind::Label, "Notes", 5, &frameText);
    ui::Control& txtNotes = form.AddControl("txtNotes", ControlKind::TextBox, "", 6, &frameText);
    ui::Control& btnWait = form.AddControl("btnWait", ControlKind::Button, "&Wait", 7, &frameText);
    ui::Control& btnAsk = form.AddControl("btnAsk", ControlKind::Button, "As&k", 8);
    ui::Control& btnExit = form.AddControl("btnExit", ControlKind::Button, "E&xit", 9);
    ui::Timer& tmrTick = form.AddTimer("tmrTick", 200);
    ui::MenuItem& mnuDemo = form.AddMenu("mnuDemo", "&Demo");
    ui::MenuItem& mnuDemoNew = mnuDemo.Add("mnuDemoNew", "&New Game ", 'N');

    form.onLoad = [&] {
        frameText.SetVisible(false);
        for (const char* amount : {"$1000", "$2000", "$3000"}) {
            lstChoices.AddItem(amount);
        }
        lstChoices.SetListIndex(0);
    };
    // The first close request is refused, the next ones accepted.
    int closeRequests = 0;
    form.onUnload = [&](bool& cancel) {
        cancel = ++closeRequests == 1;
        Say(cancel ? "unload cancelled" : "unload");
    };
    lstChoices.onGotFocus = [] { Say("focus lstChoices"); };
    lstChoices.onKeyDown = [&](int& code, ui::Modifiers) {
        Say("key lstChoices " + std::to_string(code) + " index " +
            std::to_string(lstChoices.ListIndex()));
    };
    txtNotes.onGotFocus = [] { Say("focus txtNotes"); };
    btnWait.onGotFocus = [] { Say("focus btnWait"); };
    txtNotes.onKeyDown = [](int& code, ui::Modifiers modifiers) {
        Say("key txtNotes " + std::to_string(code) + " modifiers " +
            std::to_string(static_cast<int>(modifiers)));
        if (code == ui::vk::PageUp) {
            code = ui::vk::None;
        }
    };
    mnuDemoNew.onClick = [&] {
        const ui::Control* active = form.ActiveControl();
        Say("menu mnuDemoNew focus " + (active != nullptr ? active->Name() : std::string("none")));
    };
    btnGo.onClick = [&] {
        Say("click btnGo");
        frameList.SetVisible(false);
        frameText.SetVisible(true);
        txtNotes.SetCaption("Ace of Spades\r\nKing of Hearts\r\n");
        txtNotes.SetFocus();
    };
    btnAsk.onClick = [&] {
        Say("click btnAsk");
        const ui::Answer answer = backend->ShowMessageBox(
            {"Do you want to double down?", ui::Buttons::YesNo, ui::Icon::Question, "Double Down"});
        Say(std::string("answer ") + AnswerName(answer));
    };
    btnWait.onClick = [&] {
        Say("wait begin");
        const std::uint64_t start = backend->NowMs();
        backend->ProcessEventsUntil(start + 2000);
        Say("wait end elapsed " + std::to_string(backend->NowMs() - start));
    };
    btnExit.onClick = [&] {
        Say("end");
        backend->End();
    };
    tmrTick.onTimer = [&] {
        tmrTick.SetEnabled(false);
        Say("timer tmrTick");
    };

    form.Show();
    tmrTick.SetEnabled(true);
    Say("ready");
    backend->Run();
    Say("run returned");
    return 0;
}
