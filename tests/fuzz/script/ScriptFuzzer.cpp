// Feeds arbitrary bytes as a headless script to the scripted back end, with a small window that
// pauses, asks, opens a modal dialog and ends the program: the run must end with status 0 or 2,
// never crash or hang, and every trace line must be valid UTF-8 JSON with a clock that never
// goes back and never comes near 2^63.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/ui/Form.h"
#include "platform/ui/headless/HeadlessBackend.h"

namespace {

// A window with something behind every command: a pause, a question, a modal dialog, the end.
struct FuzzWindow {
    explicit FuzzWindow(ui::HeadlessBackend& backend)
        : form(backend, "frmMain", "Main"), dialog(backend, "frmDialog", "Dialog") {
        menu.Add("mnuAsk", "&Ask", 'A');
        menu.Add("mnuDialog", "&Dialog", 'D');
        form.FindMenuItem("mnuAsk")->onClick = [&backend] {
            backend.ShowMessageBox({"Sure?", ui::Buttons::YesNo, ui::Icon::Question, "Ask"});
        };
        form.FindMenuItem("mnuDialog")->onClick = [this] { dialog.ShowModal(); };
        btnPause.onClick = [&backend] { backend.ProcessEventsUntil(backend.NowMs() + 300); };
        btnExit.onClick = [&backend] { backend.End(); };
        lstA.AddItem("one");
        lstA.AddItem("two");
        // Long enough that no `wait` makes it fire more than a thousand times.
        tmrA.SetEnabled(true);
        tmrA.onTimer = [&backend] { backend.ProcessEventsUntil(backend.NowMs() + 100); };
        dialog.SetDefaultButton(btnClose);
        btnClose.onClick = [this] { dialog.Unload(); };
    }

    ui::Form form;
    ui::Form dialog;
    ui::Control& frameA = form.AddControl("frameA", ui::ControlKind::Frame, "", 0);
    ui::Control& txtA = form.AddControl("txtA", ui::ControlKind::TextBox, "", 1, &frameA);
    ui::Control& lstA = form.AddControl("lstA", ui::ControlKind::ListBox, "", 2, &frameA);
    ui::Control& btnPause = form.AddControl("btnPause", ui::ControlKind::Button, "&Pause", 3);
    ui::Control& btnExit = form.AddControl("btnExit", ui::ControlKind::Button, "E&xit", 4);
    ui::Timer& tmrA = form.AddTimer("tmrA", 1 << 30);
    ui::MenuItem& menu = form.AddMenu("mnuMain", "&Main");
    ui::Control& btnClose = dialog.AddControl("btnClose", ui::ControlKind::Button, "Close", 0);
};

// Well-formed UTF-8 as the Unicode standard lists it (no overlong forms, no surrogates, nothing
// past U+10FFFF), checked byte range by byte range.
bool IsUtf8(std::string_view text) {
    struct Range {
        unsigned char low, high;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        Range second{0x80, 0xbf};
        std::size_t length = 1;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            second = lead == 0xe0 ? Range{0xa0, 0xbf} : lead == 0xed ? Range{0x80, 0x9f} : second;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            second = lead == 0xf0 ? Range{0x90, 0xbf} : lead == 0xf4 ? Range{0x80, 0x8f} : second;
        } else if (lead >= 0x80) {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            const Range range = k == 1 ? second : Range{0x80, 0xbf};
            if (c < range.low || c > range.high) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// The trace line's "t", or a trap when the line does not begin as every trace line does.
std::uint64_t TimeOf(const std::string& line) {
    constexpr std::string_view kStart = "{\"t\":";
    if (line.rfind(kStart, 0) != 0 || line.find(",\"ev\":\"") == std::string::npos ||
        line.back() != '}') {
        __builtin_trap();
    }
    std::uint64_t t = 0;
    for (std::size_t i = kStart.size(); i < line.size() && line[i] != ','; ++i) {
        if (line[i] < '0' || line[i] > '9' || t > (std::uint64_t{1} << 62) * 2) {
            __builtin_trap();  // a negative or runaway clock
        }
        t = t * 10 + static_cast<std::uint64_t>(line[i] - '0');
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream trace;
    int status = 0;
    {
        ui::HeadlessBackend backend(script, trace, "/prog");
        FuzzWindow window(backend);
        status = backend.RunScript([&window] { window.form.Show(); });
    }
    if (status != 0 && status != 2) {
        __builtin_trap();
    }
    std::istringstream lines(trace.str());
    std::uint64_t last = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::uint64_t t = TimeOf(line);
        if (t < last || !IsUtf8(line) || line.find('\0') != std::string::npos) {
            __builtin_trap();
        }
        last = t;
    }
    return 0;
}
