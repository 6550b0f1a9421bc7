// The late-bound calling interface: names to DISPIDs, and calls by DISPID with automation values.
#pragma once

#include <span>
#include <string_view>

#include "platform/automation/TypeInfo.h"
#include "platform/automation/Unknown.h"
#include "platform/automation/Variant.h"

namespace automation {

class IDispatch : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{00020400-0000-0000-C000-000000000046}");

    // DISP_E_UNKNOWNNAME when the interface has no member of that name (any case).
    virtual HResult GetIDsOfNames(std::string_view name, DispId* id) = 0;
    // Arguments in declaration order; each is converted to its parameter's type first.
    // DISP_E_MEMBERNOTFOUND, DISP_E_BADPARAMCOUNT, DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW when
    // the call cannot be made. `result` may be null.
    virtual HResult Invoke(DispId id, std::span<const Variant> args, Variant* result) = 0;
    // The description of this interface, valid while the object lives; E_NOTIMPL when it has none.
    virtual HResult GetTypeInfo(const InterfaceInfo** info) = 0;

protected:
    ~IDispatch() = default;
};

// Gives the description of an object's class: its default interface and its event interface.
class IProvideClassInfo : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{B196B283-BAB4-101A-B69C-00AA00341D07}");

    virtual HResult GetClassInfo(const CoClassInfo** info) = 0;

protected:
    ~IProvideClassInfo() = default;
};

}  // namespace automation
