#include "platform/a11y/ScreenReaderMonitor.h"

#include <glib.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/a11y/SessionBusWatch.h"

namespace a11y {

struct ScreenReaderMonitor::Impl {
    Impl(Listener listener, std::vector<std::string> names)
        : onChange(std::move(listener)),
          processNames(std::move(names)),
          context(g_main_context_new()),
          loop(g_main_loop_new(context, FALSE)) {}
    ~Impl() {
        g_main_loop_unref(loop);
        g_main_context_unref(context);
    }

    void Run() {
        g_main_context_push_thread_default(context);
        {
            SessionBusWatch watch(
                processNames, [this](bool running) { FirstLook(running); },
                [this](bool running) { Set(running); });
            g_main_loop_run(loop);
        }
        g_main_context_pop_thread_default(context);
    }

    void FirstLook(bool running) {
        Set(running);
        const std::lock_guard lock(mutex);
        looked = true;
        lookedChanged.notify_all();
    }

    void Set(bool running) {
        if (screenReaderRunning.exchange(running) != running && notify) {
            onChange(running);
        }
    }

    // Quits the loop from its own context, so a quit sent before the loop runs is not lost.
    void Quit() {
        GSource* source = g_idle_source_new();
        g_source_set_callback(
            source,
            [](gpointer data) {
                g_main_loop_quit(static_cast<GMainLoop*>(data));
                return G_SOURCE_REMOVE;
            },
            loop, nullptr);
        g_source_attach(source, context);
        g_source_unref(source);
    }

    Listener onChange;
    std::vector<std::string> processNames;
    GMainContext* context;
    GMainLoop* loop;
    std::atomic<bool> screenReaderRunning{true};
    std::atomic<bool> notify{false};
    std::mutex mutex;
    std::condition_variable lookedChanged;
    bool looked = false;
    std::thread thread;
};

ScreenReaderMonitor::ScreenReaderMonitor(Listener onChange, MonitorOptions options)
    : m_impl(std::make_unique<Impl>(std::move(onChange), std::move(options.processNames))) {
    m_impl->thread = std::thread([impl = m_impl.get()] { impl->Run(); });
    std::unique_lock lock(m_impl->mutex);
    m_impl->lookedChanged.wait_for(lock, options.firstLookLimit, [this] { return m_impl->looked; });
    m_impl->notify = true;
}

ScreenReaderMonitor::~ScreenReaderMonitor() {
    m_impl->Quit();
    m_impl->thread.join();
}

bool ScreenReaderMonitor::ScreenReaderRunning() const {
    return m_impl->screenReaderRunning;
}

}  // namespace a11y
