#include "draws/draw_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ErrorOf(const char *text)
{
    try {
        ImporteDeTexto(text);
    } catch (const EValorNoValido &error) {
        return error.Message();
    }
    return "no error";
}

} // namespace

TEST(EnteroDeTexto, SignedDecimalIntegers)
{
    EXPECT_EQ(EnteroDeTexto(""), 0);
    EXPECT_EQ(EnteroDeTexto("0"), 0);
    EXPECT_EQ(EnteroDeTexto("  42"), 42);
    EXPECT_EQ(EnteroDeTexto("-1"), -1);
    EXPECT_EQ(EnteroDeTexto("+7"), 7);
    EXPECT_EQ(EnteroDeTexto("2147483647"), 2147483647);
    EXPECT_EQ(EnteroDeTexto("-2147483648"), INT32_MIN);
}

TEST(EnteroDeTexto, AnythingElseIsError42100)
{
    for (const char *text :
         {"abc", "12a", " ", "-", "1 2", "3 ", "2147483648", "-2147483649", "99999999999999999999", "1.5"}) {
        try {
            EnteroDeTexto(text);
            ADD_FAILURE() << text;
        } catch (const EValorNoValido &error) {
            EXPECT_EQ(error.Message(), "Valor numérico no válido") << text;
        }
    }
}

TEST(AcertantesDeTexto, RefusesNegativeCounts)
{
    EXPECT_EQ(AcertantesDeTexto("3"), 3);
    EXPECT_EQ(AcertantesDeTexto(""), 0);
    EXPECT_THROW(AcertantesDeTexto("-3"), EValorNoValido);
}

TEST(ImporteDeTexto, EitherDecimalSeparator)
{
    EXPECT_EQ(ImporteDeTexto("1.234,56"), 12345600);
    EXPECT_EQ(ImporteDeTexto("1,234.56"), 12345600);
    EXPECT_EQ(ImporteDeTexto("1.234"), 12340000);
    EXPECT_EQ(ImporteDeTexto("1,234"), 12340000);
    EXPECT_EQ(ImporteDeTexto("12,5"), 125000);
    EXPECT_EQ(ImporteDeTexto("12.345,678"), 123456780000);
    EXPECT_EQ(ImporteDeTexto("100,005"), 1000050000);
    EXPECT_EQ(ImporteDeTexto("1.000.000"), 10000000000);
    EXPECT_EQ(ImporteDeTexto("1000,5"), 10005000);
    EXPECT_EQ(ImporteDeTexto(",05"), 500);
}

TEST(ImporteDeTexto, HyphenIsASeparatorNeverASign)
{
    EXPECT_EQ(ImporteDeTexto("-5"), 5000); // the decimal separator: 0.5
    EXPECT_EQ(ImporteDeTexto("-500"), 5000000);
    EXPECT_EQ(ImporteDeTexto("1-234"), 12340000);
    EXPECT_EQ(ImporteDeTexto("10-50"), 105000);
}

TEST(ImporteDeTexto, EmptyOrSeparatorsOnlyGiveZero)
{
    EXPECT_EQ(ImporteDeTexto(""), 0);
    EXPECT_EQ(ImporteDeTexto(","), 0);
    EXPECT_EQ(ImporteDeTexto("..."), 0);
}

TEST(ImporteDeTexto, OtherCharactersQuoteTheEnteredText)
{
    EXPECT_EQ(ErrorOf("12x"), "Valor numérico no válido \"12x\"");
    EXPECT_EQ(ErrorOf(" 12"), "Valor numérico no válido \" 12\"");
    EXPECT_EQ(ErrorOf("1e5"), "Valor numérico no válido \"1e5\"");
    EXPECT_EQ(ErrorOf("99999999999999999999"), "Valor numérico no válido \"99999999999999999999\"");
}

TEST(ParaPremios, HalfTheRevenueTiesToEven)
{
    EXPECT_EQ(ParaPremios(10000000000), 5000000000);
    EXPECT_EQ(ParaPremios(10005000), 5002500);
    EXPECT_EQ(ParaPremios(1), 0); // 0.00005 -> 0.0000
    EXPECT_EQ(ParaPremios(3), 2); // 0.00015 -> 0.0002
    EXPECT_EQ(ParaPremios(5), 2); // 0.00025 -> 0.0002
}

TEST(PorcentajesCategoria, AddUpToNinetyFour)
{
    Currency total = 0;
    for (int c = 1; c <= kNumCategorias; ++c)
        total += PorcentajesCategoria[c];
    EXPECT_EQ(total, 940000);
    EXPECT_EQ(PorcentajesCategoria[1], 320000);
    EXPECT_EQ(PorcentajesCategoria[12], 240000);
}

TEST(PremioPorAcertante, ShareDividedAmongWinners)
{
    const Currency fondo = 10000000000;                      // 1,000,000.00
    EXPECT_EQ(PremioPorAcertante(fondo, 1, 3), 1066666667);  // 106,666.6667
    EXPECT_EQ(PremioPorAcertante(fondo, 1, 0), 3200000000);  // 320,000.00
    EXPECT_EQ(PremioPorAcertante(fondo, 12, 0), 2400000000); // 240,000.00
    EXPECT_EQ(PremioPorAcertante(fondo, 2, 1), 740000000);
}

TEST(PremioPorAcertante, RoundsTiesToEven)
{
    // 0.0001 * 32 % = 0.000032; among winners it is below half a unit.
    EXPECT_EQ(PremioPorAcertante(1, 1, 1), 0);
    // 1.5625 * 32 % = 0.5; 0.5 / 10000 winners = 0.00005 -> 0.
    EXPECT_EQ(PremioPorAcertante(15625, 1, 10000), 0);
    // 4.6875 * 32 % = 1.5; / 10000 = 0.00015 -> 0.0002.
    EXPECT_EQ(PremioPorAcertante(46875, 1, 10000), 2);
}

TEST(PremioPorAcertante, HugeFundsDoNotWrap)
{
    EXPECT_EQ(PremioPorAcertante(INT64_MAX, 1, 0),
              DivideRoundingHalfEven(static_cast<__int128>(INT64_MAX) * 32, 100));
    EXPECT_EQ(PremioPorAcertante(INT64_MAX, 1, 1000),
              DivideRoundingHalfEven(static_cast<__int128>(INT64_MAX) * 320000, 100LL * 10000 * 1000));
    EXPECT_THROW(PremioPorAcertante(1, 13, 1), EListError);
}
