#include "printing/boleto_automatico.h"

#include "report/report.h"
#include "report/report_errors.h"
#include "report/report_units.h"

#include <gtest/gtest.h>

namespace {

const TTablasBoleto &Spain()
{
    return TablasDePais(pbEspana);
}

const TTablasBoleto &France()
{
    return TablasDePais(pbFrancia);
}

void Build(TfrReport &report, const TTablasBoleto &tablas, int rotation, int32_t dx = 0, int32_t dy = 0)
{
    ConstruirBoletoAutomatico(report, rotation, tablas.Geometria, tablas.Formato, dx, dy,
                              kPrintBoletosDataSet);
}

const TfrView &Object(const TfrReport &report, const std::string &name)
{
    const TfrView *view = report.Page(0).FindObject(name);
    if (!view)
        throw std::runtime_error("no object " + name);
    return *view;
}

} // namespace

TEST(BoletoAutomatico, SpainAtRotation0)
{
    TfrReport report;
    report.AddPage();
    report.AddPage();
    Build(report, Spain(), 0);
    ASSERT_EQ(report.PageCount(), 1);
    const TfrPage &page = report.Page(0);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_EQ(page.WidthTenths(), 1610); // 161.0 x 104.0 mm
    EXPECT_EQ(page.HeightTenths(), 1040);
    EXPECT_EQ(page.Margins(), (TfrMargins{25, 25, 25, 25}));

    const TfrView &band = page.Objects()[0];
    EXPECT_EQ(band.Kind, TfrViewKind::Band);
    EXPECT_STREQ(band.ClassName(), "TfrBandView");
    EXPECT_EQ(band.Name, "DATA");
    EXPECT_EQ(band.BandKind, TfrBandKind::MasterData);
    EXPECT_EQ(band.DataSet, "frPrintBoletosDataSet");
    EXPECT_EQ(band.Left, 0);
    EXPECT_EQ(band.Top, 25);
    EXPECT_EQ(band.Width, 0);
    EXPECT_EQ(band.Height, (374 - 25 - 25) - 1);

    // The worked example: number 10 of bet 2, and star 5 of bet 1.
    const TfrView &box = Object(report, "POS_2_B_1_NUM_10");
    EXPECT_EQ(box.Kind, TfrViewKind::CheckBox);
    EXPECT_EQ(box.Memo, "[POS_2_B_1_NUM_10]");
    EXPECT_EQ(box.Frame, 0);
    EXPECT_EQ(box.Left, 155);
    EXPECT_EQ(box.Top, 91);
    EXPECT_EQ(box.Width, 10);
    EXPECT_EQ(box.Height, 14);
    const TRectTenths star = CasillaDeValor(Spain().Geometria, Spain().Formato, 1, 2, 5);
    EXPECT_DOUBLE_EQ(star.x, 205.0);
    EXPECT_DOUBLE_EQ(star.y, 803.0);
    EXPECT_EQ(Object(report, "POS_1_B_2_NUM_5").Left, DecimasAUnidades(205.0));
    EXPECT_EQ(Object(report, "POS_1_B_2_NUM_5").Top, DecimasAUnidades(803.0));
}

TEST(BoletoAutomatico, TwoHundredNinetyEightObjectsInOrder)
{
    TfrReport report;
    Build(report, Spain(), 0);
    const auto &objects = report.Page(0).Objects();
    ASSERT_EQ(objects.size(), 298u);
    size_t index = 1;
    for (int bet = 1; bet <= 5; ++bet) {
        for (int block = 1; block <= 2; ++block) {
            for (int n = 1; n <= (block == 1 ? 50 : 9); ++n, ++index) {
                std::string name = "POS_" + std::to_string(bet) + "_B_" + std::to_string(block) + "_NUM_" +
                                   std::to_string(n);
                EXPECT_EQ(objects[index].Name, name);
                EXPECT_EQ(objects[index].Kind, TfrViewKind::CheckBox);
            }
        }
    }
    EXPECT_EQ(objects[1].Name, "POS_1_B_1_NUM_1");
    EXPECT_EQ(objects[295].Name, "POS_5_B_2_NUM_9");
    const TfrView &counter = objects[296];
    EXPECT_EQ(counter.Name, "NBOLETO");
    EXPECT_STREQ(counter.ClassName(), "TfrMemoView");
    EXPECT_EQ(counter.Memo, "[NBOLETO]/[TOTALBOLETOS]");
    EXPECT_EQ(counter.Left, DecimasAUnidades(1050));
    EXPECT_EQ(counter.Top, DecimasAUnidades(200));
    EXPECT_EQ(counter.Width, DecimasAUnidades(300));
    EXPECT_EQ(counter.Height, DecimasAUnidades(40));
    EXPECT_EQ(counter.Font.Size, 8);
    EXPECT_FALSE(counter.Font.Bold);
    EXPECT_FALSE(counter.Font.Italic);
    EXPECT_EQ(counter.Flags, 8);
    EXPECT_EQ(counter.Alignment, 2);
    EXPECT_EQ(counter.Frame, 0);
    const TfrView &name = objects[297];
    EXPECT_EQ(name.Name, "COMB_NAME");
    EXPECT_EQ(name.Memo, "[COMB_NAME]");
    EXPECT_EQ(name.Left, DecimasAUnidades(450));
}

TEST(BoletoAutomatico, FranceAtRotation1IsTurned)
{
    TfrReport report;
    Build(report, France(), 1);
    const TfrPage &page = report.Page(0);
    EXPECT_EQ(page.WidthTenths(), 1208); // 120.8 mm wide, 160.8 mm tall
    EXPECT_EQ(page.HeightTenths(), 1608);
    const TfrView &counter = Object(report, "NBOLETO");
    EXPECT_EQ(counter.Alignment, 2 | 4);
    EXPECT_EQ(counter.Left, DecimasAUnidades(250));
    EXPECT_EQ(counter.Top, DecimasAUnidades(1608) - DecimasAUnidades(1050) - DecimasAUnidades(300));
    EXPECT_EQ(counter.Width, DecimasAUnidades(40));
    EXPECT_EQ(counter.Height, DecimasAUnidades(300));
    const TRectTenths r = CasillaDeValor(France().Geometria, France().Formato, 1, 1, 1);
    const TfrView &box = Object(report, "POS_1_B_1_NUM_1");
    EXPECT_EQ(box.Left, DecimasAUnidades(r.y));
    EXPECT_EQ(box.Top, DecimasAUnidades(1608) - DecimasAUnidades(r.x) - DecimasAUnidades(r.w));
    EXPECT_EQ(report.Page(0).Objects()[0].Height, (DecimasAUnidades(1608) - 25 - 25) - 1);
}

TEST(BoletoAutomatico, RotationsThreeAndTwo)
{
    TfrReport report;
    Build(report, Spain(), 3);
    const TRectTenths r = CasillaDeValor(Spain().Geometria, Spain().Formato, 3, 1, 42);
    const TfrView &box3 = Object(report, "POS_3_B_1_NUM_42");
    EXPECT_EQ(box3.Left, DecimasAUnidades(1040) - DecimasAUnidades(r.y) - DecimasAUnidades(r.h));
    EXPECT_EQ(box3.Top, DecimasAUnidades(r.x));
    EXPECT_EQ(box3.Width, DecimasAUnidades(r.h));
    EXPECT_EQ(box3.Height, DecimasAUnidades(r.w));
    EXPECT_EQ(Object(report, "COMB_NAME").Alignment, 6);

    // Upside down: the box at (x, y) ends at U(W) - U(x) - U(w).
    Build(report, Spain(), 2);
    EXPECT_EQ(report.Page(0).WidthTenths(), 1610);
    const TfrView &box2 = Object(report, "POS_3_B_1_NUM_42");
    EXPECT_EQ(box2.Left, DecimasAUnidades(1610) - DecimasAUnidades(r.x) - DecimasAUnidades(r.w));
    EXPECT_EQ(box2.Top, DecimasAUnidades(1040) - DecimasAUnidades(r.y) - DecimasAUnidades(r.h));
    EXPECT_EQ(box2.Width, DecimasAUnidades(r.w));
    EXPECT_EQ(Object(report, "NBOLETO").Alignment, 2);
}

TEST(BoletoAutomatico, FrenchAndSpanishCells)
{
    // Number 7: French column 0 row 1; Spanish column 0 row 6.
    const TRectTenths fr7 = CasillaDeValor(France().Geometria, France().Formato, 1, 1, 7);
    EXPECT_DOUBLE_EQ(fr7.x, 170.0 + 15.0);
    EXPECT_DOUBLE_EQ(fr7.y, 258.0 + 45.0 + 36.0);
    const TRectTenths es7 = CasillaDeValor(Spain().Geometria, Spain().Formato, 1, 1, 7);
    EXPECT_DOUBLE_EQ(es7.x, 115.0 + 15.0);
    EXPECT_DOUBLE_EQ(es7.y, 205.0 + 47.0 + 6 * 50.0);
    // Number 50: Spanish column 5 row 4; French column 1 row 8.
    const TRectTenths es50 = CasillaDeValor(Spain().Geometria, Spain().Formato, 1, 1, 50);
    EXPECT_DOUBLE_EQ(es50.x, 115.0 + 15.0 + 5 * 37.7);
    EXPECT_DOUBLE_EQ(es50.y, 205.0 + 47.0 + 4 * 50.0);
    const TRectTenths fr50 = CasillaDeValor(France().Geometria, France().Formato, 2, 1, 50);
    EXPECT_DOUBLE_EQ(fr50.x, 253.0 + 170.0 + 15.0 + 36.0);
    EXPECT_DOUBLE_EQ(fr50.y, 258.0 + 45.0 + 8 * 36.0);

    TfrReport report;
    Build(report, France(), 0);
    EXPECT_EQ(Object(report, "POS_1_B_1_NUM_7").Left, DecimasAUnidades(fr7.x));
    EXPECT_EQ(Object(report, "POS_1_B_1_NUM_7").Top, DecimasAUnidades(fr7.y));
    EXPECT_EQ(Object(report, "POS_1_B_1_NUM_7").Width, DecimasAUnidades(30));
}

TEST(BoletoAutomatico, OffsetsMoveBoxesAndTextsNotTheBand)
{
    TfrReport plain, moved;
    Build(plain, Spain(), 0);
    Build(moved, Spain(), 0, 15, -20);
    const auto &a = plain.Page(0).Objects();
    const auto &b = moved.Page(0).Objects();
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a[0], b[0]);
    for (size_t i = 1; i < a.size(); ++i) {
        EXPECT_EQ(b[i].Left, a[i].Left + 5) << a[i].Name;
        EXPECT_EQ(b[i].Top, a[i].Top - 7) << a[i].Name;
        EXPECT_EQ(b[i].Width, a[i].Width);
    }
}

TEST(BoletoAutomatico, BadRotationLeavesTheReport)
{
    TfrReport report;
    report.AddPage();
    EXPECT_THROW(Build(report, Spain(), 4), EReportError);
    EXPECT_THROW(Build(report, Spain(), -1), EReportError);
    EXPECT_EQ(report.PageCount(), 1);
    EXPECT_TRUE(report.Page(0).Objects().empty());
}
