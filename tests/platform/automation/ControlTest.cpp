// The control base: calls through the dispatch map, events through connection points, and the
// notification window carrying notices to the host's thread.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "platform/automation/ClassFactory.h"
#include "platform/automation/Control.h"
#include "platform/automation/EventSink.h"
#include "tests/platform/automation/TestSite.h"

namespace automation {
namespace {

constexpr Guid kDispatchIid = MakeGuid("{11111111-2222-3333-4444-555555555555}");
constexpr Guid kEventsIid = MakeGuid("{11111111-2222-3333-4444-666666666666}");
constexpr Guid kClsid = MakeGuid("{11111111-2222-3333-4444-777777777777}");

constexpr ParamInfo kAddParams[] = {{"Amount", VarType::Long}};
constexpr ParamInfo kNameParams[] = {{"Prefix", VarType::String}, {"Count", VarType::Short}};
constexpr MethodInfo kMethods[] = {
    {1, "Add", kAddParams, VarType::Long, ""},
    {2, "Name", kNameParams, VarType::String, ""},
    {3, "Fail", {}, VarType::Empty, ""},
};
constexpr ParamInfo kChangedParams[] = {{"Total", VarType::Long}};
constexpr MethodInfo kEvents[] = {{1, "Changed", kChangedParams, VarType::Empty, ""}};
constexpr InterfaceInfo kDispatch = {kDispatchIid, "_DTest", InterfaceKind::Dispatch, kMethods};
constexpr InterfaceInfo kEventsInfo = {kEventsIid, "_DTestEvents", InterfaceKind::Events, kEvents};
constexpr CoClassInfo kCoClass = {kClsid, "Test", &kDispatch, &kEventsInfo};
constexpr ResourceTable kResources = {};

class TestControl final : public Control {
public:
    TestControl();
    std::int32_t Add(std::int32_t amount) {
        m_total += amount;
        const Variant total(m_total);
        FireEvent(1, {&total, 1});
        return m_total;
    }
    std::string Name(const std::string& prefix, std::int16_t count) {
        return prefix + std::to_string(count);
    }
    void Fail() { throw std::runtime_error("inside"); }
    // What the control passes as the callback of its media commands.
    mci::NotifyTarget& Window() { return NotifyTarget(); }

    std::vector<std::uint32_t> messages;

protected:
    void OnDraw(DrawContext&, const Rect&) override {}
    void WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
        messages.push_back(message);
        messages.push_back(static_cast<std::uint32_t>(wParam));
    }

private:
    std::int32_t m_total = 0;
};

constexpr DispatchEntry kMap[] = {DispMethod<&TestControl::Add>(1),
                                  DispMethod<&TestControl::Name>(2),
                                  DispMethod<&TestControl::Fail>(3)};
const ControlClass kClass = {&kCoClass, kMap, {}, &kResources, {10, 20}};

TestControl::TestControl() : Control(kClass) {}

TEST(DispatchMapTest, EntriesCarryTheirSignatures) {
    EXPECT_EQ(CheckDispatchMap(kDispatch, kMap), "");
    constexpr DispatchEntry wrong[] = {DispMethod<&TestControl::Add>(1),
                                       DispMethod<&TestControl::Add>(2),
                                       DispMethod<&TestControl::Fail>(3)};
    EXPECT_EQ(CheckDispatchMap(kDispatch, wrong), "Name: parameter types differ");
    EXPECT_EQ(CheckDispatchMap(kDispatch, {kMap, 2}), "Fail: no dispatch entry");
}

TEST(ControlBaseTest, InvokeConvertsChecksAndContainsExceptions) {
    auto control = MakeObject<TestControl>();
    Variant result;
    const Variant add[] = {Variant("5")};
    EXPECT_EQ(control->Invoke(1, add, &result), S_OK);
    EXPECT_EQ(result, Variant(5));
    const Variant name[] = {Variant("n"), Variant(3.0f)};
    EXPECT_EQ(control->Invoke(2, name, &result), S_OK);
    EXPECT_EQ(result, Variant("n3"));
    EXPECT_EQ(control->Invoke(1, {}, &result), DISP_E_BADPARAMCOUNT);
    const Variant big[] = {Variant("n"), Variant(70000)};
    EXPECT_EQ(control->Invoke(2, big, &result), DISP_E_OVERFLOW);
    EXPECT_EQ(control->Invoke(3, {}, nullptr), DISP_E_EXCEPTION);
    EXPECT_EQ(control->Invoke(9, {}, nullptr), DISP_E_MEMBERNOTFOUND);
    DispId id = 0;
    EXPECT_EQ(control->GetIDsOfNames("NAME", &id), S_OK);
    EXPECT_EQ(id, 2);
    const InterfaceInfo* info = nullptr;
    control->GetTypeInfo(&info);
    EXPECT_EQ(info, &kDispatch);
}

TEST(ControlBaseTest, InterfacesShareOneObject) {
    auto control = MakeObject<TestControl>();
    Ref<IControl> asControl;
    ASSERT_EQ(QueryInterface(static_cast<IDispatch*>(control.Get()), asControl), S_OK);
    Ref<IUnknown> a;
    Ref<IUnknown> b;
    QueryInterface(asControl.Get(), a);
    QueryInterface(static_cast<IDispatch*>(control.Get()), b);
    EXPECT_EQ(a.Get(), b.Get());
    Ref<IProvideClassInfo> classInfo;
    ASSERT_EQ(QueryInterface(a.Get(), classInfo), S_OK);
    const CoClassInfo* coclass = nullptr;
    classInfo->GetClassInfo(&coclass);
    EXPECT_EQ(coclass, &kCoClass);
    Ref<IClassFactory> none;
    EXPECT_EQ(QueryInterface(a.Get(), none), E_NOINTERFACE);
    EXPECT_FALSE(none);
}

TEST(ControlBaseTest, EventsReachEverySinkUntilItDisconnects) {
    auto control = MakeObject<TestControl>();
    std::vector<std::string> heard;
    const auto sinkNamed = [&](std::string name) {
        return MakeObject<EventSink>([&heard, name](DispId, std::span<const Variant> args) {
            heard.push_back(name + std::to_string(args[0].Long()));
        });
    };
    auto first = sinkNamed("a");
    auto second = sinkNamed("b");
    Ref<IConnectionPoint> point;
    EXPECT_EQ(control->FindConnectionPoint(kDispatchIid, point.Put()), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(control->FindConnectionPoint(kEventsIid, point.Put()), S_OK);
    std::uint32_t c1 = 0;
    std::uint32_t c2 = 0;
    point->Advise(first.Get(), &c1);
    point->Advise(second.Get(), &c2);
    control->Add(2);
    EXPECT_EQ(point->Unadvise(c1), S_OK);
    EXPECT_EQ(point->Unadvise(c1), CONNECT_E_NOCONNECTION);
    control->Add(3);
    EXPECT_EQ(heard, (std::vector<std::string>{"a2", "b2", "b5"}));
}

TEST(NotifyWindowTest, NoticesFromAnyThreadArriveOnTheHostsLoop) {
    auto control = MakeObject<TestControl>();
    test::TestSite site;
    control->SetSite(&site);
    mci::NotifyTarget* window = &control->Window();
    std::thread worker([&] { window->PostNotify(2, 9); });
    worker.join();
    EXPECT_TRUE(control->messages.empty());
    site.RunPosted();
    EXPECT_EQ(control->messages, (std::vector<std::uint32_t>{MM_MCINOTIFY, 2}));

    control->SetSite(nullptr);
    window->PostNotify(1, 9);
    EXPECT_EQ(site.RunPosted(), 0) << "without a site there is no window to post to";
}

}  // namespace
}  // namespace automation
