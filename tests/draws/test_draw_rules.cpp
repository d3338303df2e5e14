#include "current_edition_support.h"
#include "draws/draw_rules.h"

#include <gtest/gtest.h>

TEST(DrawRules, CategoriesAndStarsFollowTheDateOnlyInTodaysGame)
{
    const TGameEdition classic = TGameEdition::Classic;
    const TGameEdition current = TGameEdition::Current;
    EXPECT_EQ(CategoriasSorteo(classic, DayOf(2026, 5, 19)), 12);
    EXPECT_EQ(EstrellaMaximaSorteo(classic, DayOf(2026, 5, 19)), 9);
    EXPECT_EQ(CategoriasSorteo(current, DayOf(2011, 5, 6)), 12);
    EXPECT_EQ(CategoriasSorteo(current, DayOf(2011, 5, 10)), 13);
    EXPECT_EQ(EstrellaMaximaSorteo(current, DayOf(2011, 5, 6)), 9);
    EXPECT_EQ(EstrellaMaximaSorteo(current, DayOf(2011, 5, 10)), 11);
    EXPECT_EQ(EstrellaMaximaSorteo(current, DayOf(2016, 9, 23)), 11);
    EXPECT_EQ(EstrellaMaximaSorteo(current, DayOf(2016, 9, 27)), 12);
}

TEST(DrawRules, TuesdaysAreDrawDaysOfTodaysGameFromMay2011)
{
    EXPECT_TRUE(EsDiaDeSorteo(TGameEdition::Classic, DayOf(2026, 5, 15)));  // Friday
    EXPECT_FALSE(EsDiaDeSorteo(TGameEdition::Classic, DayOf(2026, 5, 19))); // Tuesday
    EXPECT_TRUE(EsDiaDeSorteo(TGameEdition::Current, DayOf(2026, 5, 19)));
    EXPECT_TRUE(EsDiaDeSorteo(TGameEdition::Current, DayOf(2011, 5, 10)));
    EXPECT_FALSE(EsDiaDeSorteo(TGameEdition::Current, DayOf(2011, 5, 3)));  // a Tuesday before
    EXPECT_FALSE(EsDiaDeSorteo(TGameEdition::Current, DayOf(2026, 5, 18))); // Monday
    // From a Thursday: the Tuesday before in today's game, the Friday before in the classic one.
    EXPECT_EQ(UltimoDiaDeSorteo(TGameEdition::Current, DayOf(2026, 5, 21) + 0.75), DayOf(2026, 5, 19));
    EXPECT_EQ(UltimoDiaDeSorteo(TGameEdition::Classic, DayOf(2026, 5, 21)), DayOf(2026, 5, 15));
    EXPECT_EQ(UltimoDiaDeSorteo(TGameEdition::Current, DayOf(2011, 5, 9)), DayOf(2011, 5, 6));
}

TEST(DrawRules, PriceOfABetByDrawDateAndTheUsersPrice)
{
    const Currency dos = CurrencyFromUnits(2);
    const Currency dosCincuenta = 25000;
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Classic, DayOf(2026, 5, 19)), dos);
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Current, DayOf(2016, 9, 23)), dos);
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Current, DayOf(2016, 9, 24)), dosCincuenta);
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Current, DayOf(2026, 5, 19)), dosCincuenta);

    SetPrecioApuestaActual(PrecioDeTexto("3,50"));
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Current, DayOf(2026, 5, 19)), 35000);
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Current, DayOf(2016, 9, 23)), dos);
    EXPECT_EQ(PrecioApuestaSorteo(TGameEdition::Classic, DayOf(2026, 5, 19)), dos);
    SetPrecioApuestaActual(0);
    EXPECT_EQ(PrecioApuestaActual(), dosCincuenta);

    EXPECT_EQ(PrecioDeTexto("2.75"), 27500);
    EXPECT_EQ(PrecioDeTexto(""), 0);
    EXPECT_EQ(PrecioDeTexto("abc"), 0);
    EXPECT_EQ(PrecioDeTexto("-1"), 0);
    EXPECT_EQ(PrecioDeTexto("0"), 0);
}
