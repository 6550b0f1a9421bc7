// One outgoing interface of an object: the sinks connected to it and the firing of its events.
// It lives inside its owner and shares the owner's reference count.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "platform/automation/Connection.h"

namespace automation {

class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown& owner, const Guid& iid) : m_owner(owner), m_iid(iid) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HResult QueryInterface(const Guid& iid, void** out) override;
    std::uint32_t AddRef() override { return m_owner.AddRef(); }
    std::uint32_t Release() override { return m_owner.Release(); }

    HResult GetConnectionInterface(Guid* iid) override;
    HResult Advise(IDispatch* sink, std::uint32_t* cookie) override;
    HResult Unadvise(std::uint32_t cookie) override;

    const Guid& Iid() const { return m_iid; }
    // Calls every connected sink in the order they connected. A sink may disconnect itself or
    // others while the event is being delivered.
    void Fire(DispId id, std::span<const Variant> args);
    // Drops every sink (the owner is going away).
    void DisconnectAll() { m_sinks.clear(); }

private:
    IUnknown& m_owner;
    Guid m_iid;
    std::uint32_t m_nextCookie = 1;
    std::vector<std::pair<std::uint32_t, Ref<IDispatch>>> m_sinks;
};

}  // namespace automation
