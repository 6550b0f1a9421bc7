#include "wavecontrol/CommandText.h"

#include <cstring>

namespace sonivel {

bool CommandText::Assemble(std::initializer_list<std::string_view> pieces) {
    std::size_t length = 0;
    bool first = true;
    for (const std::string_view piece : pieces) {
        const std::size_t needed = piece.size() + (first ? 0 : 1);
        if (length + needed >= kCommandBufferSize) {
            m_text[0] = '\0';
            return false;
        }
        if (!first) {
            m_text[length++] = ' ';
        }
        std::memcpy(m_text + length, piece.data(), piece.size());
        length += piece.size();
        first = false;
    }
    m_text[length] = '\0';
    return true;
}

}  // namespace sonivel
