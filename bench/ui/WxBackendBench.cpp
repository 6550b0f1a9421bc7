// Measures the windowed back end: how soon the main window is on the screen, and how much CPU
// a two-second wait in the event loop uses (it should sleep, not spin).
#include <gtk/gtk.h>
#include <sys/resource.h>
#include <unistd.h>
#include <wx/toplevel.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/ui/Form.h"
#include "platform/ui/wx/WxBackend.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Seconds since boot, on the clock /proc/self/stat counts the process start with.
double BootSeconds() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

double ProcessStartBootSeconds() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name (which may hold spaces) start at field 3; start time is 22.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int index = 3; index <= 22; ++index) {
        fields >> field;
    }
    return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

gboolean NoteMapped(GtkWidget*, GdkEvent*, gpointer mapped) {
    *static_cast<bool*>(mapped) = true;
    return FALSE;
}

void MeasureWait(ui::Backend& backend, const char* what) {
    const double cpuBefore = CpuSeconds();
    const std::uint64_t start = backend.NowMs();
    backend.ProcessEventsUntil(start + 2000);
    const double elapsed = (backend.NowMs() - start) / 1000.0;
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("wait of 2 s %s: %.0f ms elapsed, %.1f ms CPU (%.2f%% of one core)\n", what,
                elapsed * 1000, cpu * 1000, 100 * cpu / elapsed);
}

}  // namespace

int main(int argc, char** argv) {
    const double processStart = ProcessStartBootSeconds();
    const auto mainStart = std::chrono::steady_clock::now();
    std::unique_ptr<ui::Backend> backend = ui::CreateWxBackend(argc, argv);
    if (!backend) {
        return 2;
    }
    ui::Form form(*backend, "frmBench", "Ventrelle");
    ui::Control& frame = form.AddControl("frameTable", ui::ControlKind::Frame, "", 0);
    form.AddControl("txtPlayer", ui::ControlKind::TextBox, "Ace of Spades", 1, &frame);
    form.AddControl("lblPlayer", ui::ControlKind::Label, "Player", 2, &frame);
    ui::Control& list = form.AddControl("lstBet", ui::ControlKind::ListBox, "", 3, &frame);
    form.AddControl("btnHit", ui::ControlKind::Button, "&Hit", 4, &frame);
    form.AddMenu("mnuGame", "&Game").Add("mnuGameNew", "&New Game ", 'N');
    ui::Timer& timer = form.AddTimer("tmrDraw", 100);
    form.Load();
    for (int amount = 100; amount <= 1000; amount += 100) {
        list.AddItem("$" + std::to_string(amount));
    }

    bool mapped = false;
    wxTopLevelWindow* window =
        static_cast<wxTopLevelWindow*>(wxTopLevelWindows.GetLast()->GetData());
    g_signal_connect(window->GetHandle(), "map-event", G_CALLBACK(NoteMapped), &mapped);
    form.Show();
    while (!mapped) {
        backend->ProcessEventsUntil(backend->NowMs() + 5);
    }
    const double mainToShown =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - mainStart).count();
    std::printf("main window on screen: %.0f ms after process start, %.0f ms after main()\n",
                (BootSeconds() - processStart) * 1000, mainToShown * 1000);

    MeasureWait(*backend, "with nothing to do");
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.SetEnabled(true);
    MeasureWait(*backend, "with a 100 ms timer");
    std::printf("timer ticks during that wait: %d\n", ticks);
    std::fflush(stdout);
    backend->End();
}
