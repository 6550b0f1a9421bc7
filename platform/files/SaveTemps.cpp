#include "platform/files/SaveTemps.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace files {
namespace {

constexpr std::size_t kSuffixLength = 8;
constexpr int kNameAttempts = 64;

std::string RandomSuffix(std::mt19937& engine) {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
    std::string suffix(kSuffixLength, ' ');
    for (char& c : suffix) {
        c = kAlphabet[pick(engine)];
    }
    return suffix;
}

// Appended piece by piece: GCC 12 at -O3 warns wrongly on the chained concatenation.
std::string NamePrefix(const std::filesystem::path& target) {
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += '.';
    return prefix;
}

bool IsSaveTempName(const std::string& name, const std::string& prefix) {
    return name.size() == prefix.size() + kSuffixLength && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

// Whether the open file is still the one named `path` (not removed or replaced meanwhile).
bool StillNamed(int fd, const std::filesystem::path& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && open.st_nlink > 0 && ::lstat(path.c_str(), &named) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

void RemoveIfLeftover(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    // Only this user's regular files, and only those no running save holds.
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path)) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

}  // namespace

File CreateSaveTemp(const std::filesystem::path& target, std::filesystem::path& path) {
    std::mt19937 engine{std::random_device{}()};
    const std::string prefix = NamePrefix(target);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = target.parent_path() / (prefix + RandomSuffix(engine));
        File file(path, FileMode::CreateNew);
        if (!file.IsOpen() && file.Error() == EEXIST) {
            continue;
        }
        if (!file.IsOpen()) {
            return file;
        }
        int locked = 0;
        do {
            locked = ::flock(file.Descriptor(), LOCK_EX);
        } while (locked != 0 && errno == EINTR);
        // Another save may have taken the new file for a leftover before it was locked: then it
        // is gone, and another name is tried.
        if (locked == 0 && StillNamed(file.Descriptor(), path)) {
            return file;
        }
    }
    path.clear();
    return File();
}

void RemoveSaveLeftovers(const std::filesystem::path& target) {
    const std::string prefix = NamePrefix(target);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsSaveTempName(entry->path().filename().string(), prefix)) {
            RemoveIfLeftover(entry->path());
        }
    }
}

}  // namespace files
