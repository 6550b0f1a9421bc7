// Property exchange: one routine per control both saves its persistent properties into a bag and
// loads them back, depending on the direction of the exchange.
#pragma once

#include <cstdint>

#include "platform/automation/ControlSite.h"

namespace automation {

enum class ExchangeDirection { Load, Save };

class PropExchange {
public:
    PropExchange(ExchangeDirection direction, PropertyBag& bag)
        : m_direction(direction), m_bag(bag) {}

    bool IsLoading() const { return m_direction == ExchangeDirection::Load; }
    // Saving writes `value`; loading sets it from the bag, or to `defaultValue` when the bag
    // lacks it or holds no number.
    void ExchangeLong(const char* name, std::int32_t& value, std::int32_t defaultValue);
    // The control's persistence version, under "_Version".
    void ExchangeVersion(std::uint32_t& version, std::uint32_t defaultVersion);

private:
    ExchangeDirection m_direction;
    PropertyBag& m_bag;
};

}  // namespace automation
