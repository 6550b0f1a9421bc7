// The RIFF chunk walk and the canonical writer, against files built byte by byte here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mci/RiffChunks.h"
#include "tests/platform/mci/TestSupport.h"

namespace {

using mci_test::Bytes;

// The tags the walk visits, in order, and how it ended.
std::pair<std::vector<std::string>, riff::WalkEnd> Walk(const Bytes& file) {
    std::vector<std::string> tags;
    const riff::WalkEnd end =
        riff::WalkChunks(riff::MemorySource(file), file.size(), [&](const riff::Chunk& chunk) {
            tags.emplace_back(chunk.tag, 4);
            return true;
        });
    return {tags, end};
}

// RIFF, WAVE, then each chunk as given: tag, declared size, body bytes.
Bytes Chunks(std::initializer_list<std::tuple<const char*, std::uint32_t, Bytes>> chunks) {
    Bytes file;
    mci_test::PutTag(file, "RIFF");
    mci_test::PutLe(file, 0, 4);
    mci_test::PutTag(file, "WAVE");
    for (const auto& [tag, size, body] : chunks) {
        mci_test::PutTag(file, tag);
        mci_test::PutLe(file, size, 4);
        for (const std::uint8_t byte : body) {
            file.push_back(byte);
        }
    }
    return file;
}

TEST(RiffChunksTest, WalksPaddedAndUnpaddedOddChunks) {
    using Tags = std::vector<std::string>;
    EXPECT_EQ(Walk(Chunks({{"fmt ", 2, {1, 2}}, {"LIST", 3, {7, 7, 7, 0}}, {"data", 2, {9, 9}}})),
              std::pair(Tags{"fmt ", "LIST", "data"}, riff::WalkEnd::EndOfFile));
    EXPECT_EQ(Walk(Chunks({{"LIST", 3, {7, 7, 7}}, {"data", 2, {9, 9}}})).first,
              (Tags{"LIST", "data"}))
        << "the pad byte left out";
    EXPECT_EQ(Walk(Chunks({{"LIST", 3, {7, 7, 7, 'x'}}, {"data", 2, {9, 9}}})).first,
              (Tags{"LIST", "data"}))
        << "a pad byte that is not zero";
    EXPECT_EQ(Walk(Chunks({{"LIST", 1, {7}}, {"abcd", 0, {}}})).first, (Tags{"LIST", "abcd"}))
        << "any chunk that makes sense without the pad byte";
}

TEST(RiffChunksTest, AChunkRunningPastTheEndEndsTheWalk) {
    const auto [tags, end] = Walk(Chunks({{"LIST", 0xFFFFFFF0, {1, 2}}, {"data", 2, {9, 9}}}));
    EXPECT_EQ(tags, std::vector<std::string>{"LIST"});
    EXPECT_EQ(end, riff::WalkEnd::Overrun);
    Bytes notWave = Chunks({});
    notWave[8] = 'X';
    EXPECT_EQ(Walk(notWave).second, riff::WalkEnd::NotWave);
    EXPECT_EQ(Walk({}).second, riff::WalkEnd::NotWave);
}

TEST(RiffChunksTest, DataBodyWithinTheWindowAndThePlainTagSearch) {
    Bytes list(20, 'x');
    mci_test::PutTag(list, "data");  // text inside the list, no chunk
    const Bytes file = Chunks({{"LIST", 24, list}, {"data", 2, {9, 9}}});
    EXPECT_EQ(riff::FindDataBody(riff::MemorySource(file), file.size(), 44), 52u);
    EXPECT_FALSE(riff::FindDataBody(riff::MemorySource(file), file.size(), 43));
    EXPECT_EQ(riff::SearchTag(file, "data"), 40u) << "the first occurrence, inside the list";
    EXPECT_FALSE(riff::SearchTag(file, "fmt "));
}

// The one writer of the canonical layout, against the tests' own independent writer.
TEST(RiffChunksTest, CanonicalHeaderOfEveryShape) {
    for (const mci_test::WaveSpec spec :
         {mci_test::WaveSpec{1, 8000, 8}, mci_test::WaveSpec{2, 44100, 16}}) {
        for (const std::size_t bytes : {std::size_t{0}, std::size_t{7}, std::size_t{40}}) {
            const Bytes samples(bytes, 3);
            const Bytes expected = mci_test::WaveBytes(spec, samples);
            const auto header =
                riff::CanonicalHeader({spec.channels, spec.rate, spec.bits}, samples.size());
            ASSERT_TRUE(header);
            EXPECT_EQ(Bytes(header->begin(), header->end()),
                      Bytes(expected.begin(), expected.begin() + 44));
        }
    }
    EXPECT_FALSE(riff::CanonicalHeader({1, 8000, 8}, 0xFFFFFFFFu - 36));
    EXPECT_TRUE(riff::CanonicalHeader({1, 8000, 8}, 0xFFFFFFFFu - 37));
}

}  // namespace
