// The class object through which instances of one class are made.
#pragma once

#include "platform/automation/Unknown.h"

namespace automation {

enum class ServerLock { Lock, Unlock };

class IClassFactory : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{00000001-0000-0000-C000-000000000046}");

    // `outer` must be null: our objects do not aggregate (CLASS_E_NOAGGREGATION).
    virtual HResult CreateInstance(IUnknown* outer, const Guid& iid, void** out) = 0;
    // Keeps the library loaded without an object alive.
    virtual HResult LockServer(ServerLock lock) = 0;

protected:
    ~IClassFactory() = default;
};

}  // namespace automation
