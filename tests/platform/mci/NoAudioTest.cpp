#include <gtest/gtest.h>

#include "platform/mci/Mci.h"
#include "tests/platform/files/ScopedEnv.h"
#include "tests/platform/mci/TestSupport.h"
#include "tests/support/TempFolder.h"

namespace {

// With no audio system the device still opens and edits; only playing and recording fail, and
// not with the "busy, try again" codes.
TEST(NoAudioSystem, PlayAndRecordReportUnsuitableDevices) {
    testing_support::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    testing_support::TempFolder folder;
    mci_test::WriteFile(folder / "a.wav", mci_test::WaveBytes({}, mci_test::Pattern(200)));
    ASSERT_EQ(mci_test::Send("open " + (folder / "a.wav").string() + " alias a wait").error,
              mci::Ok);
    EXPECT_EQ(mci_test::Send("play a from 0 wait").error, mci::ErrWaveOutputsUnsuitable);
    EXPECT_EQ(mci_test::Send("record a from 0 to 5 wait").error, mci::ErrWaveInputsUnsuitable);
    EXPECT_EQ(mci_test::Send("status a mode wait").text, "stopped");
    EXPECT_EQ(mci_test::Send("close a wait").error, mci::Ok);
}

}  // namespace
