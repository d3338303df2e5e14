#include "shell_test_support.h"

#include "support/file_bytes.h"

#include "framework/localize.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"
#include "widgets/dialog_service.h"

#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "model/program_random.h"
#include "model/separators.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QTest>
#include <QWidget>

ShellTestFolder::ShellTestFolder()
{
    SetProgramFolderForTests(Path());
    PutTicketCountryInForce(false);
    SetNumberSeparator(".");
    SetBlockSeparator("-");
    SeedProgramRandom(12345);
    DialogService::SetHeadless(true);
    DialogService::ClearScript();
    DialogService::ClearShownBoxes();
}

ShellTestFolder::~ShellTestFolder()
{
    DialogService::ClearScript();
}

QString ShellTestFolder::Path() const
{
    return QFile::decodeName(QByteArray::fromStdString(dir_.Root()));
}

QString ShellTestFolder::FilePath(const QString &name) const
{
    return Path() + QLatin1Char('/') + name;
}

void ShellTestFolder::CopyLanguageFiles() const
{
    const QDir built(QCoreApplication::applicationDirPath());
    for (const QString &name : built.entryList({QStringLiteral("*.lng")}, QDir::Files))
        QFile::copy(built.filePath(name), FilePath(name));
}

void WriteCombinationFile(const QString &path, const std::string &name, const std::vector<TestBet> &bets)
{
    QByteArray bytes("EMA0");
    bytes.append(char(0x06)).append(char(name.size())).append(name.data(), qsizetype(name.size()));
    bytes.append(char(0x01));
    auto list = [&bytes](const std::vector<int> &values) {
        bytes.append(char(0x01));
        for (int value : values)
            bytes.append(char(0x02)).append(char(value));
        bytes.append(char(0x00));
    };
    for (const TestBet &bet : bets) {
        list(bet.numbers);
        list(bet.stars);
    }
    bytes.append(char(0x00));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

std::vector<TestBet> SampleBets(int count)
{
    std::vector<TestBet> bets;
    for (int k = 0; k < count; ++k) {
        const int base = k % 46;
        bets.push_back({{base + 1, base + 2, base + 3, base + 4, base + 5}, {k % 8 + 1, 9}});
    }
    return bets;
}

void FillTwelveBets(TEuroMillonApuestas &combination)
{
    for (const TestBet &bet : SampleBets(12)) {
        BetMask mask = 0;
        for (int n : bet.numbers)
            mask |= NumberBit(n * 3 % 50 + 1);
        for (int s : bet.stars)
            mask |= StarBit(s);
        while (CountNumbers(mask) < 5)
            mask |= NumberBit(CountNumbers(mask) + 44);
        combination.AppendMasks(&mask, 1);
    }
    combination.SetName("Sorteo del viernes");
}

QByteArray FileBytes(const QString &path)
{
    return QByteArray::fromStdString(FileBytes(std::filesystem::path(QFile::encodeName(path).toStdString())));
}

QAction *FindAction(QObject *root, const char *name)
{
    auto *action = root->findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        qFatal("no action %s", name);
    return action;
}

void Trigger(QObject *root, const char *name)
{
    QAction *action = FindAction(root, name);
    if (!action->isEnabled())
        qFatal("action %s is disabled", name);
    action->trigger();
}

bool SaveScreenshot(QWidget *widget, const QString &name)
{
    const QPixmap shot = widget->grab();
    if (shot.isNull())
        return false;
    const QByteArray folder = qgetenv("QOR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return true;
    return shot.save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")), "PNG");
}

bool UseScreenshotLanguage(const QString &code)
{
    if (code == QLatin1String("es")) {
        Localizer().UnloadLanguage();
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        return true;
    }
    const bool english = code == QLatin1String("en");
    const QString file = QDir(QCoreApplication::applicationDirPath())
                             .filePath(english ? QStringLiteral("QOREuroMillonv3_english.lng")
                                               : QStringLiteral("QOREuroMillonv3_french.lng"));
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                : QLocale(QLocale::French, QLocale::France));
    return Localizer().LoadLanguage(file.toStdString());
}

QString WindowLabelText(QWidget *root, const char *name)
{
    auto *label = root->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

TFRMApuestas *OpenSampleFile(TFRMMainMDI &main, const ShellTestFolder &folder, const char *name, int count)
{
    const QString path = folder.FilePath(QString::fromLatin1(name) + QStringLiteral(".aem"));
    WriteCombinationFile(path, name, SampleBets(count));
    DialogService::SetNextFileName(path);
    Trigger(&main, "ActAbrirCombinacion");
    DialogService::ClearShownBoxes();
    return main.ActiveCombinationWindow();
}
