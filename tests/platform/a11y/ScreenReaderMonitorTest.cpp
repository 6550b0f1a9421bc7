// The monitor on a private session bus of its own (each case runs under dbus-run-session): the
// accessibility bus's status and screen-reader processes, at the first look and while it runs.
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/a11y/ScreenReaderMonitor.h"
#include "tests/platform/a11y/FakeBus.h"

namespace a11y {
namespace {

using namespace std::chrono_literals;
using test::BusPeer;
using test::FakeStatus;
using test::ReaderProcess;

constexpr const char* kOrcaService = "org.gnome.Orca.Service";

// A screen-reader process of the tests' own: a real Orca process's name would keep a real Orca
// from starting beside the tests.
MonitorOptions Options() {
    MonitorOptions options;
    options.processNames = {"fakereader"};
    options.firstLookLimit = 20s;
    return options;
}

// What the monitor reported, for waiting on.
class Changes {
public:
    ScreenReaderMonitor::Listener Listener() {
        return [this](bool running) {
            const std::lock_guard lock(m_mutex);
            m_seen.push_back(running);
            m_changed.notify_all();
        };
    }
    // Whether the last report says `running` within 20 seconds.
    bool Reach(bool running) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 20s,
                                  [&] { return !m_seen.empty() && m_seen.back() == running; });
    }
    std::vector<bool> Seen() {
        const std::lock_guard lock(m_mutex);
        return m_seen;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<bool> m_seen;
};

TEST(ScreenReaderMonitor, NothingOnTheBusMeansNoScreenReader) {
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    EXPECT_FALSE(monitor.ScreenReaderRunning());
}

TEST(ScreenReaderMonitor, TheStatusIsReadAtTheFirstLook) {
    const FakeStatus status(FakeStatus::Role::Owner, true);
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    EXPECT_TRUE(monitor.ScreenReaderRunning());
    EXPECT_TRUE(changes.Seen().empty());
}

TEST(ScreenReaderMonitor, StatusChangesAreNoticedAndTheStatusIsNeverWritten) {
    FakeStatus status(FakeStatus::Role::Owner, false);
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    EXPECT_FALSE(monitor.ScreenReaderRunning());
    status.SetScreenReaderEnabled(true);
    ASSERT_TRUE(changes.Reach(true));
    EXPECT_TRUE(monitor.ScreenReaderRunning());
    status.SetScreenReaderEnabled(false);
    ASSERT_TRUE(changes.Reach(false));
    EXPECT_EQ(changes.Seen(), (std::vector<bool>{true, false}));
    EXPECT_EQ(status.Writes(), 0);
}

TEST(ScreenReaderMonitor, AnAccessibilityBusThatComesAndGoes) {
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    {
        const FakeStatus status(FakeStatus::Role::Owner, true);
        ASSERT_TRUE(changes.Reach(true));
    }
    ASSERT_TRUE(changes.Reach(false));
    EXPECT_FALSE(monitor.ScreenReaderRunning());
}

TEST(ScreenReaderMonitor, OnlyTheAccessibilityBusOwnerIsBelieved) {
    const FakeStatus owner(FakeStatus::Role::Owner, false);
    FakeStatus impostor(FakeStatus::Role::Impostor, false);
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    impostor.SetScreenReaderEnabled(true);
    // The service name's coming and going reaches the monitor after the impostor's signal.
    BusPeer orca;
    orca.Own(kOrcaService);
    ASSERT_TRUE(changes.Reach(true));
    orca.Release(kOrcaService);
    ASSERT_TRUE(changes.Reach(false));
    EXPECT_FALSE(monitor.ScreenReaderRunning());
}

TEST(ScreenReaderMonitor, AScreenReaderProcessAtTheStartAndWhenItEnds) {
    Changes changes;
    std::optional<ScreenReaderMonitor> monitor;
    {
        const ReaderProcess reader(VENTRA_FAKE_READER);
        monitor.emplace(changes.Listener(), Options());
        EXPECT_TRUE(monitor->ScreenReaderRunning());
    }
    ASSERT_TRUE(changes.Reach(false));
}

TEST(ScreenReaderMonitor, AScreenReaderProcessThatStartsLater) {
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    EXPECT_FALSE(monitor.ScreenReaderRunning());
    const ReaderProcess reader(VENTRA_FAKE_READER);
    ASSERT_TRUE(changes.Reach(true));
}

TEST(ScreenReaderMonitor, OrcasServiceName) {
    BusPeer orca;
    orca.Own(kOrcaService);
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    EXPECT_TRUE(monitor.ScreenReaderRunning());
    orca.Release(kOrcaService);
    ASSERT_TRUE(changes.Reach(false));
}

TEST(ScreenReaderMonitor, WithoutASessionBusNoScreenReaderCanRun) {
    const std::string address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/ventra-bus", 1);
    Changes changes;
    const ScreenReaderMonitor monitor(changes.Listener(), Options());
    ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
    EXPECT_FALSE(monitor.ScreenReaderRunning());
}

TEST(ScreenReaderMonitor, CountsAsRunningUntilTheFirstLookIsDone) {
    Changes changes;
    MonitorOptions options = Options();
    options.firstLookLimit = 0ms;
    const ScreenReaderMonitor monitor(changes.Listener(), options);
    // The first look is rarely done at once; when it is not, its answer comes as a change.
    if (monitor.ScreenReaderRunning()) {
        ASSERT_TRUE(changes.Reach(false));
    }
    EXPECT_FALSE(monitor.ScreenReaderRunning());
}

}  // namespace
}  // namespace a11y
