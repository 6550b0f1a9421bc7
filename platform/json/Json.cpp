#include "platform/json/Json.h"

#include <cstdio>

namespace json {

namespace {

constexpr std::string_view kReplacement = "\xef\xbf\xbd";  // U+FFFD

// One step over text from a byte of 0x80 or above: a whole UTF-8 character, or the bytes that
// one U+FFFD replaces (the lead byte and the continuation bytes that could still have begun a
// valid character). Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
struct Utf8Step {
    std::size_t length;
    bool valid;
};

Utf8Step NextUtf8(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return {1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xbf)) {
            return {i, false};
        }
    }
    return {length, true};
}

}  // namespace

void AppendQuoted(std::string& out, std::string_view s) {
    out += '"';
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const Utf8Step step = NextUtf8(s.substr(i));
            if (step.valid) {
                out.append(s, i, step.length);
            } else {
                out += kReplacement;
            }
            i += step.length - 1;
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

std::string Value::Dump() const {
    std::string out;
    DumpTo(out);
    return out;
}

void Value::DumpTo(std::string& out) const {
    struct Visitor {
        std::string& out;
        void operator()(std::nullptr_t) const { out += "null"; }
        void operator()(bool b) const { out += b ? "true" : "false"; }
        void operator()(std::int64_t i) const { out += std::to_string(i); }
        void operator()(double d) const {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.17g", d);
            out += buf;
        }
        void operator()(const std::string& s) const { AppendQuoted(out, s); }
        void operator()(const Array& a) const {
            out += '[';
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (i != 0)
                    out += ',';
                a[i].DumpTo(out);
            }
            out += ']';
        }
        void operator()(const Object& o) const {
            out += '{';
            for (std::size_t i = 0; i < o.size(); ++i) {
                if (i != 0)
                    out += ',';
                AppendQuoted(out, o[i].first);
                out += ':';
                o[i].second.DumpTo(out);
            }
            out += '}';
        }
    };
    std::visit(Visitor{out}, m_data);
}

}  // namespace json
