#include "draws/draw_date.h"
#include "draws/draw_history_csv.h"
#include "history_csv_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

TDrawHistory Read(const std::string &text)
{
    std::istringstream input(text);
    return ReadHistoryCsv(input, "test.csv");
}

} // namespace

TEST(DrawHistoryCsv, ReadsDrawsSortingNumbersAndExactPrizes)
{
    TDrawHistory history = Read(Header() + Row("20110506", "28;16;20;22;11", "9;4") + "\n");
    ASSERT_EQ(history.Sorteos.size(), 1u);
    const THistoryDraw &draw = history.Sorteos[0];
    EXPECT_EQ(FormatFechaIso(draw.Fecha), "2011-05-06");
    EXPECT_EQ(draw.Numeros, (std::array<int32_t, 5>{11, 16, 20, 22, 28}));
    EXPECT_EQ(draw.Estrellas, (std::array<int32_t, 2>{4, 9}));
    EXPECT_EQ(draw.Acertantes[1], 10); // Europe-wide, not France
    EXPECT_EQ(draw.Acertantes[12], 120);
    EXPECT_EQ(draw.Premios[1], 15000);
    EXPECT_EQ(draw.Premios[12], 125000);
    EXPECT_EQ(history.Descartados, 0);
}

TEST(DrawHistoryCsv, SkipsAndCountsStarsOutsideOneToNineAndTodaysDrawsApart)
{
    TDrawHistory history =
        Read(Header() + Row("20110506", "1;2;3;4;5", "10;4") + Row("29/04/2011", "1;2;3;4;5", "0;3") +
             Row("22/04/11", "1;2;3;4;5", "1;9") + Row("13/05/2011", "1;2;3;4;5", "1;12") +
             Row("27/05/2011", "1;2;3;4;5", "1;9"));
    EXPECT_EQ(history.Descartados, 2);
    EXPECT_EQ(history.DelJuegoActual, 2);
    ASSERT_EQ(history.Sorteos.size(), 1u);
    EXPECT_EQ(FormatFechaIso(history.Sorteos[0].Fecha), "2011-04-22");
}

TEST(DrawHistoryCsv, MalformedInputNamesTheLine)
{
    auto message = [](const std::string &text) {
        try {
            Read(text);
        } catch (const EHistorialError &error) {
            return error.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message(""), "test.csv, line 0: no column names");
    EXPECT_EQ(message("date_de_tirage;boule_1\n"), "test.csv, line 1: column boule_2 missing");
    EXPECT_EQ(message(Header() + Row("2011-05-06", "1;2;3;4;5", "1;2")),
              "test.csv, line 2: '2011-05-06' is not a date");
    EXPECT_EQ(message(Header() + Row("20110231", "1;2;3;4;5", "1;2")),
              "test.csv, line 2: '20110231' is not a date");
    EXPECT_EQ(message(Header() + Row("20110506", "1;2;3;4;51", "1;2")),
              "test.csv, line 2: the numbers are not five distinct numbers of 1 to 50");
    EXPECT_EQ(message(Header() + Row("20110506", "1;2;3;4;4", "1;2")),
              "test.csv, line 2: the numbers are not five distinct numbers of 1 to 50");
    EXPECT_EQ(message(Header() + Row("20110506", "1;2;3;4;x", "1;2")),
              "test.csv, line 2: number 'x' is not a number");
    EXPECT_EQ(message(Header() + Row("20110506", "1;2;3;4;5", "2;2")),
              "test.csv, line 2: the two stars are the same");
    EXPECT_EQ(message(Header() + "2004001;VE;20110506;1;2\n"),
              "test.csv, line 2: 5 fields, at least 6 expected");
    std::string badPrize = Row("20110506", "1;2;3;4;5", "1;2");
    badPrize.replace(badPrize.find("1,5"), 3, "1,5,5");
    EXPECT_EQ(message(Header() + badPrize), "test.csv, line 2: prize '1,5,5' is not an amount");
}

TEST(DrawHistoryCsv, OfficialNumbersFollowTheDrawCalendar)
{
    double fecha = 0;
    auto number = [&](int y, int m, int d) {
        EXPECT_TRUE(EncodeFecha(y, m, d, fecha));
        return NumeroSorteoOficial(fecha);
    };
    EXPECT_EQ(number(2004, 2, 12), 0);
    EXPECT_EQ(number(2004, 2, 13), 1);
    EXPECT_EQ(number(2004, 2, 20), 2);
    EXPECT_EQ(number(2011, 5, 6), 378);
    EXPECT_EQ(number(2011, 5, 10), 379);
    EXPECT_EQ(number(2011, 5, 13), 380);
    EXPECT_EQ(number(2011, 5, 17), 381);
    EXPECT_EQ(number(2025, 6, 17), 1851);
    EXPECT_EQ(number(2025, 12, 19), 1904);
    EXPECT_EQ(number(2026, 5, 19), 1947);
}

TEST(DrawHistoryCsv, PublishedHistoryReadsWhole)
{
    std::string path = std::string(QOR_HISTORY_DIR) + "/euromillions.csv";
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing history " << path;
    TDrawHistory history = ReadHistoryCsv(path);
    ASSERT_EQ(history.Sorteos.size(), 378u);
    EXPECT_EQ(history.Descartados, 0);
    std::vector<THistoryDraw> draws = history.Sorteos;
    std::sort(draws.begin(), draws.end(), [](const auto &a, const auto &b) { return a.Fecha < b.Fecha; });
    EXPECT_EQ(FormatFechaIso(draws.front().Fecha), "2004-02-13");
    EXPECT_EQ(FormatFechaIso(draws.back().Fecha), "2011-05-06");
    EXPECT_EQ(draws.front().Numeros, (std::array<int32_t, 5>{16, 29, 32, 36, 41}));
    EXPECT_EQ(draws.front().Estrellas, (std::array<int32_t, 2>{7, 9}));
    for (size_t i = 0; i < draws.size(); ++i)
        EXPECT_EQ(NumeroSorteoOficial(draws[i].Fecha), static_cast<int32_t>(i + 1))
            << FormatFechaIso(draws[i].Fecha);
    const THistoryDraw &last = draws.back();
    EXPECT_EQ(last.Acertantes[1], 1);
    EXPECT_EQ(last.Premios[1], CurrencyFromUnits(28772008));
    EXPECT_EQ(last.Premios[3], 475677000); // 47567,7
}

namespace {

// An input that never ends, like a device of zeros; counts what was taken.
class EndlessZeros : public std::streambuf {
public:
    size_t taken = 0;

protected:
    int_type underflow() override
    {
        setg(zeros_, zeros_, zeros_ + sizeof zeros_);
        taken += sizeof zeros_;
        return traits_type::to_int_type(zeros_[0]);
    }

private:
    char zeros_[4096] = {};
};

} // namespace

TEST(DrawHistoryCsv, OverlongLineIsRefusedWithItsNumberBeforeFillingTheMemory)
{
    EndlessZeros zeros;
    std::istream endless(&zeros);
    try {
        ReadHistoryCsv(endless, "/dev/zero");
        FAIL() << "no error";
    } catch (const EHistorialError &error) {
        EXPECT_EQ(error.Message(), "/dev/zero, line 1: longer than 65536 bytes");
    }
    EXPECT_LE(zeros.taken, kMaxLineBytes + 4096);

    std::string longest(kMaxLineBytes, ' ');
    EXPECT_EQ(Read(Header() + longest + "\n" + Row("20110506", "1;2;3;4;5", "1;2")).Sorteos.size(), 1u);
    try {
        Read(Header() + Row("20110506", "1;2;3;4;5", "1;2") + longest + " \n");
        FAIL() << "no error";
    } catch (const EHistorialError &error) {
        EXPECT_EQ(error.Message(), "test.csv, line 3: longer than 65536 bytes");
    }
}
