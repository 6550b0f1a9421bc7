#include "tests/platform/a11y/FakeBus.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <future>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace a11y::test {
namespace {

constexpr const char* kBus = "org.freedesktop.DBus";
constexpr const char* kBusPath = "/org/freedesktop/DBus";
constexpr const char* kA11yBus = "org.a11y.Bus";
constexpr const char* kA11yBusPath = "/org/a11y/bus";
constexpr const char* kStatusXml =
    "<node><interface name='org.a11y.Status'>"
    "<property name='IsEnabled' type='b' access='readwrite'/>"
    "<property name='ScreenReaderEnabled' type='b' access='readwrite'/>"
    "</interface></node>";
constexpr guint32 kDoNotQueue = 4;
constexpr guint32 kPrimaryOwner = 1;

[[noreturn]] void Fail(const std::string& what, GError* error) {
    const std::string message = what + ": " + (error != nullptr ? error->message : "failed");
    if (error != nullptr) {
        g_error_free(error);
    }
    throw std::runtime_error(message);
}

GVariant* CallBus(GDBusConnection* connection, const char* method, GVariant* args,
                  const char* replyType) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(connection, kBus, kBusPath, kBus, method, args,
                                                  G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NONE,
                                                  -1, nullptr, &error);
    if (reply == nullptr) {
        Fail(method, error);
    }
    return reply;
}

}  // namespace

BusPeer::BusPeer() : m_context(g_main_context_new()), m_loop(g_main_loop_new(m_context, FALSE)) {
    m_thread = std::thread([this] {
        g_main_context_push_thread_default(m_context);
        g_main_loop_run(m_loop);
        g_main_context_pop_thread_default(m_context);
    });
    Run([this] {
        GError* error = nullptr;
        gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
        if (address == nullptr) {
            Fail("no session bus", error);
        }
        m_connection = g_dbus_connection_new_for_address_sync(
            address,
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
        g_free(address);
        if (m_connection == nullptr) {
            Fail("cannot connect", error);
        }
    });
}

BusPeer::~BusPeer() {
    Run([this] {
        if (m_connection != nullptr) {
            g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
            g_object_unref(m_connection);
        }
    });
    g_main_loop_quit(m_loop);
    m_thread.join();
    g_main_loop_unref(m_loop);
    g_main_context_unref(m_context);
}

void BusPeer::Run(const std::function<void()>& work) {
    struct Job {
        const std::function<void()>& work;
        std::promise<void> done;
    } job{work, {}};
    std::future<void> done = job.done.get_future();
    g_main_context_invoke(
        m_context,
        [](gpointer data) -> gboolean {
            auto& job = *static_cast<Job*>(data);
            try {
                job.work();
                job.done.set_value();
            } catch (...) {
                job.done.set_exception(std::current_exception());
            }
            return G_SOURCE_REMOVE;
        },
        &job);
    done.get();
}

void BusPeer::Own(const std::string& name) {
    Run([&] {
        GVariant* reply = CallBus(m_connection, "RequestName",
                                  g_variant_new("(su)", name.c_str(), kDoNotQueue), "(u)");
        guint32 result = 0;
        g_variant_get(reply, "(u)", &result);
        g_variant_unref(reply);
        if (result != kPrimaryOwner) {
            throw std::runtime_error("could not own " + name);
        }
    });
}

void BusPeer::Release(const std::string& name) {
    Run([&] {
        g_variant_unref(
            CallBus(m_connection, "ReleaseName", g_variant_new("(s)", name.c_str()), "(u)"));
    });
}

void BusPeer::Sync() {
    Run([this] { g_variant_unref(CallBus(m_connection, "GetId", nullptr, "(s)")); });
}

FakeStatus::FakeStatus(Role role, bool screenReaderEnabled)
    : m_role(role), m_enabled(screenReaderEnabled) {
    if (m_role == Role::Impostor) {
        return;
    }
    m_peer.Run([this] {
        GError* error = nullptr;
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kStatusXml, &error);
        static const GDBusInterfaceVTable vtable{
            &FakeStatus::OnMethodCall, &FakeStatus::OnGetProperty, &FakeStatus::OnSetProperty, {}};
        m_registration = g_dbus_connection_register_object(
            m_peer.Connection(), kA11yBusPath, node->interfaces[0], &vtable, this, nullptr, &error);
        g_dbus_node_info_unref(node);
        if (m_registration == 0) {
            Fail("cannot serve the status", error);
        }
    });
    m_peer.Own(kA11yBus);
}

FakeStatus::~FakeStatus() {
    if (m_role == Role::Owner) {
        m_peer.Release(kA11yBus);
        m_peer.Run(
            [this] { g_dbus_connection_unregister_object(m_peer.Connection(), m_registration); });
    }
}

void FakeStatus::SetScreenReaderEnabled(bool enabled) {
    m_peer.Run([this, enabled] {
        m_enabled = enabled;
        GVariantBuilder changed;
        g_variant_builder_init(&changed, G_VARIANT_TYPE("a{sv}"));
        g_variant_builder_add(&changed, "{sv}", "ScreenReaderEnabled",
                              g_variant_new_boolean(enabled));
        const gchar* const invalidated[] = {nullptr};
        GError* error = nullptr;
        if (!g_dbus_connection_emit_signal(
                m_peer.Connection(), nullptr, kA11yBusPath, "org.freedesktop.DBus.Properties",
                "PropertiesChanged",
                g_variant_new("(sa{sv}^as)", "org.a11y.Status", &changed, invalidated), &error)) {
            Fail("cannot signal the change", error);
        }
    });
    // The bus has routed the signal once it answers a later call from the same connection.
    m_peer.Sync();
}

int FakeStatus::Writes() const {
    int writes = 0;
    const_cast<BusPeer&>(m_peer).Run([&] { writes = m_writes; });
    return writes;
}

void FakeStatus::OnMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar*, GVariant*, GDBusMethodInvocation* invocation,
                              gpointer) {
    g_dbus_method_invocation_return_error_literal(invocation, G_DBUS_ERROR,
                                                  G_DBUS_ERROR_UNKNOWN_METHOD, "no methods here");
}

GVariant* FakeStatus::OnGetProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                    const gchar* property, GError**, gpointer data) {
    const auto& status = *static_cast<FakeStatus*>(data);
    return g_variant_new_boolean(std::string_view(property) == "IsEnabled" || status.m_enabled);
}

gboolean FakeStatus::OnSetProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                   const gchar*, GVariant*, GError**, gpointer data) {
    ++static_cast<FakeStatus*>(data)->m_writes;
    return TRUE;
}

ReaderProcess::ReaderProcess(const std::string& program) {
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const int spawned = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    std::string said;
    char byte = 0;
    while (spawned == 0 && ::read(pipe[0], &byte, 1) == 1 && byte != '\n') {
        said += byte;
    }
    ::close(pipe[0]);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    if (said != "ready") {
        this->~ReaderProcess();
        throw std::runtime_error(program + " did not connect to the session bus");
    }
}

ReaderProcess::~ReaderProcess() {
    ::kill(m_pid, SIGTERM);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
}

}  // namespace a11y::test
