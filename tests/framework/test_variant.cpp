#include "framework/variant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(VariantText, DatesFromYearOneToYear9999)
{
    EXPECT_EQ(DateTimeText(0), "30/12/1899");
    EXPECT_EQ(DateTimeText(-693593), "01/01/0001");
    EXPECT_EQ(DateTimeText(2958465.5), "31/12/9999 12:00:00");
    EXPECT_EQ(DateTimeText(-693594), std::nullopt);
    EXPECT_EQ(DateTimeText(2958466), std::nullopt);
    EXPECT_EQ(DateTimeText(60.999999), "28/02/1900 23:59:59");
    EXPECT_EQ(DateTimeText(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    for (double day = -693593; day < 2958466; day += 997.25) {
        auto text = DateTimeText(day);
        ASSERT_TRUE(text) << day;
        EXPECT_EQ(ParseDateTimeText(*text), day) << *text;
    }
    EXPECT_EQ(ParseDateTimeText("29/02/2023"), std::nullopt);
    EXPECT_EQ(ParseDateTimeText("29/02/2024"), 45351);
    EXPECT_EQ(ParseDateTimeText("01/01/2024 24:00:00"), std::nullopt);
    EXPECT_EQ(ParseDateTimeText("01/01/2024 x"), std::nullopt);
}

TEST(VariantText, NumbersAndConversions)
{
    EXPECT_EQ(CurrencyText(-12345), "-1.2345");
    EXPECT_EQ(CurrencyText(20000), "2");
    EXPECT_EQ(CurrencyText(INT64_MIN), "-922337203685477.5808");
    EXPECT_EQ(Variant(1e20).Text(), "1e+20");
    EXPECT_EQ(Variant::Byte(255).Text(), "255");
    EXPECT_EQ(Variant().Text(), "");
    EXPECT_EQ(Variant::Null().Text(), "");
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant(" 7 ").AsInteger(), 7);
    EXPECT_EQ(Variant("7x").AsInteger(), std::nullopt);
    EXPECT_EQ(Variant::Int64(1LL << 40).AsInteger(), std::nullopt);
    EXPECT_EQ(Variant("FALSE").AsBoolean(), false);
    EXPECT_EQ(Variant("0.5").AsBoolean(), true);
    EXPECT_EQ(Variant::Null().AsBoolean(), std::nullopt);
    EXPECT_EQ(Variant::Currency(15000).AsDateTime(), 1.5);
}
