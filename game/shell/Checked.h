// Checked value types of the game state: signed integers whose arithmetic raises "Overflow"
// instead of wrapping, arrays that raise "Subscript out of range", and fixed-width text fields.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "game/shell/GameError.h"

namespace game {

template <std::signed_integral T>
class Checked;

template <class T>
inline constexpr bool kIsChecked = false;
template <class T>
inline constexpr bool kIsChecked<Checked<T>> = true;

// An operand of checked arithmetic: a checked integer or a plain integer (a literal, say).
template <class T>
concept CheckedOperand = kIsChecked<T> || std::integral<T>;

namespace detail {

template <std::signed_integral T>
constexpr T Narrow(std::int64_t value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        throw GameError(kOverflow);
    }
    return static_cast<T>(value);
}

template <class T>
constexpr std::int64_t Widen(T value) {
    if constexpr (kIsChecked<T>) {
        return value.Value();
    } else {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(std::int64_t)) {
            if (value > static_cast<T>(std::numeric_limits<std::int64_t>::max())) {
                throw GameError(kOverflow);
            }
        }
        return static_cast<std::int64_t>(value);
    }
}

// Plain integers take the width of the checked operand, as literals do; two checked operands
// give the wider of the two.
template <class T>
struct Width {
    using Type = std::int8_t;
};
template <class T>
struct Width<Checked<T>> {
    using Type = T;
};
template <class A, class B>
using ResultOf =
    Checked<std::conditional_t<(sizeof(typename Width<A>::Type) >= sizeof(typename Width<B>::Type)),
                               typename Width<A>::Type, typename Width<B>::Type>>;

}  // namespace detail

// A signed integer of a fixed width; every result that does not fit raises "Overflow".
template <std::signed_integral T>
class Checked {
public:
    using ValueType = T;

    constexpr Checked() = default;
    template <std::integral I>
    constexpr Checked(I value) : m_value(detail::Narrow<T>(detail::Widen(value))) {}
    template <std::signed_integral U>
    constexpr Checked(Checked<U> other) : m_value(detail::Narrow<T>(other.Value())) {}

    constexpr T Value() const { return m_value; }
    constexpr operator T() const { return m_value; }

    template <CheckedOperand B>
    constexpr Checked& operator+=(B other) {
        return *this = *this + other;
    }
    template <CheckedOperand B>
    constexpr Checked& operator-=(B other) {
        return *this = *this - other;
    }
    template <CheckedOperand B>
    constexpr Checked& operator*=(B other) {
        return *this = *this * other;
    }

private:
    T m_value = 0;
};

using Int16 = Checked<std::int16_t>;
using Int32 = Checked<std::int32_t>;

template <CheckedOperand A, CheckedOperand B>
requires(kIsChecked<A> || kIsChecked<B>) constexpr detail::ResultOf<A, B> operator+(A a, B b) {
    using R = detail::ResultOf<A, B>;
    return R(detail::Narrow<typename R::ValueType>(detail::Widen(a) + detail::Widen(b)));
}

template <CheckedOperand A, CheckedOperand B>
requires(kIsChecked<A> || kIsChecked<B>) constexpr detail::ResultOf<A, B> operator-(A a, B b) {
    using R = detail::ResultOf<A, B>;
    return R(detail::Narrow<typename R::ValueType>(detail::Widen(a) - detail::Widen(b)));
}

template <CheckedOperand A, CheckedOperand B>
requires(kIsChecked<A> || kIsChecked<B>) constexpr detail::ResultOf<A, B> operator*(A a, B b) {
    using R = detail::ResultOf<A, B>;
    return R(detail::Narrow<typename R::ValueType>(detail::Widen(a) * detail::Widen(b)));
}

// Integer division, truncating toward zero.
template <CheckedOperand A, CheckedOperand B>
requires(kIsChecked<A> || kIsChecked<B>) constexpr detail::ResultOf<A, B> operator/(A a, B b) {
    using R = detail::ResultOf<A, B>;
    const std::int64_t divisor = detail::Widen(b);
    if (divisor == 0) {
        throw GameError(kDivisionByZero);
    }
    return R(detail::Narrow<typename R::ValueType>(detail::Widen(a) / divisor));
}

// A fixed array whose every access outside its slots raises "Subscript out of range".
template <class T, std::size_t N>
class CheckedArray {
public:
    static constexpr std::size_t Size() { return N; }

    T& operator[](std::int64_t index) { return m_items[Slot(index)]; }
    const T& operator[](std::int64_t index) const { return m_items[Slot(index)]; }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    static std::size_t Slot(std::int64_t index) {
        if (index < 0 || index >= static_cast<std::int64_t>(N)) {
            throw GameError(kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index);
    }

    std::array<T, N> m_items{};
};

// A text field of exactly N characters: shorter texts are filled up with trailing spaces, longer
// ones are cut.
template <std::size_t N>
class FixedText {
public:
    FixedText() : m_text(N, ' ') {}
    FixedText(std::string_view text) : FixedText() { *this = text; }
    FixedText& operator=(std::string_view text) {
        m_text.assign(text.substr(0, N));
        m_text.resize(N, ' ');
        return *this;
    }

    const std::string& Text() const { return m_text; }
    operator const std::string&() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace game
