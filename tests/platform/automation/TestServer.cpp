// A small in-process server for the loader's tests: one control class with a counter, a type
// library, a version block, and the five exports.
#include "platform/automation/Control.h"
#include "platform/automation/Library.h"
#include "platform/automation/ServerModule.h"
#include "tests/platform/automation/TestServerIds.h"

namespace {

using namespace automation;

constexpr ParamInfo kAddParams[] = {{"Amount", VarType::Long}};
constexpr MethodInfo kMethods[] = {{1, "Add", kAddParams, VarType::Long, "Adds to the total"}};
constexpr InterfaceInfo kDispatch = {testserver::kDispatchIid, "_DCounter", InterfaceKind::Dispatch,
                                     kMethods};
constexpr CoClassInfo kCoClass = {testserver::kClsid, "Counter", &kDispatch, nullptr};
constexpr const InterfaceInfo* kInterfaces[] = {&kDispatch};
constexpr TypeLibInfo kTypeLib = {testserver::kLibId, "CounterLib",  2, 1, 0, nullptr,
                                  kInterfaces,        {&kCoClass, 1}};
constexpr StringResource kStrings[] = {{1, "Test Counter"}};
constexpr VersionString kVersionStrings[] = {{"FileVersion", "2.1.0"}, {"OLESelfRegister", ""}};
constexpr VersionResource kVersion = {{2, 1, 0, 0}, {2, 1, 0, 0}, kVersionStrings};
constexpr ResourceTable kResources = {kStrings, {}, {}, &kVersion, &kTypeLib};

class Counter final : public Control {
public:
    Counter();
    std::int32_t Add(std::int32_t amount) { return m_total += amount; }

protected:
    void OnDraw(DrawContext&, const Rect&) override {}

private:
    std::int32_t m_total = 0;
};

constexpr DispatchEntry kMap[] = {DispMethod<&Counter::Add>(1)};
const ControlClass kClass = {&kCoClass, kMap, {}, &kResources, {1, 1}};
Counter::Counter() : Control(kClass) {}

HResult CreateCounter(const Guid& iid, void** out) {
    return MakeObject<Counter>()->QueryInterface(iid, out);
}

constexpr ControlRegistration kRegistration = {testserver::kProgId, 1, 0, Insertable::No,
                                               testserver::kLibId,  2, 1};
constexpr ClassEntry kClasses[] = {
    {testserver::kClsid, testserver::kProgId, 1, &kRegistration, &CreateCounter}};
ClassFactory g_factories[] = {ClassFactory(kClasses[0])};
const ServerModule kServer = {g_factories, &kResources};

}  // namespace

extern "C" {

[[gnu::visibility("default")]] HResult DllGetClassObject(const Guid* clsid, const Guid* iid,
                                                         void** out) {
    return ModuleGetClassObject(kServer, *clsid, *iid, out);
}

[[gnu::visibility("default")]] HResult DllCanUnloadNow() {
    return ModuleCanUnloadNow();
}

[[gnu::visibility("default")]] HResult DllRegisterServer() {
    settings::Store registry(settings::Store::DefaultPath());
    return ModuleRegisterServer(kServer, registry, LibraryPathOf(&kResources));
}

[[gnu::visibility("default")]] HResult DllUnregisterServer() {
    settings::Store registry(settings::Store::DefaultPath());
    return ModuleUnregisterServer(kServer, registry);
}

[[gnu::visibility("default")]] const ResourceTable* DllGetResources() {
    return &kResources;
}

}  // extern "C"
