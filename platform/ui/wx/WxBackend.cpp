#include "platform/ui/wx/WxBackend.h"

#include <wx/app.h>
#include <wx/log.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/ui/wx/WxBackendImpl.h"

namespace ui {
namespace {

// The program's command line is its own: the application object only hosts the toolkit.
class App final : public wxApp {
public:
    bool OnInit() override { return true; }
};

void PrintAssertion(const wxString& file, int line, const wxString& function,
                    const wxString& condition, const wxString& message) {
    std::cerr << "wx assertion failed: " << file << ':' << line << " in " << function << ": "
              << condition << ' ' << message << std::endl;
}

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::unique_ptr<Backend> CreateWxBackend(int& argc, char** argv) {
    const std::string program =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "program";
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
        std::cerr << program
                  << ": no display to open (DISPLAY and WAYLAND_DISPLAY are not set); start it "
                     "in a graphical session, or use --headless\n";
        return nullptr;
    }
    wxApp::SetInstance(new App);
    wxSetAssertHandler(PrintAssertion);
    // Toolkit messages go to stderr, never into message boxes of their own.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::DisableTimestamp();
    if (!wxEntryStart(argc, argv)) {
        std::cerr << program << ": cannot open the display "
                  << (Set("DISPLAY") ? std::getenv("DISPLAY") : std::getenv("WAYLAND_DISPLAY"))
                  << '\n';
        return nullptr;
    }
    wxTheApp->SetExitOnFrameDelete(false);
    return std::make_unique<wx::WxBackend>();
}

}  // namespace ui
