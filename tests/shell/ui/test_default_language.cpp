// First start with a default language file beside the program and no
// settings: the default file is loaded and remembered.
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "framework/parametres.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

class TestDefaultLanguage : public QObject {
    Q_OBJECT

private slots:
    void defaultLanguageFileIsLoadedAtFirstStart()
    {
        ShellTestFolder folder;
        folder.CopyLanguageFiles();
        const QString defaultFile = folder.FilePath(QStringLiteral("QOREuroMillonv3_default.lng"));
        QVERIFY(QFile::copy(folder.FilePath(QStringLiteral("QOREuroMillonv3_french.lng")), defaultFile));
        {
            TFRMMainMDI window;
            QVERIFY(DialogService::ShownBoxes().isEmpty());
            QVERIFY(Localizer().Loaded());
            auto *file = window.findChild<QMenu *>(QStringLiteral("MiArchivo"));
            QCOMPARE(file->title(), QStringLiteral("&Fichier"));
            QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_LANGUAGE_DLL_FILENAME, "")),
                     defaultFile);
            window.show();
            QVERIFY(window.close());
        }
        QVERIFY(FileBytes(folder.ResourceFile()).contains("QOREuroMillonv3_default.lng"));

        // A remembered library that was deleted since: an error box, the
        // built-in texts, and the key emptied.
        QVERIFY(QFile::remove(defaultFile));
        TFRMMainMDI again;
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QVERIFY(DialogService::LastText().endsWith(defaultFile));
        QCOMPARE(again.findChild<QMenu *>(QStringLiteral("MiArchivo"))->title(), QStringLiteral("&Archivo"));
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_LANGUAGE_DLL_FILENAME, "x")), QString());
    }
};

QTEST_MAIN(TestDefaultLanguage)
#include "test_default_language.moc"
