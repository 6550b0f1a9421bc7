#include "wavecontrol/SonivelTypeLib.h"

#include "wavecontrol/SonivelIds.h"

namespace sonivel {

namespace {

using automation::MethodInfo;
using automation::ParamInfo;
using automation::VarType;

constexpr ParamInfo kFilename[] = {{"WavFilename", VarType::String}};
constexpr ParamInfo kRangeWait[] = {
    {"From", VarType::Long}, {"To", VarType::Long}, {"Wait", VarType::Bool}};
constexpr ParamInfo kTo[] = {{"To", VarType::Long}};
constexpr ParamInfo kArray[] = {{"pArray", VarType::ShortRef}, {"ArrayLength", VarType::Long}};
constexpr ParamInfo kRange[] = {{"From", VarType::Long}, {"To", VarType::Long}};
constexpr ParamInfo kRate[] = {{"SamplingRate", VarType::Long}};
constexpr ParamInfo kVolume[] = {
    {"From", VarType::Long}, {"To", VarType::Long}, {"Factor", VarType::Float}};
constexpr ParamInfo kNotifyCode[] = {{"NotifyCode", VarType::Short}};

constexpr MethodInfo kMethods[] = {
    {dispid::Open, "Open", kFilename, VarType::Empty, "Opens a WAV file"},
    {dispid::GetErrorCode, "GetErrorCode", {}, VarType::Long, "Result code of the last operation"},
    {dispid::Play, "Play", kRangeWait, VarType::Empty, "Plays from From to To (-1: not given)"},
    {dispid::Stop, "Stop", {}, VarType::Empty, "Stops playing or recording"},
    {dispid::Seek, "Seek", kTo, VarType::Empty, "Moves to sample To (-1: the end)"},
    {dispid::GetLength, "GetLength", {}, VarType::Long, "Length in samples"},
    {dispid::GetPosition, "GetPosition", {}, VarType::Long, "Position in samples"},
    {dispid::GetNumBits, "GetNumBits", {}, VarType::Short, "Bits per sample"},
    {dispid::GetNumChannels, "GetNumChannels", {}, VarType::Short, "Number of channels"},
    {dispid::WavFileToArray, "WavFileToArray", kArray, VarType::Empty,
     "Copies all samples into the array"},
    {dispid::ArrayToWavFile, "ArrayToWavFile", kArray, VarType::Empty,
     "Replaces all samples with the array"},
    {dispid::GetMode, "GetMode", {}, VarType::Long, "The device's mode, 524 to 530"},
    {dispid::Record, "Record", kRangeWait, VarType::Empty, "Records from From to To"},
    {dispid::Save, "Save", {}, VarType::Empty, "Saves to the current file"},
    {dispid::Delete, "Delete", kRange, VarType::Empty, "Deletes samples From to To"},
    {dispid::Pause, "Pause", {}, VarType::Empty, "Pauses, or resumes when not playing"},
    {dispid::SaveAs, "SaveAs", kFilename, VarType::Empty, "Saves to another file"},
    {dispid::GetWavFilename, "GetWavFilename", {}, VarType::String, "The current file name"},
    {dispid::GetSamplingRate, "GetSamplingRate", {}, VarType::Long, "Samples per second"},
    {dispid::SetSamplingRate, "SetSamplingRate", kRate, VarType::Empty,
     "Rewrites the sampling rate"},
    {dispid::Close, "Close", {}, VarType::Empty, "Closes the file"},
    {dispid::ChangeVolume, "ChangeVolume", kVolume, VarType::Empty, "Scales sample values"},
    {dispid::GetErrorMessage,
     "GetErrorMessage",
     {},
     VarType::String,
     "Text of the last result code"},
    {dispid::Copy, "Copy", kRange, VarType::Empty, "Copies samples to the clipboard"},
    {dispid::Paste, "Paste", kRange, VarType::Empty, "Replaces samples with the clipboard"},
    {dispid::AboutBox, "AboutBox", {}, VarType::Empty, "Shows the About box"},
};

constexpr MethodInfo kEvents[] = {
    {dispid::Done, "Done", kNotifyCode, VarType::Empty, "Playing or recording has ended"},
};

}  // namespace

const automation::InterfaceInfo kDSonivel = {kDispatchIid, "_DSonivel",
                                             automation::InterfaceKind::Dispatch, kMethods};
const automation::InterfaceInfo kDSonivelEvents = {kEventsIid, "_DSonivelEvents",
                                                   automation::InterfaceKind::Events, kEvents};
const automation::CoClassInfo kSonivelCoClass = {kControlClsid, "Sonivel", &kDSonivel,
                                                 &kDSonivelEvents};

namespace {
constexpr const automation::InterfaceInfo* kInterfaces[] = {&kDSonivel, &kDSonivelEvents};
}  // namespace

const automation::TypeLibInfo kSonivelLib = {kLibId,
                                             "SonivelLib",
                                             kLibMajorVersion,
                                             kLibMinorVersion,
                                             0,
                                             "Sonivel ActiveX Control module",
                                             kInterfaces,
                                             {&kSonivelCoClass, 1}};

}  // namespace sonivel
