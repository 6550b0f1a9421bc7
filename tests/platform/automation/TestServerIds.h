// The identities of the loader tests' server library.
#pragma once

#include "platform/automation/Guid.h"

namespace testserver {

inline constexpr automation::Guid kLibId =
    automation::MakeGuid("{0D5E3A70-6C1B-4F7A-9E21-3B8C4D5E6F01}");
inline constexpr automation::Guid kDispatchIid =
    automation::MakeGuid("{0D5E3A70-6C1B-4F7A-9E21-3B8C4D5E6F02}");
inline constexpr automation::Guid kClsid =
    automation::MakeGuid("{0D5E3A70-6C1B-4F7A-9E21-3B8C4D5E6F03}");
inline constexpr const char* kProgId = "Test.Counter";

}  // namespace testserver
