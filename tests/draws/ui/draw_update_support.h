#pragma once

#include "draws/current_edition_support.h"
#include "draws/zip_test_support.h"
#include "local_http_server.h"

#include <QByteArray>
#include <QString>

#include <string>

// The archives and the server of the download tests: today's default
// archive, the same without its 10 newest draws, and a local server
// answering the results file and every kind of bad download.
struct TUpdateFixture {
    std::string full; // bytes of the default archive
    std::string cut;  // the same without its 10 newest draws
    TLocalHttpServer server;

    TUpdateFixture()
    {
        TTempFolder folder;
        TSorteosEuroMillon sorteos(TGameEdition::Current);
        LoadDefaultCurrentArchive(sorteos);
        sorteos.SaveToFile(folder.Path("a.emx"));
        full = ReadWholeFile(folder.Path("a.emx"));
        for (int i = 0; i < 10; ++i)
            sorteos.DeleteSorteo(0);
        sorteos.SaveToFile(folder.Path("a.emx"));
        cut = ReadWholeFile(folder.Path("a.emx"));

        const std::string history = ReadWholeFile(SixthHistoryPath());
        const std::string zip = MakeZip({{"euromillions_202002.csv", history}});
        const QByteArray zipBytes = QByteArray::fromStdString(zip);
        using Route = TLocalHttpServer::Route;
        using Mode = TLocalHttpServer::Mode;
        server.SetRoute(QStringLiteral("/euromillions_202002.zip"),
                        Route{200, zipBytes, Mode::Body, 0, "application/zip"});
        server.SetRoute(QStringLiteral("/euromillions_202002.csv"),
                        Route{200, QByteArray::fromStdString(history), Mode::Body, 0, "text/csv"});
        server.SetRoute(QStringLiteral("/silent.zip"), Route{200, {}, Mode::NeverAnswer, 0});
        server.SetRoute(QStringLiteral("/truncated.zip"),
                        Route{200, zipBytes.left(zipBytes.size() / 2), Mode::Body, 0});
        server.SetRoute(
            QStringLiteral("/nocsv.zip"),
            Route{200, QByteArray::fromStdString(MakeZip({{"readme.txt", "nothing here"}})), Mode::Body, 0});
        server.SetRoute(
            QStringLiteral("/page.zip"),
            Route{200, "<!DOCTYPE html><html><body>Mantenimiento</body></html>", Mode::Body, 0, "text/html"});
        server.SetRoute(QStringLiteral("/huge.zip"), Route{200, {}, Mode::Endless, 50LL * 1024 * 1024});
        server.SetRoute(QStringLiteral("/stall.zip"),
                        Route{200, zipBytes.left(40000), Mode::Stall, zipBytes.size()});
    }
};
