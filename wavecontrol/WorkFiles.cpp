#include "wavecontrol/WorkFiles.h"

#include <system_error>

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

}  // namespace sonivel
