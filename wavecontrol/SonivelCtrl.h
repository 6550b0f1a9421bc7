// CSonivelCtrl, the Sonivel wave control: opens one WAV file at a time as a waveaudio device of
// the media control interface, plays, records, seeks, edits and saves it for its host through
// its dispatch interface, and tells the host through the Done event when playing or recording
// has ended. Every acting method records a result code instead of failing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/automation/Control.h"

namespace sonivel {

// Process-wide state of the control library.
extern std::int32_t g_lAliasCounter;  // source of device aliases; each Open takes the next
extern char g_szClipFile[300];        // the clipboard file; "" until the first Copy
extern std::int32_t g_lClipBytes;     // bytes in the clipboard file

class CSonivelCtrl final : public automation::Control {
public:
    CSonivelCtrl();
    ~CSonivelCtrl() override;

    // The control's dispatch map, type information, property pages and resources.
    static const automation::ControlClass& Class();

    // The dispatch interface _DSonivel.
    void Open(const std::string& WavFilename);
    std::int32_t GetErrorCode();
    void Play(std::int32_t From, std::int32_t To, bool Wait);
    void Stop();
    void Seek(std::int32_t To);
    std::int32_t GetLength();
    std::int32_t GetPosition();
    std::int16_t GetNumBits();
    std::int16_t GetNumChannels();
    void WavFileToArray(std::int16_t* pArray, std::int32_t ArrayLength);
    void ArrayToWavFile(std::int16_t* pArray, std::int32_t ArrayLength);
    std::int32_t GetMode();
    void Record(std::int32_t From, std::int32_t To, bool Wait);
    void Save();
    void Delete(std::int32_t From, std::int32_t To);
    void Pause();
    void SaveAs(const std::string& WavFilename);
    std::string GetWavFilename();
    std::int32_t GetSamplingRate();
    void SetSamplingRate(std::int32_t SamplingRate);
    void Close();
    void ChangeVolume(std::int32_t From, std::int32_t To, float Factor);
    std::string GetErrorMessage();
    void Copy(std::int32_t From, std::int32_t To);
    void Paste(std::int32_t From, std::int32_t To);
    void AboutBox();

protected:
    void OnDraw(automation::DrawContext& context, const automation::Rect& bounds) override;
    void WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void DoPropExchange(automation::PropExchange& exchange) override;

private:
    // The media command of the pieces, sent with the control's window as its callback. A text
    // that does not fit the command buffer is not sent: the result is then 268 (parameter
    // overflow).
    std::int32_t SendCommand(std::initializer_list<std::string_view> pieces);
    void OpenDevice(const std::string& path);
    void CloseDevice();
    std::string SendStatus(std::string_view item);
    std::int32_t StatusNumber(std::string_view item);
    // Save's steps after the short path: one recorded sample for an empty device, then "save".
    void SaveDeviceTo(const std::string& shortPath);
    // The body of the editing operations this library does not offer yet.
    void RecordUnsupported();

    std::int32_t m_bOpen = 0;
    std::int32_t m_lErrorCode = 0;
    std::int32_t m_bResizePending = 0;
    char m_szAlias[20] = {};
    std::string m_strWavFilename;
    std::string m_strWorkFile;
    std::int32_t m_lHeaderSize = 0;
};

}  // namespace sonivel
