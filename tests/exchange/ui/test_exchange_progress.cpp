// The progress of long imports and exports: a busy cursor while it lasts,
// values scaled to the dialog, and Cancel turned into the silent abort.
#include "exchange/ui/exchange_progress_dialog.h"

#include "framework/abort_error.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTest>
#include <QWidget>

class TestExchangeProgress : public QObject {
    Q_OBJECT

private slots:
    void busyCursorForItsLifetime()
    {
        QWidget owner;
        {
            TExchangeProgressDialog progress(&owner, QStringLiteral("Leyendo"));
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void valuesAreScaledAndCancelAborts()
    {
        QWidget owner;
        TExchangeProgressDialog progress(&owner, QStringLiteral("Leyendo"));
        auto *dialog = owner.findChild<QProgressDialog *>(QStringLiteral("ExchangeProgress"));
        QVERIFY(dialog);
        const TExchangeProgress report = progress.Callback();
        report(uint64_t{3} << 40, uint64_t{4} << 40);
        QCOMPARE(dialog->value(), 750);
        report(5, 0);
        QCOMPARE(dialog->value(), 0);
        dialog->cancel();
        QVERIFY_THROWS_EXCEPTION(EAbort, report(1, 2));
    }
};

QTEST_MAIN(TestExchangeProgress)
#include "test_exchange_progress.moc"
