#include "printing/plantillas_incluidas.h"

#include "model/ticket_tables.h"
#include "printing/boleto_automatico.h"
#include "report/report.h"
#include "report/report_units.h"

#include <filesystem>

namespace {

// A line of text (ascent and descent) of Arial and its metric twin
// Liberation Sans is 1.118 em. "Arial" may also resolve to DejaVu Sans
// (1.166 em), FreeSans (1.002 em) or Nimbus Sans (1.387 em bold: 15.80 units
// at 9 pt, 24.55 at 14 pt bold); the margin covers the tallest of them.
constexpr double kArialLineEm = 1.118;
constexpr double kLinuxSansMarginEm = 0.30;
constexpr double kUnitsPerPoint = 25.4 / 72.0 * kUnitsPerMillimetre;

// The height of a memo holding one line at size points, whole units.
constexpr int32_t LineHeight(int32_t points)
{
    const double units = (kArialLineEm + kLinuxSansMarginEm) * points * kUnitsPerPoint;
    const auto whole = static_cast<int32_t>(units);
    return whole < units ? whole + 1 : whole;
}

constexpr int32_t kLine = LineHeight(9);       // 17
constexpr int32_t kTitleLine = LineHeight(14); // 26
constexpr int32_t kSmallLine = LineHeight(8);  // 15

// A4 portrait in engine units: 756 x 1069; margins of 10 mm.
constexpr int32_t kMargin = 36;
constexpr int32_t kWidth = 756 - 2 * kMargin;
// Header: the name, the totals, a rule; footer: the page number.
constexpr int32_t kHeaderTop = kMargin;
constexpr int32_t kTotalsTop = kTitleLine + 1;
constexpr int32_t kRuleTop = kTotalsTop + kLine;
constexpr int32_t kHeaderHeight = kRuleTop + 8;
constexpr int32_t kFooterHeight = kSmallLine + 9;
constexpr int32_t kFooterTop = 1069 - kMargin - kFooterHeight;
constexpr int32_t kDataTop = kHeaderTop + kHeaderHeight;
// Ten tickets a page between the header and the footer.
constexpr int32_t kTicketHeight = (kFooterTop - kDataTop) / 10;
// The ticket's frame in the listing by tickets, and its five lines inside it.
constexpr int32_t kFrameInset = 2;
constexpr int32_t kFirstLine = kFrameInset + 2;
static_assert(kFirstLine + 5 * kLine <= kTicketHeight - kFrameInset, "five bets fit in a ticket's frame");

TfrView Memo(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
             const std::string &text, int32_t size = 9, bool bold = false, int32_t alignment = frtaLeft)
{
    TfrView memo = MakeMemo(name, left, top, width, height, text);
    memo.Font.Size = size;
    memo.Font.Bold = bold;
    memo.Alignment = alignment | frtaMiddle;
    return memo;
}

TfrPage &ListingPage(TfrReport &report)
{
    report.Clear();
    TfrPage &page = report.AddPage();
    page.SetPaper(kPaperA4);
    page.SetMargins({kMargin, kMargin, kMargin, kMargin});
    page.Add(MakeBand("CABECERA", TfrBandKind::PageHeader, 0, kHeaderTop, 0, kHeaderHeight));
    page.Add(Memo("COMB_NAME", kMargin, kHeaderTop, kWidth, kTitleLine, "[COMB_NAME]", 14, true));
    page.Add(Memo("TOTALES", kMargin, kHeaderTop + kTotalsTop, kWidth, kLine,
                  "Apuestas: [TOTALAPUESTAS]    Boletos: [TOTALBOLETOS]"));
    TfrView rule = Memo("RAYA", kMargin, kHeaderTop + kRuleTop, kWidth, 4, "");
    rule.Frame = frbBottom;
    page.Add(rule);
    page.Add(MakeBand("PIE", TfrBandKind::PageFooter, 0, kFooterTop, 0, kFooterHeight));
    page.Add(
        Memo("PAGINA", kMargin, kFooterTop + 6, kWidth, kSmallLine, "Página [PAGE#]", 8, false, frtaCenter));
    page.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, kDataTop, 0, kTicketHeight, kPrintBoletosDataSet));
    return page;
}

// A bet's number holds "76.275.360", the largest combination's last one.
constexpr int32_t kBetNumberWidth = 70;
// The ticket counter holds "Boleto 15.255.072/15.255.072" in bold.
constexpr int32_t kCounterWidth = 200;

// One line for bet i of the ticket: its number, then its two blocks.
void BetLine(TfrPage &page, int i, int32_t left, int32_t top)
{
    const std::string n = std::to_string(i);
    page.Add(Memo("NAPUESTA_" + n, left, top, kBetNumberWidth, kLine, "[NAPUESTA_" + n + "]", 9, false,
                  frtaRight));
    const int32_t blocks = left + kBetNumberWidth + 20;
    page.Add(Memo("BLOQUE_" + n + "_B_1", blocks, top, 150, kLine, "[BLOQUE_" + n + "_B_1]"));
    page.Add(Memo("BLOQUE_" + n + "_B_2", blocks + 160, top, 80, kLine, "[BLOQUE_" + n + "_B_2]"));
}

void Listado(TfrReport &report)
{
    TfrPage &page = ListingPage(report);
    const int32_t top = kDataTop + (kTicketHeight - 5 * kLine) / 2;
    for (int i = 1; i <= 5; ++i)
        BetLine(page, i, kMargin, top + (i - 1) * kLine);
}

void ListadoPorBoletos(TfrReport &report)
{
    TfrPage &page = ListingPage(report);
    TfrView box = Memo("MARCO", kMargin, kDataTop + kFrameInset, kWidth, kTicketHeight - 2 * kFrameInset, "");
    box.Frame = frbAll;
    page.Add(box);
    page.Add(Memo("NBOLETO", kMargin + 8, kDataTop + kFirstLine, kCounterWidth, kLine,
                  "Boleto [NBOLETO]/[TOTALBOLETOS]", 9, true));
    for (int i = 1; i <= 5; ++i)
        BetLine(page, i, kMargin + 8 + kCounterWidth + 4, kDataTop + kFirstLine + (i - 1) * kLine);
}

void BoletoGirado(TfrReport &report, TPaisBoleto pais)
{
    const TTablasBoleto &tablas = TablasDePais(pais);
    ConstruirBoletoAutomatico(report, 1, tablas.Geometria, tablas.Formato, 0, 0, kPrintBoletosDataSet);
}

} // namespace

const std::vector<TPlantillaIncluida> &PlantillasIncluidas()
{
    static const std::vector<TPlantillaIncluida> plantillas = {
        {"Boletos", "Boleto_Espana_90.frf", [](TfrReport &report) { BoletoGirado(report, pbEspana); }},
        {"Boletos", "Boleto_Francia_90.frf", [](TfrReport &report) { BoletoGirado(report, pbFrancia); }},
        {"Listados", "Listado_Apuestas.frf", Listado},
        {"Listados", "Listado_Por_Boletos.frf", ListadoPorBoletos},
    };
    return plantillas;
}

std::vector<std::string> InstalarPlantillasIncluidas(const std::string &programFolder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> written;
    for (const TPlantillaIncluida &plantilla : PlantillasIncluidas()) {
        const fs::path folder = fs::path(programFolder) / plantilla.Carpeta;
        const fs::path path = folder / plantilla.Archivo;
        std::error_code error;
        if (fs::exists(path, error) || error)
            continue;
        fs::create_directory(folder, error);
        TfrReport report;
        plantilla.Construir(report);
        report.SaveToFile(path.string());
        written.push_back(path.string());
    }
    return written;
}
