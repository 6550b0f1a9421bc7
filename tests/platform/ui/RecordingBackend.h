// A back end for model tests: writes down every notification the model sends, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"

namespace ui::test {

class RecordingBackend final : public Backend {
public:
    std::vector<std::string> calls;

    std::filesystem::path ProgramFolder() const override { return "/prog"; }
    [[noreturn]] void End() override { throw ProgramEnded{}; }
    std::uint64_t NowMs() const override { return 0; }
    std::uint32_t TickCount() const override { return 0; }
    void ProcessEventsUntil(std::uint64_t) override {}
    void Run() override {}
    void Post(std::function<void()> work) override { work(); }
    void OpenDocument(const std::string& path) override { calls.push_back("open " + path); }
    Answer ShowMessageBox(const MessageBoxRequest&) override { return Answer::Ok; }
    void FormCreated(Form& form) override { calls.push_back("created " + form.Name()); }
    void FormDestroyed(Form& form) override { calls.push_back("destroyed " + form.Name()); }
    void FormLoaded(Form& form) override { calls.push_back("loaded " + form.Name()); }
    void FormShown(Form& form) override { calls.push_back("shown " + form.Name()); }
    void RunModal(Form& form) override {
        calls.push_back("modal " + form.Name());
        if (whileModal)
            whileModal(form);
    }
    void FormClosed(Form& form) override { calls.push_back("closed " + form.Name()); }
    void ControlChanged(Control& control, Property property) override {
        static const char* const names[] = {"Caption", "Visible",   "Enabled",
                                            "Items",   "ListIndex", "Caret"};
        calls.push_back("changed " + control.Name() + " " + names[static_cast<int>(property)]);
    }
    void FocusChanged(Control& control) override { calls.push_back("focus " + control.Name()); }
    void TimerChanged(Timer& timer) override {
        calls.push_back("timer " + timer.Name() + (timer.Enabled() ? " on" : " off"));
    }
    void Report(const std::string& event, json::Value::Object) override {
        calls.push_back("report " + event);
    }

    // What RunModal does while the form is up (a test closes it here).
    std::function<void(Form&)> whileModal;
};

}  // namespace ui::test
