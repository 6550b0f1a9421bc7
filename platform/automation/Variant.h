// Automation values: what crosses a dispatch call as an argument or a result, with the
// conversions a late-bound call applies to fit a value to a parameter's type.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/automation/Result.h"

namespace automation {

enum class VarType : std::uint8_t {
    Empty,
    Short,     // 16-bit signed
    Long,      // 32-bit signed
    Float,     // 32-bit IEEE
    Bool,      // automation boolean
    String,    // 8-bit text
    ShortRef,  // by reference: the first element of the caller's array of 16-bit values
};

// "short", "long", "float", "boolean", "string", "short*", "empty".
const char* VarTypeName(VarType type);

class Variant {
public:
    Variant() = default;
    Variant(std::int16_t v) : m_value(v) {}
    Variant(std::int32_t v) : m_value(v) {}
    Variant(float v) : m_value(v) {}
    Variant(bool v) : m_value(v) {}
    Variant(std::string v) : m_value(std::move(v)) {}
    Variant(const char* v) : m_value(std::string(v)) {}
    Variant(std::int16_t* ref) : m_value(ref) {}

    VarType Type() const { return static_cast<VarType>(m_value.index()); }

    // The value of the held type; asking for another type throws std::bad_variant_access.
    std::int16_t Short() const { return std::get<std::int16_t>(m_value); }
    std::int32_t Long() const { return std::get<std::int32_t>(m_value); }
    float Float() const { return std::get<float>(m_value); }
    bool Bool() const { return std::get<bool>(m_value); }
    const std::string& String() const { return std::get<std::string>(m_value); }
    std::int16_t* ShortRef() const { return std::get<std::int16_t*>(m_value); }

    // Converts to `type` into `out`: numbers and booleans among each other (true is -1, floats
    // round half to even), numbers to and from decimal text, empty to zero, false or "".
    // DISP_E_OVERFLOW when the value does not fit, DISP_E_TYPEMISMATCH when it cannot convert
    // (a by-reference array converts to nothing else).
    HResult ChangeType(VarType type, Variant& out) const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    // The alternatives follow the order of VarType.
    std::variant<std::monostate, std::int16_t, std::int32_t, float, bool, std::string,
                 std::int16_t*>
        m_value;
};

}  // namespace automation
