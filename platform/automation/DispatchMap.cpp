#include "platform/automation/DispatchMap.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace automation {

const DispatchEntry* FindEntry(std::span<const DispatchEntry> map, DispId id) {
    const auto it = std::ranges::find(map, id, &DispatchEntry::id);
    return it == map.end() ? nullptr : &*it;
}

HResult InvokeEntry(const DispatchEntry& entry, Dispatchable& self, std::span<const Variant> args,
                    Variant* result) {
    if (args.size() != entry.params.size()) {
        return DISP_E_BADPARAMCOUNT;
    }
    std::vector<Variant> converted(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const HResult hr = args[i].ChangeType(entry.params[i], converted[i]);
        if (Failed(hr)) {
            return hr;
        }
    }
    try {
        Variant value = entry.handler(self, converted);
        if (result) {
            *result = std::move(value);
        }
    } catch (const std::exception&) {
        // No exception may cross into the caller, which may be another library: the call
        // reports it as the standard "exception occurred" result instead.
        return DISP_E_EXCEPTION;
    }
    return S_OK;
}

std::string CheckDispatchMap(const InterfaceInfo& info, std::span<const DispatchEntry> map) {
    for (const MethodInfo& method : info.methods) {
        const DispatchEntry* entry = FindEntry(map, method.id);
        if (!entry) {
            return std::string(method.name) + ": no dispatch entry";
        }
        if (!std::ranges::equal(method.params, entry->params, {}, &ParamInfo::type)) {
            return std::string(method.name) + ": parameter types differ";
        }
        if (method.result != entry->result) {
            return std::string(method.name) + ": result type differs";
        }
    }
    for (const DispatchEntry& entry : map) {
        if (!info.Find(entry.id)) {
            return "DISPID " + std::to_string(entry.id) + ": not in the type library";
        }
    }
    return {};
}

}  // namespace automation
