// What shows that a screen reader runs in this desktop session: the accessibility bus's
// screen-reader status, or a screen reader connected to the session bus (a connection of a
// screen-reader process such as Orca, or the service name that newer Orca versions own).
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace a11y {

class ScreenReaderSigns {
public:
    // The accessibility bus (org.a11y.Bus) has a new owner, its unique name, or "" for none. A new
    // owner's status counts as off until it has been read from that owner.
    void StatusOwnerChanged(std::string owner);
    const std::string& StatusOwner() const { return m_statusOwner; }
    // The screen-reader status as `sender` gave it (a reply or a change signal); only the current
    // owner's word counts.
    void StatusRead(std::string_view sender, bool screenReaderEnabled);

    // A connection of a screen-reader process (its unique name), and any connection that closed.
    void ReaderProcessConnected(std::string uniqueName);
    void ConnectionClosed(std::string_view uniqueName);
    // Whether newer Orca's service name has an owner.
    void OrcaServiceOwned(bool owned) { m_orcaService = owned; }

    bool ScreenReaderRunning() const;

private:
    std::string m_statusOwner;
    bool m_statusOn = false;
    std::set<std::string, std::less<>> m_readerConnections;
    bool m_orcaService = false;
};

}  // namespace a11y
