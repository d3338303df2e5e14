// A setting changed in a window survives the program being killed (kill -9)
// a few seconds after that window closed: a child process, this program
// started again, runs the desktop's settings autosave and the real export
// window, reports when the window has closed, and is killed.
#include "support/ui/shell_test_support.h"

#include "exchange/ui/frm_export.h"
#include "framework/parametres.h"
#include "framework/qor_app.h"
#include "model/euromillon_apuestas.h"
#include "model/separators.h"
#include "shell/ui/settings_autosave.h"
#include "shell/ui/shell_settings.h"
#include "widgets/dialog_service.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

namespace {

constexpr const char *kChildFolder = "QOR_SETTINGS_CHILD_FOLDER";
// Well inside the 10 seconds a crash may follow the close.
constexpr int kKillAfterCloseMs = 5000;

// The child: the program's start (settings loaded, autosave running), one
// text export that changes the separators, then waiting to be killed.
int RunChild(const QString &folder)
{
    SetProgramFolderForTests(folder);
    PutTicketCountryInForce(false);
    SetNumberSeparator(".");
    SetBlockSeparator("-");
    DialogService::SetHeadless(true);
    LoadApplicationResources(nullptr);
    TSettingsAutosave autosave;

    TEuroMillonApuestas combination;
    const BetMask bet = NumberBit(3) | NumberBit(15) | NumberBit(27) | NumberBit(41) | NumberBit(50) |
                        StarBit(2) | StarBit(9);
    combination.AppendMasks(&bet, 1);
    TFRMExport window;
    window.SetDestino(combination);
    window.show();
    window.findChild<QRadioButton *>(QStringLiteral("rbArchivoTexto"))->setChecked(true);
    window.findChild<QComboBox *>(QStringLiteral("cbSeparaNumeros"))->setEditText(QStringLiteral(","));
    window.findChild<QComboBox *>(QStringLiteral("cbSeparaBloques"))->setEditText(QStringLiteral("TAB"));
    DialogService::SetNextFileName(QDir(folder).filePath(QStringLiteral("out.txt")));
    Trigger(&window, "ActExportar");
    std::printf("%s\n", window.isVisible() ? "open" : "closed");
    std::fflush(stdout);
    QEventLoop loop;
    return loop.exec();
}

} // namespace

class TestSettingsSurviveKill : public QObject {
    Q_OBJECT

private slots:
    void aSettingChangedInAWindowSurvivesAKillSoonAfterItCloses()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildFolder), folder.Path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(120000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("closed"));
        QTest::qWait(kKillAfterCloseMs);
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // The next start reads what was saved.
        TParametres params;
        TQORApp app(params);
        app.AppFile = QDir(folder.Path()).filePath(QStringLiteral("qor-euromillon")).toStdString();
        app.LoadAppResources();
        QCOMPARE(QString::fromStdString(params.ReadString("PRM_NUMEROS_SEPARATOR", "<none>")),
                 QStringLiteral(","));
        QCOMPARE(QString::fromStdString(params.ReadString("PRM_BLOQUES_SEPARATOR", "<none>")),
                 QStringLiteral("TAB"));
    }
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet(kChildFolder))
        return RunChild(qEnvironmentVariable(kChildFolder));
    TestSettingsSurviveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_survive_kill.moc"
