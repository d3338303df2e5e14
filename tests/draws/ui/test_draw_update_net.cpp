// The download of the draw results with Qt Network, and the command line's
// update-draws, against a server of this test on 127.0.0.1: the results
// file zipped or plain brings the archive back; every bad download and a
// cancel leave it byte for byte with a message naming the address and why.
#include "draw_update_support.h"

#include "draws/draw_update.h"
#include "draws/net/draw_download.h"
#include "framework/localize.h"
#include "model/format.h"

#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kTimeoutMs = 1000;

struct TProcessResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the command line while this process's event loop serves the server.
TProcessResult RunCli(const QStringList &arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(QOR_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    loop.exec();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestDrawUpdateNet : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TUpdateFixture> fixture_;
    std::unique_ptr<TTempFolder> folder_;

    std::string Archive() const { return folder_->Path("archive.emx"); }

private slots:
    void initTestCase()
    {
        fixture_ = std::make_unique<TUpdateFixture>();
        QVERIFY(fixture_->server.IsListening());
        folder_ = std::make_unique<TTempFolder>();
    }

    void init() { WriteFileBytes(Archive(), fixture_->cut); }

    void resultsBringTheArchiveBack_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("zip") << QStringLiteral("/euromillions_202002.zip");
        QTest::newRow("plain csv") << QStringLiteral("/euromillions_202002.csv");
    }

    void resultsBringTheArchiveBack()
    {
        QFETCH(QString, path);
        TDrawUpdate update(Archive(), TGameEdition::Current);
        update.SetTimeout(kTimeoutMs);
        QVERIFY2(update.Run({fixture_->server.Url(path)}), qPrintable(update.Message()));
        QCOMPARE(update.Total(), 1947);
        QCOMPARE(update.Informe().Resultado.Anadidos, 10);
        QCOMPARE(RefusedCount(update.Informe()), 0);
        QVERIFY(ReadWholeFile(Archive()) == fixture_->full);
        QVERIFY(fixture_->server.LastUserAgent().startsWith("Mozilla/5.0"));
    }

    void badDownloadsLeaveTheArchive_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("reason");
        TLocalHttpServer &server = fixture_->server;
        QTest::newRow("404") << server.Url(QStringLiteral("/missing.zip"))
                             << QStringLiteral("HTTP 404 Not Found");
        QTest::newRow("refused") << TLocalHttpServer::RefusedUrl() << QStringLiteral("Connection refused");
        QTest::newRow("timeout") << server.Url(QStringLiteral("/silent.zip"))
                                 << QString::fromStdString(FormatText(GetText(45466), {1}));
        QTest::newRow("truncated zip") << server.Url(QStringLiteral("/truncated.zip"))
                                       << QString::fromStdString(FormatText(GetText(kTextZipDanado), {""}));
        QTest::newRow("zip without csv")
            << server.Url(QStringLiteral("/nocsv.zip")) << QString::fromStdString(GetText(kTextZipSinCsv));
        QTest::newRow("html page") << server.Url(QStringLiteral("/page.zip"))
                                   << QString::fromStdString(GetText(kTextPaginaHtml));
        QTest::newRow("50 MB") << server.Url(QStringLiteral("/huge.zip"))
                               << QString::fromStdString(FormatText(GetText(kTextDescargaGrande), {20}));
    }

    void badDownloadsLeaveTheArchive()
    {
        QFETCH(QString, url);
        QFETCH(QString, reason);
        TDrawUpdate update(Archive(), TGameEdition::Current);
        update.SetTimeout(kTimeoutMs);
        QVERIFY(!update.Run({url}));
        QVERIFY(!update.Cancelled());
        QVERIFY2(update.Message().startsWith(url + QStringLiteral(": ")), qPrintable(update.Message()));
        QVERIFY2(update.Message().contains(reason), qPrintable(update.Message()));
        QVERIFY(ReadWholeFile(Archive()) == fixture_->cut);
    }

    void aFailedAddressGivesWayToTheNext()
    {
        const QString missing = fixture_->server.Url(QStringLiteral("/missing.zip"));
        const QString good = fixture_->server.Url(QStringLiteral("/euromillions_202002.zip"));
        TDrawUpdate update(Archive(), TGameEdition::Current);
        update.SetTimeout(kTimeoutMs);
        QVERIFY(update.Run({missing, fixture_->server.Url(QStringLiteral("/page.zip")), good}));
        QCOMPARE(update.Address(), good);
        QVERIFY(ReadWholeFile(Archive()) == fixture_->full);
    }

    void anArchiveOfTheOtherGameEndsTheSearch()
    {
        const std::string classic = folder_->Path("classic.emx");
        TSorteosEuroMillon sorteos(TGameEdition::Classic);
        sorteos.SaveToFile(classic);
        const std::string before = ReadWholeFile(classic);
        const int requests = fixture_->server.Requests();
        TDrawUpdate update(classic, TGameEdition::Current);
        update.SetTimeout(kTimeoutMs);
        QVERIFY(!update.Run({fixture_->server.Url(QStringLiteral("/euromillions_202002.zip")),
                             fixture_->server.Url(QStringLiteral("/euromillions_202002.csv"))}));
        QVERIFY2(update.Message().startsWith(QString::fromStdString(classic) + QStringLiteral(": ")),
                 qPrintable(update.Message()));
        QCOMPARE(fixture_->server.Requests(), requests + 1); // no other address helps
        QVERIFY(ReadWholeFile(classic) == before);
    }

    void cancelMidDownloadLeavesTheArchive()
    {
        TDrawUpdate update(Archive(), TGameEdition::Current);
        update.SetTimeout(60000);
        qint64 seen = 0;
        qint64 announced = 0;
        connect(&update, &TDrawUpdate::Progress, &update, [&](qint64 received, qint64 total) {
            seen = received;
            announced = total;
        });
        // Cancel once the server has sent its part and the client has some of it.
        QTimer poll;
        connect(&poll, &QTimer::timeout, &update, [&] {
            if (fixture_->server.StallReached() && seen > 0)
                update.Cancel();
        });
        poll.start(10);
        QVERIFY(!update.Run({fixture_->server.Url(QStringLiteral("/stall.zip"))}));
        QVERIFY(update.Cancelled());
        QVERIFY(seen > 0 && seen < announced);
        QCOMPARE(update.Message(), QString::fromStdString(GetText(45467)));
        QVERIFY(ReadWholeFile(Archive()) == fixture_->cut);
    }

    void commandLineUpdatesAndRefuses_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("zip") << QStringLiteral("/euromillions_202002.zip") << 0;
        QTest::newRow("plain csv") << QStringLiteral("/euromillions_202002.csv") << 0;
        QTest::newRow("404") << QStringLiteral("/missing.zip") << 1;
        QTest::newRow("timeout") << QStringLiteral("/silent.zip") << 1;
        QTest::newRow("html page") << QStringLiteral("/page.zip") << 1;
    }

    void commandLineUpdatesAndRefuses()
    {
        QFETCH(QString, path);
        QFETCH(int, exitCode);
        const QString url = fixture_->server.Url(path);
        const TProcessResult result =
            RunCli({QStringLiteral("update-draws"), QStringLiteral("--url"), url, QStringLiteral("--archive"),
                    QString::fromStdString(Archive()), QStringLiteral("--edition"), QStringLiteral("current"),
                    QStringLiteral("--timeout"), QStringLiteral("1")});
        QCOMPARE(result.exitCode, exitCode);
        if (exitCode == 0) {
            const QStringList lines = result.out.trimmed().split(QLatin1Char('\n'));
            QVERIFY(lines.last().startsWith(QStringLiteral("new=10 replaced=")));
            QVERIFY(lines.last().endsWith(QStringLiteral(" refused=0 total=1947")));
            QVERIFY(ReadWholeFile(Archive()) == fixture_->full);
        } else {
            QVERIFY2(result.err.contains(url + QStringLiteral(": ")), qPrintable(result.err));
            QVERIFY(!result.out.contains(QStringLiteral("new=")));
            QVERIFY(ReadWholeFile(Archive()) == fixture_->cut);
        }
    }
};

QTEST_MAIN(TestDrawUpdateNet)
#include "test_draw_update_net.moc"
