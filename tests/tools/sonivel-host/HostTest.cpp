// The sonivel-host program with the built SONIVEL.OCX, in a private registry.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    // `prefix` goes before the host's path (a command that runs it).
    std::string Host(const std::string& arguments, const std::string& script = {},
                     const std::string& prefix = {}) {
        const auto scriptFile = m_dir / "script.txt";
        std::ofstream(scriptFile) << script;
        const std::string command = "XDG_CONFIG_HOME='" + m_dir.string() +
                                    "' SDL_AUDIODRIVER=dummy " + prefix + "'" SONIVEL_HOST "' " +
                                    arguments + " < '" + scriptFile.string() + "'";
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

// The control trusts the length a host gives with an array; the host checks it against its own
// array: a length beyond the array gives an error line for that call and the call is not made.
TEST_F(HostTest, AnArrayLengthBeyondTheArrayIsRefusedByTheHost) {
    const auto wav = m_dir / "tone.wav";
    std::string bytes = "RIFF";
    // 1000 frames of 16-bit mono, the header written word by word (little-endian).
    for (const std::uint32_t word : {36u + 2000u, 0x45564157u, 0x20746D66u, 16u, 0x00010001u, 8000u,
                                     16000u, 0x00100002u, 0x61746164u, 2000u}) {
        bytes.append(reinterpret_cast<const char*>(&word), 4);
    }
    bytes.append(2000, '\x11');
    std::ofstream(wav, std::ios::binary) << bytes;
    const std::string output = Host("run", "create s SONIVEL.SonivelCtrl --library " + m_library +
                                               "\ncall s Open \"" + wav.string() +
                                               "\"\narray a 10\ncall s WavFileToArray &a 1000\n"
                                               "print a\narray b 1\ncall s ArrayToWavFile &b 1000\n"
                                               "call s Save\narray c 1000\n"
                                               "call s ArrayToWavFile &c 1000\n");
    EXPECT_EQ(m_status, 1);
    EXPECT_NE(output.find("{\"line\":4,\"error\":\"ArrayLength 1000 exceeds the length 10 of "
                          "array a\"}\n{\"array\":\"a\",\"values\":[0,0,0,0,0,0,0,0,0,0]}"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("{\"line\":7,\"error\":\"ArrayLength 1000 exceeds the length 1 of "
                          "array b\"}"),
              std::string::npos)
        << output;
    std::ifstream in(wav, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              bytes)
        << "nothing of the host's memory went into the file";
    EXPECT_NE(output.find("\"call\":\"ArrayToWavFile\",\"object\":\"s\",\"hr\":\"S_OK\","
                          "\"result\":null,\"errorCode\":0"),
              std::string::npos)
        << "a length within the array goes through";
}

// An array the memory cannot hold is an error of that line, not the end of the host.
TEST_F(HostTest, AnArrayTooLargeForTheMemoryIsAnErrorLine) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's memory map does not fit an address-space limit";
#endif
    const std::string output =
        Host("run", "array a 2147483647\narray b 3\nprint b\n", "prlimit --as=1073741824 ");
    EXPECT_EQ(m_status, 1);
    EXPECT_EQ(output,
              "{\"line\":1,\"error\":\"no memory for an array of 2147483647 values\"}\n"
              "{\"array\":\"b\",\"values\":[0,0,0]}\n");
}

// Output that cannot be written (a full disk, a closed standard output) is an error the caller
// sees: the host says why and exits with 3.
TEST_F(HostTest, OutputThatCannotBeWrittenFailsTheRun) {
    const auto errors = m_dir / "errors.txt";
    const std::string script = "create s SONIVEL.SonivelCtrl --library " + m_library + "\n";
    Host("run > /dev/full 2> '" + errors.string() + "'", script);
    EXPECT_EQ(m_status, 3);
    std::ifstream full(errors);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(full), std::istreambuf_iterator<char>()),
              "sonivel-host: cannot write the output: No space left on device\n");

    Host("run >&- 2> '" + errors.string() + "'", script);
    EXPECT_EQ(m_status, 3);
    std::ifstream closed(errors);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(closed), std::istreambuf_iterator<char>()),
              "sonivel-host: cannot write the output: Bad file descriptor\n");

    Host("version " + m_library + " > /dev/full 2>/dev/null");
    EXPECT_EQ(m_status, 3);
}

}  // namespace
