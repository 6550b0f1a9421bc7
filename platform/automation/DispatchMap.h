// Dispatch maps: a class's table from DISPIDs to its member functions. Each entry records the
// parameter and result types of the member function it calls, so a call can be checked and
// converted before it is made, and the table can be checked against the type library.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/automation/TypeInfo.h"
#include "platform/automation/Variant.h"

namespace automation {

class Dispatchable {
protected:
    ~Dispatchable() = default;
};

using DispatchHandler = Variant (*)(Dispatchable& self, std::span<const Variant> args);

struct DispatchEntry {
    DispId id;
    DispatchHandler handler;
    std::span<const VarType> params;
    VarType result;
};

namespace detail {

template <class T>
struct Marshal;
template <>
struct Marshal<void> {
    static constexpr VarType kType = VarType::Empty;
};
template <>
struct Marshal<std::int16_t> {
    static constexpr VarType kType = VarType::Short;
    static std::int16_t From(const Variant& v) { return v.Short(); }
};
template <>
struct Marshal<std::int32_t> {
    static constexpr VarType kType = VarType::Long;
    static std::int32_t From(const Variant& v) { return v.Long(); }
};
template <>
struct Marshal<float> {
    static constexpr VarType kType = VarType::Float;
    static float From(const Variant& v) { return v.Float(); }
};
template <>
struct Marshal<bool> {
    static constexpr VarType kType = VarType::Bool;
    static bool From(const Variant& v) { return v.Bool(); }
};
template <>
struct Marshal<std::string> {
    static constexpr VarType kType = VarType::String;
    static const std::string& From(const Variant& v) { return v.String(); }
};
template <>
struct Marshal<std::int16_t*> {
    static constexpr VarType kType = VarType::ShortRef;
    static std::int16_t* From(const Variant& v) { return v.ShortRef(); }
};

template <auto Method, class M = decltype(Method)>
struct Invoker;
template <auto Method, class C, class R, class... Args>
struct Invoker<Method, R (C::*)(Args...)> {
    static constexpr std::array<VarType, sizeof...(Args)> kParams = {
        Marshal<std::remove_cvref_t<Args>>::kType...};
    static constexpr VarType kResult = Marshal<R>::kType;

    // The arguments have already been converted to kParams.
    static Variant Call(Dispatchable& self, std::span<const Variant> args) {
        return CallWith(static_cast<C&>(self), args, std::index_sequence_for<Args...>());
    }

private:
    template <std::size_t... I>
    static Variant CallWith(C& object, [[maybe_unused]] std::span<const Variant> args,
                            std::index_sequence<I...>) {
        if constexpr (std::is_void_v<R>) {
            (object.*Method)(Marshal<std::remove_cvref_t<Args>>::From(args[I])...);
            return Variant();
        } else {
            return Variant((object.*Method)(Marshal<std::remove_cvref_t<Args>>::From(args[I])...));
        }
    }
};

}  // namespace detail

// The entry calling `Method` (a member function of a class derived from Dispatchable whose
// parameters and result are automation types) for DISPID `id`.
template <auto Method>
constexpr DispatchEntry DispMethod(DispId id) {
    using Call = detail::Invoker<Method>;
    return {id, &Call::Call, Call::kParams, Call::kResult};
}

const DispatchEntry* FindEntry(std::span<const DispatchEntry> map, DispId id);

// Converts the arguments to the entry's parameter types and calls it. The HRESULTs are those of
// IDispatch::Invoke.
HResult InvokeEntry(const DispatchEntry& entry, Dispatchable& self, std::span<const Variant> args,
                    Variant* result);

// Empty when every method of `info` has an entry with the same DISPID, parameter types and
// result type, and every entry has a method; otherwise the first difference, in words.
std::string CheckDispatchMap(const InterfaceInfo& info, std::span<const DispatchEntry> map);

}  // namespace automation
