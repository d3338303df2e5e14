// Combination files named on the desktop program's command line: each opens
// in its own window; a damaged or missing one gives the error box and the
// program goes on with the others.
#include "support/ui/shell_test_support.h"

#include "model/euromillon_apuestas.h"
#include "shell/ui/command_line_files.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/dialog_service.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

class TestCommandLineFiles : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup() { folder_.reset(); }

    void argumentsBecomePathsWithoutTheProgram()
    {
        QCOMPARE(CommandLineFilePaths({QStringLiteral("qor-euromillon")}), QStringList());
        QCOMPARE(CommandLineFilePaths({QStringLiteral("qor-euromillon"), QStringLiteral("a.aem"), QString(),
                                       QStringLiteral("file:///tmp/b%20c.aem")}),
                 QStringList({QStringLiteral("a.aem"), QStringLiteral("/tmp/b c.aem")}));
    }

    void eachFileOpensInItsOwnWindow()
    {
        const QString first = folder_->FilePath(QStringLiteral("first.aem"));
        const QString second = folder_->FilePath(QStringLiteral("second.aem"));
        WriteCombinationFile(first, "Primera", SampleBets(3));
        WriteCombinationFile(second, "Segunda", SampleBets(12));

        TFRMMainMDI window;
        window.show();
        QCOMPARE(OpenCommandLineFiles(window, {first, second}), 2);
        const QList<TFRMApuestas *> windows = window.CombinationWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows.at(0)->Combination().Count(), 3);
        QCOMPARE(windows.at(1)->Combination().Count(), 12);
        QVERIFY(DialogService::ShownBoxes().isEmpty());
        window.close();
    }

    void relativePathIsTakenFromTheWorkingFolder()
    {
        WriteCombinationFile(folder_->FilePath(QStringLiteral("relative.aem")), "Relativa", SampleBets(5));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder_->Path()));
        TFRMMainMDI window;
        const int opened = OpenCommandLineFiles(window, {QStringLiteral("relative.aem")});
        QDir::setCurrent(before);
        QCOMPARE(opened, 1);
        QCOMPARE(window.CombinationWindows().size(), 1);
        QCOMPARE(window.CombinationWindows().at(0)->Combination().Count(), 5);
        window.close();
    }

    void damagedFileShowsErrorAndTheRestStillOpens()
    {
        const QString damaged = folder_->FilePath(QStringLiteral("damaged.aem"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("XXXX garbage that is no combination");
        file.close();
        const QString missing = folder_->FilePath(QStringLiteral("missing.aem"));
        const QString good = folder_->FilePath(QStringLiteral("good.aem"));
        WriteCombinationFile(good, "Buena", SampleBets(4));

        TFRMMainMDI window;
        window.show();
        QCOMPARE(OpenCommandLineFiles(window, {damaged, missing, good}), 1);
        QCOMPARE(window.CombinationWindows().size(), 1);
        QCOMPARE(window.CombinationWindows().at(0)->Combination().Count(), 4);
        QCOMPARE(DialogService::ShownBoxes().size(), 2);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::ShownBoxes().at(0).text,
                 QStringLiteral("No es un formato de archivo válido."));
        QCOMPARE(DialogService::ShownBoxes().at(1).kind, DialogService::Kind::Error);
        QVERIFY(window.isVisible());
        window.close();
    }
};

QTEST_MAIN(TestCommandLineFiles)
#include "test_command_line_files.moc"
