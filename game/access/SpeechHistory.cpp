#include "game/access/SpeechHistory.h"

namespace game {

void SpeechHistory::Add(std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return;
    }
    if (m_texts.size() == kCapacity) {
        m_texts.pop_front();
    }
    m_texts.emplace_back(text);
    m_place = m_texts.size() - 1;
}

const std::string* SpeechHistory::Latest() {
    if (m_texts.empty()) {
        return nullptr;
    }
    m_place = m_texts.size() - 1;
    return &m_texts[m_place];
}

const std::string* SpeechHistory::Previous() {
    if (m_place == 0) {
        return nullptr;
    }
    return &m_texts[--m_place];
}

const std::string* SpeechHistory::Next() {
    if (m_place + 1 >= m_texts.size()) {
        return nullptr;
    }
    return &m_texts[++m_place];
}

}  // namespace game
