// CSonivelCtrl, the Sonivel wave control: opens one WAV file at a time as a waveaudio device of
// the media control interface, plays, records, seeks, edits and saves it for its host through
// its dispatch interface, and tells the host through the Done event when playing or recording
// has ended. Every acting method records a result code instead of failing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/Control.h"

namespace files {
class File;
class ReplacingWriter;
}  // namespace files

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

    // The editing operations' common steps. Each that fails has recorded its result code.
    struct SampleFormat {
        int bytesPerSample = 0;
        std::int64_t channels = 0;
        std::int64_t FrameBytes() const { return bytesPerSample * channels; }
    };
    // The open file as the data operations take it: 8- or 16-bit with at least one channel;
    // 516 otherwise.
    std::optional<SampleFormat> EditableFormat();
    // An empty device gets one recorded frame, so that it can be saved.
    bool RecordSampleIfEmpty(std::int32_t length);
    // The device's data saved into a new working copy, and the device closed.
    bool MakeWorkCopy();
    // The unchanged working copy the device holds, renamed to `copy` in place of a save of the
    // same bytes; false when it cannot be.
    bool TakeWorkCopyAs(const std::string& copy);
    // The device opened on the working copy at `position` (519 when it cannot be).
    void ReopenWorkCopy(std::int32_t position);
    // Copy and Paste end so: 0 once the device is open again, whatever the seek said.
    void ReopenedWithSuccess(std::int32_t position);
    // After a failure while the device was closed: it is opened again on the unchanged working
    // copy at `position`, and `code` is recorded.
    void RecoverWorkCopy(std::int32_t position, std::int32_t code);
    // The header of the working copy, read from its own bytes (518 and recovery when it has
    // none).
    bool FindWorkCopyHeader(std::int32_t position, std::int32_t& header);
    // The working copy opened for reading as `work`, its samples starting at `header` and
    // holding at least `dataBytes` (518 and recovery otherwise).
    bool OpenWorkCopy(files::File& work, std::int64_t dataBytes, std::int32_t position,
                      std::int32_t& header);
    // Puts `fresh`, the new working copy or clipboard, in place when the edit went well (`code`
    // 0; `commitCode` when it cannot be put in place). Otherwise the device is opened again on
    // the unchanged working copy at `position`, the code recorded, and false returned.
    bool CommitWorkFile(files::ReplacingWriter& fresh, std::int32_t code, std::int32_t commitCode,
                        std::int32_t position);

    struct ArrayJob {
        std::int32_t position = 0;
        std::int32_t header = 0;
        std::int64_t count = 0;
        int bytesPerSample = 0;
    };
    // The checks and the working copy that WavFileToArray and ArrayToWavFile share.
    bool StartArrayOperation(const std::int16_t* pArray, std::int32_t ArrayLength,
                             files::File& work, ArrayJob& job);

    std::int32_t m_bOpen = 0;
    std::int32_t m_lErrorCode = 0;
    std::int32_t m_bResizePending = 0;
    char m_szAlias[20] = {};
    std::string m_strWavFilename;
    std::string m_strWorkFile;
    std::int32_t m_lHeaderSize = 0;
};

}  // namespace sonivel
