#include "draws/currency.h"
#include "draws/draw_date.h"
#include "model/prize_categories.h"

#include <gtest/gtest.h>

TEST(PrizeCategories, RowsInTheGamesOrder)
{
    const char *expected[] = {"5+2", "5+1", "5+0", "4+2", "4+1", "4+0",
                              "3+2", "3+1", "2+2", "3+0", "1+2", "2+1"};
    for (int c = 1; c <= kNumCategorias; ++c) {
        EXPECT_EQ(CategoriaTexto(c), expected[c - 1]);
        const TCategoriaPremio &row = CategoriasPremio[static_cast<size_t>(c - 1)];
        EXPECT_EQ(CategoriaPremio(row.Numeros, row.Estrellas), c);
    }
    EXPECT_EQ(CategoriaPremio(2, 2), 9);
    EXPECT_EQ(CategoriaPremio(3, 0), 10);
    EXPECT_EQ(CategoriaPremio(2, 0), -1);
    EXPECT_EQ(CategoriaPremio(1, 1), -1);
    EXPECT_EQ(CategoriaPremio(0, 2), -1);
    EXPECT_EQ(CategoriaPremio(6, 2), -1);
    EXPECT_EQ(CategoriaTexto(0), "");
    EXPECT_EQ(CategoriaTexto(13), "");
}

TEST(PrizeCategories, ArraysAreIndexedOneToTwelve)
{
    TPorCategoria<int> values;
    values[1] = 7;
    values[12] = 9;
    EXPECT_EQ(values.Valores.front(), 7);
    EXPECT_EQ(values.Valores.back(), 9);
    EXPECT_THROW(values[0], EListError);
    EXPECT_THROW(values[13], EListError);
}

TEST(Currency, FormatsWithGroupingAndTwoDecimals)
{
    EXPECT_EQ(FormatCurrency(0), "0.00");
    EXPECT_EQ(FormatCurrency(12345000), "1,234.50");
    EXPECT_EQ(FormatCurrency(-200000), "-20.00");
    EXPECT_EQ(FormatCurrency(CurrencyFromUnits(28772008)), "28,772,008.00");
    EXPECT_EQ(FormatCurrency(125), "0.01"); // 0.0125 rounds half away from zero
    EXPECT_EQ(FormatCurrency(-125), "-0.01");
    EXPECT_EQ(FormatCurrency(-49), "0.00"); // no minus on a zero shown
    EXPECT_EQ(FormatCurrency(INT64_MIN), "-922,337,203,685,477.58");
    EXPECT_EQ(FormatCurrency(INT64_MAX), "922,337,203,685,477.58");
}

TEST(Currency, ParsesPublishedAmountsExactly)
{
    Currency amount = 0;
    ASSERT_TRUE(ParseCurrency("47567,7", amount));
    EXPECT_EQ(amount, 475677000);
    ASSERT_TRUE(ParseCurrency("1 037 960", amount));
    EXPECT_EQ(amount, 10379600000);
    ASSERT_TRUE(ParseCurrency("93.4", amount));
    EXPECT_EQ(amount, 934000);
    ASSERT_TRUE(ParseCurrency("-0,0001", amount));
    EXPECT_EQ(amount, -1);
    ASSERT_TRUE(ParseCurrency("922337203685477,5807", amount));
    EXPECT_EQ(amount, INT64_MAX);
    for (const char *bad :
         {"", "-", ",", "1,2,3", "1.23456", "12a", "922337203685477,5808", "1e5", "9 9,9 9"})
        EXPECT_FALSE(ParseCurrency(bad, amount)) << bad;
}

TEST(Currency, ArithmeticIsCheckedAndPercentagesExact)
{
    EXPECT_EQ(AddCurrency(1, 2), 3);
    EXPECT_THROW(AddCurrency(INT64_MAX, 1), EIntOverflow);
    EXPECT_THROW(MultiplyCurrency(INT64_MAX / 2, 3), EIntOverflow);
    EXPECT_EQ(PercentageAbove(CurrencyFromUnits(30), CurrencyFromUnits(20)), CurrencyFromUnits(50));
    EXPECT_EQ(PercentageAbove(0, CurrencyFromUnits(20)), CurrencyFromUnits(-100));
    EXPECT_EQ(PercentageAbove(CurrencyFromUnits(1), CurrencyFromUnits(3)), -666667); // -66.66667 rounded
}

TEST(Currency, PercentageOfHugeAmountsOverflowsCleanly)
{
    EXPECT_THROW(PercentageAbove(INT64_MAX, 1), EIntOverflow);
}

TEST(DrawDate, WholeDaysWeekdaysAndIsoText)
{
    double fecha = 0;
    ASSERT_TRUE(EncodeFecha(2004, 3, 19, fecha));
    EXPECT_EQ(fecha, 38065);
    EXPECT_EQ(FormatFechaIso(38065.75), "2004-03-19");
    EXPECT_EQ(DiaDeLaSemana(38065), 5); // a Friday
    EXPECT_EQ(DiaEntero(38065.99), 38065);
    ASSERT_TRUE(ParseFechaIso("1899-12-30", fecha));
    EXPECT_EQ(fecha, 0);
    EXPECT_FALSE(ParseFechaIso("2004-02-30", fecha));
    EXPECT_FALSE(ParseFechaIso("2004-2-3", fecha));
    EXPECT_FALSE(ParseFechaIso("20040213", fecha));
    EXPECT_TRUE(FechaValida(kMinFecha));
    EXPECT_FALSE(FechaValida(kMaxFecha));
    EXPECT_FALSE(FechaValida(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(FechaValida(std::numeric_limits<double>::infinity()));
}
