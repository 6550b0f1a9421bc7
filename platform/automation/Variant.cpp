#include "platform/automation/Variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace automation {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The value as a double, when it is numeric or numeric text.
std::optional<double> AsNumber(const Variant& v) {
    switch (v.Type()) {
        case VarType::Empty:
            return 0.0;
        case VarType::Short:
            return v.Short();
        case VarType::Long:
            return v.Long();
        case VarType::Float:
            return v.Float();
        case VarType::Bool:
            return v.Bool() ? -1.0 : 0.0;
        case VarType::String: {
            const auto text = Trim(v.String());
            double value = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
                return std::nullopt;
            }
            return value;
        }
        case VarType::ShortRef:
            return std::nullopt;
    }
    return std::nullopt;
}

template <typename Int>
HResult ToInteger(double value, Variant& out) {
    if (!std::isfinite(value)) {
        return DISP_E_OVERFLOW;
    }
    const double rounded = std::nearbyint(value);  // the default rounding mode: half to even
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
        return DISP_E_OVERFLOW;
    }
    out = Variant(static_cast<Int>(rounded));
    return S_OK;
}

std::string ToText(const Variant& v) {
    switch (v.Type()) {
        case VarType::Short:
            return std::to_string(v.Short());
        case VarType::Long:
            return std::to_string(v.Long());
        case VarType::Float: {
            char text[32];
            const auto result = std::to_chars(text, text + sizeof text, v.Float());
            return std::string(text, result.ptr);
        }
        case VarType::Bool:
            return v.Bool() ? "True" : "False";
        case VarType::String:
            return v.String();
        case VarType::Empty:
        case VarType::ShortRef:
            break;
    }
    return {};
}

}  // namespace

const char* VarTypeName(VarType type) {
    switch (type) {
        case VarType::Empty:
            return "empty";
        case VarType::Short:
            return "short";
        case VarType::Long:
            return "long";
        case VarType::Float:
            return "float";
        case VarType::Bool:
            return "boolean";
        case VarType::String:
            return "string";
        case VarType::ShortRef:
            return "short*";
    }
    return "?";
}

HResult Variant::ChangeType(VarType type, Variant& out) const {
    if (type == Type()) {
        out = *this;
        return S_OK;
    }
    if (Type() == VarType::ShortRef || type == VarType::ShortRef || type == VarType::Empty) {
        return DISP_E_TYPEMISMATCH;
    }
    if (type == VarType::String) {
        out = Variant(ToText(*this));
        return S_OK;
    }
    if (type == VarType::Bool && Type() == VarType::String) {
        const auto text = Trim(String());
        if (EqualsNoCase(text, "true") || EqualsNoCase(text, "false")) {
            out = Variant(EqualsNoCase(text, "true"));
            return S_OK;
        }
    }
    const auto number = AsNumber(*this);
    if (!number) {
        return DISP_E_TYPEMISMATCH;
    }
    switch (type) {
        case VarType::Short:
            return ToInteger<std::int16_t>(*number, out);
        case VarType::Long:
            return ToInteger<std::int32_t>(*number, out);
        case VarType::Float:
            if (std::isfinite(*number) && std::fabs(*number) > std::numeric_limits<float>::max()) {
                return DISP_E_OVERFLOW;
            }
            out = Variant(static_cast<float>(*number));
            return S_OK;
        case VarType::Bool:
            out = Variant(*number != 0.0);
            return S_OK;
        case VarType::Empty:
        case VarType::String:
        case VarType::ShortRef:
            break;
    }
    return DISP_E_TYPEMISMATCH;
}

}  // namespace automation
