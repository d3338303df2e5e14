// print: a combination on tickets (or through a template) into a PDF file.
// Built only with the report painter, which needs Qt Gui (no display).

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_rules.h"
#include "model/text_lookup.h"
#include "model/ticket_tables.h"
#include "printing/boleto_automatico.h"
#include "printing/print_boletos_source.h"
#include "printing/print_offset.h"
#include "report/render/pdf_export.h"
#include "report/render/qt_text_measure.h"
#include "report/report.h"

#include <cmath>
#include <iostream>
#include <optional>

namespace {

struct PrintOptions {
    std::string combination, pdf, templateFile;
    TPaisBoleto pais = pbEspana;
    int rotation = 0;
    int32_t dx = 0, dy = 0;
    bool testMode = false;
};

// Fills options from the values given; returns an error message, or "".
std::string ReadOptions(const CliArguments &args, PrintOptions &options)
{
    options.combination = args.Operand(0);
    options.testMode = args.Has("--test-mode");
    options.pdf = args.Value("--pdf").value_or(std::string());
    options.templateFile = args.Value("--template").value_or(std::string());
    if (const std::optional<std::string> country = args.Value("--country")) {
        if (*country != "ES" && *country != "FR")
            return GetText(kTxtCliCountry);
        options.pais = *country == "FR" ? pbFrancia : pbEspana;
    }
    if (const std::optional<std::string> rotation = args.Value("--rotation")) {
        std::optional<int> degrees = ParseInteger(*rotation);
        if (!degrees || *degrees < 0 || *degrees > 270 || *degrees % 90 != 0)
            return GetText(kTxtCliRotation);
        options.rotation = *degrees / 90;
    }
    if (const std::optional<std::string> offset = args.Value("--offset")) {
        size_t comma = offset->find(',');
        std::optional<int32_t> dx =
            comma == std::string::npos ? std::nullopt : ParseOffsetTenths(offset->substr(0, comma));
        std::optional<int32_t> dy =
            comma == std::string::npos ? std::nullopt : ParseOffsetTenths(offset->substr(comma + 1));
        if (!dx || !dy)
            return GetText(kTxtCliOffset);
        options.dx = *dx;
        options.dy = *dy;
    }
    if (options.pdf.empty())
        return GetText(kTxtCliNoPdfFile);
    return {};
}

int Print(const CliArguments &args)
{
    PrintOptions options;
    if (std::string error = ReadOptions(args, options); !error.empty())
        return CliFail(error);

    // The game of --edition: a file of the other game is refused (45801).
    TEuroMillonApuestas apuestas(EditionInForce());
    if (!LoadOrReport(apuestas, options.combination))
        return kCliUsageError;
    if (apuestas.Count() == 0)
        return CliFileFail(options.combination, GetText(kTxtCliNothingToPrint));
    // The automatic ticket knows the slips of the classic game only.
    if (options.templateFile.empty() && apuestas.Edition() != TGameEdition::Classic)
        return CliFail(GetText(kTxtCliNoAutomaticTicket));

    PonerPais(options.pais);
    const TTablasBoleto &tablas = TablasDePais(options.pais);
    TfrReport report;
    if (options.templateFile.empty()) {
        ConstruirBoletoAutomatico(report, options.rotation, tablas.Geometria, tablas.Formato, options.dx,
                                  options.dy, kPrintBoletosDataSet);
    } else if (!LoadOrReport(report, options.templateFile)) {
        return kCliUsageError;
    }
    TPrintBoletosSource source(apuestas, tablas.Formato);
    source.SetTestMode(options.testMode);
    source.Attach(report, kPrintBoletosDataSet);

    TfrPreparedReport prepared = report.Prepare(QtTextMeasure());
    try {
        ExportPdf(prepared, options.pdf);
    } catch (const Exception &error) {
        return CliFileFail(options.pdf, error.Message());
    }
    SummaryStream(options.pdf) << FormatText(GetText(kTxtCliPagesWritten),
                                             {prepared.Pages.size(), options.pdf})
                               << "\n";
    return 0;
}

const CliRegistration registration({
    .name = "print",
    .summary = kTxtCliSummaryPrint,
    .usage = {kTxtCliUsagePrint},
    .options = {{"--pdf", true},
                {"--country", true},
                {"--rotation", true},
                {"--offset", true},
                {"--template", true},
                {"--test-mode"}},
    .missingOperand = kTxtCliNoCombinationFile,
    .run = Print,
});

} // namespace
