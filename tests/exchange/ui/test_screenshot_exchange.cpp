// The import window after reading a file and the export window, in Spanish
// and in French. With QOR_SCREENSHOT_DIR set (tools/screenshot.sh) they are
// saved there; otherwise the grabs are only checked.
#include "support/ui/shell_test_support.h"

#include "exchange/ui/frm_export.h"
#include "exchange/ui/frm_importar.h"
#include "framework/localize.h"
#include "model/euromillon_apuestas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>

class TestScreenshotExchange : public QObject {
    Q_OBJECT

private:
    void ShootBoth(const ShellTestFolder &folder, const QString &suffix)
    {
        const QString text = folder.FilePath(QStringLiteral("apuestas.txt"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; Mis apuestas de la semana\r\n03.15.27.41.50-02.09\r\n\r\n7 12 19 33 48 3 8\r\n"
                   "1 2 3 4 55\r\n10\t20\t30\t40\t50 1\t9\r\n");
        file.close();

        TEuroMillonApuestas combination;
        TFRMImportar import;
        import.SetDestino(combination);
        import.ReadFile(text);
        import.show();
        QVERIFY(QTest::qWaitForWindowExposed(&import));
        QVERIFY(SaveScreenshot(&import, QStringLiteral("exchange_import_") + suffix));

        combination.SetName("Sorteo de Navidad 2024");
        TFRMExport exportWindow;
        exportWindow.SetDestino(combination);
        exportWindow.findChild<QRadioButton *>(QStringLiteral("rbArchivoTexto"))->setChecked(true);
        exportWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&exportWindow));
        QVERIFY(SaveScreenshot(&exportWindow, QStringLiteral("exchange_export_") + suffix));
    }

private slots:
    void spanish()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        Localizer().UnloadLanguage();
        ShootBoth(folder, QStringLiteral("es"));
    }

    void french()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        const QString french = QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral("QOREuroMillonv3_french.lng"));
        QVERIFY(Localizer().LoadLanguage(french.toStdString()));
        ShootBoth(folder, QStringLiteral("fr"));
        Localizer().UnloadLanguage();
    }
};

QTEST_MAIN(TestScreenshotExchange)
#include "test_screenshot_exchange.moc"
