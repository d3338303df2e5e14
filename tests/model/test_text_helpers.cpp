#include "model/cp1252.h"
#include "model/format.h"

#include <gtest/gtest.h>

TEST(FormatText, FillsIntegersAndTexts)
{
    EXPECT_EQ(FormatText("Máximo %d números en el bloque", {5}), "Máximo 5 números en el bloque");
    EXPECT_EQ(FormatText("%.2d.%.2d", {7, 12}), "07.12");
    EXPECT_EQ(FormatText("Cannot open file %s", {"/tmp/x.aem"}), "Cannot open file /tmp/x.aem");
    EXPECT_EQ(FormatText("100%% %d", {-3}), "100% -3");
    EXPECT_EQ(FormatText("[%4d|%-3s]", {42, "a"}), "[  42|a  ]");
}

TEST(FormatText, HostileTemplatesNeverMisbehave)
{
    EXPECT_EQ(FormatText("%s%s%d%n", {1}), "1%n");
    EXPECT_EQ(FormatText("%d", {"text"}), "text");
    EXPECT_EQ(FormatText("end %", {}), "end %");
    EXPECT_EQ(FormatText("%999999999999d", {1}).size() < 2000, true);
}

TEST(Cp1252, RoundTripsEveryByte)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, UnmappableAndBrokenUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp1252("€ñÿ"), "\x80\xF1\xFF");
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82"), "a??");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");
    EXPECT_EQ(Utf8ToCp1252("😀"), "?");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
}
