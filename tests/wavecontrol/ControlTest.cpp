// The control as its host sees it: the dispatch table, result texts, drawing, the Done event,
// the About box and persistence.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/automation/EventSink.h"
#include "platform/automation/Object.h"
#include "tests/platform/automation/TestSite.h"
#include "tests/wavecontrol/FakeMci.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelIds.h"
#include "wavecontrol/SonivelTypeLib.h"

namespace sonivel {
namespace {

using automation::Ref;
using automation::Variant;

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { fakemci::Reset(); }
    void TearDown() override { fakemci::Reset(); }

    // Records a result code through a failing Stop.
    void SetErrorCode(std::int32_t code) {
        fakemci::Respond("stop", static_cast<mci::ErrorCode>(code));
        control->Stop();
        ASSERT_EQ(control->GetErrorCode(), code);
    }

    Ref<CSonivelCtrl> control = automation::MakeObject<CSonivelCtrl>();
    automation::test::TestSite site;
};

TEST_F(ControlTest, DispatchMapMatchesTheTypeLibrary) {
    const auto& cls = CSonivelCtrl::Class();
    EXPECT_EQ(automation::CheckDispatchMap(*cls.coclass->dispatch, cls.dispatchMap), "");
    EXPECT_EQ(kDSonivel.methods.size(), 26u);
}

TEST_F(ControlTest, EveryMethodIsReachableByNameAndDispid) {
    Ref<automation::IDispatch> dispatch(control.Get());
    const std::pair<const char*, automation::DispId> names[] = {{"Open", 1},
                                                                {"GetErrorCode", 2},
                                                                {"Play", 3},
                                                                {"Stop", 4},
                                                                {"Seek", 5},
                                                                {"GetLength", 6},
                                                                {"GetPosition", 7},
                                                                {"GetNumBits", 8},
                                                                {"GetNumChannels", 9},
                                                                {"WavFileToArray", 10},
                                                                {"ArrayToWavFile", 11},
                                                                {"GetMode", 12},
                                                                {"Record", 13},
                                                                {"Save", 14},
                                                                {"Delete", 15},
                                                                {"Pause", 16},
                                                                {"SaveAs", 17},
                                                                {"GetWavFilename", 18},
                                                                {"GetSamplingRate", 19},
                                                                {"SetSamplingRate", 20},
                                                                {"Close", 21},
                                                                {"ChangeVolume", 22},
                                                                {"GetErrorMessage", 23},
                                                                {"Copy", 24},
                                                                {"Paste", 25},
                                                                {"AboutBox", -552}};
    for (const auto& [name, id] : names) {
        automation::DispId found = 0;
        EXPECT_EQ(dispatch->GetIDsOfNames(name, &found), automation::S_OK) << name;
        EXPECT_EQ(found, id) << name;
    }
    automation::DispId found = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames("getlength", &found), automation::S_OK);
    EXPECT_EQ(dispatch->GetIDsOfNames("Volume", &found), automation::DISP_E_UNKNOWNNAME);
}

TEST_F(ControlTest, InvokeConvertsArgumentsAndReportsMisuse) {
    Ref<automation::IDispatch> dispatch(control.Get());
    const Variant play[] = {Variant("0"), Variant(std::int16_t{500}), Variant(1)};
    EXPECT_EQ(dispatch->Invoke(dispid::Play, play, nullptr), automation::S_OK);
    EXPECT_EQ(fakemci::Sent().back(), "play  from 0 to 500 notify wait");

    fakemci::Respond("status", 0, "123");
    Variant length;
    EXPECT_EQ(dispatch->Invoke(dispid::GetLength, {}, &length), automation::S_OK);
    EXPECT_EQ(length, Variant(123));
    Variant bits;
    dispatch->Invoke(dispid::GetNumBits, {}, &bits);
    EXPECT_EQ(bits.Type(), automation::VarType::Short);

    EXPECT_EQ(dispatch->Invoke(dispid::Play, {play, 2}, nullptr), automation::DISP_E_BADPARAMCOUNT);
    const Variant word[] = {Variant("soon")};
    EXPECT_EQ(dispatch->Invoke(dispid::Seek, word, nullptr), automation::DISP_E_TYPEMISMATCH);
    const Variant notAnArray[] = {Variant(5), Variant(1)};
    EXPECT_EQ(dispatch->Invoke(dispid::WavFileToArray, notAnArray, nullptr),
              automation::DISP_E_TYPEMISMATCH);
    EXPECT_EQ(dispatch->Invoke(26, {}, nullptr), automation::DISP_E_MEMBERNOTFOUND);
}

TEST_F(ControlTest, ErrorMessagesByCode) {
    EXPECT_EQ(control->GetErrorMessage(), fakemci::TextFor(0)) << "success: the platform's text";
    SetErrorCode(320);
    EXPECT_EQ(control->GetErrorMessage(), fakemci::TextFor(320));
    SetErrorCode(512);
    EXPECT_EQ(control->GetErrorMessage(), fakemci::TextFor(512));
    const std::pair<std::int32_t, const char*> own[] = {
        {513, "Unknown error."},
        {514, "Cannot determine WAV header size."},
        {515, "WAV file is not open."},
        {516, "This method supports only 8-bit or 16-bit WAV files."},
        {517, "Cannot save TMP file."},
        {518, "Cannot create WAV buffer."},
        {519, "Cannot re-open the WAV file."},
        {520, "Invalid array length.\n\n Array length must be: NumSamples * NumChannels"},
        {521, "Invalid sampling rate."},
        {522, "Cannot access the Clipboard."},
        {523, "Clipboard is empty."},
        {524, "WAV file is empty."},
        {525, "Unknown error."},
        {600, "Unknown error."}};
    for (const auto& [code, text] : own) {
        SetErrorCode(code);
        EXPECT_EQ(control->GetErrorMessage(), text) << code;
    }
    SetErrorCode(-5);
    EXPECT_EQ(control->GetErrorMessage(), "") << "the platform has no text for it";
}

TEST_F(ControlTest, FirstDrawAsksForItsSizeThenDrawsTheBitmap) {
    control->SetSite(&site);
    automation::test::RecordingContext first;
    const automation::Rect big{0, 0, 100, 100};
    control->Draw(first, big);
    EXPECT_TRUE(first.Empty());
    ASSERT_EQ(site.resizes.size(), 1u);
    EXPECT_EQ(site.resizes[0], (automation::Size{62, 40}));

    automation::test::RecordingContext second;
    control->Draw(second, big);
    ASSERT_EQ(second.bitmaps.size(), 1u);
    EXPECT_EQ(second.bitmaps[0].id, 201u);
    EXPECT_EQ(second.bitmaps[0].rect, big);

    automation::test::RecordingContext third;
    control->Draw(third, big);
    EXPECT_TRUE(third.Empty()) << "the cycle starts again";
    EXPECT_EQ(site.resizes.size(), 2u);
    control->SetSite(nullptr);
}

TEST_F(ControlTest, DrawAtItsOwnSizePaintsAtOnce) {
    automation::test::RecordingContext context;
    control->Draw(context, {10, 10, 72, 50});
    EXPECT_EQ(context.bitmaps.size(), 1u);
    automation::Size extent;
    control->GetExtent(&extent);
    EXPECT_EQ(extent, (automation::Size{62, 40}));
}

TEST_F(ControlTest, DoneFiresWithTheNotifyCodeThroughTheHostsLoop) {
    std::vector<Variant> events;
    auto sink = automation::MakeObject<automation::EventSink>(
        [&](automation::DispId id, std::span<const Variant> args) {
            EXPECT_EQ(id, dispid::Done);
            events.insert(events.end(), args.begin(), args.end());
        });
    Ref<automation::IConnectionPoint> point;
    ASSERT_EQ(control->FindConnectionPoint(kEventsIid, point.Put()), automation::S_OK);
    std::uint32_t cookie = 0;
    point->Advise(sink.Get(), &cookie);

    control->SetSite(&site);
    control->Play(-1, -1, false);
    mci::NotifyTarget* window = fakemci::LastCallback();
    ASSERT_NE(window, nullptr);
    window->PostNotify(mci::NotifyAborted, 3);
    EXPECT_TRUE(events.empty()) << "only the host's loop delivers it";
    EXPECT_EQ(site.RunPosted(), 1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], Variant(std::int16_t{4}));

    window->PostNotify(mci::NotifyAborted, 3);
    control->SetSite(nullptr);
    site.RunPosted();
    EXPECT_EQ(events.size(), 1u) << "no window, no event";
    point->Unadvise(cookie);
}

TEST_F(ControlTest, NoticesQueuedForADestroyedControlAreDropped) {
    control->SetSite(&site);
    control->Play(-1, -1, false);
    fakemci::LastCallback()->PostNotify(mci::NotifySuccessful, 1);
    control.Reset();
    EXPECT_EQ(site.RunPosted(), 1);
}

TEST_F(ControlTest, AboutBoxShowsDialog100Modally) {
    control->AboutBox();
    EXPECT_TRUE(site.dialogs.empty()) << "nothing to show it on without a site";
    control->SetSite(&site);
    SetErrorCode(282);
    control->AboutBox();
    ASSERT_EQ(site.dialogs.size(), 1u);
    const auto& dialog = *site.dialogs[0];
    EXPECT_EQ(dialog.id, 100u);
    EXPECT_STREQ(dialog.caption, "About Morvane Wave Control");
    const bool hasOk = std::ranges::any_of(dialog.items, [](const auto& item) {
        return item.id == automation::IDOK && std::string_view(item.text) == "OK";
    });
    EXPECT_TRUE(hasOk);
    EXPECT_EQ(control->GetErrorCode(), 282) << "AboutBox records nothing";
    control->SetSite(nullptr);
}

TEST_F(ControlTest, PropertiesHoldTheVersionAndTheExtent) {
    automation::PropertyBag bag;
    control->SaveProperties(bag);
    EXPECT_EQ(bag["_Version"], "65536");
    EXPECT_EQ(bag["_ExtentX"], "62");
    EXPECT_EQ(bag["_ExtentY"], "40");
    bag["_ExtentX"] = "80";
    control->LoadProperties(bag);
    automation::Size extent;
    control->GetExtent(&extent);
    EXPECT_EQ(extent.width, 80);
}

TEST_F(ControlTest, NamesItsTwoPropertyPagesInOrder) {
    std::span<const automation::Guid> pages;
    control->GetPropertyPages(&pages);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], kGeneralPageClsid);
    EXPECT_EQ(pages[1], kAboutPageClsid);
}

}  // namespace
}  // namespace sonivel
