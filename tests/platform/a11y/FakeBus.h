// Stand-ins on the test's private session bus: an accessibility bus launcher serving the
// screen-reader status, a name owner, and a screen-reader process connected to the bus.
#pragma once

#include <gio/gio.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <thread>

namespace a11y::test {

// A connection of its own to the session bus, served by a thread of its own.
class BusPeer {
public:
    BusPeer();
    ~BusPeer();
    BusPeer(const BusPeer&) = delete;
    BusPeer& operator=(const BusPeer&) = delete;

    // Runs `work` on the peer's thread and waits for it.
    void Run(const std::function<void()>& work);
    // Owns `name` (waits until the bus says so) or lets it go.
    void Own(const std::string& name);
    void Release(const std::string& name);
    // Returns once the bus has handled everything this peer sent before.
    void Sync();
    GDBusConnection* Connection() const { return m_connection; }

private:
    GMainContext* m_context;
    GMainLoop* m_loop;
    GDBusConnection* m_connection = nullptr;
    std::thread m_thread;
};

// The accessibility bus launcher's status object, /org/a11y/bus with org.a11y.Status. It owns
// org.a11y.Bus unless it is an impostor, which only sends change signals.
class FakeStatus {
public:
    enum class Role { Owner, Impostor };
    FakeStatus(Role role, bool screenReaderEnabled);
    ~FakeStatus();

    // Changes the status and signals the change.
    void SetScreenReaderEnabled(bool enabled);
    // How often someone tried to write a property.
    int Writes() const;

private:
    static void OnMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                             const gchar*, GVariant*, GDBusMethodInvocation*, gpointer);
    static GVariant* OnGetProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                   const gchar* property, GError**, gpointer data);
    static gboolean OnSetProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                  const gchar*, GVariant*, GError** error, gpointer data);

    BusPeer m_peer;
    Role m_role;
    bool m_enabled;
    int m_writes = 0;
    guint m_registration = 0;
};

// A process of the given program connected to the session bus, until destroyed.
class ReaderProcess {
public:
    // Returns once the process has connected.
    explicit ReaderProcess(const std::string& program);
    ~ReaderProcess();
    ReaderProcess(const ReaderProcess&) = delete;
    ReaderProcess& operator=(const ReaderProcess&) = delete;

private:
    pid_t m_pid = -1;
};

}  // namespace a11y::test
