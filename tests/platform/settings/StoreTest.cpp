#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "platform/settings/Format.h"
#include "platform/settings/Store.h"
#include "tests/support/TempFolder.h"

namespace {

using settings::Store;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

class StoreTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    std::filesystem::path m_file = m_folder / "config/ventrelle/registry.ini";
    Store m_store{m_file};
};

TEST(StoreDefaultPath, FollowsXdgConfigHomeThenHome) {
    setenv("XDG_CONFIG_HOME", "/x/config", 1);
    setenv("HOME", "/x/home", 1);
    EXPECT_EQ(Store::DefaultPath(), "/x/config/ventrelle/registry.ini");
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(Store::DefaultPath(), "/x/home/.config/ventrelle/registry.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Store::DefaultPath(), "/x/home/.config/ventrelle/registry.ini");
}

TEST_F(StoreTest, MissingFileReadsAsEmptyAndSettingsFallBackToTheDefault) {
    EXPECT_EQ(m_store.Get("Ventrelle/StartUp", "Reader"), std::nullopt);
    EXPECT_EQ(settings::GetSetting(m_store, "Ventrelle", "StartUp", "Reader", "None"), "None");
    EXPECT_TRUE(m_store.SubKeys("").empty());
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(StoreTest, SaveSettingIsReadBackByANewStoreOnTheSameFile) {
    settings::SaveSetting(m_store, "Ventrelle", "StartUp", "Reader", "WE");
    EXPECT_EQ(Store(m_file).Get("Ventrelle/StartUp", "Reader"), "WE");
    EXPECT_EQ(settings::GetSetting(Store(m_file), "Ventrelle", "StartUp", "Reader", "None"), "WE");
    EXPECT_EQ(settings::GetSetting(m_store, "Ventrelle", "StartUp", "Other", "dflt"), "dflt");
}

TEST_F(StoreTest, AwkwardValuesRoundTripThroughTheFile) {
    const std::vector<std::string> values = {"", "a=b", "]\n[x]", "caf\xc3\xa9",
                                             std::string("\0\x01\xff\r\n\\", 7)};
    for (std::size_t i = 0; i < values.size(); ++i) {
        m_store.Set("Classes/CLSID/{A}/InprocServer32", "v" + std::to_string(i), values[i]);
    }
    Store fresh(m_file);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(fresh.Get("Classes/CLSID/{A}/InprocServer32", "v" + std::to_string(i)),
                  values[i]);
    }
}

TEST_F(StoreTest, CreatesTheFolderAndKeepsTheFilePrivate) {
    m_store.Set("A", "x", "1");
    struct stat info {};
    ASSERT_EQ(::stat(m_file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(StoreTest, OnWriteFiresAfterEachSuccessfulSet) {
    std::vector<std::string> seen;
    m_store.onWrite = [&](std::string_view key, std::string_view name, std::string_view value) {
        EXPECT_EQ(m_store.Get(key, name), value);  // already on disk
        seen.push_back(std::string(key) + "|" + std::string(name) + "|" + std::string(value));
    };
    m_store.Set("Ventrelle/StartUp", "Reader", "JFW");
    m_store.Set("Ventrelle/StartUp", "Reader", "WE");
    EXPECT_THROW(m_store.Set("/", "x", "y"), std::invalid_argument);
    EXPECT_EQ(seen, (std::vector<std::string>{"Ventrelle/StartUp|Reader|JFW",
                                              "Ventrelle/StartUp|Reader|WE"}));
}

TEST_F(StoreTest, DeleteTreeAndSubKeys) {
    m_store.Set("Classes/CLSID/{1}/InprocServer32", "", "/lib/SONIVEL.OCX");
    m_store.Set("Classes/CLSID/{1}/ProgID", "", "SONIVEL.SonivelCtrl");
    m_store.Set("Classes/CLSID/{2}", "", "other");
    m_store.Set("Classes/SONIVEL.SonivelCtrl/CLSID", "", "{1}");
    EXPECT_EQ(m_store.SubKeys("Classes/CLSID/{1}"),
              (std::vector<std::string>{"InprocServer32", "ProgID"}));
    m_store.DeleteTree("Classes/CLSID/{1}");
    m_store.DeleteTree("Classes/Missing");
    EXPECT_EQ(m_store.SubKeys("Classes/CLSID"), std::vector<std::string>{"{2}"});
    EXPECT_EQ(m_store.Get("Classes/CLSID/{1}/ProgID", ""), std::nullopt);
    EXPECT_EQ(m_store.Get("Classes/SONIVEL.SonivelCtrl/CLSID", ""), "{1}");
}

TEST_F(StoreTest, DeleteTreeOnAMissingStoreWritesNothing) {
    m_store.DeleteTree("Classes");
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(StoreTest, DamagedFilesReadAsEmptyAndTheNextSetKeepsThemAside) {
    const std::string damaged[] = {
        "garbage without any structure",
        "# Ventrelle settings 1\n[A]\nx=1\n[B",  // cut inside a key line
        std::string("\x7f"
                    "ELF\x02\x01\x01\0\0\0\xff\xfe",
                    13),                                                            // binary
        "# Ventrelle settings 1\n[A]\nx=" + std::string(1024 * 1024, 'y') + "\\q",  // huge line
        std::string(settings::kMaxStoreBytes + 1, '\n'),                            // too big
    };
    int copies = 0;
    for (const std::string& content : damaged) {
        std::filesystem::create_directories(m_file.parent_path());
        WriteFile(m_file, content);
        Store store(m_file);
        testing::internal::CaptureStderr();
        EXPECT_EQ(store.Get("A", "x"), std::nullopt);
        EXPECT_TRUE(store.SubKeys("").empty());
        const std::string reported = testing::internal::GetCapturedStderr();
        EXPECT_NE(reported.find("is damaged"), std::string::npos);
        EXPECT_EQ(reported.find("is damaged"), reported.rfind("is damaged")) << "reported twice";

        testing::internal::CaptureStderr();
        store.Set("A", "x", "fresh");
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(Store(m_file).Get("A", "x"), "fresh");
        ++copies;
        const std::string kept = copies == 1 ? ".damaged" : ".damaged-" + std::to_string(copies);
        EXPECT_EQ(ReadFile(m_file.string() + kept), content);
    }
}

TEST_F(StoreTest, EveryDamagedCopyIsKeptNoneOverwritten) {
    std::filesystem::create_directories(m_file.parent_path());
    testing::internal::CaptureStderr();
    for (const std::string content : {"first damage", "second damage", "third damage"}) {
        WriteFile(m_file, content);
        Store(m_file).Set("A", "x", content);
    }
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(m_file.string() + ".damaged"), "first damage");
    EXPECT_EQ(ReadFile(m_file.string() + ".damaged-2"), "second damage");
    EXPECT_EQ(ReadFile(m_file.string() + ".damaged-3"), "third damage");
    EXPECT_NE(reported.find("kept as " + m_file.string() + ".damaged-3\n"), std::string::npos)
        << reported;
    EXPECT_EQ(Store(m_file).Get("A", "x"), "third damage");
}

// Runs `body` as a user that file permissions apply to: in-process, or, for root, in a child
// that has given up root for the "nobody" user (its failures are reported in its exit status).
template <typename Body>
void AsUnprivilegedUser(const TempFolder& folder, Body body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(77);
        }
        body();
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks failed as the unprivileged user";
}

// A store the user may not read is not damaged: it is reported, and kept as it is, unread and
// unwritten, so that nothing in it is lost.
TEST_F(StoreTest, AStoreThatCannotBeReadIsReportedAndKept) {
    AsUnprivilegedUser(m_folder, [this] {
        m_store.Set("Ventrelle/StartUp", "Reader", "WE");
        const std::string before = ReadFile(m_file);
        ASSERT_EQ(::chmod(m_file.c_str(), 0), 0);
        Store store(m_file);
        testing::internal::CaptureStderr();
        EXPECT_EQ(store.Get("Ventrelle/StartUp", "Reader"), std::nullopt);
        EXPECT_EQ(settings::GetSetting(store, "Ventrelle", "StartUp", "Reader", "None"), "None");
        try {
            store.Set("Ventrelle/StartUp", "Reader", "JFW");
            ADD_FAILURE() << "a store that cannot be read was written over";
        } catch (const std::system_error& e) {
            EXPECT_NE(std::string(e.what()).find("cannot be read"), std::string::npos) << e.what();
        }
        const std::string reported = testing::internal::GetCapturedStderr();
        EXPECT_NE(reported.find("cannot be read"), std::string::npos) << reported;
        EXPECT_EQ(reported.find("damaged"), std::string::npos) << reported;
        ASSERT_EQ(::chmod(m_file.c_str(), 0600), 0);
        EXPECT_EQ(ReadFile(m_file), before);
        EXPECT_FALSE(std::filesystem::exists(m_file.string() + ".damaged"));
    });
}

// The lock file is opened without following a link: a link planted there makes the write fail
// instead of creating or locking the file it points to.
TEST_F(StoreTest, TheLockFileIsNeverFollowedThroughALink) {
    std::filesystem::create_directories(m_file.parent_path());
    const std::filesystem::path lock = m_file.string() + ".lock";
    const std::filesystem::path missing = m_folder / "created-through-the-link";
    const std::filesystem::path existing = m_folder / "someone-elses-file";
    WriteFile(existing, "keep me");
    for (const auto& target : {missing, existing}) {
        std::filesystem::remove(lock);
        std::filesystem::create_symlink(target, lock);
        EXPECT_THROW(m_store.Set("A", "x", "1"), std::system_error);
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(ReadFile(existing), "keep me");
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(StoreTest, AFolderInPlaceOfTheFileReadsAsEmptyAndIsMovedAsideBySet) {
    std::filesystem::create_directories(m_file / "child");
    testing::internal::CaptureStderr();
    EXPECT_EQ(m_store.Get("A", "x"), std::nullopt);
    m_store.Set("A", "x", "1");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(m_store.Get("A", "x"), "1");
    EXPECT_TRUE(std::filesystem::is_directory(m_file.string() + ".damaged/child"));
}

TEST_F(StoreTest, AStrayTemporaryFileDoesNotHarmTheStoreAndIsCleanedUp) {
    m_store.Set("A", "x", "1");
    const std::filesystem::path stray = m_file.string() + ".tmp-Ab12Cd";
    WriteFile(stray, "# Ventrelle settings 1\n[A]\nx=half wri");
    EXPECT_EQ(m_store.Get("A", "x"), "1");
    m_store.Set("A", "y", "2");
    EXPECT_FALSE(std::filesystem::exists(stray));
    EXPECT_EQ(m_store.Get("A", "x"), "1");
    EXPECT_EQ(m_store.Get("A", "y"), "2");
}

TEST_F(StoreTest, AFailedWriteLeavesTheStoreAsItWas) {
    m_store.Set("A", "x", "1");
    m_store.beforeReplace = [](const std::filesystem::path&) {
        throw std::system_error(std::make_error_code(std::errc::io_error), "disk gone");
    };
    EXPECT_THROW(m_store.Set("A", "x", "2"), std::system_error);
    EXPECT_EQ(m_store.Get("A", "x"), "1");
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(m_file.parent_path())) {
        left.push_back(entry.path().filename());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::filesystem::path>{"registry.ini", "registry.ini.lock"}));
}

TEST_F(StoreTest, AValueThatWouldOverfillTheStoreIsRefused) {
    m_store.Set("A", "x", "1");
    EXPECT_THROW(m_store.Set("A", "big", std::string(settings::kMaxStoreBytes, 'z')),
                 std::system_error);
    EXPECT_EQ(m_store.Get("A", "x"), "1");
    EXPECT_EQ(m_store.Get("A", "big"), std::nullopt);
}

TEST_F(StoreTest, AnUnwritableFolderThrowsSystemError) {
    Store store("/proc/ventra-cannot-exist/registry.ini");
    EXPECT_THROW(store.Set("A", "x", "1"), std::system_error);
}

TEST_F(StoreTest, SetValuesWritesSeveralValuesOfAKeyAndReportsEach) {
    std::vector<std::string> reported;
    m_store.onWrite = [&](std::string_view key, std::string_view name, std::string_view value) {
        reported.push_back(std::string(key) + "|" + std::string(name) + "=" + std::string(value));
    };
    m_store.Set("App/Figures", "Kept", "1");
    m_store.SetValues("App/Figures", {{"Won", "5"}, {"Lost", "-6"}, {"Kept", "2"}});
    const Store other(m_file);
    EXPECT_EQ(other.Get("app/figures", "won"), "5");
    EXPECT_EQ(other.Get("App/Figures", "Lost"), "-6");
    EXPECT_EQ(other.Get("App/Figures", "Kept"), "2");
    EXPECT_EQ(reported, (std::vector<std::string>{"App/Figures|Kept=1", "App/Figures|Won=5",
                                                  "App/Figures|Lost=-6", "App/Figures|Kept=2"}));
    EXPECT_THROW(m_store.SetValues("", {{"a", "b"}}), std::invalid_argument);
}

}  // namespace
