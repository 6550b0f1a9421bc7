// GUID text, result names and the conversions of automation values.
#include <gtest/gtest.h>

#include "platform/automation/Guid.h"
#include "platform/automation/Result.h"
#include "platform/automation/Variant.h"

namespace automation {
namespace {

TEST(GuidTest, ParsesAndFormatsTheBracedForm) {
    constexpr Guid guid = MakeGuid("{b8bce199-0ff4-4b38-87a6-70ce8f9b3266}");
    static_assert(guid.data1 == 0xB8BCE199 && guid.data4[7] == 0x66);
    EXPECT_EQ(guid.ToString(), "{B8BCE199-0FF4-4B38-87A6-70CE8F9B3266}");
    EXPECT_EQ(Guid::Parse("B8BCE199-0FF4-4B38-87A6-70CE8F9B3266"), guid);
    EXPECT_EQ(Guid::Parse(guid.ToString()), guid);
}

TEST(GuidTest, RejectsMalformedText) {
    for (const char* bad :
         {"", "{}", "{B8BCE199-0FF4-4B38-87A6-70CE8F9B326}",
          "{B8BCE199-0FF4-4B38-87A6-70CE8F9B32666}", "B8BCE199-0FF4-4B38-87A6-70CE8F9B3266}",
          "{B8BCE199 0FF4-4B38-87A6-70CE8F9B3266}", "{G8BCE199-0FF4-4B38-87A6-70CE8F9B3266}"}) {
        EXPECT_FALSE(Guid::Parse(bad)) << bad;
    }
}

TEST(ResultTest, NamesKnownCodesAndHexForOthers) {
    EXPECT_EQ(ResultName(DISP_E_MEMBERNOTFOUND), "DISP_E_MEMBERNOTFOUND");
    EXPECT_EQ(ResultName(SELFREG_E_CLASS), "SELFREG_E_CLASS");
    EXPECT_EQ(ResultName(0x12345), "0x00012345");
    EXPECT_EQ(static_cast<std::uint32_t>(SELFREG_E_TYPELIB), 0x80040200u);
    EXPECT_TRUE(Failed(REGDB_E_CLASSNOTREG));
    EXPECT_TRUE(Succeeded(S_FALSE));
}

Variant Convert(const Variant& from, VarType to, HResult expected = S_OK) {
    Variant out;
    EXPECT_EQ(from.ChangeType(to, out), expected) << VarTypeName(to);
    return out;
}

TEST(VariantTest, NumbersConvertWithRangeChecks) {
    EXPECT_EQ(Convert(Variant(123), VarType::Short), Variant(std::int16_t{123}));
    Convert(Variant(40000), VarType::Short, DISP_E_OVERFLOW);
    EXPECT_EQ(Convert(Variant(2.5f), VarType::Long), Variant(2)) << "half to even";
    EXPECT_EQ(Convert(Variant(3.5f), VarType::Long), Variant(4));
    EXPECT_EQ(Convert(Variant(true), VarType::Long), Variant(-1));
    EXPECT_EQ(Convert(Variant(0), VarType::Bool), Variant(false));
    EXPECT_EQ(Convert(Variant(std::int16_t{-2}), VarType::Bool), Variant(true));
    EXPECT_EQ(Convert(Variant(), VarType::Long), Variant(0));
    EXPECT_EQ(Convert(Variant(7), VarType::Float), Variant(7.0f));
}

TEST(VariantTest, TextConvertsOnlyWhenItIsANumber) {
    EXPECT_EQ(Convert(Variant(" 42 "), VarType::Long), Variant(42));
    EXPECT_EQ(Convert(Variant("-1"), VarType::Long), Variant(-1));
    EXPECT_EQ(Convert(Variant("0.5"), VarType::Float), Variant(0.5f));
    EXPECT_EQ(Convert(Variant("TRUE"), VarType::Bool), Variant(true));
    Convert(Variant("42x"), VarType::Long, DISP_E_TYPEMISMATCH);
    Convert(Variant(""), VarType::Short, DISP_E_TYPEMISMATCH);
    Convert(Variant("99999999999"), VarType::Long, DISP_E_OVERFLOW);
    EXPECT_EQ(Convert(Variant(-12), VarType::String), Variant("-12"));
    EXPECT_EQ(Convert(Variant(false), VarType::String), Variant("False"));
}

TEST(VariantTest, ArraysByReferenceConvertToNothingElse) {
    std::int16_t samples[3] = {};
    const Variant ref(samples);
    EXPECT_EQ(Convert(ref, VarType::ShortRef).ShortRef(), samples);
    Convert(ref, VarType::Long, DISP_E_TYPEMISMATCH);
    Convert(Variant(5), VarType::ShortRef, DISP_E_TYPEMISMATCH);
}

}  // namespace
}  // namespace automation
