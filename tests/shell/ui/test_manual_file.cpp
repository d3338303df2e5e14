// The manual command opens the manual of the language in force when it is
// beside the program, the Spanish one otherwise.
#include "support/ui/shell_test_support.h"

#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/manual_file.h"
#include "widgets/dialog_service.h"

#include <QFile>
#include <QTest>

#include <memory>

class TestManualFile : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

    void Touch(const QString &name)
    {
        QFile file(folder_->FilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        folder_->CopyLanguageFiles();
    }

    void cleanup() { folder_.reset(); }

    void languageWithoutItsManualGetsTheSpanishOne()
    {
        const QString spanish = folder_->FilePath(QStringLiteral("QOREuroMillon.pdf"));
        QCOMPARE(ManualFilePath(QString()), spanish);
        QCOMPARE(ManualFilePath(folder_->FilePath(QStringLiteral("QOREuroMillonv3_english.lng"))), spanish);
        QCOMPARE(ManualFilePath(folder_->FilePath(QStringLiteral("QOREuroMillonv3_espagnol.lng"))), spanish);
        QCOMPARE(ManualFilePath(QStringLiteral("/elsewhere/other.lng")), spanish);
        QCOMPARE(ManualFilePath(folder_->FilePath(QStringLiteral("QOREuroMillonv3_.lng"))), spanish);
    }

    void languageWithItsManualGetsIt()
    {
        Touch(QStringLiteral("QOREuroMillon_english.pdf"));
        Touch(QStringLiteral("QOREuroMillon_french.pdf"));
        Touch(QStringLiteral("QOREuroMillon_espagnol.pdf"));
        QCOMPARE(ManualFilePath(folder_->FilePath(QStringLiteral("QOREuroMillonv3_english.lng"))),
                 folder_->FilePath(QStringLiteral("QOREuroMillon_english.pdf")));
        QCOMPARE(ManualFilePath(folder_->FilePath(QStringLiteral("QOREuroMillonv3_french.lng"))),
                 folder_->FilePath(QStringLiteral("QOREuroMillon_french.pdf")));
        // Spanish is the program's own language: its manual has no suffix.
        QCOMPARE(ManualFilePath(folder_->FilePath(QStringLiteral("QOREuroMillonv3_espagnol.lng"))),
                 folder_->FilePath(QStringLiteral("QOREuroMillon.pdf")));
    }

    void manualCommandOpensTheManualOfTheLanguageInForce()
    {
        Touch(QStringLiteral("QOREuroMillon.pdf"));
        Touch(QStringLiteral("QOREuroMillon_french.pdf"));
        TFRMMainMDI window;
        window.SetLanguage(folder_->FilePath(QStringLiteral("QOREuroMillonv3_french.lng")));
        DialogService::ClearShownBoxes();
        DialogService::SetNextExternalResult(true);
        Trigger(&window, "MiManual");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::External);
        QCOMPARE(DialogService::LastText(), folder_->FilePath(QStringLiteral("QOREuroMillon_french.pdf")));

        window.SetLanguage(QString());
        DialogService::ClearShownBoxes();
        DialogService::SetNextExternalResult(true);
        Trigger(&window, "MiManual");
        QCOMPARE(DialogService::LastText(), folder_->FilePath(QStringLiteral("QOREuroMillon.pdf")));
        window.close();
    }
};

QTEST_MAIN(TestManualFile)
#include "test_manual_file.moc"
