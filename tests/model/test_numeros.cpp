#include "model/numeros.h"

#include <gtest/gtest.h>

TEST(NumerosArray, AddKeepsItSortedWithoutRepeats)
{
    TEuroMillonNumeros array;
    EXPECT_TRUE(NumerosAdd(array, 30));
    EXPECT_TRUE(NumerosAdd(array, 4));
    EXPECT_FALSE(NumerosAdd(array, 30));
    EXPECT_TRUE(NumerosAdd(array, 12));
    EXPECT_EQ(array, (TEuroMillonNumeros{4, 12, 30}));
    EXPECT_EQ(NumerosIndexOf(array, 12), 1);
    EXPECT_EQ(NumerosIndexOf(array, 13), -1);
    EXPECT_EQ(NumerosToText(array), "4.12.30");
    NumerosClear(array);
    EXPECT_TRUE(array.empty());
    EXPECT_EQ(NumerosToText(array), "");
}

TEST(NumerosArray, IntersectSumAndParity)
{
    TEuroMillonNumeros source{9, 2, 7, 4}, filter{4, 9, 11}, result{1};
    NumerosIntersect(source, filter, result);
    EXPECT_EQ(result, (TEuroMillonNumeros{9, 4}));
    NumerosIntersect(source, filter, source);
    EXPECT_EQ(source, (TEuroMillonNumeros{9, 4}));

    TEuroMillonNumeros values{1, 2, 3, 4, 5};
    EXPECT_EQ(NumerosSum(values, 0, 4), 15);
    EXPECT_EQ(NumerosSum(values, -3, 99), 15);
    EXPECT_EQ(NumerosSum(values, 1, 2), 5);
    EXPECT_EQ(NumerosSum(values, 3, 2), 0);
    EXPECT_EQ(NumerosSum({}, 0, 0), 0);
    EXPECT_EQ(NumerosCountParity(values, true), 2);
    EXPECT_EQ(NumerosCountParity(values, false), 3);
    EXPECT_EQ(NumerosCountParity({-3, -2, 0}, false), 1);
}
