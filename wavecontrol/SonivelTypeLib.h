// The type library SonivelLib: the dispatch interface _DSonivel, the event interface
// _DSonivelEvents and the coclass Sonivel, as the library's type library resource.
#pragma once

#include "platform/automation/TypeInfo.h"

namespace sonivel {

extern const automation::InterfaceInfo kDSonivel;
extern const automation::InterfaceInfo kDSonivelEvents;
extern const automation::CoClassInfo kSonivelCoClass;
extern const automation::TypeLibInfo kSonivelLib;

}  // namespace sonivel
