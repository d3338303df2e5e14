#include "printing/boleto_automatico.h"
#include "printing/print_boletos_source.h"

#include "model/combination_helpers.h"
#include "model/separators.h"
#include "report/report.h"

#include <gtest/gtest.h>

namespace {

std::string Answer(TPrintBoletosSource &source, const std::string &name, TfrValue value = {})
{
    source.ReportGetValue(name, value);
    return value.IsEmpty() ? "<untouched>" : value.AsText();
}

// 12 bets: bet k (from 1) holds the numbers k..k+4 and the stars 1 and k mod 8 + 2.
void FillTwelve(TEuroMillonApuestas &combination)
{
    for (int k = 1; k <= 12; ++k) {
        BetMask mask = StarBit(1) | StarBit(k % 8 + 2);
        for (int n = k; n < k + 5; ++n)
            mask |= NumberBit(n);
        combination.AppendMasks(&mask, 1);
    }
    combination.SetName("Doce");
    combination.SetFileName("/tmp/doce.aem");
}

struct PrintSource : ::testing::Test {
    TEuroMillonApuestas combination;
    TPrintBoletosSource source{combination, TablasDePais(pbEspana).Formato};
    void SetUp() override { FillTwelve(combination); }
};

} // namespace

TEST_F(PrintSource, TwelveBetsMakeThreeTickets)
{
    EXPECT_EQ(Answer(source, "TOTALBOLETOS"), "3");
    EXPECT_EQ(Answer(source, "TOTALAPUESTAS"), "12");
    EXPECT_EQ(Answer(source, "COMB_NAME"), "Doce");
    EXPECT_EQ(Answer(source, "COMB_FILENAME"), "/tmp/doce.aem");

    std::vector<int> tickets;
    source.First();
    while (!source.CheckEof()) {
        tickets.push_back(std::stoi(Answer(source, "NBOLETO")));
        source.Next();
    }
    EXPECT_EQ(tickets, (std::vector<int>{1, 2, 3}));

    source.Prior(); // back on ticket 3: bets 11 and 12 only
    EXPECT_EQ(source.BoletoActual(), 3);
    for (int n = 1; n <= 50; ++n)
        EXPECT_EQ(Answer(source, "POS_3_B_1_NUM_" + std::to_string(n)), "0") << n;
    EXPECT_EQ(Answer(source, "BLOQUE_2_B_1"), "12.13.14.15.16");
    EXPECT_EQ(Answer(source, "BLOQUE_2_B_2"), "01.06");
    EXPECT_EQ(Answer(source, "BLOQUE_3_B_1"), "");
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_11"), "1");
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_10"), "0");
    EXPECT_EQ(Answer(source, "POS_2_B_2_NUM_6"), "1");
}

TEST_F(PrintSource, NoBetsIsAtTheEndAtOnce)
{
    TEuroMillonApuestas empty;
    TPrintBoletosSource none(empty, TablasDePais(pbFrancia).Formato);
    EXPECT_EQ(Answer(none, "TOTALBOLETOS"), "0");
    none.First();
    EXPECT_TRUE(none.CheckEof());
    EXPECT_EQ(Answer(none, "POS_1_B_1_NUM_1"), "0");
}

TEST_F(PrintSource, TestModeTicksEveryPosName)
{
    source.SetTestMode(true);
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_50"), "1");
    EXPECT_EQ(Answer(source, "POS_9_B_7_NUM_x"), "1");
    EXPECT_EQ(Answer(source, "POS_"), "1");
    source.First();
    source.Next();
    source.Next();
    source.Next(); // ticket 4 does not exist
    EXPECT_EQ(Answer(source, "POS_5_B_1_NUM_1"), "1");
}

TEST_F(PrintSource, OutOfRangeNamesGiveZero)
{
    source.First();
    EXPECT_EQ(Answer(source, "POS_1_B_2_NUM_10"), "0"); // 10 is no star
    EXPECT_EQ(Answer(source, "POS_6_B_1_NUM_1"), "0");  // past B
    EXPECT_EQ(Answer(source, "POS_1_B_3_NUM_1"), "0");
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_0"), "0");
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_1x"), "0");
    EXPECT_EQ(Answer(source, "POS_x_B_1_NUM_1"), "0");
    EXPECT_EQ(Answer(source, "POS_1"), "0");
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_1"), "1");
    // Positions 6 to 8 and 10 to 14 are not examined.
    EXPECT_EQ(Answer(source, "POS_1xxx1yyyyy1"), "1");
}

TEST_F(PrintSource, NamesInLowerCase)
{
    source.First();
    EXPECT_EQ(Answer(source, "pos_1_b_1_num_1"), Answer(source, "POS_1_B_1_NUM_1"));
    EXPECT_EQ(Answer(source, "pos_1_b_1_num_7"), "0");
    EXPECT_EQ(Answer(source, "Pos_1_B_1_Num_5"), "1");
    EXPECT_EQ(Answer(source, "comb_name"), "Doce");
    EXPECT_EQ(Answer(source, "nboleto"), "1");
    EXPECT_EQ(Answer(source, "bloque_1_b_1"), "01.02.03.04.05");
}

TEST_F(PrintSource, NumGivesTheKthValueOfTheBlock)
{
    source.First();
    // Bet 2 of ticket 1: numbers 2..6, stars 1 and 4.
    EXPECT_EQ(Answer(source, "NUM_2_B_1_NUM_1"), "2");
    EXPECT_EQ(Answer(source, "NUM_2_B_1_NUM_5"), "6");
    EXPECT_EQ(Answer(source, "NUM_2_B_2_NUM_2"), "4");
    EXPECT_EQ(Answer(source, "NUM_2_B_2_NUM_3"), "");
    EXPECT_EQ(Answer(source, "NUM_2_B_1_NUM_0"), "");
    EXPECT_EQ(Answer(source, "NUM_2_B_1_NUM_6"), "");
    EXPECT_EQ(Answer(source, "NUM_7_B_1_NUM_1"), "");
    EXPECT_EQ(Answer(source, "NUM_2_B_1_NUM_x"), "");
}

TEST_F(PrintSource, OtherNamesLeaveTheSlot)
{
    EXPECT_EQ(Answer(source, "SOMETHING"), "<untouched>");
    EXPECT_EQ(Answer(source, "SOMETHING", TfrValue("kept")), "kept");
    EXPECT_EQ(Answer(source, "POS_1_B_1_NUM_1", TfrValue("kept")), "1");
}

TEST_F(PrintSource, PreparedAutomaticTicketMarksTheBets)
{
    TfrReport report;
    ConstruirBoletoAutomatico(report, 0, TablasDePais(pbEspana).Geometria, TablasDePais(pbEspana).Formato, 0,
                              0, kPrintBoletosDataSet);
    source.Attach(report, kPrintBoletosDataSet);
    TfrPreparedReport prepared = report.Prepare();
    ASSERT_EQ(prepared.Pages.size(), 3u);
    auto count = [](const TfrPreparedPage &page, TfrItemKind kind) {
        return std::count_if(page.Items.begin(), page.Items.end(),
                             [&](const auto &i) { return i.Kind == kind; });
    };
    EXPECT_EQ(count(prepared.Pages[0], TfrItemKind::Cross), 35);
    EXPECT_EQ(count(prepared.Pages[2], TfrItemKind::Cross), 14);
    std::vector<std::string> texts;
    for (const auto &item : prepared.Pages[1].Items) {
        if (item.Kind == TfrItemKind::Text)
            texts.push_back(item.Text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"2/3", "Doce"}));
    // Preparing again starts from ticket 1.
    EXPECT_EQ(report.Prepare().Pages.size(), 3u);
}
