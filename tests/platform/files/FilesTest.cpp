#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <numeric>
#include <system_error>
#include <vector>

#include "platform/files/File.h"
#include "platform/files/MemoryBlock.h"
#include "platform/files/Paths.h"
#include "platform/files/ReplacingWriter.h"
#include "platform/files/TempFiles.h"
#include "tests/platform/files/AsNobody.h"
#include "tests/platform/files/ScopedEnv.h"
#include "tests/platform/files/ScopedFifo.h"
#include "tests/platform/files/TimeOf.h"
#include "tests/support/TempFolder.h"

// Huge allocations must come back as null here, as they do without the sanitizer.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

namespace {

using testing_support::ScopedEnv;
using testing_support::ScopedFifo;
using testing_support::TempFolder;
namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Counting(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

TEST(TempFiles, TempFolderFollowsTmpdirAndFallsBackToTmp) {
    {
        ScopedEnv tmpdir("TMPDIR", "/some/where");
        EXPECT_EQ(files::TempFolder(), fs::path("/some/where"));
    }
    {
        ScopedEnv tmpdir("TMPDIR", "");
        EXPECT_EQ(files::TempFolder(), fs::path("/tmp"));
    }
    ScopedEnv tmpdir("TMPDIR", std::nullopt);
    EXPECT_EQ(files::TempFolder(), fs::path("/tmp"));
}

TEST(TempFiles, CreatesNewPrivateEmptyFilesWithThePrefix) {
    TempFolder folder;
    ScopedEnv tmpdir("TMPDIR", folder.Path().string());
    const fs::path first = files::CreateTempFile("wav");
    const fs::path second = files::CreateTempFile("wav");
    EXPECT_NE(first, second);
    EXPECT_EQ(first.parent_path(), folder.Path());
    EXPECT_EQ(first.filename().string().rfind("wav", 0), 0u);
    EXPECT_EQ(fs::file_size(first), 0u);
    struct stat info {};
    ASSERT_EQ(::stat(first.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(TempFiles, FailureThrowsSystemError) {
    TempFolder folder;
    ScopedEnv tmpdir("TMPDIR", (folder / "missing").string());
    EXPECT_THROW(files::CreateTempFile("clp"), std::system_error);
    EXPECT_THROW(files::CreateTempFile("../x"), std::system_error);
}

TEST(Paths, BackslashesBecomeSeparators) {
    EXPECT_EQ(files::NativePath("\\hit.wav"), "/hit.wav");
    EXPECT_EQ(files::NativePath("/opt/game\\sounds\\hit.wav"), "/opt/game/sounds/hit.wav");
    EXPECT_EQ(files::NativePath("plain"), "plain");
}

TEST(Paths, ShortPathIsThePathOnlyWhenSomethingIsThere) {
    TempFolder folder;
    WriteBytes(folder / "hit.wav", {1});
    const std::string native = (folder / "hit.wav").string();
    EXPECT_EQ(files::ShortPath(native), native);
    EXPECT_EQ(files::ShortPath(folder.Path().string() + "\\hit.wav"), native);
    EXPECT_EQ(files::ShortPath((folder / "missing.wav").string()), "");
    EXPECT_EQ(files::ShortPath(""), "");
}

TEST(Pieces, ReadsARegionInBoundedPiecesAndReportsShortReads) {
    TempFolder folder;
    WriteBytes(folder / "data", Counting(100));
    files::File file(folder / "data", files::FileMode::Read);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 100u);

    std::vector<std::uint8_t> target(30);
    files::Transfer done = files::ReadPieces(file, 10, target, 7);
    EXPECT_EQ(done.bytes, 30u);
    EXPECT_EQ(target.front(), 10);
    EXPECT_EQ(target.back(), 39);

    done = files::ReadPieces(file, 90, target, 7);
    EXPECT_EQ(done.bytes, 10u);
    EXPECT_EQ(done.error, 0);
    EXPECT_EQ(target[9], 99);
}

TEST(Pieces, WritesInBoundedPiecesAndReportsFailures) {
    TempFolder folder;
    const std::vector<std::uint8_t> bytes = Counting(250);
    {
        files::File file(folder / "out", files::FileMode::CreateTruncate);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(files::WritePieces(file, 0, bytes, 60).bytes, 250u);
    }
    EXPECT_EQ(ReadBytes(folder / "out"), bytes);

    files::File readOnly(folder / "out", files::FileMode::Read);
    const files::Transfer refused = files::WritePieces(readOnly, 0, bytes, 60);
    EXPECT_EQ(refused.bytes, 0u);
    EXPECT_NE(refused.error, 0);

    files::File missing(folder / "none", files::FileMode::Read);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Error(), ENOENT);
}

// A pipe or device where a file was expected: the open returns at once instead of waiting for a
// writer, and the caller sees that it is no regular file.
TEST(FileTest, OpeningAFifoNeverWaits) {
    TempFolder folder;
    const ScopedFifo fifo(folder / "sound.wav");
    for (const files::FileMode mode : {files::FileMode::Read, files::FileMode::ReadWrite}) {
        bool regular = true;
        const auto took = testing_support::TimeOf([&] {
            const files::File file(fifo.Path(), mode);
            regular = file.IsRegular();
            std::uint8_t byte = 0;
            EXPECT_EQ(files::ReadPieces(file, 0, {&byte, 1}, 1).bytes, 0u);
        });
        EXPECT_LT(took, std::chrono::seconds(1));
        EXPECT_FALSE(regular);
    }
}

TEST(MemoryBlockTest, GrowsShrinksAndMovesKeepingTheBytes) {
    files::MemoryBlock block;
    ASSERT_TRUE(block.Allocate(4));
    std::copy_n("abcd", 4, block.Data());
    ASSERT_TRUE(block.Resize(1000));
    EXPECT_EQ(block.Data()[3], 'd');
    ASSERT_TRUE(block.Resize(2));
    EXPECT_EQ(block.Size(), 2u);

    files::MemoryBlock moved = std::move(block);
    EXPECT_EQ(block.Size(), 0u);
    EXPECT_EQ(block.Data(), nullptr);
    EXPECT_EQ(moved.Data()[1], 'b');
}

TEST(MemoryBlockTest, ImpossibleSizesFailWithoutThrowing) {
    files::MemoryBlock block;
    ASSERT_TRUE(block.Allocate(8));
    const std::size_t impossible = std::numeric_limits<std::size_t>::max() / 2;
    EXPECT_FALSE(block.Resize(impossible));
    EXPECT_EQ(block.Size(), 8u);
    EXPECT_FALSE(block.Allocate(impossible));
    EXPECT_EQ(block.Size(), 0u);
}

TEST(ReplacingWriterTest, CommitReplacesTheTargetAndKeepsItsPermissions) {
    TempFolder folder;
    const fs::path target = folder / "song.wav";
    WriteBytes(target, {9, 9, 9, 9, 9, 9});
    ::chmod(target.c_str(), 0640);

    files::ReplacingWriter writer(target);
    ASSERT_EQ(writer.Error(), 0);
    ASSERT_TRUE(writer.Write(Counting(3)));
    EXPECT_EQ(ReadBytes(target).size(), 6u) << "the target changes only on commit";
    ASSERT_TRUE(writer.Commit());

    EXPECT_EQ(ReadBytes(target), Counting(3));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(ReplacingWriterTest, AbandonedWriteLeavesTheTargetAndNoLeftovers) {
    TempFolder folder;
    const fs::path target = folder / "song.wav";
    WriteBytes(target, {1, 2});
    {
        files::ReplacingWriter writer(target);
        ASSERT_TRUE(writer.Write(Counting(50)));
    }
    EXPECT_EQ(ReadBytes(target), (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);

    files::ReplacingWriter nowhere(folder / "missing" / "x.wav");
    EXPECT_EQ(nowhere.Error(), ENOENT);
    EXPECT_FALSE(nowhere.Write(Counting(1)));
    EXPECT_FALSE(nowhere.Commit());
}

// Whether a writer for `target` gets as far as replacing it.
bool Replaces(const fs::path& target) {
    files::ReplacingWriter writer(target);
    return writer.Write(Counting(4)) && writer.Commit();
}

// Only a regular file the user may write is replaced; anything else (read-only, a pipe, a device,
// also reached through a link) is refused and left exactly as it was. A link to a file the user
// may write is followed: the file is replaced, the link stays.
TEST(ReplacingWriterTest, ReplacesOnlyRegularFilesTheUserMayWrite) {
    TempFolder folder;
    const fs::path readOnly = folder / "read-only.wav";
    WriteBytes(readOnly, {1, 2, 3});
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(Replaces(readOnly));
    EXPECT_EQ(ReadBytes(readOnly), (std::vector<std::uint8_t>{1, 2, 3}));

    const ScopedFifo fifo(folder / "pipe.wav");
    EXPECT_FALSE(Replaces(fifo.Path()));
    EXPECT_TRUE(fs::is_fifo(fifo.Path()));

    const fs::path device = folder / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        fs::create_symlink(device, folder / "to-device.wav");
        EXPECT_FALSE(Replaces(folder / "to-device.wav"));
        EXPECT_TRUE(fs::is_character_file(device));
    }

    const fs::path real = folder / "real.wav";
    WriteBytes(real, {7});
    fs::create_symlink(real, folder / "link.wav");
    EXPECT_TRUE(Replaces(folder / "link.wav"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.wav"));
    EXPECT_EQ(ReadBytes(real), Counting(4));
    // Nothing of the refused writes is left beside the targets.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()),
              fs::exists(device) ? 6 : 4);
}

TEST(ReplacingWriterTest, AnotherUsersFileInASharedFolderIsNotReplaced) {
    TempFolder folder;
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(shared, fs::perms::all);
    const fs::path theirs = shared / "theirs.wav";
    WriteBytes(theirs, {5, 5});
    const std::optional<int> replaced = testing_support::RunAsNobody([&] {
        const bool mine = Replaces(shared / "mine.wav");
        return Replaces(theirs) ? 1 : mine ? 0 : 2;
    });
    if (!replaced) {
        GTEST_SKIP() << "only root can act as another user";
    }
    EXPECT_EQ(*replaced, 0);
    EXPECT_EQ(ReadBytes(theirs), (std::vector<std::uint8_t>{5, 5}));
    struct stat info {};
    ASSERT_EQ(::stat(theirs.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
}

// The new files of saves of `target` lying beside it.
int SaveTemps(const fs::path& target) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(target.parent_path())) {
        count +=
            entry.path().filename().string().starts_with("." + target.filename().string() + ".");
    }
    return count;
}

// A save killed half-way leaves its new file beside the target; the next save of the same target
// removes it, but never the file of a save still running in another process.
TEST(ReplacingWriterTest, TheNextSaveRemovesWhatKilledSavesLeftButNotRunningOnes) {
    TempFolder folder;
    const fs::path target = folder / "song.wav";
    WriteBytes(target, {1});
    int ready[2];
    int finish[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(finish), 0);
    const pid_t running = ::fork();
    if (running == 0) {
        files::ReplacingWriter writer(target);
        const bool wrote = writer.Write(Counting(100));
        char byte = wrote ? 1 : 0;
        if (::write(ready[1], &byte, 1) == 1) {
            // Still saving until the test lets it go; it then ends without committing.
            static_cast<void>(::read(finish[0], &byte, 1));
        }
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    const pid_t killed = ::fork();
    if (killed == 0) {
        files::ReplacingWriter writer(target);
        static_cast<void>(writer.Write(Counting(100)));
        ::raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    EXPECT_EQ(SaveTemps(target), 2) << "the running save's file and the killed one's";

    EXPECT_TRUE(Replaces(target));
    EXPECT_EQ(ReadBytes(target), Counting(4));
    EXPECT_EQ(SaveTemps(target), 1) << "only the running save's file is left";

    ASSERT_EQ(::write(finish[1], &byte, 1), 1);
    ASSERT_EQ(::waitpid(running, &status, 0), running);
    for (const int fd : {ready[0], ready[1], finish[0], finish[1]}) {
        ::close(fd);
    }
}

}  // namespace
