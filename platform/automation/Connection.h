// Connection points: how a host connects its event sink (a dispatch object) to the outgoing
// interface of an object.
#pragma once

#include <cstdint>

#include "platform/automation/Dispatch.h"

namespace automation {

class IConnectionPoint : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{B196B286-BAB4-101A-B69C-00AA00341D07}");

    virtual HResult GetConnectionInterface(Guid* iid) = 0;
    // Connects `sink`; its events arrive through sink->Invoke. `cookie` identifies the connection.
    virtual HResult Advise(IDispatch* sink, std::uint32_t* cookie) = 0;
    // CONNECT_E_NOCONNECTION for an unknown cookie.
    virtual HResult Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

class IConnectionPointContainer : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{B196B284-BAB4-101A-B69C-00AA00341D07}");

    virtual HResult FindConnectionPoint(const Guid& iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

}  // namespace automation
