// The PDF that "qor-euromillon-cli print" writes for 12 bets on the Spanish
// ticket, rasterized by pdftoppm and looked at pixel by pixel: every marked
// box carries ink centred on the box the ticket tables give, within 0.3 mm,
// and nothing is drawn anywhere else but in the header strip.
#include "report/ui/report_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

constexpr int kDpi = 600;
constexpr double kPixelsPerTenth = kDpi / 254.0;

struct Ink {
    long count = 0;
    double sumX = 0, sumY = 0;
};

bool Dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 160;
}

QRect PixelRect(double x, double y, double w, double h)
{
    return QRect(QPoint(qFloor(x * kPixelsPerTenth), qFloor(y * kPixelsPerTenth)),
                 QPoint(qCeil((x + w) * kPixelsPerTenth), qCeil((y + h) * kPixelsPerTenth)));
}

int RunCli(const QStringList &arguments, QString *errorText = nullptr)
{
    QProcess cli;
    cli.start(QStringLiteral(QOR_CLI_PATH), arguments);
    cli.waitForFinished(120000);
    if (errorText)
        *errorText = QString::fromUtf8(cli.readAllStandardError());
    return cli.exitCode();
}

} // namespace

class TestTicketPdf : public QObject {
    Q_OBJECT

private slots:
    void marksLandOnTheBoxesOfTheSpanishTicket()
    {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        QVERIFY2(!pdftoppm.isEmpty(), "pdftoppm (poppler-utils) is missing");
        ShellTestFolder folder;
        const std::vector<BetMask> bets = SpreadBets(12);
        std::vector<TestBet> testBets;
        for (BetMask mask : bets) {
            TestBet bet;
            for (int n = 1; n <= 50; ++n)
                if (mask & NumberBit(n))
                    bet.numbers.push_back(n);
            for (int s = 1; s <= 9; ++s)
                if (mask & StarBit(s))
                    bet.stars.push_back(s);
            testBets.push_back(bet);
        }
        const QString aem = folder.FilePath(QStringLiteral("doce.aem"));
        WriteCombinationFile(aem, "Doce", testBets);
        const QString pdf = folder.FilePath(QStringLiteral("doce.pdf"));
        QCOMPARE(
            RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"), pdf, QStringLiteral("--country"),
                    QStringLiteral("ES"), QStringLiteral("--rotation"), QStringLiteral("0")}),
            0);
        QProcess raster;
        raster.start(pdftoppm, {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"), pdf,
                                folder.FilePath(QStringLiteral("page"))});
        QVERIFY(raster.waitForFinished(120000));
        QCOMPARE(raster.exitCode(), 0);
        const QStringList pages =
            QDir(folder.Path()).entryList({QStringLiteral("page-*.pgm")}, QDir::Files, QDir::Name);
        QCOMPARE(pages.size(), 3);

        const TTablasBoleto &es = TablasDePais(pbEspana);
        for (int t = 0; t < 3; ++t) {
            QImage image(folder.FilePath(pages[t]));
            QVERIFY(!image.isNull());
            // 161.0 x 104.0 mm rounded up to whole points: never smaller, less than a point more.
            const double widthTenths = image.width() / kPixelsPerTenth,
                         heightTenths = image.height() / kPixelsPerTenth;
            QVERIFY(widthTenths > 1610 - 0.5 && widthTenths < 1610 + 3.6);
            QVERIFY(heightTenths > 1040 - 0.5 && heightTenths < 1040 + 3.6);

            QImage allowed(image.size(), QImage::Format_Grayscale8);
            allowed.fill(0);
            auto allow = [&](const QRect &r) {
                for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
                    for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
                        allowed.scanLine(y)[x] = 1;
            };
            allow(PixelRect(0, es.Formato.CabeceraY - 20, 1610, 40 + 30)); // ticket counter and name

            for (int i = 1; i <= 5; ++i) {
                const int position = t * 5 + i - 1;
                const BetMask mask = position < 12 ? bets[static_cast<size_t>(position)] : 0;
                for (int block = 1; block <= 2; ++block) {
                    for (int n = 1; n <= (block == 1 ? 50 : 9); ++n) {
                        const bool marked = mask & (block == 1 ? NumberBit(n) : StarBit(n));
                        const TRectTenths box = CasillaDeValor(es.Geometria, es.Formato, i, block, n);
                        const QRect area = PixelRect(box.x - 4, box.y - 4, box.w + 8, box.h + 8);
                        Ink ink;
                        for (int y = area.top(); y <= area.bottom(); ++y)
                            for (int x = area.left(); x <= area.right(); ++x)
                                if (Dark(image, x, y)) {
                                    ++ink.count;
                                    ink.sumX += x + 0.5;
                                    ink.sumY += y + 0.5;
                                }
                        const QString where = QStringLiteral("ticket %1 bet %2 block %3 value %4")
                                                  .arg(t + 1)
                                                  .arg(i)
                                                  .arg(block)
                                                  .arg(n);
                        if (!marked) {
                            QVERIFY2(ink.count == 0, qPrintable(where));
                            continue;
                        }
                        allow(area);
                        QVERIFY2(ink.count > 100, qPrintable(where));
                        const double centreX = ink.sumX / ink.count / kPixelsPerTenth;
                        const double centreY = ink.sumY / ink.count / kPixelsPerTenth;
                        QVERIFY2(qAbs(centreX - (box.x + box.w / 2)) <= 3.0, qPrintable(where));
                        QVERIFY2(qAbs(centreY - (box.y + box.h / 2)) <= 3.0, qPrintable(where));
                    }
                }
            }
            long stray = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!allowed.scanLine(y)[x] && Dark(image, x, y))
                        ++stray;
            QCOMPARE(stray, 0L);
        }
    }

    // PDF page sizes are whole points: the smallest that holds the ticket.
    void ticketPagesAreTheTicketRoundedUpToWholePoints()
    {
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        QVERIFY2(!pdfinfo.isEmpty(), "pdfinfo (poppler-utils) is not installed (make deps)");
        ShellTestFolder folder;
        const QString aem = folder.FilePath(QStringLiteral("uno.aem"));
        WriteCombinationFile(aem, "Uno", SampleBets(1));
        const struct {
            const char *country, *rotation, *size;
        } cases[] = {
            {"ES", "0", "457 x 295 pts"}, // 161.0 x 104.0 mm: 456.4 x 294.8 pt
            {"FR", "0", "456 x 343 pts"}, // 160.8 x 120.8 mm: 455.8 x 342.4 pt
            {"ES", "90", "295 x 457 pts"},
            {"FR", "270", "343 x 456 pts"},
        };
        for (const auto &c : cases) {
            const QString pdf = folder.FilePath(QStringLiteral("ticket.pdf"));
            QCOMPARE(RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"), pdf,
                             QStringLiteral("--country"), QLatin1String(c.country),
                             QStringLiteral("--rotation"), QLatin1String(c.rotation)}),
                     0);
            QProcess info;
            info.start(pdfinfo, {pdf});
            QVERIFY(info.waitForFinished(60000));
            const QString text = QString::fromUtf8(info.readAllStandardOutput());
            QVERIFY2(
                text.contains(QRegularExpression(QStringLiteral("Page size: +") + QLatin1String(c.size))),
                qPrintable(text));
        }
    }

    void errorsLeaveNoPdf()
    {
        ShellTestFolder folder;
        const QString aem = folder.FilePath(QStringLiteral("uno.aem"));
        WriteCombinationFile(aem, "Uno", SampleBets(1));
        const QString pdf = folder.FilePath(QStringLiteral("out.pdf"));
        QString error;
        QCOMPARE(RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"), pdf,
                         QStringLiteral("--rotation"), QStringLiteral("45")},
                        &error),
                 2);
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(error.contains(QStringLiteral("--rotation")));

        QFile garbage(folder.FilePath(QStringLiteral("bad.frf")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("QFRF\x02\x01\x01\x01\x02\x05", 10);
        garbage.close();
        QCOMPARE(RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"), pdf,
                         QStringLiteral("--template"), garbage.fileName()},
                        &error),
                 2);
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(!QFile::exists(pdf));

        QCOMPARE(RunCli({QStringLiteral("print"), folder.FilePath(QStringLiteral("missing.aem")),
                         QStringLiteral("--pdf"), pdf},
                        &error),
                 2);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"),
                         folder.FilePath(QStringLiteral("no/folder/out.pdf"))},
                        &error),
                 2);
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QCOMPARE(RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"), pdf,
                         QStringLiteral("--offset"), QStringLiteral("1.5")},
                        &error),
                 2);

        // A template saved by the engine prints through the same command.
        QCOMPARE(RunCli({QStringLiteral("print"), aem, QStringLiteral("--pdf"), pdf,
                         QStringLiteral("--country"), QStringLiteral("FR"), QStringLiteral("--offset"),
                         QStringLiteral("1.5,-2"), QStringLiteral("--test-mode")}),
                 0);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
    }
};

QTEST_MAIN(TestTicketPdf)
#include "test_ticket_pdf.moc"
