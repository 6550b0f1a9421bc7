#include "platform/automation/TypeInfo.h"

#include <algorithm>

namespace automation {

namespace {

bool SameNameNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

const MethodInfo* InterfaceInfo::Find(DispId id) const {
    const auto it = std::ranges::find(methods, id, &MethodInfo::id);
    return it == methods.end() ? nullptr : &*it;
}

const MethodInfo* InterfaceInfo::Find(std::string_view name) const {
    const auto it = std::ranges::find_if(
        methods, [&](const MethodInfo& m) { return SameNameNoCase(m.name, name); });
    return it == methods.end() ? nullptr : &*it;
}

}  // namespace automation
