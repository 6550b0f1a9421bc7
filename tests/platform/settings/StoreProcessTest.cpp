// Several processes on one store: writers that die half-way, writers that race, a lock held
// elsewhere, and a FIFO in the store's place (checked in a child, so that a hang shows).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/settings/Store.h"
#include "tests/support/TempFolder.h"

namespace {

using settings::Store;
using testing_support::TempFolder;

// Runs `body` in a child process and returns its wait status.
template <typename Body>
int InChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

TEST(StoreProcesses, AWriterKilledBeforeItsRenameLeavesTheOldStoreIntact) {
    TempFolder folder;
    const auto file = folder / "registry.ini";
    Store(file).Set("Ventrelle/StartUp", "Reader", "JFW");

    const int status = InChild([&] {
        Store store(file);
        store.beforeReplace = [](const std::filesystem::path&) { ::raise(SIGKILL); };
        store.Set("Ventrelle/StartUp", "Reader", "WE");
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(WTERMSIG(status), SIGKILL);

    Store store(file);
    EXPECT_EQ(store.Get("Ventrelle/StartUp", "Reader"), "JFW");
    // The dead writer's lock is gone with it, so the next write goes through.
    store.Set("Ventrelle/StartUp", "Reader", "None");
    EXPECT_EQ(Store(file).Get("Ventrelle/StartUp", "Reader"), "None");
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
    }
}

TEST(StoreProcesses, ConcurrentWritersLoseNoKey) {
    TempFolder folder;
    const auto file = folder / "registry.ini";
    constexpr int kWriters = 4;
    constexpr int kKeysEach = 20;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            Store store(file);
            for (int k = 0; k < kKeysEach; ++k) {
                store.Set("Writer" + std::to_string(w), "k" + std::to_string(k), std::to_string(k));
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Store store(file);
    for (int w = 0; w < kWriters; ++w) {
        for (int k = 0; k < kKeysEach; ++k) {
            EXPECT_EQ(store.Get("Writer" + std::to_string(w), "k" + std::to_string(k)),
                      std::to_string(k));
        }
    }
}

// A store that is a FIFO (or any file that is not a regular one) reads as empty at once instead
// of waiting for a writer that never comes; the first write moves it aside like damage.
TEST(StoreProcesses, AFifoInPlaceOfTheStoreDoesNotHang) {
    TempFolder folder;
    const auto file = folder / "registry.ini";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    const int status = InChild([&] {
        ::alarm(5);
        Store store(file);
        if (store.Get("Ventrelle/StartUp", "Reader") != std::nullopt) {
            ::_exit(3);
        }
        store.Set("Ventrelle/StartUp", "Reader", "JFW");
    });
    ASSERT_TRUE(WIFEXITED(status)) << "the child hung on the FIFO and was stopped";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Store(file).Get("Ventrelle/StartUp", "Reader"), "JFW");
    EXPECT_TRUE(std::filesystem::is_fifo(file.string() + ".damaged"));
}

// Another program holding the store's lock makes a write wait a bounded time, then fail with a
// message that says so; the store is as it was.
TEST(StoreProcesses, ALockHeldByAnotherProcessIsWaitedForABoundedTime) {
    TempFolder folder;
    const auto file = folder / "registry.ini";
    Store(file).Set("Ventrelle/StartUp", "Reader", "JFW");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::open((file.string() + ".lock").c_str(), O_RDWR);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0 || ::write(ready[1], "x", 1) != 1) {
            ::_exit(1);
        }
        ::sleep(30);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    Store store(file);
    const auto start = std::chrono::steady_clock::now();
    try {
        store.Set("Ventrelle/StartUp", "Reader", "WE");
        ADD_FAILURE() << "the write went through a lock held elsewhere";
    } catch (const std::system_error& e) {
        EXPECT_NE(std::string(e.what()).find("is locked by another program"), std::string::npos)
            << e.what();
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_GE(waited, store.lockWait);
    EXPECT_LT(waited, store.lockWait + std::chrono::seconds(3));
    EXPECT_EQ(Store(file).Get("Ventrelle/StartUp", "Reader"), "JFW");
    // Once the holder is gone the next write goes through.
    store.Set("Ventrelle/StartUp", "Reader", "WE");
    EXPECT_EQ(Store(file).Get("Ventrelle/StartUp", "Reader"), "WE");
}

}  // namespace
