#include "platform/a11y/ScreenReaderSigns.h"

namespace a11y {

void ScreenReaderSigns::StatusOwnerChanged(std::string owner) {
    if (owner == m_statusOwner) {
        return;
    }
    m_statusOwner = std::move(owner);
    m_statusOn = false;
}

void ScreenReaderSigns::StatusRead(std::string_view sender, bool screenReaderEnabled) {
    if (!m_statusOwner.empty() && sender == m_statusOwner) {
        m_statusOn = screenReaderEnabled;
    }
}

void ScreenReaderSigns::ReaderProcessConnected(std::string uniqueName) {
    m_readerConnections.insert(std::move(uniqueName));
}

void ScreenReaderSigns::ConnectionClosed(std::string_view uniqueName) {
    if (const auto found = m_readerConnections.find(uniqueName);
        found != m_readerConnections.end()) {
        m_readerConnections.erase(found);
    }
}

bool ScreenReaderSigns::ScreenReaderRunning() const {
    return m_statusOn || m_orcaService || !m_readerConnections.empty();
}

}  // namespace a11y
