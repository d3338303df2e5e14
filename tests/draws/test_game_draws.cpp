// Each game's archive takes only its own days, and the prize check of the
// whole classic game.
#include "current_edition_support.h"
#include "draws/draw_history_import.h"
#include "draws/draw_rules.h"
#include "draws/prize_scan.h"
#include "history_csv_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string ErrorOf(TSorteosEuroMillon &archive, const TSorteoEuroMillonInfo &draw)
{
    try {
        archive.AddSorteo(draw);
    } catch (const EDrawGameDateError &error) {
        return error.Message();
    }
    return "taken";
}

} // namespace

TEST(GameDraws, SixHistoriesInTheClassicGameGiveTheClassicDrawsOnly)
{
    TSorteosEuroMillon sorteos;
    const TImportReport informe = ImportDrawFiles(ShippedHistories(), sorteos);
    EXPECT_TRUE(informe.Errores.empty());
    ASSERT_EQ(sorteos.Count(), 378);
    EXPECT_EQ(informe.Resultado.Anadidos, 378);
    EXPECT_EQ(informe.Resultado.DelJuegoActual, 1947 - 378);
    EXPECT_EQ(informe.Resultado.Descartados, 0);
    EXPECT_EQ(FormatFechaIso(sorteos.Sorteo(0).FechaSorteo), "2011-05-06");
    EXPECT_EQ(FormatFechaIso(sorteos.Sorteo(377).FechaSorteo), "2004-02-13");

    // The strict import the build makes the shipped archive with agrees.
    TTempFolder folder;
    const TImportResult strict = ImportHistoriesCsv(ShippedHistories(), folder.Path("c.emx"));
    EXPECT_EQ(strict.Anadidos, 378);
    EXPECT_EQ(strict.DelJuegoActual, 1947 - 378);
}

TEST(GameDraws, NoArchiveTakesADrawBeforeTheFirstAndTheClassicOneNoneAfterItsLast)
{
    struct TCase {
        TGameEdition Edition;
        double Fecha;
        std::string Expected;
    };
    const std::vector<TCase> cases{
        {TGameEdition::Classic, DayOf(1990, 2, 16),
         "El sorteo del 16/02/1990 es anterior al primer sorteo de EuroMillones (13/02/2004)"},
        {TGameEdition::Current, DayOf(1990, 2, 16),
         "El sorteo del 16/02/1990 es anterior al primer sorteo de EuroMillones (13/02/2004)"},
        {TGameEdition::Classic, DayOf(2004, 2, 12),
         "El sorteo del 12/02/2004 es anterior al primer sorteo de EuroMillones (13/02/2004)"},
        {TGameEdition::Classic, DayOf(2004, 2, 13), "taken"},
        {TGameEdition::Classic, DayOf(2011, 5, 6), "taken"},
        {TGameEdition::Classic, DayOf(2011, 5, 10),
         "El sorteo del 10/05/2011 es del juego actual: el juego clásico terminó con el sorteo del "
         "06/05/2011"},
        {TGameEdition::Current, DayOf(2011, 5, 10), "taken"},
        {TGameEdition::Current, DayOf(2026, 5, 19), "taken"},
    };
    for (const TCase &c : cases) {
        TSorteosEuroMillon archive(c.Edition);
        EXPECT_EQ(ErrorOf(archive, MakeDraw(c.Fecha, {1, 2, 3, 4, 5}, {1, 2})), c.Expected) << c.Fecha;
        EXPECT_EQ(archive.Count(), c.Expected == "taken" ? 1 : 0);
        EXPECT_THROW(archive.AddSorteos({MakeDraw(DayOf(1990, 2, 16), {1, 2, 3, 4, 5}, {1, 2})}),
                     EDrawGameDateError);
    }
}

TEST(GameDraws, HistoryRowsBeforeTheFirstDrawAreListed)
{
    std::istringstream input(Header() + Row("16/02/1990", "1;2;3;4;5", "1;2") +
                             Row("13/02/2004", "1;2;3;4;5", "1;2"));
    std::vector<TLineaErronea> errores;
    const TDrawHistory history = ReadHistoryCsv(input, "t.csv", errores, TGameEdition::Current);
    ASSERT_EQ(history.Sorteos.size(), 1u);
    ASSERT_EQ(errores.size(), 1u);
    EXPECT_EQ(errores[0],
              (TLineaErronea{2, "the draw of 1990-02-16 is before the game's first draw (2004-02-13)"}));
}

TEST(GameDraws, ARepeatedDayKeepsTheFirstRowAndASkippedRowTakesNoDay)
{
    // Line 2 is skipped for its stars, line 3 is the day's draw, line 4
    // repeats it; line 5 has a bad date and line 6 is then that day's draw.
    std::istringstream input(Header() + Row("20/02/2004", "1;2;3;4;5", "1;10") +
                             Row("20/02/2004", "6;7;8;9;10", "1;2") +
                             Row("20/02/2004", "11;12;13;14;15", "1;2") +
                             Row("32/02/2004", "1;2;3;4;5", "1;2") + Row("27/02/2004", "1;2;3;4;5", "1;2"));
    std::vector<TLineaErronea> errores;
    const TDrawHistory history = ReadHistoryCsv(input, "t.csv", errores);
    EXPECT_EQ(history.Descartados, 1);
    ASSERT_EQ(history.Sorteos.size(), 2u);
    EXPECT_EQ(history.Sorteos[0].Numeros[0], 6);
    ASSERT_EQ(errores.size(), 2u);
    EXPECT_EQ(errores[0],
              (TLineaErronea{4, "the draw of 2004-02-20 is already listed at line 3, which is kept"}));
    EXPECT_EQ(errores[1].Linea, 5);
}

TEST(GameDraws, TheWholeClassicGameAgainstOneDrawGivesTheCombinatorialCounts)
{
    // 76,275,360 bets, scanned a slice at a time (every bet of one lowest
    // number), against the draw of 13 February 2004.
    const std::vector<BetMask> draw{
        SimpleBetMask(std::vector<int32_t>{16, 29, 32, 36, 41}, std::vector<int32_t>{7, 9})};
    std::vector<BetMask> pairs;
    for (int s1 = 1; s1 <= 9; ++s1)
        for (int s2 = s1 + 1; s2 <= 9; ++s2)
            pairs.push_back(StarBit(s1) | StarBit(s2));
    std::array<uint64_t, kNumCategorias + 1> counts{};
    uint64_t bets = 0, hits = 0;
    std::vector<BetMask> slice;
    for (int a = 1; a <= 46; ++a) {
        slice.clear();
        for (int b = a + 1; b <= 47; ++b)
            for (int c = b + 1; c <= 48; ++c)
                for (int d = c + 1; d <= 49; ++d)
                    for (int e = d + 1; e <= 50; ++e) {
                        const BetMask numbers =
                            NumberBit(a) | NumberBit(b) | NumberBit(c) | NumberBit(d) | NumberBit(e);
                        for (BetMask stars : pairs)
                            slice.push_back(numbers | stars);
                    }
        TPrizeScan scan;
        scan.Run(slice, draw);
        bets += slice.size();
        hits += scan.Count();
        for (int c = 1; c <= kNumCategorias; ++c)
            counts[static_cast<size_t>(c)] += scan.HitsOf(0, c);
    }
    EXPECT_EQ(bets, 76275360u);
    const std::array<uint64_t, kNumCategorias + 1> expected{
        0, 1, 14, 21, 225, 3150, 4725, 9900, 138600, 141900, 207900, 744975, 1986600};
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(hits, 3238011u);
}
