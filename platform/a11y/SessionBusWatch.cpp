#include "platform/a11y/SessionBusWatch.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "platform/a11y/ProcessName.h"

namespace a11y {
namespace {

constexpr const char* kBus = "org.freedesktop.DBus";
constexpr const char* kBusPath = "/org/freedesktop/DBus";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr const char* kA11yBus = "org.a11y.Bus";
constexpr const char* kA11yBusPath = "/org/a11y/bus";
constexpr const char* kStatus = "org.a11y.Status";
constexpr const char* kScreenReaderEnabled = "ScreenReaderEnabled";
// Orca 43 owns no name of its own (its process holds a connection); Orca 49 and later own this.
constexpr const char* kOrcaService = "org.gnome.Orca.Service";
constexpr int kCallTimeoutMs = 10000;

bool IsUniqueName(std::string_view name) {
    return !name.empty() && name.front() == ':';
}

}  // namespace

struct SessionBusWatch::Call {
    SessionBusWatch* watch;
    std::string subject;
    ReplyHandler handler;
};

SessionBusWatch::SessionBusWatch(std::vector<std::string> processNames, Report onFirstLook,
                                 Report onChange)
    : m_processNames(std::move(processNames)),
      m_onFirstLook(std::move(onFirstLook)),
      m_onChange(std::move(onChange)),
      m_context(g_main_context_ref_thread_default()),
      m_cancel(g_cancellable_new()) {
    if (!Connect()) {
        m_firstLookDone = true;
        m_onFirstLook(false);
        return;
    }
    // Subscribed before the names are listed, so that nothing that happens meanwhile is missed.
    Subscribe();
    CallAsync(kBus, kBusPath, kBus, "ListNames", nullptr, "(as)", "", &SessionBusWatch::OnNames);
}

SessionBusWatch::~SessionBusWatch() {
    g_cancellable_cancel(m_cancel);
    if (m_connection != nullptr) {
        g_dbus_connection_signal_unsubscribe(m_connection, m_ownerSignal);
        g_dbus_connection_signal_unsubscribe(m_connection, m_statusSignal);
    }
    // Cancelled calls still report, and a subscription lets go of its data, from the context.
    while (m_pending > 0 || m_subscriptions > 0) {
        g_main_context_iteration(m_context, TRUE);
    }
    if (m_connection != nullptr) {
        g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
        g_object_unref(m_connection);
    }
    g_object_unref(m_cancel);
    g_main_context_unref(m_context);
}

bool SessionBusWatch::Connect() {
    // Without a session bus (or one that refuses us) no screen reader can be reached either:
    // that is the answer, not an error to show.
    GError* error = nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, m_cancel, &error);
    if (address == nullptr) {
        g_error_free(error);
        return false;
    }
    m_connection = g_dbus_connection_new_for_address_sync(
        address,
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, m_cancel, &error);
    g_free(address);
    if (m_connection == nullptr) {
        g_error_free(error);
        return false;
    }
    return true;
}

void SessionBusWatch::Subscribe() {
    m_ownerSignal = g_dbus_connection_signal_subscribe(
        m_connection, kBus, kBus, "NameOwnerChanged", kBusPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
        &SessionBusWatch::OnSignal, this, &SessionBusWatch::OnUnsubscribed);
    ++m_subscriptions;
    // Any sender: OnStatusChanged keeps to the word of the accessibility bus's current owner.
    m_statusSignal = g_dbus_connection_signal_subscribe(
        m_connection, nullptr, kProperties, "PropertiesChanged", kA11yBusPath, kStatus,
        G_DBUS_SIGNAL_FLAGS_NONE, &SessionBusWatch::OnSignal, this,
        &SessionBusWatch::OnUnsubscribed);
    ++m_subscriptions;
}

void SessionBusWatch::CallAsync(const char* destination, const char* path, const char* interface,
                                const char* method, GVariant* args, const char* replyType,
                                std::string subject, ReplyHandler handler) {
    ++m_pending;
    // Never starts a service: asking about the accessibility bus must not launch one.
    g_dbus_connection_call(m_connection, destination, path, interface, method, args,
                           G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NO_AUTO_START,
                           kCallTimeoutMs, m_cancel, &SessionBusWatch::OnReply,
                           new Call{this, std::move(subject), handler});
}

void SessionBusWatch::OnReply(GObject* source, GAsyncResult* result, gpointer data) {
    const std::unique_ptr<Call> call(static_cast<Call*>(data));
    SessionBusWatch& watch = *call->watch;
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    --watch.m_pending;
    if (reply == nullptr) {
        g_error_free(error);
    } else {
        (watch.*(call->handler))(call->subject, reply);
        g_variant_unref(reply);
    }
    if (!g_cancellable_is_cancelled(watch.m_cancel)) {
        watch.Reconsider();
    }
}

void SessionBusWatch::OnSignal(GDBusConnection*, const gchar* sender, const gchar*, const gchar*,
                               const gchar* signal, GVariant* parameters, gpointer data) {
    auto& watch = *static_cast<SessionBusWatch*>(data);
    if (std::string_view(signal) == "NameOwnerChanged") {
        watch.OnNameOwnerChanged(parameters);
    } else {
        watch.OnStatusChanged(sender != nullptr ? sender : "", parameters);
    }
    watch.Reconsider();
}

void SessionBusWatch::OnUnsubscribed(gpointer data) {
    --static_cast<SessionBusWatch*>(data)->m_subscriptions;
}

void SessionBusWatch::OnNames(const std::string&, GVariant* reply) {
    GVariantIter* names = nullptr;
    g_variant_get(reply, "(as)", &names);
    const gchar* name = nullptr;
    while (g_variant_iter_next(names, "&s", &name)) {
        const std::string_view view(name);
        if (IsUniqueName(view)) {
            LookAtConnection(name);
        } else if (view == kA11yBus) {
            CallAsync(kBus, kBusPath, kBus, "GetNameOwner", g_variant_new("(s)", kA11yBus), "(s)",
                      "", &SessionBusWatch::OnStatusOwner);
        } else if (view == kOrcaService) {
            m_signs.OrcaServiceOwned(true);
        }
    }
    g_variant_iter_free(names);
}

void SessionBusWatch::OnStatusOwner(const std::string&, GVariant* reply) {
    const gchar* owner = nullptr;
    g_variant_get(reply, "(&s)", &owner);
    m_signs.StatusOwnerChanged(owner);
    ReadStatus();
}

void SessionBusWatch::ReadStatus() {
    const std::string& owner = m_signs.StatusOwner();
    if (owner.empty()) {
        return;
    }
    // Asked of the owner's unique name, so the answer is known to be that owner's.
    CallAsync(owner.c_str(), kA11yBusPath, kProperties, "Get",
              g_variant_new("(ss)", kStatus, kScreenReaderEnabled), "(v)", owner,
              &SessionBusWatch::OnStatus);
}

void SessionBusWatch::OnStatus(const std::string& owner, GVariant* reply) {
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) {
        m_signs.StatusRead(owner, g_variant_get_boolean(value) != FALSE);
    }
    g_variant_unref(value);
}

void SessionBusWatch::LookAtConnection(const std::string& uniqueName) {
    CallAsync(kBus, kBusPath, kBus, "GetConnectionUnixProcessID",
              g_variant_new("(s)", uniqueName.c_str()), "(u)", uniqueName,
              &SessionBusWatch::OnProcessId);
}

void SessionBusWatch::OnProcessId(const std::string& uniqueName, GVariant* reply) {
    guint32 pid = 0;
    g_variant_get(reply, "(u)", &pid);
    const std::string name = ProcessName(static_cast<pid_t>(pid));
    if (std::find(m_processNames.begin(), m_processNames.end(), name) != m_processNames.end()) {
        m_signs.ReaderProcessConnected(uniqueName);
    }
}

void SessionBusWatch::OnNameOwnerChanged(GVariant* parameters) {
    const gchar* name = nullptr;
    const gchar* oldOwner = nullptr;
    const gchar* newOwner = nullptr;
    g_variant_get(parameters, "(&s&s&s)", &name, &oldOwner, &newOwner);
    const std::string_view view(name);
    const bool owned = *newOwner != '\0';
    if (view == kA11yBus) {
        m_signs.StatusOwnerChanged(newOwner);
        ReadStatus();
    } else if (view == kOrcaService) {
        m_signs.OrcaServiceOwned(owned);
    } else if (IsUniqueName(view)) {
        if (owned) {
            LookAtConnection(name);
        } else {
            m_signs.ConnectionClosed(view);
        }
    }
}

void SessionBusWatch::OnStatusChanged(const std::string& sender, GVariant* parameters) {
    const gchar* interface = nullptr;
    GVariant* changed = nullptr;
    const gchar** invalidated = nullptr;
    g_variant_get(parameters, "(&s@a{sv}^a&s)", &interface, &changed, &invalidated);
    if (std::string_view(interface) == kStatus) {
        gboolean enabled = FALSE;
        if (g_variant_lookup(changed, kScreenReaderEnabled, "b", &enabled)) {
            m_signs.StatusRead(sender, enabled != FALSE);
        }
        for (const gchar** name = invalidated; *name != nullptr; ++name) {
            if (std::string_view(*name) == kScreenReaderEnabled &&
                sender == m_signs.StatusOwner()) {
                ReadStatus();
            }
        }
    }
    g_variant_unref(changed);
    g_free(invalidated);
}

void SessionBusWatch::Reconsider() {
    const bool running = m_signs.ScreenReaderRunning();
    if (!m_firstLookDone) {
        // The list of names, and every call it led to, have answered (or failed).
        if (m_pending > 0) {
            return;
        }
        m_firstLookDone = true;
        m_reported = running;
        m_onFirstLook(running);
        return;
    }
    if (running != m_reported) {
        m_reported = running;
        m_onChange(running);
    }
}

}  // namespace a11y
