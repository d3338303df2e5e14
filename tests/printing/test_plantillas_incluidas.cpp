#include "printing/boleto_automatico.h"
#include "printing/plantillas_incluidas.h"
#include "printing/print_boletos_source.h"

#include "model/euromillon_apuestas.h"
#include "model/separators.h"
#include "report/report.h"

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// 12 bets: bet k (from 1) holds the numbers k..k+4 and the stars 1 and 9.
void FillTwelve(TEuroMillonApuestas &combination)
{
    for (int k = 1; k <= 12; ++k) {
        BetMask mask = StarBit(1) | StarBit(9);
        for (int n = k; n < k + 5; ++n)
            mask |= NumberBit(n);
        combination.AppendMasks(&mask, 1);
    }
    combination.SetName("Doce");
}

bool HasText(const TfrPreparedPage &page, const std::string &text)
{
    for (const TfrPreparedItem &item : page.Items) {
        if (item.Kind == TfrItemKind::Text && item.Text == text)
            return true;
    }
    return false;
}

struct ShippedTemplates : ::testing::Test {
    TTempFolder temp{"qor-templates"};
    fs::path folder = temp.Root();
    TEuroMillonApuestas combination;
    void SetUp() override
    {
        SetNumberSeparator(".");
        FillTwelve(combination);
    }
};

} // namespace

TEST_F(ShippedTemplates, EachLoadsAndPreparesTwelveBetsOnThreeTickets)
{
    const std::vector<std::string> written = InstalarPlantillasIncluidas(folder.string());
    ASSERT_EQ(written.size(), PlantillasIncluidas().size());
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        SCOPED_TRACE(plantilla.Archivo);
        TfrReport report;
        report.LoadFromFile((folder / plantilla.Carpeta / plantilla.Archivo).string());
        TfrReport built;
        plantilla.Construir(built);
        EXPECT_TRUE(report.SameContent(built));
        TPrintBoletosSource source(combination, TablasDePais(pbEspana).Formato);
        source.Attach(report, kPrintBoletosDataSet);
        const TfrPreparedReport prepared = report.Prepare();
        ASSERT_FALSE(prepared.Pages.empty());
        EXPECT_FALSE(prepared.Pages.front().Items.empty());
        if (plantilla.Carpeta == "Boletos") {
            EXPECT_EQ(prepared.Pages.size(), 3u); // one page a ticket
            EXPECT_TRUE(HasText(prepared.Pages.front(), "1/3"));
        } else {
            EXPECT_EQ(prepared.Pages.size(), 1u); // ten tickets a page
            EXPECT_TRUE(HasText(prepared.Pages.front(), "Doce"));
            EXPECT_TRUE(HasText(prepared.Pages.front(), "12"));
            EXPECT_TRUE(HasText(prepared.Pages.front(), "12.13.14.15.16"));
            EXPECT_TRUE(HasText(prepared.Pages.front(), "Página 1"));
        }
    }
}

TEST_F(ShippedTemplates, ListingsPutTenTicketsOnAPage)
{
    TEuroMillonApuestas many;
    for (int k = 0; k < 51; ++k) {
        const BetMask mask = NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) |
                             NumberBit(5 + k % 40) | StarBit(1) | StarBit(2);
        many.AppendMasks(&mask, 1);
    }
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        if (plantilla.Carpeta != "Listados")
            continue;
        SCOPED_TRACE(plantilla.Archivo);
        TfrReport report;
        plantilla.Construir(report);
        TPrintBoletosSource source(many, TablasDePais(pbEspana).Formato);
        source.Attach(report, kPrintBoletosDataSet);
        const TfrPreparedReport prepared = report.Prepare();
        ASSERT_EQ(prepared.Pages.size(), 2u); // 11 tickets: ten, then one
        EXPECT_TRUE(HasText(prepared.Pages[0], "50"));
        EXPECT_FALSE(HasText(prepared.Pages[0], "51"));
        EXPECT_TRUE(HasText(prepared.Pages[1], "51"));
        EXPECT_TRUE(HasText(prepared.Pages[1], "Página 2"));
    }
}

// Nimbus Sans Bold, the tallest sans-serif "Arial" resolves to on Linux, has
// lines of 1.387 em: 15.85 units at 9 pt, 24.55 at 14 pt.
TEST(ShippedListings, EveryTextHoldsALineOfTheTallestLinuxSans)
{
    constexpr double kTallestLineEm = 1.387;
    constexpr double kUnitsPerPoint = 25.4 / 72.0 * 3.6;
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        if (plantilla.Carpeta != "Listados")
            continue;
        TfrReport report;
        plantilla.Construir(report);
        int texts = 0;
        for (const TfrView &view : report.Page(0).Objects()) {
            if (view.Kind != TfrViewKind::Memo || view.Memo.empty())
                continue;
            ++texts;
            EXPECT_GE(view.Height, kTallestLineEm * view.Font.Size * kUnitsPerPoint)
                << plantilla.Archivo << " " << view.Name;
        }
        EXPECT_GE(texts, 18) << plantilla.Archivo;
    }
}

TEST_F(ShippedTemplates, AFileAlreadyThereIsKept)
{
    fs::create_directories(folder / "Listados");
    {
        std::ofstream(folder / "Listados" / "Listado_Apuestas.frf") << "mine";
    }
    const std::vector<std::string> written = InstalarPlantillasIncluidas(folder.string());
    EXPECT_EQ(written.size(), PlantillasIncluidas().size() - 1);
    EXPECT_EQ(FileBytes(folder / "Listados" / "Listado_Apuestas.frf"), "mine");
    EXPECT_TRUE(InstalarPlantillasIncluidas(folder.string()).empty());
}

TEST(PrintSourceBetNumbers, NumberEachBetFromOne)
{
    TEuroMillonApuestas combination;
    FillTwelve(combination);
    TPrintBoletosSource source(combination, TablasDePais(pbEspana).Formato);
    auto answer = [&source](const std::string &name) {
        TfrValue value;
        source.ReportGetValue(name, value);
        return value.AsText();
    };
    source.First();
    EXPECT_EQ(answer("NAPUESTA_1"), "1");
    source.Next();
    source.Next();
    EXPECT_EQ(answer("napuesta_2"), "12");
    EXPECT_EQ(answer("NAPUESTA_3"), "");
    EXPECT_EQ(answer("NAPUESTA_6"), "");
    EXPECT_EQ(answer("NAPUESTA_x"), "");
}

namespace {

// n bets, all alike: only their count matters here.
void FillSame(TEuroMillonApuestas &combination, int count)
{
    const BetMask mask =
        NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(5) | StarBit(1) | StarBit(2);
    for (int k = 0; k < count; ++k)
        combination.AppendMasks(&mask, 1);
}

// Every text of a page that reads as the ticket counter "t/N" (label aside).
std::vector<std::string> Counters(const TfrPreparedPage &page)
{
    std::vector<std::string> found;
    for (const TfrPreparedItem &item : page.Items) {
        const std::string &text = item.Text;
        const size_t slash = text.find('/');
        if (item.Kind == TfrItemKind::Text && slash != std::string::npos && slash > 0 &&
            std::isdigit(static_cast<unsigned char>(text[slash - 1])) && slash + 1 < text.size() &&
            std::isdigit(static_cast<unsigned char>(text[slash + 1])))
            found.push_back(text);
    }
    return found;
}

} // namespace

// The last page holds the last ticket, whether it fills the page or not:
// the counter never passes the number of tickets and no blank page follows.
TEST(ShippedTemplatesPages, TheLastPageHoldsTheLastTicket)
{
    struct Case {
        const char *carpeta;
        int bets;
        size_t pages;
        std::string lastCounter;
    };
    const Case cases[] = {
        {"Boletos", 10, 2, "2/2"},                     // the last ticket full
        {"Boletos", 12, 3, "3/3"},                     // the last ticket part full
        {"Listados", 50, 1, "Boleto 10/10"},           // ten tickets: the page exactly full
        {"Listados", 55, 2, "Boleto 11/11"},           // one ticket over
        {"Listados", 5000, 100, "Boleto 1.000/1.000"}, // grouped as the language groups
    };
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        if (plantilla.Archivo == "Listado_Apuestas.frf")
            continue; // no ticket counter
        for (const Case &c : cases) {
            if (plantilla.Carpeta != c.carpeta)
                continue;
            SCOPED_TRACE(plantilla.Archivo + " " + std::to_string(c.bets));
            TEuroMillonApuestas combination;
            FillSame(combination, c.bets);
            TfrReport report;
            plantilla.Construir(report);
            TPrintBoletosSource source(combination, TablasDePais(pbEspana).Formato);
            source.Attach(report, kPrintBoletosDataSet);
            for (int run = 1; run <= 2; ++run) { // a second preview starts again from ticket 1
                const TfrPreparedReport prepared = report.Prepare();
                ASSERT_EQ(prepared.Pages.size(), c.pages);
                ASSERT_FALSE(Counters(prepared.Pages.back()).empty());
                EXPECT_EQ(Counters(prepared.Pages.back()).back(), c.lastCounter);
                const std::string first = plantilla.Carpeta == "Boletos" ? "1/" : "Boleto 1/";
                EXPECT_EQ(Counters(prepared.Pages.front()).front().rfind(first, 0), 0u);
            }
        }
    }
}

// A counter in a page header shows the page's first ticket, also on the
// first page of a second preparation.
TEST(ShippedTemplatesPages, AHeaderCounterStartsAtTicketOne)
{
    TEuroMillonApuestas combination;
    FillSame(combination, 12);
    TfrReport report;
    TfrPage &page = report.AddPage();
    page.SetPaper(kPaperA4);
    page.Add(MakeBand("CABECERA", TfrBandKind::PageHeader, 0, 36, 0, 40));
    page.Add(MakeMemo("NBOLETO", 36, 40, 200, 30, "[NBOLETO]/[TOTALBOLETOS]"));
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 100, 0, 900, kPrintBoletosDataSet));
    TPrintBoletosSource source(combination, TablasDePais(pbEspana).Formato);
    source.Attach(report, kPrintBoletosDataSet);
    for (int run = 1; run <= 2; ++run) {
        const TfrPreparedReport prepared = report.Prepare();
        ASSERT_EQ(prepared.Pages.size(), 3u);
        for (size_t p = 0; p < 3; ++p)
            EXPECT_EQ(Counters(prepared.Pages[p]), std::vector<std::string>{std::to_string(p + 1) + "/3"});
    }
}

// The largest combination, 76,275,360 bets on 15,255,072 tickets: the
// listing's counter and bet numbers have room for their grouped figures at
// 0.6 em a character, wider than the digits of any sans-serif font.
TEST(ShippedListings, TheLargestCountsFitTheirBoxes)
{
    constexpr double kUnitsPerPoint = 25.4 / 72.0 * 3.6;
    const auto needed = [&](const TfrView &view, const std::string &text) {
        return static_cast<double>(text.size()) * 0.6 * view.Font.Size * kUnitsPerPoint;
    };
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        if (plantilla.Carpeta != "Listados")
            continue;
        TfrReport report;
        plantilla.Construir(report);
        for (const TfrView &view : report.Page(0).Objects()) {
            if (view.Name == "NBOLETO") {
                EXPECT_GE(view.Width, needed(view, "Boleto 15.255.072/15.255.072")) << plantilla.Archivo;
            } else if (view.Name.rfind("NAPUESTA_", 0) == 0) {
                EXPECT_GE(view.Width, needed(view, "76.275.360")) << plantilla.Archivo << " " << view.Name;
            }
        }
    }
}
