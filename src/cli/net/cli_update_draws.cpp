#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include "draws/draw_files.h"
#include "draws/draw_update.h"
#include "draws/net/draw_download.h"

#include <QCoreApplication>

#include <iostream>

namespace {

constexpr const char *kUsage =
    "Usage: qor-euromillon-cli update-draws [--url URL] [--archive FILE.emx] [--edition classic|current]\n"
    "                                       [--timeout SECONDS]\n"
    "Downloads the operator's results file (a zip holding the published draw\n"
    "history, or a plain CSV of that form) and merges its draws into a draw\n"
    "archive of the edition, the program's own when --archive is not given.\n"
    "Without --url the official address is tried, then the other places the\n"
    "operator has published the same file at. --timeout gives up a server\n"
    "silent for that many seconds (30 unless given). Whatever fails, the\n"
    "archive is left as it was. The last line is\n"
    "  new=N replaced=R refused=F total=T\n"
    "and the exit status is 0 only when the archive was read and saved.\n";

constexpr int kCliUpdateFailed = 1;

int UpdateDraws(const std::vector<std::string> &args)
{
    std::string url;
    std::string archive;
    int timeout = kSorteosTimeoutSegundos;
    for (size_t i = 0; i < args.size(); ++i) {
        if (IsHelpOption(args[i])) {
            std::cout << kUsage;
            return 0;
        }
        if (args[i] == "--url" || args[i] == "--archive" || args[i] == "--timeout") {
            if (i + 1 == args.size())
                return CliFail(args[i] + " needs a value");
            const std::string &value = args[++i];
            if (args[i - 1] == "--url") {
                url = value;
            } else if (args[i - 1] == "--archive") {
                archive = value;
            } else {
                const std::optional<int> seconds = ParseInteger(value);
                if (!seconds || *seconds < 1)
                    return CliFail("--timeout needs a whole number of seconds, 1 or more");
                timeout = *seconds;
            }
        } else {
            return CliFail("unknown argument '" + args[i] + "' (see update-draws --help)");
        }
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
        std::cerr << "Downloading " << address.toStdString() << std::endl;
    });
    if (!update.Run(TDrawUpdate::Addresses(QString::fromStdString(url)))) {
        std::cerr << "qor-euromillon-cli: draws not updated, " << archive << " left as it was:\n"
                  << update.Message().toStdString() << std::endl;
        return kCliUpdateFailed;
    }
    const TImportReport &informe = update.Informe();
    std::cout << "Source: " << update.Address().toStdString() << "\n"
              << "Archive: " << archive << "\n";
    for (const TImportError &error : informe.Errores)
        std::cout << "Refused: " << error.Archivo
                  << (error.Linea > 0 ? ", line " + std::to_string(error.Linea) : "") << ": " << error.Motivo
                  << "\n";
    std::cout << UpdateSummary(informe, update.Total()) << std::endl;
    return 0;
}

const CliRegistration registration({"update-draws",
                                    "download the draw results and merge them into a draw archive",
                                    UpdateDraws});

} // namespace
