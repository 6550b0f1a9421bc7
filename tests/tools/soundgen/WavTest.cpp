#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "CanonicalWav.h"
#include "tools/soundgen/Wav.h"

namespace soundgen {
namespace {

TEST(EncodeWav, WritesTheCanonicalHeaderByteForByte) {
    const std::vector<float> samples = {0.0F, 0.0F, 0.0F};
    const std::vector<std::uint8_t> bytes = EncodeWav(samples, 22050);
    const std::vector<std::uint8_t> header = {
        'R', 'I', 'F', 'F', 42, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
        ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x22, 0x56, 0,   0,   0x44, 0xAC,
        0,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  6,    0,   0,   0};
    ASSERT_EQ(bytes.size(), 50U);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 44), header);
}

TEST(EncodeWav, StoresRoundedLittleEndianSamples) {
    const std::vector<float> samples = {1.0F, -1.0F, 0.5F, -0.25F, 1.0F / 65534.0F};
    const std::vector<std::uint8_t> bytes = EncodeWav(samples, 8000);
    const std::vector<std::uint8_t> data(bytes.begin() + 44, bytes.end());
    // 32767, -32767, 16384 (16383.5 rounds away from zero), -8192, 1 (0.5 rounds up).
    const std::vector<std::uint8_t> expected = {0xFF, 0x7F, 0x01, 0x80, 0x00,
                                                0x40, 0x00, 0xE0, 0x01, 0x00};
    EXPECT_EQ(data, expected);
    const test::CanonicalWav wav = test::ParseCanonicalWav(bytes);
    EXPECT_EQ(wav.sampleRate, 8000U);
    EXPECT_EQ(wav.byteRate, 16000U);
    EXPECT_EQ(wav.samples.size(), samples.size());
}

TEST(EncodeWav, RefusesSamplesItWouldHaveToClip) {
    for (const float bad : {1.0001F, -1.5F, std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()}) {
        const std::vector<float> samples = {0.0F, bad};
        EXPECT_THROW(EncodeWav(samples, 22050), std::domain_error) << bad;
    }
}

TEST(EncodeWav, EmptySignalIsAValidFileWithNoData) {
    const test::CanonicalWav wav = test::ParseCanonicalWav(EncodeWav({}, 22050));
    EXPECT_TRUE(wav.samples.empty());
}

}  // namespace
}  // namespace soundgen
