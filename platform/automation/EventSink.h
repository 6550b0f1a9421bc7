// A host's event sink: a dispatch object that hands every event it receives to a function.
#pragma once

#include <functional>
#include <span>

#include "platform/automation/Dispatch.h"
#include "platform/automation/Object.h"

namespace automation {

class EventSink final : public Object<IDispatch> {
public:
    using Handler = std::function<void(DispId id, std::span<const Variant> args)>;

    explicit EventSink(Handler handler) : m_handler(std::move(handler)) {}

    HResult GetIDsOfNames(std::string_view, DispId*) override { return DISP_E_UNKNOWNNAME; }
    HResult Invoke(DispId id, std::span<const Variant> args, Variant* result) override;
    HResult GetTypeInfo(const InterfaceInfo**) override { return E_NOTIMPL; }

private:
    Handler m_handler;
};

}  // namespace automation
