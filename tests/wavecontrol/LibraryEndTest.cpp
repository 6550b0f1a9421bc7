// SONIVEL.OCX in a host process of its own: the clipboard file a Copy makes is used across
// instances and is gone once the process has unloaded the library, with the working copies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/wavecontrol/WavFiles.h"

namespace {

TEST(LibraryEndTest, NoWorkingCopyOrClipboardOutlivesTheHost) {
    wavtest::TempDir dir;
    const auto tmp = dir / "tmp";
    std::filesystem::create_directory(tmp);
    const auto wav = dir / "tone.wav";
    wavtest::WriteFile(
        wav, wavtest::WavBytes(2, 16, 8000, 1000, [](std::uint32_t f, int) { return int(f); }));
    const auto script = dir / "edit.txt";
    std::ofstream(script) << "create a SONIVEL.SonivelCtrl --library " SONIVEL_OCX "\n"
                          << "create b SONIVEL.SonivelCtrl --library " SONIVEL_OCX "\n"
                          << "call a Open \"" << wav.string() << "\"\n"
                          << "call b Open \"" << wav.string() << "\"\n"
                          << "call a Copy 0 99\n"
                          << "release a\n"
                          << "call b Paste 500 500\n"
                          << "call b GetLength\n";
    const auto out = dir / "out.jsonl";
    const std::string command = "TMPDIR='" + tmp.string() + "' XDG_CONFIG_HOME='" +
                                dir.Path().string() + "' " SONIVEL_HOST " run '" + script.string() +
                                "' > '" + out.string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::ifstream in(out);
    const std::string printed((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_NE(
        printed.find(R"({"call":"Copy","object":"a","hr":"S_OK","result":null,"errorCode":0})"),
        std::string::npos)
        << printed;
    EXPECT_NE(
        printed.find(R"("call":"Paste","object":"b","hr":"S_OK","result":null,"errorCode":0)"),
        std::string::npos)
        << "another instance pastes what the released one copied";
    EXPECT_NE(printed.find(R"("call":"GetLength","object":"b","hr":"S_OK","result":1099)"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(tmp)) << "working copies and the clipboard are gone";
}

}  // namespace
