#include "platform/automation/EventSink.h"

namespace automation {

HResult EventSink::Invoke(DispId id, std::span<const Variant> args, Variant* result) {
    m_handler(id, args);
    if (result) {
        *result = Variant();
    }
    return S_OK;
}

}  // namespace automation
