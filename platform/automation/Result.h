// Result codes of the object model: 32-bit values with the published numbers, negative (high bit
// set) for failures.
#pragma once

#include <cstdint>
#include <string>

namespace automation {

using HResult = std::int32_t;

namespace detail {
constexpr HResult Code(std::uint32_t value) {
    return static_cast<HResult>(value);
}
}  // namespace detail

inline constexpr HResult S_OK = 0;
inline constexpr HResult S_FALSE = 1;
inline constexpr HResult E_NOTIMPL = detail::Code(0x80004001);
inline constexpr HResult E_NOINTERFACE = detail::Code(0x80004002);
inline constexpr HResult E_POINTER = detail::Code(0x80004003);
inline constexpr HResult E_FAIL = detail::Code(0x80004005);
inline constexpr HResult E_UNEXPECTED = detail::Code(0x8000FFFF);
inline constexpr HResult E_OUTOFMEMORY = detail::Code(0x8007000E);
inline constexpr HResult E_INVALIDARG = detail::Code(0x80070057);
inline constexpr HResult DISP_E_UNKNOWNINTERFACE = detail::Code(0x80020001);
inline constexpr HResult DISP_E_MEMBERNOTFOUND = detail::Code(0x80020003);
inline constexpr HResult DISP_E_TYPEMISMATCH = detail::Code(0x80020005);
inline constexpr HResult DISP_E_UNKNOWNNAME = detail::Code(0x80020006);
inline constexpr HResult DISP_E_EXCEPTION = detail::Code(0x80020009);
inline constexpr HResult DISP_E_OVERFLOW = detail::Code(0x8002000A);
inline constexpr HResult DISP_E_BADPARAMCOUNT = detail::Code(0x8002000E);
inline constexpr HResult TYPE_E_REGISTRYACCESS = detail::Code(0x8002801C);
inline constexpr HResult TYPE_E_LIBNOTREGISTERED = detail::Code(0x8002801D);
inline constexpr HResult TYPE_E_CANTLOADLIBRARY = detail::Code(0x80029C4A);
inline constexpr HResult CLASS_E_NOAGGREGATION = detail::Code(0x80040110);
inline constexpr HResult CLASS_E_CLASSNOTAVAILABLE = detail::Code(0x80040111);
inline constexpr HResult REGDB_E_WRITEREGDB = detail::Code(0x80040151);
inline constexpr HResult REGDB_E_CLASSNOTREG = detail::Code(0x80040154);
inline constexpr HResult CO_E_CLASSSTRING = detail::Code(0x800401F3);
inline constexpr HResult CO_E_DLLNOTFOUND = detail::Code(0x800401F8);
inline constexpr HResult CO_E_ERRORINDLL = detail::Code(0x800401F9);
inline constexpr HResult CONNECT_E_NOCONNECTION = detail::Code(0x80040200);
inline constexpr HResult CONNECT_E_CANNOTCONNECT = detail::Code(0x80040202);
inline constexpr HResult SELFREG_E_TYPELIB = detail::Code(0x80040200);
inline constexpr HResult SELFREG_E_CLASS = detail::Code(0x80040201);

constexpr bool Succeeded(HResult hr) {
    return hr >= 0;
}
constexpr bool Failed(HResult hr) {
    return hr < 0;
}

// The code's symbolic name ("DISP_E_MEMBERNOTFOUND"), or "0x" and eight hex digits for a code
// without one. Codes shared by two names (0x80040200, 0x80040201) take the registration name.
std::string ResultName(HResult hr);

}  // namespace automation
