// A program that plays a screen reader's process for the monitor's tests: it connects to the
// session bus, says "ready" on standard output, and stays until it is killed.
#include <gio/gio.h>
#include <unistd.h>

#include <cstdio>

int main() {
    GError* error = nullptr;
    GDBusConnection* connection = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (connection == nullptr) {
        std::fprintf(stderr, "fakereader: %s\n", error->message);
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}
