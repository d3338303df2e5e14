// The guarantee panel and window driven as the user drives them, and the
// combination window's command that opens the window.
#include "generator/generator_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/genera_comb.h"
#include "generator/ui/frm_garantia.h"
#include "generator/ui/guarantee_panel.h"
#include "model/euromillon_apuestas.h"
#include "model/prize_categories.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/dialog_service.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The three bets global reduction 6 keeps of numbers 1-6 and stars 1-3.
std::vector<BetMask> GreedyGlobalSix()
{
    return GeneratedBets(MaskOf({1, 2, 3, 4, 5, 6}, {1, 2, 3}), TEuroMillonGeneraComb::kReduccionGlobal, 6);
}

QString CellText(QWidget *root, const char *table, int row, int column)
{
    auto *widget = root->findChild<QTableWidget *>(QString::fromLatin1(table));
    QTableWidgetItem *item = widget ? widget->item(row, column) : nullptr;
    return item ? item->text() : QStringLiteral("<none>");
}

QString LabelText(QWidget *root, const char *name)
{
    auto *label = root->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

} // namespace

class TestGuaranteeWindow : public QObject {
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

    void panelShowsTheTableThePerHitsTablesAndTheHoles()
    {
        TGuaranteePanel panel;
        QVERIFY(panel.Analyse(GreedyGlobalSix()));
        QVERIFY(panel.HasReport());
        QCOMPARE(LabelText(&panel, "lblGarantizado"), QStringLiteral("Premio garantizado: 4+2"));
        QCOMPARE(LabelText(&panel, "lblSorteos"),
                 QStringLiteral("18 sorteos de 6 números y 3 estrellas, 3 apuestas"));
        QCOMPARE(CellText(&panel, "sgGarantia", 0, 0), QStringLiteral("3"));
        QCOMPARE(CellText(&panel, "sgGarantia", 0, 1), QStringLiteral("16,67 %"));
        QCOMPARE(CellText(&panel, "sgGarantia", 12, 0), QStringLiteral("0"));
        auto *table = panel.findChild<QTableWidget *>(QStringLiteral("sgGarantia"));
        QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("5+2"));
        QCOMPARE(table->verticalHeaderItem(12)->text(), QStringLiteral("Sin premio"));
        QVERIFY(table->item(3, 0)->font().bold()); // the guaranteed row stands out
        QVERIFY(!table->item(0, 0)->font().bold());

        const TGuaranteeReport &report = panel.Report();
        auto *holes = panel.findChild<QListWidget *>(QStringLiteral("lbHuecos"));
        QCOMPARE(holes->count(), static_cast<int>(report.Holes.size()));
        QCOMPARE(holes->item(0)->text(), QStringLiteral("01.02.04.05.06-01.02"));

        auto *byHits = panel.findChild<QTableWidget *>(QStringLiteral("sgAciertos"));
        QCOMPARE(byHits->columnCount(), 3);
        QCOMPARE(byHits->horizontalHeaderItem(1)->text(), QStringLiteral("Aciertan 4"));
        QCOMPARE(byHits->verticalHeaderItem(13)->text(), QStringLiteral("Garantizado"));
        QCOMPARE(CellText(&panel, "sgAciertos", 13, 0), QStringLiteral("4+2"));
        QCOMPARE(CellText(&panel, "sgAciertos", 13, 1),
                 QString::fromStdString(CategoriaTexto(report.ByHits[1].Table.Guaranteed())));
        QCOMPARE(CellText(&panel, "sgAciertos", 0, 0), QStringLiteral("3  (16,67 %)"));

        panel.Clear();
        QVERIFY(!panel.HasReport());
        QCOMPARE(LabelText(&panel, "lblGarantizado"), QString());
        QCOMPARE(holes->count(), 0);
    }

    void panelWithoutPerHitsTablesHidesThem()
    {
        TGuaranteePanel panel;
        panel.show();
        QVERIFY(panel.Analyse({MaskOf({3, 14, 22, 35, 48}, {2, 9})}));
        QCOMPARE(LabelText(&panel, "lblGarantizado"), QStringLiteral("Premio garantizado: 5+2"));
        QVERIFY(!panel.findChild<QGroupBox *>(QStringLiteral("gbAciertos"))->isVisible());
        QVERIFY(panel.Analyse({}, MaskOf({1, 2, 3, 4, 5, 6}, {1, 2})));
        QCOMPARE(LabelText(&panel, "lblGarantizado"), QStringLiteral("Premio garantizado: Sin premio"));
        QVERIFY(panel.findChild<QGroupBox *>(QStringLiteral("gbAciertos"))->isVisible());
    }

    void panelShowsTheOddsOverTheWholeGame()
    {
        TGuaranteePanel panel;
        TAveragePrizes prizes;
        prizes.Average[0] = CurrencyFromUnits(15000000);
        prizes.Draws[0] = 1;
        panel.SetAveragePrizes(prizes);
        QVERIFY(panel.Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}));
        auto *tabs = panel.findChild<QTabWidget *>(QStringLiteral("tcGarantia"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("Sorteos de la selección"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("En todo el juego"));
        const std::pair<int, const char *> counts[] = {
            {0, "1"}, {1, "14"}, {3, "225"}, {11, "1.986.600"}, {12, "73.037.349"}};
        for (const auto &[row, count] : counts)
            QCOMPARE(CellText(&panel, "sgTodoElJuego", row, 0), QString::fromLatin1(count));
        QCOMPARE(CellText(&panel, "sgTodoElJuego", 0, 1), QStringLiteral("1 entre 76.275.360"));
        QCOMPARE(CellText(&panel, "sgTodoElJuego", 11, 1), QStringLiteral("1 entre 38,4"));
        QCOMPARE(LabelText(&panel, "lblSorteosJuego"), QStringLiteral("76.275.360 sorteos en todo el juego"));
        QCOMPARE(LabelText(&panel, "lblAlgunPremio"),
                 QStringLiteral("Algún premio en un sorteo: 4,25 % (1 entre 23,6)"));
        QCOMPARE(LabelText(&panel, "lblApuestasPremiadas"),
                 QStringLiteral("Apuestas premiadas por sorteo, de media: 0,0425"));
        QCOMPARE(
            LabelText(&panel, "lblPremiosEsperados"),
            QStringLiteral("Premios por sorteo, de media, a los premios medios del archivo de sorteos: 0,20; "
                           "coste de un sorteo: 2,00"));
        panel.SetAveragePrizes({});
        QCOMPARE(LabelText(&panel, "lblPremiosEsperados"),
                 QStringLiteral(
                     "Premios por sorteo: el archivo de sorteos no tiene premios; coste de un sorteo: 2,00"));

        // Today's game: its draws and its thirteenth category.
        panel.SetEdition(TGameEdition::Current);
        QVERIFY(panel.Analyse({MaskOf({1, 2, 3, 4, 5}, {11, 12})}));
        QCOMPARE(CellText(&panel, "sgTodoElJuego", 12, 0), QStringLiteral("6.385.500"));
        QCOMPARE(LabelText(&panel, "lblSorteosJuego"),
                 QStringLiteral("139.838.160 sorteos en todo el juego"));
        panel.Clear();
        QCOMPARE(CellText(&panel, "sgTodoElJuego", 0, 0), QStringLiteral("<none>"));
        QCOMPARE(LabelText(&panel, "lblAlgunPremio"), QString());
    }

    void cancelLeavesThePanelEmpty()
    {
        TGuaranteePanel panel;
        uint64_t now = 0;
        panel.Analyser().SetThreads(1);
        panel.Analyser().SetTickSource([&now] { return now += 1000; });
        int reports = 0;
        connect(&panel, &TGuaranteePanel::Progress, &panel, [&](qint64 done, qint64 total) {
            QVERIFY(done <= total);
            if (++reports == 2)
                panel.Cancel();
        });
        QVERIFY(!panel.Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, kNumberBits | kStarBits));
        QVERIFY(reports >= 2);
        QVERIFY(!panel.HasReport());
        QVERIFY(!panel.Busy());
        QVERIFY(panel.Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}));
    }

    void windowCalculatesOnShowAndAgainForATypedSelection()
    {
        TEuroMillonApuestas combination;
        const std::vector<BetMask> bets = GreedyGlobalSix();
        combination.AppendMasks(bets.data(), bets.size());
        TFRMGarantia window;
        window.SetCombination(combination);
        auto *numbers = window.findChild<QLineEdit *>(QStringLiteral("ebNumeros"));
        auto *stars = window.findChild<QLineEdit *>(QStringLiteral("ebEstrellas"));
        QCOMPARE(numbers->text(), QStringLiteral("1-6"));
        QCOMPARE(stars->text(), QStringLiteral("1-3"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Garantía de la combinación"));
        window.show();
        QTRY_VERIFY(window.Panel().HasReport());
        QCOMPARE(window.Panel().Report().All.Draws, int64_t{18});

        numbers->setText(QStringLiteral("1-7"));
        stars->setText(QStringLiteral("1,2,3,4"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bbCalcular")), Qt::LeftButton);
        QCOMPARE(window.Panel().Report().All.Draws, int64_t{21 * 6});
        QCOMPARE(window.Panel().Report().All.Guaranteed(), 8); // 3+1: 3 of any 5 of 7 numbers, 1 star of 1-3
        QVERIFY(DialogService::ShownBoxes().isEmpty());

        numbers->setText(QStringLiteral("1-60"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bbCalcular")), Qt::LeftButton);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Lista de valores no válida: 1-60."));
        QVERIFY(window.Panel().HasReport()); // a refused selection keeps the last report
        numbers->setText(QStringLiteral("1-4"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bbCalcular")), Qt::LeftButton);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("La selección necesita al menos 5 números y 2 estrellas."));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bbCerrar")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void combinationWindowOpensTheGuaranteeWindow()
    {
        TFRMMainMDI main;
        main.show();
        TFRMApuestas *child = main.NewCombinationWindow();
        QVERIFY(!FindAction(child, "ActGarantia")->isEnabled()); // nothing to guarantee without bets
        QCOMPARE(FindAction(child, "ActGarantia")->text(), QStringLiteral("&Garantía..."));
        for (int i = 0; i < 4; ++i)
            child->AddRandomBet();
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<TFRMGarantia *>(QApplication::activeModalWidget());
            QVERIFY(window);
            QTRY_VERIFY(window->Panel().HasReport());
            QCOMPARE(window->Panel().Report().Selection, SelectionOfBets(child->Combination().Masks()));
            shown = true;
            window->reject();
        });
        Trigger(child, "ActGarantia");
        QVERIFY(shown);
        child->Combination().SetModified(false);
        child->Release();
    }
};

QTEST_MAIN(TestGuaranteeWindow)
#include "test_guarantee_window.moc"
