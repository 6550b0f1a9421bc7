// What the library registers and unregisters, its class factories, and its start and end.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/automation/PropertyPage.h"
#include "platform/automation/Registry.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelIds.h"
#include "wavecontrol/SonivelServer.h"

namespace sonivel {
namespace {

using namespace automation;

class RegistrationTest : public ::testing::Test {
protected:
    wavtest::TempDir dir;
    settings::Store registry{dir / "registry.ini"};
    const std::filesystem::path library = dir / "SONIVEL.OCX";
};

TEST_F(RegistrationTest, RegisterRecordsTheControlItsPagesAndTheTypeLibrary) {
    ASSERT_EQ(ModuleRegisterServer(SonivelServer(), registry, library), S_OK);
    Guid clsid;
    ASSERT_EQ(CLSIDFromProgID(registry, "SONIVEL.SonivelCtrl", &clsid), S_OK);
    EXPECT_EQ(clsid, kControlClsid);
    EXPECT_EQ(InprocServerPath(registry, kControlClsid), library);
    EXPECT_EQ(TypeLibPath(registry, kLibId, 1, 0), library);

    const std::string key = ClassKey(kControlClsid);
    EXPECT_EQ(registry.Get(key, ""), "Morvane Wave Control");
    EXPECT_EQ(registry.Get(key + "/ProgID", ""), "SONIVEL.SonivelCtrl");
    EXPECT_EQ(registry.Get(key + "/MiscStatus/1", ""), "131473");
    EXPECT_EQ(registry.Get(key + "/ToolboxBitmap32", ""), library.string() + ", 1");
    EXPECT_EQ(registry.Get(key + "/TypeLib", ""), kLibId.ToString());
    EXPECT_EQ(registry.Get(key + "/Version", ""), "1.0");
    EXPECT_TRUE(registry.Get(key + "/Control", ""));
    EXPECT_FALSE(registry.Get(key + "/Insertable", ""));
    EXPECT_EQ(registry.Get(InterfaceKey(kDispatchIid), ""), "_DSonivel");
    EXPECT_EQ(registry.Get(InterfaceKey(kEventsIid), ""), "_DSonivelEvents");

    EXPECT_EQ(registry.Get(ClassKey(kGeneralPageClsid), ""), "Sonivel Property Page");
    EXPECT_EQ(registry.Get(ClassKey(kAboutPageClsid), ""), "About Property Page");
    EXPECT_EQ(InprocServerPath(registry, kAboutPageClsid), library);
    EXPECT_FALSE(registry.Get(ClassKey(kGeneralPageClsid) + "/ProgID", ""));
    EXPECT_EQ(CLSIDFromProgID(registry, "SONIVEL.SonivelPropPage.1", &clsid), REGDB_E_CLASSNOTREG);
}

TEST_F(RegistrationTest, UnregisterRemovesEverything) {
    ASSERT_EQ(ModuleRegisterServer(SonivelServer(), registry, library), S_OK);
    registry.Set("Classes/Other", "", "kept");
    ASSERT_EQ(ModuleUnregisterServer(SonivelServer(), registry), S_OK);
    Guid clsid;
    EXPECT_EQ(CLSIDFromProgID(registry, "SONIVEL.SonivelCtrl", &clsid), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(TypeLibPath(registry, kLibId, 1, 0));
    for (const Guid& id : {kControlClsid, kGeneralPageClsid, kAboutPageClsid}) {
        EXPECT_FALSE(InprocServerPath(registry, id));
    }
    EXPECT_TRUE(registry.SubKeys(TypeLibKey(kLibId)).empty());
    EXPECT_EQ(registry.Get("Classes/Other", ""), "kept");
    EXPECT_EQ(ModuleUnregisterServer(SonivelServer(), registry), SELFREG_E_TYPELIB)
        << "the type library is no longer there to unregister";
}

TEST_F(RegistrationTest, AStoreThatCannotBeWrittenFailsTheTypeLibraryStep) {
    wavtest::WriteFile(dir / "blocker", "a file where a folder should be");
    settings::Store broken(dir / "blocker" / "registry.ini");
    EXPECT_EQ(ModuleRegisterServer(SonivelServer(), broken, library), SELFREG_E_TYPELIB);
}

TEST_F(RegistrationTest, FactoriesMakeTheControlAndItsPages) {
    const ServerModule& module = SonivelServer();
    ASSERT_EQ(module.factories.size(), 3u);
    EXPECT_STREQ(module.factories[0].Entry().factoryName, "SONIVEL.SonivelCtrl");
    EXPECT_STREQ(module.factories[1].Entry().factoryName, "SONIVEL.SonivelPropPage.1");
    EXPECT_STREQ(module.factories[2].Entry().factoryName, "CAboutPropPage0.CAboutPropPage");

    EXPECT_EQ(ModuleCanUnloadNow(), S_OK);
    Ref<IClassFactory> factory;
    ASSERT_EQ(ModuleGetClassObject(module, kControlClsid, IClassFactory::kIid, factory.PutVoid()),
              S_OK);
    EXPECT_EQ(ModuleCanUnloadNow(), S_FALSE) << "a held factory keeps the library";
    Ref<IDispatch> control;
    ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::kIid, control.PutVoid()), S_OK);
    factory.Reset();
    EXPECT_EQ(ModuleCanUnloadNow(), S_FALSE) << "a live control keeps the library";
    control.Reset();
    EXPECT_EQ(ModuleCanUnloadNow(), S_OK);

    const std::pair<Guid, std::pair<const char*, std::uint32_t>> pages[] = {
        {kGeneralPageClsid, {"General", 101}}, {kAboutPageClsid, {"About", 202}}};
    for (const auto& [clsid, expected] : pages) {
        ASSERT_EQ(ModuleGetClassObject(module, clsid, IClassFactory::kIid, factory.PutVoid()),
                  S_OK);
        Ref<IPropertyPage> page;
        ASSERT_EQ(factory->CreateInstance(nullptr, IPropertyPage::kIid, page.PutVoid()), S_OK);
        PageInfo info;
        page->GetPageInfo(&info);
        EXPECT_EQ(info.caption, expected.first);
        ASSERT_NE(info.dialog, nullptr);
        EXPECT_EQ(info.dialog->id, expected.second);
    }
    EXPECT_EQ(ModuleGetClassObject(module, kLibId, IClassFactory::kIid, factory.PutVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(RegistrationTest, TheGeneralPageSaysWhenItsMethodsWork) {
    Ref<IClassFactory> factory;
    ModuleGetClassObject(SonivelServer(), kGeneralPageClsid, IClassFactory::kIid,
                         factory.PutVoid());
    Ref<IPropertyPage> page;
    factory->CreateInstance(nullptr, IPropertyPage::kIid, page.PutVoid());
    PageInfo info;
    page->GetPageInfo(&info);
    EXPECT_EQ(info.dialog->width, 250);
    EXPECT_EQ(info.dialog->height, 62);
    ASSERT_EQ(info.dialog->items.size(), 1u);
    EXPECT_STREQ(info.dialog->items[0].text,
                 "The general Properties/Methods of the Morvane Wave OCX control are available "
                 "only during run-time.");
}

TEST_F(RegistrationTest, LibraryEndDeletesTheClipboardFile) {
    const auto clip = dir / "clp1234.tmp";
    wavtest::WriteFile(clip, "bytes");
    std::snprintf(g_szClipFile, sizeof g_szClipFile, "%s", clip.c_str());
    ModuleEnd();
    EXPECT_FALSE(std::filesystem::exists(clip));
    ModuleStart();
    EXPECT_STREQ(g_szClipFile, "");
    ModuleEnd();
}

}  // namespace
}  // namespace sonivel
