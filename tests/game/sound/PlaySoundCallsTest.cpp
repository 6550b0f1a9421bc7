// What PlaySound asks of the control, seen by a stand-in that records every call: the order and
// the arguments, the retries while the outputs are busy, and calls the control refuses.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "game/sound/Sound.h"
#include "platform/automation/Object.h"
#include "tests/game/shell/Scenario.h"
#include "wavecontrol/SonivelIds.h"

namespace game::test {
namespace {

using automation::DispId;
using automation::HResult;
using automation::Variant;
namespace dispid = sonivel::dispid;

struct Call {
    DispId id;
    std::vector<Variant> args;
    friend bool operator==(const Call&, const Call&) = default;
};

// Records the calls; GetErrorCode hands out `codes` one by one, then 0.
class RecordingControl final : public automation::Object<automation::IDispatch> {
public:
    HResult GetIDsOfNames(std::string_view, DispId*) override { return automation::E_NOTIMPL; }
    HResult Invoke(DispId id, std::span<const Variant> args, Variant* result) override {
        calls.push_back({id, std::vector<Variant>(args.begin(), args.end())});
        if (id == refused) {
            return automation::DISP_E_MEMBERNOTFOUND;
        }
        if (id == dispid::GetErrorCode) {
            *result = codes.empty() ? Variant(std::int32_t{0}) : codes.front();
            if (!codes.empty()) {
                codes.pop_front();
            }
        }
        return automation::S_OK;
    }
    HResult GetTypeInfo(const automation::InterfaceInfo**) override {
        return automation::E_NOTIMPL;
    }

    std::vector<Call> calls;
    std::deque<Variant> codes;
    DispId refused = 0;
};

class PlaySoundCalls : public ::testing::Test {
protected:
    // Runs PlaySound(name) with the stand-in as the main window's control.
    void Play(const std::string& script = "start\n", const std::string& name = "\\hit.wav") {
        ASSERT_EQ(scenario.Run(script,
                               [&](Game& game) {
                                   game.sonivel.Attach(
                                       automation::Ref<automation::IDispatch>(control.Get()));
                                   PlaySound(game, name);
                                   game.backend.Report("after", {});
                               }),
                  0);
    }
    std::vector<DispId> Ids() const {
        std::vector<DispId> ids;
        for (const Call& call : control->calls) {
            ids.push_back(call.id);
        }
        return ids;
    }

    Scenario scenario;
    automation::Ref<RecordingControl> control = automation::MakeObject<RecordingControl>();
    const Call play{dispid::Play,
                    {Variant(std::int32_t{0}), Variant(std::int32_t{-1}), Variant(true)}};
};

TEST_F(PlaySoundCalls, OpensTheProgramFoldersFilePlaysItWaitingAndCloses) {
    Play();
    const std::vector<Call> expected = {
        {dispid::Open, {Variant(scenario.Folder().string() + "\\hit.wav")}},
        play,
        {dispid::GetErrorCode, {}},
        {dispid::Close, {}},
    };
    EXPECT_EQ(control->calls, expected);
    EXPECT_EQ(scenario.Lines(), (std::vector<std::string>{
                                    R"({"t":0,"ev":"sound","file":"\\hit.wav"})",
                                    R"({"t":0,"ev":"after"})",
                                }));
}

TEST_F(PlaySoundCalls, PlaysAgainWhileTheOutputsAreBusyAndStopsAtOtherCodes) {
    control->codes = {Variant(std::int32_t{320}), Variant(std::int32_t{320}),
                      Variant(std::int32_t{275})};
    Play();
    EXPECT_EQ(Ids(), (std::vector<DispId>{dispid::Open, dispid::Play, dispid::GetErrorCode,
                                          dispid::Play, dispid::GetErrorCode, dispid::Play,
                                          dispid::GetErrorCode, dispid::Close}));
    EXPECT_EQ(control->calls[3], play) << "the same arguments again";
    EXPECT_TRUE(scenario.Events("msgbox").empty());
}

TEST_F(PlaySoundCalls, GivesUpSilentlyAfterTenRetriesAboutASecondApart) {
    control->codes.assign(100, Variant(std::int32_t{320}));
    const auto start = std::chrono::steady_clock::now();
    Play();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::vector<DispId> expected = {dispid::Open};
    for (int i = 0; i < 11; ++i) {
        expected.insert(expected.end(), {dispid::Play, dispid::GetErrorCode});
    }
    expected.push_back(dispid::Close);
    EXPECT_EQ(Ids(), expected);
    EXPECT_GE(elapsed, std::chrono::milliseconds(950));
    EXPECT_LT(elapsed, std::chrono::milliseconds(3000));
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    // The pauses are not event-processing waits: the virtual clock did not move.
    EXPECT_EQ(scenario.Lines().back(), R"({"t":0,"ev":"after"})");
}

TEST_F(PlaySoundCalls, ARefusedCallIsReportedAndTheGameGoesOn) {
    control->refused = dispid::Play;
    Play("start\nanswer ok\n", "\\broke.wav");
    EXPECT_EQ(Ids(), (std::vector<DispId>{dispid::Open, dispid::Play}));
    EXPECT_EQ(
        scenario.Lines(),
        (std::vector<std::string>{
            R"({"t":0,"ev":"sound","file":"\\broke.wav"})",
            R"json({"t":0,"ev":"msgbox","title":"Sounds Module","text":"Error: 2147614723 The wave control refused Play (DISP_E_MEMBERNOTFOUND) in PlaySound()","buttons":"ok","icon":"information"})json",
            R"({"t":0,"ev":"answer","value":"ok"})",
            R"({"t":0,"ev":"after"})",
        }));
}

TEST_F(PlaySoundCalls, AnErrorCodeThatIsNoNumberIsReported) {
    control->codes = {Variant("busy")};
    Play("start\nanswer ok\n");
    const auto boxes = scenario.Events("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Error: 2147614725 The wave control's GetErrorCode gave no number "
                            "(DISP_E_TYPEMISMATCH) in PlaySound()"),
              std::string::npos)
        << boxes[0];
}

}  // namespace
}  // namespace game::test
