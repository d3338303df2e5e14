// Report templates (.frf): whatever loads must save and load back the same.
#include "fuzz_harness.h"

#include "model/ticket_tables.h"
#include "printing/boleto_automatico.h"
#include "report/report.h"
#include "report/report_objects.h"

namespace {

std::string Saved(const TfrReport &report)
{
    return StreamBytes([&](TStream &stream) { report.SaveToStream(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    std::vector<std::string> seeds;
    TfrReport report;
    seeds.push_back(Saved(report));

    TfrPage &page = report.AddPage();
    page.SetPaper(kPaperA4);
    page.Add(MakeBand("HEADER", TfrBandKind::PageHeader, 0, 0, 0, 40));
    page.Add(MakeMemo("Título", 10, 5, 500, 20, "Combinación: [COMB_NAME]"));
    seeds.push_back(Saved(report));

    const TTablasBoleto &spain = TablasDePais(pbEspana);
    ConstruirBoletoAutomatico(report, 0, spain.Geometria, spain.Formato, 0, 0, kPrintBoletosDataSet);
    seeds.push_back(Saved(report));
    const TTablasBoleto &france = TablasDePais(pbFrancia);
    ConstruirBoletoAutomatico(report, 1, france.Geometria, france.Formato, 3, -2, kPrintBoletosDataSet);
    seeds.push_back(Saved(report));
    return seeds;
}

void FuzzOne(std::string_view data)
{
    TfrReport report;
    TMemoryStream stream(data);
    report.LoadFromStream(stream);

    // A template that loaded saves and reads back whole.
    std::string bytes = Saved(report);
    TfrReport back;
    TMemoryStream again(bytes);
    back.LoadFromStream(again);
    FuzzCheck(back.PageCount() == report.PageCount(), "saved and loaded again, the page count changed");
    FuzzCheck(Saved(back) == bytes, "saved and loaded again, the bytes changed");
}
