#include "wavecontrol/WorkFiles.h"

#include <cstdio>
#include <system_error>

#include "platform/files/File.h"
#include "platform/files/TempFiles.h"

namespace sonivel {

std::string NewTempFile(std::string_view prefix, const std::filesystem::path& folder) {
    try {
        return files::CreateTempFile(prefix, folder).string();
    } catch (const std::system_error&) {
        // The callers turn a missing name into their own result code.
        return {};
    }
}

bool WriteOver(const std::string& path, std::span<const std::uint8_t> bytes,
               std::string_view prefix) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string fresh = NewTempFile(prefix, parent.empty() ? "." : parent);
    if (fresh.empty()) {
        return false;
    }
    files::File file(fresh, files::FileMode::ReadWrite);
    const bool written = file.IsOpen() &&
                         files::WritePieces(file, 0, bytes, kMaxPieceBytes).bytes == bytes.size() &&
                         file.Close() && std::rename(fresh.c_str(), path.c_str()) == 0;
    if (!written) {
        // The new file is ours and unfinished; a failure to remove it leaves only litter.
        std::remove(fresh.c_str());
    }
    return written;
}

}  // namespace sonivel
