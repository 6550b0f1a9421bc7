// Text handed to speech-dispatcher must be UTF-8; the game's texts are 8-bit.
#pragma once

#include <string>
#include <string_view>

namespace speech {

// The text itself when it is valid UTF-8; otherwise its bytes read as ISO-8859-1.
std::string ToUtf8(std::string_view text);

}  // namespace speech
