// The steps the editing operations of CSonivelCtrl share: the working copy in the temporary
// folder that the device saves its data into, opening it, replacing it and reopening the device
// on it.
#include <cstdio>

#include "platform/files/File.h"
#include "platform/files/ReplacingWriter.h"
#include "platform/files/TempFiles.h"
#include "platform/mci/Mci.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/Samples.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/WavBuffer.h"
#include "wavecontrol/WavLayout.h"
#include "wavecontrol/WorkFiles.h"

namespace sonivel {

std::optional<CSonivelCtrl::SampleFormat> CSonivelCtrl::EditableFormat() {
    SampleFormat format;
    format.bytesPerSample = BytesPerSample(GetNumBits());
    format.channels = GetNumChannels();
    if (format.bytesPerSample == 0 || format.channels < 1) {
        m_lErrorCode = kErrBitsPerSample;
        return std::nullopt;
    }
    return format;
}

bool CSonivelCtrl::TakeWorkCopyAs(const std::string& copy) {
    // Only our own working copy may be taken: the device read or saved it and neither changed, so
    // the device's save would write the same bytes again.
    return !m_strWorkFile.empty() && mci::DeviceHoldsFile(m_szAlias, m_strWorkFile.c_str()) &&
           files::ReplaceScratchFile(m_strWorkFile, copy);
}

bool CSonivelCtrl::MakeWorkCopy() {
    const std::string copy = NewTempFile(kWorkPrefix);
    if (copy.empty()) {
        m_lErrorCode = kErrSaveTmp;
        return false;
    }
    if (!TakeWorkCopyAs(copy)) {
        if (SendCommand({"save", m_szAlias, copy, "wait"}) != 0) {
            std::remove(copy.c_str());
            m_lErrorCode = kErrSaveTmp;
            return false;
        }
        if (!m_strWorkFile.empty()) {
            // The previous copy's data are in the device, and so in the new copy; one already
            // gone needs no removing.
            std::remove(m_strWorkFile.c_str());
        }
    }
    m_strWorkFile = copy;
    // Only the device lets go of the file: the control stays open on the host's file name.
    SendCommand({"close", m_szAlias, "wait"});
    return true;
}

void CSonivelCtrl::ReopenWorkCopy(std::int32_t position) {
    OpenDevice(m_strWorkFile);
    if (m_lErrorCode != 0) {
        CloseDevice();
        m_lErrorCode = kErrReopen;
        return;
    }
    Seek(position);
}

void CSonivelCtrl::RecoverWorkCopy(std::int32_t position, std::int32_t code) {
    OpenDevice(m_strWorkFile);
    if (m_lErrorCode != 0) {
        CloseDevice();
    }
    Seek(position);
    m_lErrorCode = code;
}

bool CSonivelCtrl::FindWorkCopyHeader(std::int32_t position, std::int32_t& header) {
    CWavBuffer head;
    header = head.Load(m_strWorkFile, 0, static_cast<std::int64_t>(kHeaderWindow) - 1)
                 ? FindDataOffset(head.Bytes())
                 : 0;
    if (header == 0) {
        RecoverWorkCopy(position, kErrWavBuffer);
        return false;
    }
    // The device plays the copy now, whose header may differ from the host file's.
    m_lHeaderSize = header;
    return true;
}

bool CSonivelCtrl::OpenWorkCopy(files::File& work, std::int64_t dataBytes, std::int32_t position,
                                std::int32_t& header) {
    if (!FindWorkCopyHeader(position, header)) {
        return false;
    }
    work = files::File(m_strWorkFile, files::FileMode::Read);
    const std::optional<std::uint64_t> size = work.Size();
    if (!size || !work.IsRegular() || header + dataBytes > static_cast<std::int64_t>(*size)) {
        RecoverWorkCopy(position, kErrWavBuffer);
        return false;
    }
    return true;
}

bool CSonivelCtrl::CommitWorkFile(files::ReplacingWriter& fresh, std::int32_t code,
                                  std::int32_t commitCode, std::int32_t position) {
    if (code == 0 && !fresh.Commit()) {
        code = commitCode;
    }
    if (code != 0) {
        RecoverWorkCopy(position, code);
        return false;
    }
    return true;
}

}  // namespace sonivel
