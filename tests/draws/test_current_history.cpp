// The published histories read for today's game, and its default archive.
#include "current_edition_support.h"
#include "draws/draw_history_csv.h"
#include "draws/draw_history_import.h"
#include "draws/draw_rules.h"
#include "history_csv_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

// The column names of a file of 13 ranks, as the files since May 2011 have them.
std::string Header13()
{
    std::string header =
        "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;boule_4;"
        "boule_5;etoile_1;etoile_2";
    for (int k = 1; k <= 13; ++k) {
        const std::string rank = std::to_string(k);
        header += ";nombre_de_gagnant_au_rang" + rank + "_Euro_Millions_en_france;nombre_de_gagnant_au_rang" +
                  rank + "_Euro_Millions_en_europe;rapport_du_rang" + rank + "_Euro_Millions";
    }
    return header + ";\n";
}

// A row of 13 ranks: k winners in France, k * 10 in Europe, prize k,5.
std::string Row13(const std::string &date, const std::string &balls, const std::string &stars)
{
    std::string row = "26040;MARDI;" + date + ";" + balls + ";" + stars;
    for (int k = 1; k <= 13; ++k)
        row += ";" + std::to_string(k) + ";" + std::to_string(k * 10) + ";" + std::to_string(k) + ",5";
    return row + ";\n";
}

TDrawHistory ReadCurrent(const std::string &text)
{
    std::istringstream input(text);
    return ReadHistoryCsv(input, "test.csv", TGameEdition::Current);
}

std::string CurrentError(const std::string &text)
{
    try {
        ReadCurrent(text);
    } catch (const EHistorialError &error) {
        return error.Message();
    }
    return "no error";
}

// Every draw day of the official calendar from the first draw to the day.
std::vector<double> OfficialCalendar(double last)
{
    std::vector<double> days;
    for (double day = DayOf(2004, 2, 13); day <= last; day += 1)
        if (EsDiaDeSorteo(TGameEdition::Current, day))
            days.push_back(day);
    return days;
}

} // namespace

TEST(CurrentHistory, ThirteenthRankFromMay2011AndStarsUpToTheDatesHighest)
{
    TDrawHistory history = ReadCurrent(Header13() + Row13("19/05/2026", "12;2;45;38;20", "5;12") +
                                       Row13("06/05/2011", "1;2;3;4;5", "1;9"));
    ASSERT_EQ(history.Sorteos.size(), 2u);
    const THistoryDraw &today = history.Sorteos[0];
    EXPECT_EQ(today.Numeros, (std::array<int32_t, 5>{2, 12, 20, 38, 45}));
    EXPECT_EQ(today.Estrellas, (std::array<int32_t, 2>{5, 12}));
    EXPECT_EQ(today.Acertantes[13], 130);
    EXPECT_EQ(today.Premios[13], 135000);
    // The day before the change has twelve categories, whatever the file holds.
    EXPECT_EQ(history.Sorteos[1].Acertantes[12], 120);
    EXPECT_EQ(history.Sorteos[1].Acertantes[13], 0);
    EXPECT_EQ(history.Sorteos[1].Premios[13], 0);
    EXPECT_EQ(history.Descartados, 0);
}

TEST(CurrentHistory, ClassicReadingOfTheSameFileCountsTodaysDrawsApart)
{
    // After 6 May 2011 every draw is today's game's, whatever its stars.
    std::istringstream input(Header13() + Row13("19/05/2026", "12;2;45;38;20", "5;12") +
                             Row13("15/05/2026", "1;2;3;4;5", "1;9") +
                             Row13("06/05/2011", "1;2;3;4;5", "1;9"));
    TDrawHistory history = ReadHistoryCsv(input, "test.csv");
    EXPECT_EQ(history.Descartados, 0);
    EXPECT_EQ(history.DelJuegoActual, 2);
    ASSERT_EQ(history.Sorteos.size(), 1u);
    EXPECT_EQ(history.Sorteos[0].Acertantes[13], 0);
}

TEST(CurrentHistory, StarsBeyondTheDatesRangeAreAnErrorInTodaysGame)
{
    EXPECT_EQ(CurrentError(Header13() + Row13("06/05/2011", "1;2;3;4;5", "1;10")),
              "test.csv, line 2: the stars are not two of 1 to 9, as the draws of that day had");
    EXPECT_EQ(CurrentError(Header13() + Row13("23/09/2016", "1;2;3;4;5", "1;12")),
              "test.csv, line 2: the stars are not two of 1 to 11, as the draws of that day had");
    EXPECT_EQ(CurrentError(Header13() + Row13("27/09/2016", "1;2;3;4;5", "1;13")),
              "test.csv, line 2: the stars are not two of 1 to 12, as the draws of that day had");
    EXPECT_EQ(CurrentError(Header13() + Row13("27/09/2016", "1;2;3;4;5", "1;12")), "no error");
}

TEST(CurrentHistory, BadLinesNameTheirLine)
{
    const std::string good = Row13("19/05/2026", "12;2;45;38;20", "5;12");
    // Truncated: the line ends within the prizes.
    const std::string truncated = CurrentError(Header13() + good.substr(0, good.size() / 2) + "\n");
    EXPECT_EQ(truncated.rfind("test.csv, line 2: ", 0), 0u) << truncated;
    EXPECT_NE(truncated.find(" fields, at least "), std::string::npos) << truncated;
    // Garbage in the 13th rank's prize and winners.
    std::string badPrize = good;
    badPrize.replace(badPrize.rfind("13,5"), 4, "1x3");
    EXPECT_EQ(CurrentError(Header13() + badPrize), "test.csv, line 2: prize '1x3' is not an amount");
    std::string badWinners = good;
    badWinners.replace(badWinners.rfind(";130;"), 5, ";1-3;");
    EXPECT_EQ(CurrentError(Header13() + badWinners), "test.csv, line 2: winner count '1-3' is not a number");
    EXPECT_EQ(CurrentError(Header13() + "\x01\x02garbage;;;\xFF\n"), "test.csv, line 2: '' is not a date");
    EXPECT_EQ(CurrentError(Header13() + "\x01\x02garbage\xFF\n"),
              "test.csv, line 2: 1 fields, at least 3 expected");
    // The lenient reading lists them and keeps the good rows.
    std::istringstream input(Header13() + badPrize + "garbage\n" + Row13("15/05/2026", "1;2;3;4;5", "1;11"));
    std::vector<TLineaErronea> errores;
    TDrawHistory history = ReadHistoryCsv(input, "test.csv", errores, TGameEdition::Current);
    EXPECT_EQ(history.Sorteos.size(), 1u);
    ASSERT_EQ(errores.size(), 2u);
    EXPECT_EQ(errores[0].Linea, 2);
    EXPECT_EQ(errores[1].Linea, 3);
}

TEST(CurrentHistory, ByteOrderMarkLatin1AndDecimalPointsAreRead)
{
    std::string header = Header13();
    header.insert(header.find(";jour"), ";num\xE9ro_de_tirage_dans_le_cycle");
    std::string row = Row13("19/08/2022", "9;2;19;38;13", "2;6");
    row.insert(row.find(";MARDI"), ";2");
    row.replace(row.find(";5,5;"), 5, ";93.4;");
    const TDrawHistory history = ReadCurrent("\xEF\xBB\xBF" + header + row);
    ASSERT_EQ(history.Sorteos.size(), 1u);
    EXPECT_EQ(history.Sorteos[0].Premios[5], 934000);
    EXPECT_EQ(history.Sorteos[0].Premios[6], 65000);
}

TEST(CurrentHistory, EuropeCountsBelowFranceTakeTheFrenchCount)
{
    std::string row = Row13("31/01/2020", "20;23;13;30;18", "2;4");
    row.replace(row.find(";2;20;"), 6, ";4;0;"); // rank 2: 4 in France, 0 in Europe
    const TDrawHistory history = ReadCurrent(Header13() + row);
    ASSERT_EQ(history.Sorteos.size(), 1u);
    EXPECT_EQ(history.Sorteos[0].Acertantes[2], 4);
    EXPECT_EQ(history.Sorteos[0].Acertantes[3], 30);
}

TEST(CurrentHistory, DefaultArchiveHoldsEveryOfficialDrawWithoutAGap)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    LoadDefaultCurrentArchive(sorteos);
    ASSERT_EQ(sorteos.Count(), 1947);
    EXPECT_EQ(FormatFechaIso(sorteos.Sorteo(1946).FechaSorteo), "2004-02-13");
    EXPECT_EQ(FormatFechaIso(sorteos.Sorteo(0).FechaSorteo), "2026-05-19");

    const std::vector<double> calendar = OfficialCalendar(DayOf(2026, 5, 19));
    ASSERT_EQ(calendar.size(), 1947u);
    for (size_t i = 0; i < calendar.size(); ++i) {
        const TSorteoEuroMillonInfo &draw = sorteos.Sorteo(static_cast<int>(calendar.size() - 1 - i));
        ASSERT_EQ(draw.FechaSorteo, calendar[i]) << FormatFechaIso(calendar[i]);
        EXPECT_EQ(draw.NumeroSorteo, static_cast<int32_t>(i + 1));
        ASSERT_EQ(draw.ApuestaGanadora.Numeros.size(), 5u);
        ASSERT_EQ(draw.ApuestaGanadora.Estrellas.size(), 2u);
        EXPECT_LE(draw.ApuestaGanadora.Estrellas[1],
                  EstrellaMaximaSorteo(TGameEdition::Current, draw.FechaSorteo));
        // 2+0 has winners in every draw that has the category, and none before.
        if (draw.FechaSorteo >= kFechaCambio2011) {
            EXPECT_GT(draw.Acertantes[13], 0) << FormatFechaIso(draw.FechaSorteo);
        } else {
            EXPECT_EQ(draw.Acertantes[13], 0);
        }
        // Every category with winners pays something.
        for (int c = 1; c <= CategoriasSorteo(TGameEdition::Current, draw.FechaSorteo); ++c)
            if (draw.Acertantes[c] > 0) {
                EXPECT_GT(draw.PremioCategoria[c], 0) << FormatFechaIso(draw.FechaSorteo) << " " << c;
            }
    }
    // Stars 10 to 12 appear only as the rules allowed them.
    std::set<int32_t> starsBefore2016;
    for (int i = 0; i < sorteos.Count(); ++i)
        if (sorteos.Sorteo(i).FechaSorteo < kFechaEstrellas2016)
            starsBefore2016.insert(sorteos.Sorteo(i).ApuestaGanadora.Estrellas.back());
    EXPECT_EQ(*starsBefore2016.rbegin(), 11);
}

TEST(CurrentHistory, DefaultArchiveIsMadeOnceFromTheShippedFiles)
{
    TTempFolder folder;
    const std::string archivo = folder.Path("Sorteos/actual.emx");
    PrepararArchivoSorteos(TGameEdition::Current, archivo, "", ShippedHistories());
    TSorteosEuroMillon made(TGameEdition::Current);
    made.LoadFromFile(archivo);
    EXPECT_EQ(made.Count(), 1947);
    // There already: left alone; the classic game's is never made here.
    made.DeleteSorteo(0);
    made.SaveToFile(archivo);
    PrepararArchivoSorteos(TGameEdition::Current, archivo, "", ShippedHistories());
    made.LoadFromFile(archivo);
    EXPECT_EQ(made.Count(), 1946);
    PrepararArchivoSorteos(TGameEdition::Classic, folder.Path("clasico.emx"), "", ShippedHistories());
    EXPECT_FALSE(std::filesystem::exists(folder.Path("clasico.emx")));
    // A shipped archive is copied rather than made again.
    PrepararArchivoSorteos(TGameEdition::Current, folder.Path("copia.emx"), archivo, {});
    EXPECT_EQ(FileBytes(folder.Path("copia.emx")), FileBytes(archivo));
    // Without histories nothing is made.
    PrepararArchivoSorteos(TGameEdition::Current, folder.Path("nada.emx"), "", {folder.Path("missing.csv")});
    EXPECT_FALSE(std::filesystem::exists(folder.Path("nada.emx")));
}
