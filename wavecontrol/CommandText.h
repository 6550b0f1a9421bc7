// A media command assembled from pieces into the control's fixed 300-character command buffer.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace sonivel {

inline constexpr std::size_t kCommandBufferSize = 300;

class CommandText {
public:
    // Joins the pieces with exactly one space between neighbours; an empty piece keeps the
    // spaces on both of its sides. False, with the buffer emptied, when the text and its
    // terminating null would not fit.
    bool Assemble(std::initializer_list<std::string_view> pieces);
    const char* Text() const { return m_text; }

private:
    char m_text[kCommandBufferSize] = {};
};

}  // namespace sonivel
