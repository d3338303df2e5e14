// The days the prizes window opens on when no range was ever stored.
#include "draws_ui_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/ui/frm_euromillon_premios.h"
#include "framework/parametres.h"
#include "framework/variant.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

QDate PickerDate(QWidget &window, const char *name)
{
    return window.findChild<QDateEdit *>(QString::fromLatin1(name))->date();
}

} // namespace

class TestPrizesFirstDates : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        // The classic game's archive ends in 2011.
        WriteArchive({Draw(Day(2011, 4, 29), {1, 2, 3, 4, 5}, {1, 2}),
                      Draw(Day(2011, 5, 6), {6, 7, 8, 9, 10}, {3, 4})});
    }

    // First: the range was never read nor stored in this run.
    void classicGameOpensOnTheNewestDrawOfItsArchive()
    {
        QVERIFY(!Parametres().Exists("PRM_PREMIOS_Desde"));
        TFRMEuroMillonPremios window(nullptr, TGameEdition::Classic);
        QCOMPARE(PickerDate(window, "dtpFechaSorteo"), QDate(2011, 5, 6));
        QCOMPARE(PickerDate(window, "dtpFechaSorteoFinal"), QDate(2011, 5, 6));
        QVERIFY(!window.findChild<QCheckBox *>(QStringLiteral("cbHastaEl"))->isChecked());
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lSorteosCount"))->text(), QStringLiteral("1"));
        QVERIFY(window.findChild<QAction *>(QStringLiteral("ActProcesar"))->isEnabled());
    }

    // Runs after the first: a range read or stored in this run is kept.
    void aStoredRangeIsKept()
    {
        Parametres().SetValor("PRM_PREMIOS_Desde", Variant::DateTime(Day(2011, 4, 29)));
        Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(Day(2011, 4, 29)));
        TFRMEuroMillonPremios window(nullptr, TGameEdition::Classic);
        QCOMPARE(PickerDate(window, "dtpFechaSorteo"), QDate(2011, 4, 29));
    }
};

QTEST_MAIN(TestPrizesFirstDates)
#include "test_prizes_first_dates.moc"
