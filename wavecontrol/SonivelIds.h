// The identities of the Sonivel wave control, shared by the control library and its hosts: the
// six GUIDs, the ProgID and the DISPIDs of its dispatch and event interfaces.
#pragma once

#include <string_view>

#include "platform/automation/Guid.h"
#include "platform/automation/TypeInfo.h"

namespace sonivel {

using automation::MakeGuid;

inline constexpr automation::Guid kLibId = MakeGuid("{B8BCE199-0FF4-4B38-87A6-70CE8F9B3266}");
inline constexpr automation::Guid kDispatchIid = MakeGuid("{58F7BE43-0B9B-451F-A5C9-35BCBCC0DDF6}");
inline constexpr automation::Guid kEventsIid = MakeGuid("{13CDBE3F-E402-481E-83BA-123B79D0E17F}");
inline constexpr automation::Guid kControlClsid =
    MakeGuid("{EF59F42E-C798-4FCB-A7CA-2608338B2302}");
inline constexpr automation::Guid kGeneralPageClsid =
    MakeGuid("{CB1BAA7A-4AC9-48C4-9E8B-ACB041A054F3}");
inline constexpr automation::Guid kAboutPageClsid =
    MakeGuid("{2AB794A5-1B41-4910-958B-269E5EFDDB5C}");

inline constexpr std::string_view kProgId = "SONIVEL.SonivelCtrl";
inline constexpr std::uint16_t kLibMajorVersion = 1;
inline constexpr std::uint16_t kLibMinorVersion = 0;

// DISPIDs of the dispatch interface _DSonivel.
namespace dispid {
using automation::DispId;
inline constexpr DispId Open = 1;
inline constexpr DispId GetErrorCode = 2;
inline constexpr DispId Play = 3;
inline constexpr DispId Stop = 4;
inline constexpr DispId Seek = 5;
inline constexpr DispId GetLength = 6;
inline constexpr DispId GetPosition = 7;
inline constexpr DispId GetNumBits = 8;
inline constexpr DispId GetNumChannels = 9;
inline constexpr DispId WavFileToArray = 10;
inline constexpr DispId ArrayToWavFile = 11;
inline constexpr DispId GetMode = 12;
inline constexpr DispId Record = 13;
inline constexpr DispId Save = 14;
inline constexpr DispId Delete = 15;
inline constexpr DispId Pause = 16;
inline constexpr DispId SaveAs = 17;
inline constexpr DispId GetWavFilename = 18;
inline constexpr DispId GetSamplingRate = 19;
inline constexpr DispId SetSamplingRate = 20;
inline constexpr DispId Close = 21;
inline constexpr DispId ChangeVolume = 22;
inline constexpr DispId GetErrorMessage = 23;
inline constexpr DispId Copy = 24;
inline constexpr DispId Paste = 25;
inline constexpr DispId AboutBox = automation::DISPID_ABOUTBOX;
// Of the event interface _DSonivelEvents.
inline constexpr DispId Done = 1;
}  // namespace dispid

}  // namespace sonivel
