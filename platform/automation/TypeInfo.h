// Type information: the description of a type library (its interfaces, their methods with
// DISPIDs, parameter names and types, and its classes), kept as constant data in the library
// that implements them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/automation/Guid.h"
#include "platform/automation/Variant.h"

namespace automation {

using DispId = std::int32_t;

// The standard DISPID of a control's About box.
inline constexpr DispId DISPID_ABOUTBOX = -552;

struct ParamInfo {
    const char* name;
    VarType type;
};

struct MethodInfo {
    DispId id;
    const char* name;
    std::span<const ParamInfo> params;
    VarType result;  // Empty: no result
    const char* help;
};

enum class InterfaceKind : std::uint8_t { Dispatch, Events };

struct InterfaceInfo {
    Guid iid;
    const char* name;
    InterfaceKind kind;
    std::span<const MethodInfo> methods;

    const MethodInfo* Find(DispId id) const;
    // Names compare without regard to case, as late-bound callers expect.
    const MethodInfo* Find(std::string_view name) const;
};

struct CoClassInfo {
    Guid clsid;
    const char* name;
    const InterfaceInfo* dispatch;  // the default interface
    const InterfaceInfo* events;    // the default source interface, or null
};

struct TypeLibInfo {
    Guid libid;
    const char* name;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    std::uint32_t lcid;
    const char* help;
    std::span<const InterfaceInfo* const> interfaces;
    std::span<const CoClassInfo> coclasses;
};

}  // namespace automation
