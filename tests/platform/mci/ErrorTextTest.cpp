#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/mci/Mci.h"

namespace {

TEST(ErrorText, KnownCodesHaveTextsUnknownCodesDoNot) {
    char text[300];
    ASSERT_TRUE(mci::GetErrorString(mci::Ok, text, sizeof text));
    EXPECT_STREQ(text, "The specified command was carried out.");
    for (const mci::ErrorCode code :
         {257u, 259u, 261u, 262u, 263u, 264u, 268u, 270u, 273u, 274u, 275u, 276u, 282u, 286u,
          289u, 292u, 293u, 294u, 296u, 304u, 305u, 320u, 322u, 326u, 328u, 348u, 349u}) {
        EXPECT_TRUE(mci::GetErrorString(code, text, sizeof text)) << code;
        EXPECT_GT(std::strlen(text), 10u) << code;
    }
    EXPECT_FALSE(mci::GetErrorString(513, text, sizeof text));
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(mci::GetErrorString(0, text, 0));
}

TEST(ErrorText, TextsAreCutToTheBuffer) {
    char text[8];
    std::memset(text, 'x', sizeof text);
    ASSERT_TRUE(mci::GetErrorString(mci::ErrWaveOutputsInUse, text, 5));
    EXPECT_STREQ(text, "Ever");
    EXPECT_EQ(text[5], 'x');
}

}  // namespace
