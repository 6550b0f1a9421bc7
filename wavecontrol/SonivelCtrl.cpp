#include "wavecontrol/SonivelCtrl.h"

#include <cstdio>

#include "platform/mci/Mci.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/SonivelIds.h"
#include "wavecontrol/SonivelResources.h"
#include "wavecontrol/SonivelTypeLib.h"

namespace sonivel {

std::int32_t g_lAliasCounter = 0;

namespace {

using automation::DispMethod;

constexpr automation::DispatchEntry kDispatchMap[] = {
    DispMethod<&CSonivelCtrl::Open>(dispid::Open),
    DispMethod<&CSonivelCtrl::GetErrorCode>(dispid::GetErrorCode),
    DispMethod<&CSonivelCtrl::Play>(dispid::Play),
    DispMethod<&CSonivelCtrl::Stop>(dispid::Stop),
    DispMethod<&CSonivelCtrl::Seek>(dispid::Seek),
    DispMethod<&CSonivelCtrl::GetLength>(dispid::GetLength),
    DispMethod<&CSonivelCtrl::GetPosition>(dispid::GetPosition),
    DispMethod<&CSonivelCtrl::GetNumBits>(dispid::GetNumBits),
    DispMethod<&CSonivelCtrl::GetNumChannels>(dispid::GetNumChannels),
    DispMethod<&CSonivelCtrl::WavFileToArray>(dispid::WavFileToArray),
    DispMethod<&CSonivelCtrl::ArrayToWavFile>(dispid::ArrayToWavFile),
    DispMethod<&CSonivelCtrl::GetMode>(dispid::GetMode),
    DispMethod<&CSonivelCtrl::Record>(dispid::Record),
    DispMethod<&CSonivelCtrl::Save>(dispid::Save),
    DispMethod<&CSonivelCtrl::Delete>(dispid::Delete),
    DispMethod<&CSonivelCtrl::Pause>(dispid::Pause),
    DispMethod<&CSonivelCtrl::SaveAs>(dispid::SaveAs),
    DispMethod<&CSonivelCtrl::GetWavFilename>(dispid::GetWavFilename),
    DispMethod<&CSonivelCtrl::GetSamplingRate>(dispid::GetSamplingRate),
    DispMethod<&CSonivelCtrl::SetSamplingRate>(dispid::SetSamplingRate),
    DispMethod<&CSonivelCtrl::Close>(dispid::Close),
    DispMethod<&CSonivelCtrl::ChangeVolume>(dispid::ChangeVolume),
    DispMethod<&CSonivelCtrl::GetErrorMessage>(dispid::GetErrorMessage),
    DispMethod<&CSonivelCtrl::Copy>(dispid::Copy),
    DispMethod<&CSonivelCtrl::Paste>(dispid::Paste),
    DispMethod<&CSonivelCtrl::AboutBox>(dispid::AboutBox),
};

constexpr automation::Guid kPropertyPages[] = {kGeneralPageClsid, kAboutPageClsid};

constexpr int kWidth = 62;
constexpr int kHeight = 40;

// The persistence version of the control's properties: 1.0.
constexpr std::uint32_t kVersion = 0x00010000;

const automation::ControlClass kControlClass = {
    &kSonivelCoClass, kDispatchMap, kPropertyPages, &kResources, {kWidth, kHeight}};

}  // namespace

CSonivelCtrl::CSonivelCtrl() : Control(kControlClass) {}

const automation::ControlClass& CSonivelCtrl::Class() {
    return kControlClass;
}

CSonivelCtrl::~CSonivelCtrl() {
    CloseDevice();
    if (!m_strWorkFile.empty()) {
        // A working copy that is already gone needs no removing.
        std::remove(m_strWorkFile.c_str());
    }
}

std::int32_t CSonivelCtrl::GetErrorCode() {
    return m_lErrorCode;
}

std::string CSonivelCtrl::GetWavFilename() {
    return m_strWavFilename;
}

std::string CSonivelCtrl::GetErrorMessage() {
    if (m_lErrorCode > kLastMciCode) {
        return OwnErrorText(m_lErrorCode);
    }
    // Negative codes go to the media interface too, which knows no text for them.
    char text[300] = {};
    mci::GetErrorString(static_cast<mci::ErrorCode>(m_lErrorCode), text, sizeof text);
    return text;
}

void CSonivelCtrl::AboutBox() {
    ShowModalDialog(kIddAboutBox);
}

void CSonivelCtrl::OnDraw(automation::DrawContext& context, const automation::Rect& bounds) {
    if (m_bResizePending == 0 && (bounds.Width() != kWidth || bounds.Height() != kHeight)) {
        m_bResizePending = 1;
        RequestResize(kWidth, kHeight);
        return;
    }
    m_bResizePending = 0;
    context.DrawBitmap(bounds, *Resources().FindBitmap(kIdbControl));
}

void CSonivelCtrl::WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == automation::MM_MCINOTIFY) {
        const automation::Variant notifyCode(static_cast<std::int16_t>(wParam));
        FireEvent(dispid::Done, {&notifyCode, 1});
    }
    Control::WindowProc(message, wParam, lParam);
}

void CSonivelCtrl::DoPropExchange(automation::PropExchange& exchange) {
    std::uint32_t version = kVersion;
    exchange.ExchangeVersion(version, kVersion);
    Control::DoPropExchange(exchange);
}

}  // namespace sonivel
