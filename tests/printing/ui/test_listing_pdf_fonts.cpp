// The shipped listings printed to PDF by "qor-euromillon-cli print" with the
// real text measure, under three font set-ups a Linux machine may have:
// "Arial" left to DejaVu Sans, Liberation Sans beside it (which the program
// takes for Arial), and the URW fonts with Arial aliased to Nimbus Sans,
// whose lines are the tallest. pdftotext must read back every bet, the
// combination's name and every ticket label, and pdffonts must show that the
// set-up's font did the printing. The fonts come from the Debian packages
// the Makefile installs; a missing one fails the test.
#include "printing/plantillas_incluidas.h"
#include "support/ui/shell_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

namespace {

struct FontSetup {
    const char *name;
    QStringList folders;     // font folders fontconfig may use
    const char *arialAlias;  // fontconfig's own answer for "Arial", or none
    const char *printedWith; // what pdffonts must list
    const char *package;
};

const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
const QString kLiberation = QStringLiteral("/usr/share/fonts/truetype/liberation2");
const QString kUrw = QStringLiteral("/usr/share/fonts/opentype/urw-base35");

const FontSetup kSetups[] = {
    {"only DejaVu", {kDejaVu}, "DejaVu Sans", "DejaVuSans", "fonts-dejavu-core"},
    // No alias: Liberation Sans stands in for Arial by the program's choice.
    {"Liberation", {kDejaVu, kLiberation}, nullptr, "LiberationSans", "fonts-liberation2"},
    {"URW", {kDejaVu, kUrw}, "Nimbus Sans", "NimbusSans", "fonts-urw-base35"},
};

struct Combination {
    const char *file;
    std::string name; // as stored: Windows-1252
    QString printedName;
    int bets;
};

const Combination kCombinations[] = {
    {"b53.aem", "Combinaci\xF3n 53", QStringLiteral(u"Combinación 53"), 53},
    {"b1000.aem", "Mil apuestas", QStringLiteral("Mil apuestas"), 1000},
};

QString Block(const std::vector<int> &values)
{
    QStringList parts;
    for (int value : values)
        parts << QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    return parts.join(QLatin1Char('.'));
}

// Runs a program; its standard output, or a failure naming it.
QString Run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
            bool &ok)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ok = process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
    if (!ok)
        qWarning() << program << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString WriteFontConfig(const QString &folder, const FontSetup &setup)
{
    QString xml =
        QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                       "<fontconfig>\n");
    for (const QString &fonts : setup.folders)
        xml += QStringLiteral("  <dir>%1</dir>\n").arg(fonts);
    xml += QStringLiteral("  <cachedir>%1/fontcache</cachedir>\n").arg(folder);
    if (setup.arialAlias)
        xml += QStringLiteral(
                   "  <alias binding=\"same\"><family>Arial</family><prefer><family>%1</family></prefer>"
                   "</alias>\n")
                   .arg(QLatin1String(setup.arialAlias));
    xml += QStringLiteral("</fontconfig>\n");
    const QString path = folder + QStringLiteral("/fonts.conf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(xml.toUtf8());
    return path;
}

} // namespace

class TestListingPdfFonts : public QObject {
    Q_OBJECT

private slots:
    void everyBetNameAndLabelIsPrintedWithEachFontSetUp()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
        QVERIFY2(!pdftotext.isEmpty() && !pdffonts.isEmpty(), "poppler-utils is not installed (make deps)");
        ShellTestFolder folder;
        InstalarPlantillasIncluidas(folder.Path().toStdString());

        for (const Combination &combination : kCombinations)
            WriteCombinationFile(folder.FilePath(QLatin1String(combination.file)), combination.name,
                                 SampleBets(combination.bets));

        // Bet and ticket numbers are grouped by thousands as the language does.
        const QString count = QStringLiteral("(\\d{1,3}(?:[.,\\x{a0}]\\d{3})*)");
        const QRegularExpression betLine(count +
                                         QStringLiteral("\\s+(\\d\\d(?:\\.\\d\\d){4})\\s+(\\d\\d\\.\\d\\d)"));
        const QRegularExpression label(QStringLiteral("Boleto ") + count + QLatin1Char('/') + count);
        const auto number = [](const QString &grouped) {
            QString digits = grouped;
            digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
            return digits.toInt();
        };
        for (const FontSetup &setup : kSetups) {
            for (const QString &fonts : setup.folders)
                QVERIFY2(QDir(fonts).exists(),
                         qPrintable(fonts + QStringLiteral(" is missing: install ") +
                                    QLatin1String(setup.package) + QStringLiteral(" (make deps)")));
            const QString setupFolder = folder.FilePath(
                QLatin1String(setup.name).toString().replace(QLatin1Char(' '), QLatin1Char('_')));
            QVERIFY(QDir().mkpath(setupFolder));
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("FONTCONFIG_FILE"), WriteFontConfig(setupFolder, setup));
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), setupFolder);
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

            for (const char *listing : {"Listado_Apuestas.frf", "Listado_Por_Boletos.frf"}) {
                for (const Combination &combination : kCombinations) {
                    const QString where = QStringLiteral("%1, %2, %3 bets")
                                              .arg(QLatin1String(setup.name), QLatin1String(listing))
                                              .arg(combination.bets);
                    const QString pdf = setupFolder + QStringLiteral("/listing.pdf");
                    bool ok = false;
                    Run(QStringLiteral(QOR_CLI_PATH),
                        {QStringLiteral("print"), folder.FilePath(QLatin1String(combination.file)),
                         QStringLiteral("--pdf"), pdf, QStringLiteral("--template"),
                         folder.FilePath(QStringLiteral("Listados/") + QLatin1String(listing))},
                        environment, ok);
                    QVERIFY2(ok, qPrintable(where));
                    const QString usedFonts = Run(pdffonts, {pdf}, environment, ok);
                    QVERIFY2(ok && usedFonts.contains(QLatin1String(setup.printedWith)),
                             qPrintable(where + QStringLiteral(": printed with\n") + usedFonts));
                    const QString text = Run(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")},
                                             environment, ok);
                    QVERIFY2(ok, qPrintable(where));

                    QVERIFY2(text.contains(combination.printedName), qPrintable(where));
                    QStringList printed, expected;
                    for (auto match = betLine.globalMatch(text); match.hasNext();) {
                        const QRegularExpressionMatch bet = match.next();
                        printed << QString::number(number(bet.captured(1))) + QLatin1Char(' ') +
                                       bet.captured(2) + QLatin1Char(' ') + bet.captured(3);
                    }
                    const std::vector<TestBet> bets = SampleBets(combination.bets);
                    for (size_t k = 0; k < bets.size(); ++k)
                        expected << QString::number(k + 1) + QLatin1Char(' ') + Block(bets[k].numbers) +
                                        QLatin1Char(' ') + Block(bets[k].stars);
                    QVERIFY2(printed == expected,
                             qPrintable(where + QStringLiteral(": %1 of %2 bets read back")
                                                    .arg(printed.size())
                                                    .arg(expected.size())));

                    if (QLatin1String(listing) != QLatin1String("Listado_Por_Boletos.frf"))
                        continue;
                    const int tickets = (combination.bets + 4) / 5;
                    QSet<int> labelled;
                    for (auto match = label.globalMatch(text); match.hasNext();) {
                        const QRegularExpressionMatch found = match.next();
                        if (number(found.captured(2)) == tickets)
                            labelled.insert(number(found.captured(1)));
                    }
                    const bool inRange = std::all_of(labelled.begin(), labelled.end(),
                                                     [tickets](int n) { return n >= 1 && n <= tickets; });
                    QVERIFY2(
                        labelled.size() == tickets && inRange,
                        qPrintable(where +
                                   QStringLiteral(": %1 of %2 labels").arg(labelled.size()).arg(tickets)));
                }
            }
        }
    }
};

QTEST_MAIN(TestListingPdfFonts)
#include "test_listing_pdf_fonts.moc"
