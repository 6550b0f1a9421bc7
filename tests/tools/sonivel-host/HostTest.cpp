// The sonivel-host program with the built SONIVEL.OCX, in a private registry.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class HostTest : public ::testing::Test {
protected:
    HostTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "host.XXXXXX").string();
        m_dir = mkdtemp(pattern.data());
    }
    ~HostTest() override { std::filesystem::remove_all(m_dir); }

    // Runs the host with its own configuration folder; returns its output and sets m_status.
    std::string Host(const std::string& arguments, const std::string& script = {}) {
        const auto scriptFile = m_dir / "script.txt";
        std::ofstream(scriptFile) << script;
        const std::string command = "XDG_CONFIG_HOME='" + m_dir.string() +
                                    "' SDL_AUDIODRIVER=dummy '" SONIVEL_HOST "' " + arguments +
                                    " < '" + scriptFile.string() + "'";
        FILE* pipe = popen(command.c_str(), "r");
        std::string output;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            output += buffer;
        }
        m_status = WEXITSTATUS(pclose(pipe));
        return output;
    }

    std::filesystem::path m_dir;
    int m_status = -1;
    const std::string m_library = SONIVEL_OCX;
};

TEST_F(HostTest, RegisteredControlIsCreatedByProgIdUntilUnregistered) {
    const std::string script =
        "create s SONIVEL.SonivelCtrl\ncall s GetErrorCode\ncall s 18\nrelease s\n";
    EXPECT_EQ(Host("register " + m_library),
              "{\"register\":\"" + m_library + "\",\"hr\":\"S_OK\"}\n");
    EXPECT_EQ(m_status, 0);
    EXPECT_EQ(Host("run", script),
              "{\"created\":\"s\",\"clsid\":\"{EF59F42E-C798-4FCB-A7CA-2608338B2302}\"}\n"
              "{\"call\":\"GetErrorCode\",\"object\":\"s\",\"hr\":\"S_OK\",\"result\":0}\n"
              "{\"call\":\"18\",\"object\":\"s\",\"hr\":\"S_OK\",\"result\":\"\",\"errorCode\":0}\n"
              "{\"released\":\"s\"}\n");
    EXPECT_EQ(m_status, 0);

    Host("unregister " + m_library);
    EXPECT_EQ(m_status, 0);
    EXPECT_EQ(Host("run", script).substr(0, 82),
              "{\"line\":1,\"error\":\"unknown ProgID SONIVEL.SonivelCtrl\",\"hr\":"
              "\"REGDB_E_CLASSNOTREG\"}");
    EXPECT_EQ(m_status, 1);
}

TEST_F(HostTest, RegistrationFreeCreationFromTheLibrary) {
    const std::string output =
        Host("run", "create s SONIVEL.SonivelCtrl --library " + m_library +
                        "\ncall s Play -1 -1 false\ncall s GetErrorMessage\n");
    EXPECT_NE(output.find("{\"created\":\"s\""), std::string::npos) << output;
    EXPECT_NE(output.find("\"call\":\"GetErrorMessage\",\"object\":\"s\",\"hr\":\"S_OK\""),
              std::string::npos)
        << output;
}

TEST_F(HostTest, VersionAndUsage) {
    const std::string version = Host("version " + m_library);
    EXPECT_NE(version.find("\"fileVersion\":\"1.0.0.1\""), std::string::npos) << version;
    EXPECT_NE(version.find("\"FileDescription\":\"SONIVEL OLE Control DLL\""), std::string::npos);
    Host("frobnicate");
    EXPECT_EQ(m_status, 2);
    Host("register " + (m_dir / "missing.OCX").string());
    EXPECT_EQ(m_status, 1);
}

}  // namespace
