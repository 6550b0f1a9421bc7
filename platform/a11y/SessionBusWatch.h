// Looks on the session bus, through a connection of its own, for signs of a running screen
// reader: reads and watches the accessibility bus's screen-reader status (never writes it), and
// watches connections come and go for Orca's. Runs in the main context that is the thread's
// default when it is made; the caller iterates that context.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/a11y/ScreenReaderSigns.h"

namespace a11y {

class SessionBusWatch {
public:
    using Report = std::function<void(bool screenReaderRunning)>;

    // A connection of a process named in `processNames` shows a screen reader. `onFirstLook` once
    // the first look at the bus is complete (at once when there is no session bus: then no screen
    // reader can be reached either); `onChange` after every later change.
    SessionBusWatch(std::vector<std::string> processNames, Report onFirstLook, Report onChange);
    // Cancels the calls under way and iterates the context until they and the subscriptions are
    // finished with.
    ~SessionBusWatch();
    SessionBusWatch(const SessionBusWatch&) = delete;
    SessionBusWatch& operator=(const SessionBusWatch&) = delete;

private:
    using ReplyHandler = void (SessionBusWatch::*)(const std::string& subject, GVariant* reply);
    struct Call;

    bool Connect();
    void Subscribe();
    // An asynchronous method call; `subject` goes back to the handler with the reply. Failed
    // calls have no handler: a connection or name that went meanwhile is no sign of anything.
    void CallAsync(const char* destination, const char* path, const char* interface,
                   const char* method, GVariant* args, const char* replyType, std::string subject,
                   ReplyHandler handler);
    static void OnReply(GObject* source, GAsyncResult* result, gpointer data);
    static void OnSignal(GDBusConnection* connection, const gchar* sender, const gchar* path,
                         const gchar* interface, const gchar* signal, GVariant* parameters,
                         gpointer data);
    static void OnUnsubscribed(gpointer data);

    void OnNames(const std::string& subject, GVariant* reply);
    void OnStatusOwner(const std::string& subject, GVariant* reply);
    void OnStatus(const std::string& owner, GVariant* reply);
    void OnProcessId(const std::string& uniqueName, GVariant* reply);
    void OnNameOwnerChanged(GVariant* parameters);
    void OnStatusChanged(const std::string& sender, GVariant* parameters);

    void ReadStatus();
    void LookAtConnection(const std::string& uniqueName);
    // Reports the first look once nothing of it is pending, and every change afterwards.
    void Reconsider();

    std::vector<std::string> m_processNames;
    Report m_onFirstLook;
    Report m_onChange;
    ScreenReaderSigns m_signs;
    GMainContext* m_context;
    GCancellable* m_cancel;
    GDBusConnection* m_connection = nullptr;
    guint m_ownerSignal = 0;
    guint m_statusSignal = 0;
    int m_pending = 0;
    int m_subscriptions = 0;
    bool m_firstLookDone = false;
    bool m_reported = false;
};

}  // namespace a11y
