#include "report/memo_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Estimated measure at 10 pt: lines of 15.24 units.
constexpr double kLine = 15.24;

struct ShortMemoCase {
    const char *what;
    int32_t alignment;
    int32_t width, height;
    const char *text;
    uint8_t style;    // expected Style of the one line
    float x, y, w, h; // expected box: the memo's own
};

} // namespace

TEST(MemoLayout, AMemoLowerThanOneLinePrintsItsFirstLineClippedToItsFrame)
{
    const ShortMemoCase cases[] = {
        {"top", frtaLeft, 100, 10, "12.34", frtaLeft | kTextAcrossTop, 5, 7, 100, 10},
        {"middle", frtaRight | frtaMiddle, 100, 10, "12.34", frtaRight, 5, 7, 100, 10},
        {"bottom", frtaCenter | frtaDown, 100, 10, "12.34", frtaCenter | kTextAcrossBottom, 5, 7, 100, 10},
        {"only the first of two lines", frtaLeft | frtaMiddle, 100, 15, "first\nsecond", frtaLeft, 5, 7, 100,
         15},
        {"wrapped", frtaLeft, 40, 12, "aaaa bbbb", frtaLeft | kTextAcrossTop, 5, 7, 40, 12},
        {"vertical", frtaLeft | frtaVertical, 9, 60, "1/11", frtaLeft | kTextVertical | kTextAcrossTop, 5, 7,
         9, 60},
    };
    for (const ShortMemoCase &c : cases) {
        SCOPED_TRACE(c.what);
        TfrView memo = MakeMemo("M", 0, 0, c.width, c.height, c.text);
        memo.Font.Size = 10;
        memo.Alignment = c.alignment;
        if (std::string(c.what) == "wrapped")
            memo.Flags = flWordWrap;
        std::vector<TfrPreparedItem> out;
        LayoutMemo(memo, 5, 7, c.text, 3, EstimatedTextMeasure(), out);
        ASSERT_EQ(out.size(), 1u);
        const std::string first = std::string(c.text).substr(0, std::string(c.text).find_first_of("\n "));
        EXPECT_EQ(out[0].Text, first);
        EXPECT_EQ(out[0].Style, c.style);
        EXPECT_EQ(out[0].Index, 3);
        EXPECT_FLOAT_EQ(out[0].X, c.x);
        EXPECT_FLOAT_EQ(out[0].Y, c.y);
        EXPECT_FLOAT_EQ(out[0].W, c.w);
        EXPECT_FLOAT_EQ(out[0].H, c.h);
    }
}

TEST(MemoLayout, LinesAfterTheFirstStillNeedTheirWholeHeight)
{
    TfrView memo = MakeMemo("M", 0, 0, 100, 2 * kLine + 5, "one\ntwo\nthree");
    memo.Font.Size = 10;
    std::vector<TfrPreparedItem> out;
    LayoutMemo(memo, 0, 0, memo.Memo, 0, EstimatedTextMeasure(), out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].Text, "two");
    EXPECT_NEAR(out[1].Y, kLine, 1e-4);
    EXPECT_NEAR(out[1].H, kLine, 1e-4); // whole lines keep their own height and style
    EXPECT_EQ(out[1].Style, frtaLeft);
}

TEST(MemoLayout, NothingToPrintInAnEmptyOrFlatMemo)
{
    for (const auto &[height, text] : {std::pair<int32_t, const char *>{10, ""}, {0, "12"}}) {
        TfrView memo = MakeMemo("M", 0, 0, 100, height, text);
        memo.Font.Size = 10;
        std::vector<TfrPreparedItem> out;
        LayoutMemo(memo, 0, 0, text, 0, EstimatedTextMeasure(), out);
        EXPECT_TRUE(out.empty()) << height << " '" << text << "'";
    }
}
