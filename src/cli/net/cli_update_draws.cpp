#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "draws/draw_files.h"
#include "draws/draw_update.h"
#include "draws/net/draw_download.h"
#include "model/format.h"
#include "model/text_lookup.h"

#include <QCoreApplication>

#include <iostream>

namespace {

constexpr int kCliUpdateFailed = 1;

int UpdateDraws(const CliArguments &args)
{
    const std::string url = args.Value("--url").value_or(std::string());
    std::string archive = args.Value("--archive").value_or(std::string());
    int timeout = kSorteosTimeoutSegundos;
    if (const std::optional<std::string> value = args.Value("--timeout")) {
        const std::optional<int> seconds = ParseInteger(*value);
        if (!seconds || *seconds < 1)
            return CliFail(GetText(kTxtCliTimeoutNeedsSeconds));
        timeout = *seconds;
    }
    const TGameEdition edition = EditionInForce();
    if (archive.empty()) {
        PrepararArchivoSorteos(edition); // today's game starts from the shipped archive
        archive = ArchivoSorteos(edition);
    }

    // Qt Network needs an application object, not a display.
    int argc = 1;
    char name[] = "qor-euromillon-cli";
    char *argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    TDrawUpdate update(archive, edition);
    update.SetTimeout(timeout * 1000);
    QObject::connect(&update, &TDrawUpdate::Started, [](const QString &address) {
        std::cerr << FormatText(GetText(kTxtCliDownloading), {address.toStdString()}) << std::endl;
    });
    if (!update.Run(TDrawUpdate::Addresses(QString::fromStdString(url)))) {
        std::cerr << "qor-euromillon-cli: " << FormatText(GetText(kTxtCliDrawsNotUpdated), {archive}) << "\n"
                  << update.Message().toStdString() << std::endl;
        return kCliUpdateFailed;
    }
    const TImportReport &informe = update.Informe();
    std::cout << FormatText(GetText(kTxtCliSource), {update.Address().toStdString()}) << "\n"
              << FormatText(GetText(kTxtCliArchive), {archive}) << "\n";
    for (const TImportError &error : informe.Errores)
        std::cout << (error.Linea > 0
                          ? FormatText(GetText(kTxtCliRefusedLine),
                                       {error.Archivo, error.Linea, error.Motivo})
                          : FormatText(GetText(kTxtCliRefusedFile), {error.Archivo, error.Motivo}))
                  << "\n";
    std::cout << UpdateSummary(informe, update.Total()) << std::endl;
    return 0;
}

const CliRegistration registration({
    .name = "update-draws",
    .summary = kTxtCliSummaryUpdateDraws,
    .usage = {kTxtCliUsageUpdateDraws},
    .options = {{"--url", true}, {"--archive", true}, {"--timeout", true}},
    .leastOperands = 0,
    .mostOperands = 0,
    .run = UpdateDraws,
});

} // namespace
