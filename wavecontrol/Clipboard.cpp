// The control's own clipboard: a file in the temporary folder shared by every instance in the
// process. Copy and Paste are part of the interface already; until their bodies arrive each
// records an honest result and changes nothing.
#include "wavecontrol/SonivelCtrl.h"

namespace sonivel {

char g_szClipFile[300] = {};
std::int32_t g_lClipBytes = 0;

void CSonivelCtrl::Copy(std::int32_t, std::int32_t) {
    RecordUnsupported();
}

void CSonivelCtrl::Paste(std::int32_t, std::int32_t) {
    RecordUnsupported();
}

}  // namespace sonivel
