#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/ProgramFolder.h"
#include "tests/support/TempFolder.h"

namespace {

using testing_support::TempFolder;
namespace fs = std::filesystem;

// A tree laid out as an installation: games/ventra, and the installed program folder where the
// installed executable looks for it.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest() {
        fs::create_directories(m_games);
        fs::create_directories(m_installed);
        testing_support::WriteFile(m_games / "ventra", "");
    }

    fs::path Executable() const { return m_games / "ventra"; }
    void AddProgramFile(const fs::path& folder) const {
        testing_support::WriteFile(folder / VENTRA_PROGRAM_FILE, "");
    }

    TempFolder m_root;
    fs::path m_games = m_root.Path() / "games";
    fs::path m_installed = (m_games / VENTRA_INSTALLED_PROGRAM_FOLDER).lexically_normal();
};

TEST_F(ProgramFolderTest, FilesBesideTheExecutableWinAsInABuild) {
    AddProgramFile(m_games);
    AddProgramFile(m_installed);
    EXPECT_EQ(files::ProgramFolderOf(Executable()), m_games);
}

TEST_F(ProgramFolderTest, AnInstalledProgramFindsItsInstalledFolder) {
    AddProgramFile(m_installed);
    const fs::path folder = files::ProgramFolderOf(Executable());
    EXPECT_EQ(folder, m_installed);
    // A plain path: it is shown in messages and the game appends file names to it.
    EXPECT_EQ(folder, folder.lexically_normal());
    EXPECT_TRUE(fs::equivalent(folder, m_installed));
}

TEST_F(ProgramFolderTest, WithoutTheFilesAnywhereTheExecutablesFolderStays) {
    EXPECT_EQ(files::ProgramFolderOf(Executable()), m_games);
}

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutableInABuild) {
    // The tests run from the build's program folder, beside the control library.
    const fs::path self = fs::read_symlink("/proc/self/exe");
    if (!fs::exists(self.parent_path() / VENTRA_PROGRAM_FILE)) {
        GTEST_SKIP() << "the control library is not built beside the tests";
    }
    EXPECT_EQ(files::ProgramFolder(), self.parent_path());
}

}  // namespace
