#include "generator_test_support.h"

#include "generator/selection_text.h"

#include <gtest/gtest.h>

TEST(SelectionText, RunsOfThreeOrMoreBecomeRanges)
{
    const BetMask selection = MaskOf({1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 20, 21, 50}, {1, 2, 3, 9});
    EXPECT_EQ(SelectionValuesText(selection, 1), "1-6,8,10-12,20,21,50");
    EXPECT_EQ(SelectionValuesText(selection, 2), "1-3,9");
    EXPECT_EQ(SelectionValuesText(0, 1), "");
    EXPECT_EQ(SelectionValuesText(kNumberBits | kStarBits, 1), "1-50");
    EXPECT_EQ(SelectionValuesText(kNumberBits | kStarBits, 2), "1-9");
    EXPECT_EQ(SelectionValuesText(selection, 3), "");
}

TEST(SelectionText, ParsesWhatItWritesAndWhatUsersType)
{
    const BetMask selection = MaskOf({1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 20, 21, 50}, {1, 2, 3, 9});
    EXPECT_EQ(ParseSelectionValues(SelectionValuesText(selection, 1), 1), selection & kNumberBits);
    EXPECT_EQ(ParseSelectionValues(SelectionValuesText(selection, 2), 2), selection & kStarBits);
    EXPECT_EQ(ParseSelectionValues(" 3 ; 5,7-9  1", 1), MaskOf({1, 3, 5, 7, 8, 9}, {}));
    EXPECT_EQ(ParseSelectionValues("", 2), BetMask{0});
    EXPECT_EQ(ParseSelectionValues("2,2,1-2", 2), MaskOf({}, {1, 2}));
}

TEST(SelectionText, RefusesWhatIsNotAValueOrARangeOfTheBlock)
{
    for (const char *text : {"0", "51", "1-51", "5-1", "a", "1-", "-3", "1--3", "1-2-3", "0001", "4x", "+3"})
        EXPECT_FALSE(ParseSelectionValues(text, 1)) << text;
    EXPECT_FALSE(ParseSelectionValues("10", 2));
    EXPECT_FALSE(ParseSelectionValues("1-10", 2));
    EXPECT_FALSE(ParseSelectionValues("1", 0));
}
