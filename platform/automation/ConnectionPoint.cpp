#include "platform/automation/ConnectionPoint.h"

#include <algorithm>

namespace automation {

HResult ConnectionPoint::QueryInterface(const Guid& iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    if (iid != IUnknown::kIid && iid != IConnectionPoint::kIid) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HResult ConnectionPoint::GetConnectionInterface(Guid* iid) {
    if (!iid) {
        return E_POINTER;
    }
    *iid = m_iid;
    return S_OK;
}

HResult ConnectionPoint::Advise(IDispatch* sink, std::uint32_t* cookie) {
    if (!sink || !cookie) {
        return E_POINTER;
    }
    *cookie = m_nextCookie++;
    m_sinks.emplace_back(*cookie, Ref<IDispatch>(sink));
    return S_OK;
}

HResult ConnectionPoint::Unadvise(std::uint32_t cookie) {
    const auto it = std::ranges::find(m_sinks, cookie, &decltype(m_sinks)::value_type::first);
    if (it == m_sinks.end()) {
        return CONNECT_E_NOCONNECTION;
    }
    m_sinks.erase(it);
    return S_OK;
}

void ConnectionPoint::Fire(DispId id, std::span<const Variant> args) {
    // A copy, so sinks may connect or disconnect while they are being called.
    const auto sinks = m_sinks;
    for (const auto& [cookie, sink] : sinks) {
        // An event has no caller to report to: a sink that fails to take it has only itself to
        // blame, and the other sinks still get the event.
        sink->Invoke(id, args, nullptr);
    }
}

}  // namespace automation
