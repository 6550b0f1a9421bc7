// Creating objects through the registry and from a library file, loading type libraries, and
// unloading servers, with a small server library built for the purpose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/automation/Dispatch.h"
#include "platform/automation/ObjectLoader.h"
#include "platform/automation/Registry.h"
#include "tests/platform/automation/TestServerIds.h"
#include "tests/platform/files/ScopedFifo.h"
#include "tests/platform/files/TimeOf.h"

namespace automation {
namespace {

class LoaderTest : public ::testing::Test {
protected:
    // A private configuration folder, so servers register into a store of the test's own.
    static std::filesystem::path MakeConfigHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "loader.XXXXXX").string();
        std::filesystem::path home = mkdtemp(pattern.data());
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        return home;
    }
    void TearDown() override { std::filesystem::remove_all(m_config); }

    std::int32_t Add(IDispatch& counter, std::int32_t amount) {
        const Variant args[] = {Variant(amount)};
        Variant result;
        EXPECT_EQ(counter.Invoke(1, args, &result), S_OK);
        return result.Long();
    }

    const std::filesystem::path m_config = MakeConfigHome();
    const std::filesystem::path m_server = TEST_SERVER_PATH;
    settings::Store m_registry{settings::Store::DefaultPath()};
};

TEST_F(LoaderTest, RegisteredClassesAreCreatedByProgIdAndUnregisteredOnesAreNot) {
    ObjectLoader loader(m_registry);
    Guid clsid;
    EXPECT_EQ(CLSIDFromProgID(m_registry, testserver::kProgId, &clsid), REGDB_E_CLASSNOTREG);
    ASSERT_EQ(RegisterServer(m_server), S_OK);
    ASSERT_EQ(CLSIDFromProgID(m_registry, testserver::kProgId, &clsid), S_OK);
    EXPECT_EQ(clsid, testserver::kClsid);
    {
        Ref<IDispatch> counter;
        ASSERT_EQ(loader.CreateInstance(clsid, IDispatch::kIid, counter.PutVoid()), S_OK);
        EXPECT_EQ(Add(*counter, 2), 2);
        EXPECT_EQ(Add(*counter, 3), 5);
    }
    TypeLib typeLib;
    ASSERT_EQ(loader.LoadRegTypeLib(testserver::kLibId, 2, 1, &typeLib), S_OK);
    EXPECT_STREQ(typeLib.info->name, "CounterLib");
    EXPECT_EQ(loader.LoadRegTypeLib(testserver::kLibId, 1, 0, &typeLib), TYPE_E_LIBNOTREGISTERED);

    ASSERT_EQ(UnregisterServer(m_server), S_OK);
    Ref<IDispatch> counter;
    EXPECT_EQ(loader.CreateInstance(testserver::kClsid, IDispatch::kIid, counter.PutVoid()),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(loader.LoadRegTypeLib(testserver::kLibId, 2, 1, &typeLib), TYPE_E_LIBNOTREGISTERED);
}

TEST_F(LoaderTest, UnregisteredClassesComeFromTheGivenLibraryAndUnloadWhenUnused) {
    ObjectLoader loader(m_registry);
    Ref<IDispatch> counter;
    ASSERT_EQ(
        loader.CreateFromLibrary(m_server, testserver::kClsid, IDispatch::kIid, counter.PutVoid()),
        S_OK);
    EXPECT_EQ(Add(*counter, 4), 4);
    EXPECT_EQ(loader.LoadedLibraryCount(), 1u);
    loader.FreeUnusedLibraries();
    EXPECT_EQ(loader.LoadedLibraryCount(), 1u) << "an object of it is alive";
    counter.Reset();
    loader.FreeUnusedLibraries();
    EXPECT_EQ(loader.LoadedLibraryCount(), 0u);
}

TEST_F(LoaderTest, AStaleRegistrationFallsBackToTheGivenLibrary) {
    // Registered from a copy that was deleted since, as after an uninstall by hand.
    const std::filesystem::path moved = m_config / "moved.so";
    std::filesystem::copy_file(m_server, moved);
    ASSERT_EQ(RegisterServer(moved), S_OK);
    std::filesystem::remove(moved);
    ObjectLoader loader(m_registry);
    Ref<IDispatch> counter;
    ASSERT_EQ(
        loader.CreateFromLibrary(m_server, testserver::kClsid, IDispatch::kIid, counter.PutVoid()),
        S_OK);
    EXPECT_EQ(Add(*counter, 6), 6);
}

// A registered library path where a pipe now sits is no library: loading it must not wait for a
// writer that never comes.
TEST_F(LoaderTest, ARegisteredPathThatIsAFifoIsNotLoaded) {
    const std::filesystem::path moved = m_config / "moved.so";
    std::filesystem::copy_file(m_server, moved);
    ASSERT_EQ(RegisterServer(moved), S_OK);
    std::filesystem::remove(moved);
    const testing_support::ScopedFifo fifo(moved);
    ObjectLoader loader(m_registry);
    Ref<IDispatch> counter;
    HResult registered = S_OK;
    HResult fallback = E_FAIL;
    const auto took = testing_support::TimeOf([&] {
        registered = loader.CreateInstance(testserver::kClsid, IDispatch::kIid, counter.PutVoid());
        fallback = loader.CreateFromLibrary(m_server, testserver::kClsid, IDispatch::kIid,
                                            counter.PutVoid());
        EXPECT_EQ(RegisterServer(fifo.Path()), CO_E_DLLNOTFOUND);
    });
    EXPECT_LT(took, std::chrono::seconds(1));
    EXPECT_EQ(registered, CO_E_DLLNOTFOUND);
    EXPECT_EQ(fallback, S_OK) << "the library shipped beside the host";
}

TEST_F(LoaderTest, FailuresSayWhatWentWrong) {
    ObjectLoader loader(m_registry);
    Ref<IDispatch> object;
    EXPECT_EQ(loader.CreateFromLibrary(m_config / "none.so", testserver::kClsid, IDispatch::kIid,
                                       object.PutVoid()),
              CO_E_DLLNOTFOUND);
    EXPECT_EQ(loader.CreateFromLibrary(m_server, testserver::kDispatchIid, IDispatch::kIid,
                                       object.PutVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
    m_registry.Set(ProgIdKey("Broken") + "/CLSID", kDefaultValue, "not a guid");
    Guid clsid;
    EXPECT_EQ(CLSIDFromProgID(m_registry, "Broken", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(RegisterServer(m_config / "none.so"), CO_E_DLLNOTFOUND);
}

TEST_F(LoaderTest, ResourcesOfALibraryFile) {
    LibraryResources resources;
    ASSERT_EQ(ReadLibraryResources(m_server, &resources), S_OK);
    EXPECT_STREQ(resources.table->version->Find("FileVersion"), "2.1.0");
    EXPECT_STREQ(resources.table->version->Find("OLESelfRegister"), "");
    EXPECT_EQ(resources.table->version->Find("Comments"), nullptr);
    EXPECT_EQ(resources.table->LoadString(1), "Test Counter");
    EXPECT_EQ(resources.table->LoadString(2), "");
}

}  // namespace
}  // namespace automation
