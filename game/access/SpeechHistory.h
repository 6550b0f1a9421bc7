// The texts the game spoke last, for the player to hear again: the newest 100, oldest first, and
// a place in them that the review keys move. Repeats are not kept again.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace game {

class SpeechHistory {
public:
    static constexpr std::size_t kCapacity = 100;

    // Keeps a text the game spoke (one with nothing but spaces is not worth hearing again) and
    // moves the place to it; past the capacity the oldest goes.
    void Add(std::string_view text);

    // The newest text, the place moving to it; null when nothing was kept.
    const std::string* Latest();
    // The text before (after) the place, the place moving to it; null at the oldest (newest),
    // where the place stays.
    const std::string* Previous();
    const std::string* Next();

    std::size_t Size() const { return m_texts.size(); }

private:
    std::deque<std::string> m_texts;
    std::size_t m_place = 0;  // index of the text heard last; 0 while there is none
};

}  // namespace game
