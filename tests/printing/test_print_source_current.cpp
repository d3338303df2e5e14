// The report variables of a combination of today's game (stars 1 to 12).
#include "printing/boleto_automatico.h"
#include "printing/plantillas_incluidas.h"
#include "printing/print_boletos_source.h"

#include "model/combination_helpers.h"
#include "model/separators.h"
#include "report/report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Answer(TPrintBoletosSource &source, const std::string &name)
{
    TfrValue value;
    source.ReportGetValue(name, value);
    return value.IsEmpty() ? "<untouched>" : value.AsText();
}

struct PrintSourceCurrent : ::testing::Test {
    TEuroMillonApuestas combination{TGameEdition::Current};
    TPrintBoletosSource source{combination, TablasDePais(pbEspana).Formato};
    void SetUp() override
    {
        AddBet(combination, "01.02.03.04.05-10.12");
        AddBet(combination, "06.07.08.09.10-09.11");
    }
};

} // namespace

TEST_F(PrintSourceCurrent, StarsTenToTwelveAreAnswered)
{
    EXPECT_EQ(Answer(source, "POS_1_B_2_NUM_10"), "1");
    EXPECT_EQ(Answer(source, "POS_1_B_2_NUM_11"), "0");
    EXPECT_EQ(Answer(source, "POS_1_B_2_NUM_12"), "1");
    EXPECT_EQ(Answer(source, "pos_2_b_2_num_11"), "1");
    EXPECT_EQ(Answer(source, "POS_2_B_2_NUM_9"), "1");
    EXPECT_EQ(Answer(source, "POS_2_B_2_NUM_12"), "0");
    // Past the game's highest star, and bets that do not exist.
    EXPECT_EQ(Answer(source, "POS_1_B_2_NUM_13"), "0");
    EXPECT_EQ(Answer(source, "POS_3_B_2_NUM_10"), "0");
}

TEST_F(PrintSourceCurrent, StarValuesAndBlockTexts)
{
    TSeparatorScope separators(".", "-");
    EXPECT_EQ(Answer(source, "NUM_1_B_2_NUM_1"), "10");
    EXPECT_EQ(Answer(source, "NUM_1_B_2_NUM_2"), "12");
    EXPECT_EQ(Answer(source, "NUM_1_B_2_NUM_3"), "");
    EXPECT_EQ(Answer(source, "BLOQUE_1_B_2"), "10.12");
    EXPECT_EQ(Answer(source, "BLOQUE_2_B_2"), "09.11");
    EXPECT_EQ(Answer(source, "BLOQUE_1_B_1"), "01.02.03.04.05");
}

TEST(PrintSourceClassic, StarsAboveNineStayZero)
{
    TEuroMillonApuestas combination;
    AddBet(combination, "01.02.03.04.05-01.09");
    TPrintBoletosSource source(combination, TablasDePais(pbEspana).Formato);
    EXPECT_EQ(Answer(source, "POS_1_B_2_NUM_9"), "1");
    for (const char *name : {"POS_1_B_2_NUM_10", "POS_1_B_2_NUM_11", "POS_1_B_2_NUM_12"})
        EXPECT_EQ(Answer(source, name), "0") << name;
}

// The shipped listings are the way to print today's game: its stars show.
TEST_F(PrintSourceCurrent, ShippedListingsPrintStarsTenToTwelve)
{
    TSeparatorScope separators(".", "-");
    int listings = 0;
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        if (plantilla.Carpeta != "Listados")
            continue;
        SCOPED_TRACE(plantilla.Archivo);
        ++listings;
        TfrReport report;
        plantilla.Construir(report);
        TPrintBoletosSource listing(combination, TablasDePais(pbEspana).Formato);
        listing.Attach(report, kPrintBoletosDataSet);
        const TfrPreparedReport prepared = report.Prepare();
        ASSERT_EQ(prepared.Pages.size(), 1u);
        std::vector<std::string> texts;
        for (const TfrPreparedItem &item : prepared.Pages.front().Items)
            if (item.Kind == TfrItemKind::Text)
                texts.push_back(item.Text);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "10.12"), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), "09.11"), texts.end());
    }
    EXPECT_GT(listings, 0);
}
