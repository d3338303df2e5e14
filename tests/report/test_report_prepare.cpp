#include "report/report.h"
#include "report/report_errors.h"
#include "report/report_preparer.h"

#include <gtest/gtest.h>

namespace {

// A dataset of count records answering [N] with the record number.
struct Records {
    int current = 0;
    int count = 0;
    void Attach(TfrReport &report, const std::string &name)
    {
        TfrUserDataset &dataset = report.CreateDataset(name);
        dataset.OnFirst = [this] { current = 1; };
        dataset.OnNext = [this] { ++current; };
        dataset.OnCheckEOF = [this] { return current > count; };
        report.OnGetValue = [this](const std::string &variable, TfrValue &value) {
            if (variable == "N")
                value = TfrValue(current);
        };
    }
};

std::vector<std::string> Texts(const TfrPreparedPage &page)
{
    std::vector<std::string> texts;
    for (const TfrPreparedItem &item : page.Items) {
        if (item.Kind == TfrItemKind::Text)
            texts.push_back(item.Text);
    }
    return texts;
}

TfrPage &CustomPage(TfrReport &report, int32_t widthTenths, int32_t heightTenths)
{
    TfrPage &page = report.AddPage();
    page.SetPaper(kPaperCustom, widthTenths, heightTenths);
    return page;
}

} // namespace

TEST(ReportPrepare, OneBandPerPageWhenTheBandFillsThePage)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 1000, 1000); // 360 units
    page.SetMargins({25, 25, 25, 25});
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 25, 0, page.BottomLimit() - 25 - 1, "ds"));
    page.Add(MakeMemo("M", 30, 40, 100, 20, "record [N]"));
    page.Add(MakeCheckBox("C", 30, 80, 10, 10, "[N]"));
    Records records;
    records.count = 3;
    records.Attach(report, "DS"); // names of datasets compare without regard to case
    TfrPreparedReport prepared = report.Prepare();
    ASSERT_EQ(prepared.Pages.size(), 3u);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(prepared.Pages[static_cast<size_t>(p)].WidthTenths, 1000);
        EXPECT_EQ(Texts(prepared.Pages[static_cast<size_t>(p)]),
                  std::vector<std::string>{"record " + std::to_string(p + 1)});
    }
    // Only the first record answers "1": its check box alone is ticked.
    auto crosses = [](const TfrPreparedPage &p) {
        return std::count_if(p.Items.begin(), p.Items.end(),
                             [](const auto &i) { return i.Kind == TfrItemKind::Cross; });
    };
    EXPECT_EQ(crosses(prepared.Pages[0]), 1);
    EXPECT_EQ(crosses(prepared.Pages[1]), 0);
    const TfrPreparedItem &cross = prepared.Pages[0].Items[1];
    EXPECT_EQ(cross.Kind, TfrItemKind::Cross);
    EXPECT_EQ(cross.X, 30);
    EXPECT_EQ(cross.Y, 80);
    EXPECT_EQ(cross.W, 10);
    EXPECT_EQ(cross.H, 10);
}

TEST(ReportPrepare, SmallBandsFlowDownAndBreakPages)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 1000, 1000); // 360 units high
    page.Add(MakeBand("HEAD", TfrBandKind::PageHeader, 0, 0, 0, 20));
    page.Add(MakeMemo("PageNo", 0, 0, 200, 20, "page [PAGE#]"));
    page.Add(MakeBand("FOOT", TfrBandKind::PageFooter, 0, 300, 0, 60));
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 20, 0, 100, "ds"));
    page.Add(MakeMemo("Line", 0, 30, 200, 20, "[N]"));
    Records records;
    records.count = 5;
    records.Attach(report, "ds");
    TfrPreparedReport prepared = report.Prepare();
    // 20 + 100 + 100 = 220; a third band would end at 320, past the footer at 300.
    ASSERT_EQ(prepared.Pages.size(), 3u);
    EXPECT_EQ(Texts(prepared.Pages[0]), (std::vector<std::string>{"page 1", "1", "2"}));
    EXPECT_EQ(Texts(prepared.Pages[2]), (std::vector<std::string>{"page 3", "5"}));
    EXPECT_FLOAT_EQ(prepared.Pages[0].Items[2].Y, 130); // second record one band lower
}

TEST(ReportPrepare, DatasetWithoutRecordsAndBandsWithoutDataset)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 1000, 1000);
    page.Add(MakeMemo("Title", 0, 0, 200, 20, "title"));
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 50, 0, 50, "ds"));
    page.Add(MakeMemo("Line", 0, 60, 200, 20, "line"));
    Records records; // no records
    records.Attach(report, "ds");
    TfrPreparedReport prepared = report.Prepare();
    ASSERT_EQ(prepared.Pages.size(), 1u);
    EXPECT_EQ(Texts(prepared.Pages[0]), std::vector<std::string>{"title"});

    page.Objects()[1].DataSet = "unknown"; // no such dataset: printed once
    prepared = report.Prepare();
    EXPECT_EQ(Texts(prepared.Pages[0]), (std::vector<std::string>{"title", "line"}));
}

TEST(ReportPrepare, UnansweredVariablesAreEmpty)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 1000, 1000);
    page.Add(MakeMemo("M", 0, 0, 300, 20, "a[UNKNOWN]b"));
    report.OnGetValue = [](const std::string &, TfrValue &) {};
    EXPECT_EQ(Texts(report.Prepare().Pages[0]), std::vector<std::string>{"ab"});
}

TEST(ReportPrepare, DatasetThatNeverEndsStops)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 1000, 1000);
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 0, 0, 300, "ds"));
    TfrUserDataset &dataset = report.CreateDataset("ds");
    dataset.OnCheckEOF = [] { return false; };
    try {
        report.Prepare();
        FAIL();
    } catch (const EReportError &error) {
        EXPECT_EQ(error.Message(), "El informe tiene demasiadas páginas");
    }
}

TEST(ReportPrepare, BandTallerThanThePagePrintsClipped)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 100, 100);
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 0, 0, 500, "ds"));
    Records records;
    records.count = 2;
    records.Attach(report, "ds");
    EXPECT_EQ(report.Prepare().Pages.size(), 2u);
}

TEST(ReportPrepare, WrappingAutoWidthAndVerticalText)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 2000, 2000);
    TfrView wrapped = MakeMemo("W", 0, 0, 50, 100, "aaaa bbbb cccc");
    wrapped.Flags = flWordWrap;
    wrapped.Font.Size = 10; // estimated: 6.35 units a character, lines of 15.24
    page.Add(wrapped);
    TfrView clipped = MakeMemo("C", 0, 200, 50, 20, "one\ntwo\nthree");
    page.Add(clipped);
    TfrView wide = MakeMemo("A", 100, 300, 20, 14, "1234");
    wide.Flags = flAutoWidth;
    wide.Alignment = frtaCenter;
    page.Add(wide);
    TfrView turned = wide;
    turned.Alignment = frtaCenter | frtaVertical;
    turned.Left = 300;
    turned.Width = 14;
    turned.Height = 20;
    page.Add(turned);

    TfrPreparedReport prepared = report.Prepare();
    const auto &items = prepared.Pages[0].Items;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].Text, "aaaa");
    EXPECT_EQ(items[1].Text, "bbbb");
    EXPECT_EQ(items[2].Text, "cccc");
    EXPECT_NEAR(items[2].Y, 2 * 15.24, 0.01);
    EXPECT_EQ(items[3].Text, "one"); // one line fits in 20 units
    EXPECT_EQ(items[3].Style & kTextNoClip, 0);
    // "1234" needs 25.4 units: the box grows 2.7 units on each side.
    EXPECT_NEAR(items[4].X, 100 - 2.7, 0.01);
    EXPECT_NEAR(items[4].W, 25.4, 0.01);
    EXPECT_EQ(items[4].Style, frtaCenter | kTextNoClip);
    EXPECT_NEAR(items[5].Y, 300 - 2.7, 0.01);
    EXPECT_NEAR(items[5].H, 25.4, 0.01);
    EXPECT_EQ(items[5].Style, frtaCenter | kTextVertical | kTextNoClip);
}

TEST(ReportPrepare, FramesAndPictures)
{
    TfrReport report;
    TfrPage &page = CustomPage(report, 1000, 1000);
    TfrView framed = MakeCheckBox("C", 1, 2, 3, 4, "0");
    framed.Frame = frbLeft | frbBottom;
    page.Add(framed);
    page.Add(MakePicture("P", 5, 6, 7, 8, "png"));
    page.Add(MakePicture("Empty", 5, 6, 7, 8, ""));
    TfrPreparedReport prepared = report.Prepare();
    const auto &items = prepared.Pages[0].Items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Kind, TfrItemKind::Frame);
    EXPECT_EQ(items[0].Style, frbLeft | frbBottom);
    EXPECT_EQ(items[1].Kind, TfrItemKind::Picture);
    EXPECT_EQ(prepared.Pictures.at(items[1].Index), "png");
}

TEST(ReportPage, PaperSizesAndOrientation)
{
    TfrPage page;
    EXPECT_EQ(page.WidthTenths(), 2100);
    EXPECT_EQ(page.HeightTenths(), 2970);
    page.SetOrientation(TfrOrientation::Landscape);
    EXPECT_EQ(page.WidthTenths(), 2970);
    page.SetPaper(kPaperLetter);
    EXPECT_EQ(page.HeightTenths(), 2159);
    page.SetPaper(kPaperCustom, 1610, 1040); // a custom size is taken as given
    EXPECT_EQ(page.WidthTenths(), 1610);
    EXPECT_EQ(page.WidthUnits(), 580);
    EXPECT_THROW(page.SetPaper(kPaperCustom, 0, 10), EReportError);
    EXPECT_THROW(page.SetPaper(5), EReportError);
    EXPECT_EQ(page.PaperSize(), kPaperCustom);
}

TEST(Report, PagesDatasetsAndFileName)
{
    TfrReport report;
    EXPECT_THROW(report.Page(0), EListError);
    report.AddPage();
    report.SetFileName("x.frf");
    TfrUserDataset &a = report.CreateDataset("Tickets");
    EXPECT_EQ(&report.CreateDataset("TICKETS"), &a);
    report.Clear();
    EXPECT_EQ(report.PageCount(), 0);
    EXPECT_EQ(report.FindDataset("tickets"), &a);
    EXPECT_EQ(report.FileName(), "x.frf");
}

TEST(ReportPrepare, LongTextIsLaidOutWordByWord)
{
    std::string text;
    for (int i = 0; i < 30000; ++i)
        text += "ab ";
    TfrReport report;
    TfrPage &page = CustomPage(report, 100000, 100000);
    TfrView wide = MakeMemo("Wide", 0, 0, 1000000, 100, text);
    wide.Flags = flWordWrap;
    page.Add(wide);
    TfrView narrow = MakeMemo("Narrow", 0, 200, 30, 100000, text);
    narrow.Flags = flWordWrap;
    page.Add(narrow);
    const TfrPreparedReport prepared = report.Prepare();
    const auto &items = prepared.Pages[0].Items;
    EXPECT_EQ(items[0].Text, text);      // one line
    EXPECT_EQ(items[1].Text, "ab");      // "ab ab" needs 31.75 units
    EXPECT_EQ(items.size(), 1u + 6561u); // the lines that fit in 100000 units of 15.24
}
