#include "platform/ui/wx/WxBackend.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/log.h>

#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/ui/wx/Accessibility.h"
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

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

enum class SocketName { Abstract, Path };

// Whether something accepts connections on a local stream socket.
bool SocketAnswers(std::string_view name, SocketName kind) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = kind == SocketName::Abstract ? 1 : 0;
    if (name.empty() || name.size() + offset >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path + offset, name.data(), name.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        // Out of descriptors or sockets: the toolkit could not connect either.
        return false;
    }
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               name.size() + (offset == 0 ? 1 : 0));
    const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(fd);
    return answers;
}

enum class Reach { Answers, Silent, Unknown };

// A cheap look at DISPLAY before the toolkit opens it: connecting to the local X server's
// socket (abstract, then in /tmp/.X11-unix) costs microseconds and prints nothing, while a
// failed toolkit start prints its own message. Remote displays are left to the toolkit.
Reach XServerAt(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) {
        return Reach::Silent;
    }
    const std::string_view host = display.substr(0, colon);
    const std::string_view rest = display.substr(colon + 1);
    unsigned number = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    if (error != std::errc() || end == rest.data() ||
        (end != rest.data() + rest.size() && *end != '.')) {
        return Reach::Silent;
    }
    if (!host.empty() && host != "unix") {
        return Reach::Unknown;
    }
    const std::string socketPath = "/tmp/.X11-unix/X" + std::to_string(number);
    return SocketAnswers(socketPath, SocketName::Abstract) ||
                   SocketAnswers(socketPath, SocketName::Path)
               ? Reach::Answers
               : Reach::Silent;
}

// The compositor's socket: WAYLAND_DISPLAY is a path, or a name in XDG_RUNTIME_DIR.
Reach WaylandAt(std::string_view display) {
    if (display.front() == '/') {
        return SocketAnswers(display, SocketName::Path) ? Reach::Answers : Reach::Silent;
    }
    const std::string_view runtime = Variable("XDG_RUNTIME_DIR");
    if (runtime.empty()) {
        return Reach::Silent;
    }
    const std::string path = std::string(runtime) + "/" + std::string(display);
    return SocketAnswers(path, SocketName::Path) ? Reach::Answers : Reach::Silent;
}

// The toolkit tries Wayland first, then X: the display is worth opening if either answers.
Reach DisplayReach(std::string_view x11, std::string_view wayland) {
    Reach reach = Reach::Silent;
    for (const Reach one : {wayland.empty() ? Reach::Silent : WaylandAt(wayland),
                            x11.empty() ? Reach::Silent : XServerAt(x11)}) {
        if (one == Reach::Answers) {
            return Reach::Answers;
        }
        if (one == Reach::Unknown) {
            reach = Reach::Unknown;
        }
    }
    return reach;
}

void PrintCannotOpen(const std::string& program, std::string_view display,
                     std::string_view reason) {
    std::cerr << program << ": cannot open the display \"" << display << "\" (" << reason
              << "); to play without a window, run: " << program << " --headless\n";
}

}  // namespace

std::unique_ptr<Backend> CreateWxBackend(int& argc, char** argv) {
    const std::string program =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "program";
    const std::string_view x11 = Variable("DISPLAY");
    const std::string_view wayland = Variable("WAYLAND_DISPLAY");
    if (x11.empty() && wayland.empty()) {
        std::cerr << program
                  << ": no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not "
                     "set); to play without a window, run: "
                  << program << " --headless\n";
        return nullptr;
    }
    const std::string_view display = x11.empty() ? wayland : x11;
    if (DisplayReach(x11, wayland) == Reach::Silent) {
        PrintCannotOpen(program, display, "no display server answers there");
        return nullptr;
    }
    wxApp::SetInstance(new App);
    wxSetAssertHandler(PrintAssertion);
    // Toolkit messages go to stderr, never into message boxes of their own.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::DisableTimestamp();
    bool started = false;
    {
        // A server may answer and still refuse us, or be remote; the line below says so, the
        // toolkit's own vaguer message would only double it.
        const wxLogNull quiet;
        started = wxEntryStart(argc, argv);
    }
    if (!started) {
        PrintCannotOpen(program, display, "the window toolkit could not start on it");
        return nullptr;
    }
    wxTheApp->SetExitOnFrameDelete(false);
    wx::CompleteToolkitAccessibility();
    return std::make_unique<wx::WxBackend>();
}

}  // namespace ui
