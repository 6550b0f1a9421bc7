// Several processes on one store: writers that die half-way and writers that race.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

}  // namespace
