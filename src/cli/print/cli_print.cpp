// print: a combination on tickets (or through a template) into a PDF file.
// Built only with the report painter, which needs Qt Gui (no display).

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"
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

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli print FILE.aem --pdf OUT.pdf [--country ES|FR]\n"
    "         [--rotation 0|90|180|270] [--offset DX,DY] [--template FILE.frf] [--test-mode]\n"
    "Prints the combination's bets, five to a ticket, into a PDF file whose pages\n"
    "have the size of the ticket (print it at 100 %). The PDF writer sizes pages\n"
    "in whole points, so the size is rounded up: the Spanish ticket of 161.0 x 104.0 mm\n"
    "gives pages of 161.2 x 104.1 mm, the French one of 160.8 x 120.8 mm pages\n"
    "of 160.9 x 121.0 mm; the extra is blank paper at the right and the bottom.\n"
    "Without --template the automatic ticket of the country (ES by default) is\n"
    "built, turned by the rotation (0 by default) and moved by the offsets in\n"
    "millimetres (0,0 by default, for example --offset 1.5,-2). --test-mode\n"
    "marks every box.\n"
    "--pdf - writes the PDF to standard output.\n"
    "A combination of today's game (--edition current) prints only through a\n"
    "--template: its automatic ticket is not available yet.\n";

struct PrintOptions {
    std::string combination, pdf, templateFile;
    TPaisBoleto pais = pbEspana;
    int rotation = 0;
    int32_t dx = 0, dy = 0;
    bool testMode = false;
};

// Returns an error message, or "" with the options filled.
std::string ParseOptions(const std::vector<std::string> &args, PrintOptions &options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--test-mode") {
            options.testMode = true;
            continue;
        }
        if (arg == "--pdf" || arg == "--country" || arg == "--rotation" || arg == "--offset" ||
            arg == "--template") {
            if (++i == args.size())
                return arg + " needs a value";
            const std::string &value = args[i];
            if (arg == "--pdf") {
                options.pdf = value;
            } else if (arg == "--template") {
                options.templateFile = value;
            } else if (arg == "--country") {
                if (value != "ES" && value != "FR")
                    return "--country must be ES or FR";
                options.pais = value == "FR" ? pbFrancia : pbEspana;
            } else if (arg == "--rotation") {
                std::optional<int> degrees = ParseInteger(value);
                if (!degrees || *degrees < 0 || *degrees > 270 || *degrees % 90 != 0)
                    return "--rotation must be 0, 90, 180 or 270";
                options.rotation = *degrees / 90;
            } else {
                size_t comma = value.find(',');
                std::optional<int32_t> dx =
                    comma == std::string::npos ? std::nullopt : ParseOffsetTenths(value.substr(0, comma));
                std::optional<int32_t> dy =
                    comma == std::string::npos ? std::nullopt : ParseOffsetTenths(value.substr(comma + 1));
                if (!dx || !dy)
                    return "--offset must be DX,DY in millimetres, for example 1.5,-2";
                options.dx = *dx;
                options.dy = *dy;
            }
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (options.combination.empty()) {
            options.combination = arg;
        } else {
            return "only one combination file may be given";
        }
    }
    if (options.combination.empty())
        return "no combination file given (see print --help)";
    if (options.pdf.empty())
        return "no PDF file given (--pdf OUT.pdf)";
    return {};
}

int Print(const std::vector<std::string> &args)
{
    for (const std::string &arg : args) {
        if (IsHelpOption(arg)) {
            std::cout << kUsage;
            return 0;
        }
    }
    PrintOptions options;
    if (std::string error = ParseOptions(args, options); !error.empty())
        return CliFail(error);

    // The game of --edition: a file of the other game is refused (45801).
    TEuroMillonApuestas apuestas(EditionInForce());
    if (!LoadOrReport(apuestas, options.combination))
        return kCliUsageError;
    if (apuestas.Count() == 0)
        return CliFail("the combination holds no bet: nothing to print");
    // The automatic ticket knows the slips of the classic game only.
    if (options.templateFile.empty() && apuestas.Edition() != TGameEdition::Classic)
        return CliFail(
            "the automatic ticket of today's game is not available yet: print with --template FILE.frf");

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
    SummaryStream(options.pdf) << prepared.Pages.size() << " pages written to " << options.pdf << "\n";
    return 0;
}

const CliRegistration registration({"print", "print a combination on tickets into a PDF file", Print});

} // namespace
