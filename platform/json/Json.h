// A small JSON value for the trace and the hosts' JSON Lines output: build, then dump on one line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace json {

class Value {
public:
    using Array = std::vector<Value>;
    // Keys keep their insertion order, so traces read the same every run.
    using Object = std::vector<std::pair<std::string, Value>>;

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool b) : m_data(b) {}
    Value(int i) : m_data(static_cast<std::int64_t>(i)) {}
    Value(std::int64_t i) : m_data(i) {}
    Value(double d) : m_data(d) {}
    Value(const char* s) : m_data(std::string(s)) {}
    Value(std::string s) : m_data(std::move(s)) {}
    Value(std::string_view s) : m_data(std::string(s)) {}
    Value(Array a) : m_data(std::move(a)) {}
    Value(Object o) : m_data(std::move(o)) {}

    // One line, no spaces, strings escaped as JSON requires. UTF-8 passes through; bytes that
    // are not UTF-8 become U+FFFD, so the line is always valid UTF-8.
    std::string Dump() const;

private:
    void DumpTo(std::string& out) const;

    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> m_data{
        nullptr};
};

// Appends s to out as a quoted JSON string, as Dump does.
void AppendQuoted(std::string& out, std::string_view s);

}  // namespace json
