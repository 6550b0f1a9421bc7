#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/shell/Shell.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

class OpenDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_folder / "bin");
        // A stand-in for the desktop's opener that records its process id and its arguments,
        // renamed into place so the test never reads half a file.
        const std::string record = m_record.string();
        WriteFile(m_folder / "bin/xdg-open",
                  "#!/bin/sh\n"
                  "printf '%s\\n' \"$$\" \"$@\" > '" +
                      record +
                      ".part'\n"
                      "mv '" +
                      record + ".part' '" + record + "'\n");
        ::chmod((m_folder / "bin/xdg-open").c_str(), 0755);
        setenv("PATH", ((m_folder / "bin").string() + ":/usr/bin:/bin").c_str(), 1);
    }

    // The opener's arguments, after the line with its process id.
    std::string WaitForArguments() {
        for (int i = 0; i < 250 && !std::filesystem::exists(m_record); ++i) {
            std::this_thread::sleep_for(20ms);
        }
        const std::string record = ReadFile(m_record);
        return record.substr(record.find('\n') + 1);
    }

    // Whether the opener's process is gone entirely: a zombie keeps its /proc entry.
    bool OpenerReaped() {
        const std::string pid = ReadFile(m_record).substr(0, ReadFile(m_record).find('\n'));
        for (int i = 0; i < 100; ++i) {
            if (!std::filesystem::exists("/proc/" + pid)) {
                return true;
            }
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    TempFolder m_folder;
    std::filesystem::path m_record = m_folder / "opened.txt";
};

TEST_F(OpenDocumentTest, StartsTheOpenerWithTheFileAndLeavesNoZombie) {
    const auto help = m_folder / "my help/ventra.hlp";
    EXPECT_TRUE(shell::OpenDocument(help));
    EXPECT_EQ(WaitForArguments(), help.string() + "\n");
    EXPECT_TRUE(OpenerReaped());
}

TEST_F(OpenDocumentTest, ANameLikeAnOptionIsPassedAsAPath) {
    EXPECT_TRUE(shell::OpenDocument("--help"));
    EXPECT_EQ(WaitForArguments(), "./--help\n");
}

TEST(OpenDocument, FalseWhenTheOpenerIsMissingOrThePathEmpty) {
    TempFolder empty;
    setenv("PATH", empty.Path().c_str(), 1);
    EXPECT_FALSE(shell::OpenDocument("/tmp/anything.hlp"));
    EXPECT_FALSE(shell::OpenDocument(""));
}

}  // namespace
