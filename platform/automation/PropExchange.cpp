#include "platform/automation/PropExchange.h"

#include <charconv>
#include <string>

namespace automation {

void PropExchange::ExchangeLong(const char* name, std::int32_t& value, std::int32_t defaultValue) {
    if (!IsLoading()) {
        m_bag[name] = std::to_string(value);
        return;
    }
    value = defaultValue;
    const auto it = m_bag.find(name);
    if (it == m_bag.end()) {
        return;
    }
    const std::string& text = it->second;
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec == std::errc() && end == text.data() + text.size()) {
        value = parsed;
    }
}

void PropExchange::ExchangeVersion(std::uint32_t& version, std::uint32_t defaultVersion) {
    auto value = static_cast<std::int32_t>(version);
    ExchangeLong("_Version", value, static_cast<std::int32_t>(defaultVersion));
    version = static_cast<std::uint32_t>(value);
}

}  // namespace automation
