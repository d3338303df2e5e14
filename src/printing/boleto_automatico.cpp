#include "printing/boleto_automatico.h"

#include "report/report.h"
#include "report/report_errors.h"
#include "report/report_units.h"

namespace {

constexpr double kMarginTenths = 70;
constexpr int32_t kTextWidth = 300, kTextHeight = 40, kTextSize = 8;

// Places an object by the rotation table: each term is converted on its own
// before the terms are added, so that rounding matches box for box.
struct TPlacement {
    int rotation;
    int32_t dx, dy;
    double W, H; // the ticket, unturned

    void Place(TfrView &view, const TRectTenths &r) const
    {
        auto U = DecimasAUnidades;
        switch (rotation) {
        case 0:
            view.Left = U(dx) + U(r.x);
            view.Top = U(dy) + U(r.y);
            view.Width = U(r.w);
            view.Height = U(r.h);
            break;
        case 1:
            view.Left = U(dx) + U(r.y);
            view.Top = U(dy) + U(W) - U(r.x) - U(r.w);
            view.Width = U(r.h);
            view.Height = U(r.w);
            break;
        case 2:
            view.Left = U(dx) + U(W) - U(r.x) - U(r.w);
            view.Top = U(dy) + U(H) - U(r.y) - U(r.h);
            view.Width = U(r.w);
            view.Height = U(r.h);
            break;
        default:
            view.Left = U(dx) + U(H) - U(r.y) - U(r.h);
            view.Top = U(dy) + U(r.x);
            view.Width = U(r.h);
            view.Height = U(r.w);
            break;
        }
    }
};

TfrView HeaderText(const std::string &name, const std::string &memo, int rotation)
{
    TfrView view = MakeMemo(name, 0, 0, 0, 0, memo);
    view.Font.Size = kTextSize;
    view.Flags = flAutoWidth;
    view.Alignment = frtaCenter | (rotation % 2 == 1 ? frtaVertical : 0);
    return view;
}

} // namespace

TRectTenths CasillaDeValor(const TGeometriaBoleto &geometria, const TFormatoBoleto &formato, int bet,
                           int block, int value)
{
    const TGeometriaBloque &grid = geometria.Bloque(block);
    int32_t column = 0, row = 0;
    CeldaDeValor(geometria, block, value, column, row);
    TRectTenths rect;
    rect.x = (bet - 1) * formato.AnchoApuesta + formato.OrigenX + grid.OrigenX + column * grid.PasoX;
    rect.y = formato.OrigenY + grid.OrigenY + row * grid.PasoY;
    rect.w = grid.AnchoCasilla;
    rect.h = grid.AltoCasilla;
    return rect;
}

void ConstruirBoletoAutomatico(TfrReport &report, int rotation, const TGeometriaBoleto &geometria,
                               const TFormatoBoleto &formato, int32_t dx, int32_t dy,
                               const std::string &datasetName)
{
    if (rotation < 0 || rotation > 3)
        throw EReportError("Rotation " + std::to_string(rotation) + " is not 0 to 3");
    report.Clear();
    TfrPage &page = report.AddPage();
    const bool turned = rotation % 2 == 1;
    page.SetPaper(kPaperCustom, turned ? formato.AltoBoleto : formato.AnchoBoleto,
                  turned ? formato.AnchoBoleto : formato.AltoBoleto);
    const int32_t margin = DecimasAUnidades(kMarginTenths);
    page.SetMargins({margin, margin, margin, margin});

    const int32_t top = page.Margins().Top;
    page.Add(
        MakeBand("DATA", TfrBandKind::MasterData, 0, top, 0, (page.BottomLimit() - top) - 1, datasetName));

    const TPlacement placement{rotation, dx, dy, static_cast<double>(formato.AnchoBoleto),
                               static_cast<double>(formato.AltoBoleto)};
    page.Objects().reserve(page.Objects().size() + static_cast<size_t>(formato.ApuestasPorBoleto) * 59 + 2);
    for (int bet = 1; bet <= formato.ApuestasPorBoleto; ++bet) {
        for (int block = 1; block <= 2; ++block) {
            const int highest = block == 1 ? 50 : 9;
            for (int value = 1; value <= highest; ++value) {
                const std::string name = "POS_" + std::to_string(bet) + "_B_" + std::to_string(block) +
                                         "_NUM_" + std::to_string(value);
                TfrView box = MakeCheckBox(name, 0, 0, 0, 0, "[" + name + "]");
                placement.Place(box, CasillaDeValor(geometria, formato, bet, block, value));
                page.Add(box);
            }
        }
    }

    TfrView counter = HeaderText("NBOLETO", "[NBOLETO]/[TOTALBOLETOS]", rotation);
    placement.Place(counter, {static_cast<double>(formato.NumeroBoletoX),
                              static_cast<double>(formato.CabeceraY), kTextWidth, kTextHeight});
    page.Add(counter);
    TfrView name = HeaderText("COMB_NAME", "[COMB_NAME]", rotation);
    placement.Place(name, {static_cast<double>(formato.NombreX), static_cast<double>(formato.CabeceraY),
                           kTextWidth, kTextHeight});
    page.Add(name);
}
