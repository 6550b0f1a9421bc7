// The operations of CSonivelCtrl on the sample bytes of the open file. They are part of the
// interface already; until their bodies arrive each records an honest result and changes
// nothing.
#include "platform/mci/Mci.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/SonivelCtrl.h"

namespace sonivel {

void CSonivelCtrl::RecordUnsupported() {
    m_lErrorCode =
        m_bOpen == 0 ? kErrNotOpen : static_cast<std::int32_t>(mci::ErrUnsupportedFunction);
}

void CSonivelCtrl::WavFileToArray(std::int16_t*, std::int32_t) {
    RecordUnsupported();
}

void CSonivelCtrl::ArrayToWavFile(std::int16_t*, std::int32_t) {
    RecordUnsupported();
}

void CSonivelCtrl::SetSamplingRate(std::int32_t) {
    RecordUnsupported();
}

void CSonivelCtrl::ChangeVolume(std::int32_t, std::int32_t, float) {
    RecordUnsupported();
}

}  // namespace sonivel
