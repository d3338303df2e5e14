// The game (edition) on the desktop: the main window's menu, the parameter it
// keeps, new windows following it, files of today's game opening as such.
#include "support/ui/shell_test_support.h"

#include "exchange/ui/frm_importar.h"
#include "framework/edition_setting.h"
#include "framework/parametres.h"
#include "generator/genera_comb.h"
#include "model/euromillon_apuestas.h"
#include "model/ticket_tables.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_tools.h"
#include "widgets/casilla_euromillon_apuesta.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

// name.aem of today's game holding the given bets (as masks).
QString WriteCurrentFile(const ShellTestFolder &folder, const char *name, const std::vector<BetMask> &bets)
{
    TEuroMillonApuestas combination(TGameEdition::Current);
    combination.SetName(name);
    combination.AppendMasks(bets.data(), bets.size());
    const QString path = folder.FilePath(QString::fromLatin1(name) + QStringLiteral(".aem"));
    combination.SaveToFile(path.toStdString());
    return path;
}

BetMask Bet(std::initializer_list<int> numbers, int star1, int star2)
{
    BetMask mask = StarBit(star1) | StarBit(star2);
    for (int n : numbers)
        mask |= NumberBit(n);
    return mask;
}

} // namespace

class TestEditionWindow : public QObject {
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

    void cleanupTestCase() { SetEditionInForce(TGameEdition::Classic); }

    void theMenuSetsTheParameterAndNewWindowsFollow()
    {
        {
            TFRMMainMDI main;
            QCOMPARE(EditionInForce(), TGameEdition::Classic);
            QVERIFY(FindAction(&main, "MiJuegoClasico")->isChecked());
            QVERIFY(!FindAction(&main, "MiJuegoActual")->isChecked());
            QCOMPARE(main.findChild<QMenu *>(QStringLiteral("MiJuego"))->title(), QStringLiteral("&Juego"));
            QCOMPARE(FindAction(&main, "MiJuegoActual")->text(), QStringLiteral("&Actual: estrellas 1 a 12"));
            QVERIFY2(!Parametres().Exists(PRM_GAME_EDITION), "a first start stores no game");

            TFRMApuestas *classic = main.NewCombinationWindow();
            QCOMPARE(WindowLabelText(classic, "lblJuego"), QStringLiteral("clásico (estrellas 1 a 9)"));
            QCOMPARE(WindowLabelText(classic, "lJuego"), QStringLiteral("Juego:"));

            Trigger(&main, "MiJuegoActual");
            QCOMPARE(EditionInForce(), TGameEdition::Current);
            QVERIFY(FindAction(&main, "MiJuegoActual")->isChecked());
            QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_GAME_EDITION, "")),
                     QStringLiteral("current"));

            TFRMApuestas *current = main.NewCombinationWindow();
            QCOMPARE(current->Combination().Edition(), TGameEdition::Current);
            QCOMPARE(WindowLabelText(current, "lblJuego"), QStringLiteral("actual (estrellas 1 a 12)"));
            for (TControlEuroMillonApuesta *control : current->TicketControls())
                QCOMPARE(control->Boxes().size(), size_t(62));
            // The window opened before keeps its game.
            QCOMPARE(classic->Combination().Edition(), TGameEdition::Classic);
            for (TControlEuroMillonApuesta *control : classic->TicketControls())
                QCOMPARE(control->Boxes().size(), size_t(59));
            main.show();
            QVERIFY(main.close());
        }
        QVERIFY(FileBytes(folder_->ResourceFile()).contains("PRM_GAME_EDITION"));
        SetEditionInForce(TGameEdition::Classic);
        {
            // The next start takes the saved game.
            TFRMMainMDI main;
            QCOMPARE(EditionInForce(), TGameEdition::Current);
            QVERIFY(FindAction(&main, "MiJuegoActual")->isChecked());
            Trigger(&main, "MiJuegoClasico");
            QCOMPARE(EditionInForce(), TGameEdition::Classic);
            QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_GAME_EDITION, "")),
                     QStringLiteral("classic"));
            QCOMPARE(main.NewCombinationWindow()->Combination().Edition(), TGameEdition::Classic);
            main.show();
            QVERIFY(main.close());
        }
    }

    void aFileOfTodaysGameOpensAsSuchInTheClassicGame()
    {
        TFRMMainMDI main;
        QCOMPARE(EditionInForce(), TGameEdition::Classic);
        const QString path = WriteCurrentFile(*folder_, "actual",
                                              {Bet({1, 2, 3, 4, 5}, 11, 12), Bet({6, 7, 8, 9, 10}, 1, 10)});
        DialogService::SetNextFileName(path);
        Trigger(&main, "ActAbrirCombinacion");
        for (const DialogService::ShownBox &box : DialogService::ShownBoxes())
            QVERIFY2(box.kind == DialogService::Kind::OpenFile, qPrintable(box.text));
        TFRMApuestas *window = main.ActiveCombinationWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(window->Combination().Edition(), TGameEdition::Current);
        QCOMPARE(window->Combination().Count(), 2);
        QCOMPARE(window->Combination().Mask(0), Bet({1, 2, 3, 4, 5}, 11, 12));
        QCOMPARE(WindowLabelText(window, "lblJuego"), QStringLiteral("actual (estrellas 1 a 12)"));
        TControlEuroMillonApuesta *first = window->TicketControls().at(0);
        QCOMPARE(first->Edition(), TGameEdition::Current);
        QVERIFY(first->Box(2, 11)->IsMarked());
        QVERIFY(first->Box(2, 12)->IsMarked());
        QVERIFY(window->TicketControls().at(1)->Box(2, 10)->IsMarked());
        // The game in force stays as it was.
        QCOMPARE(EditionInForce(), TGameEdition::Classic);

        // Saved again, it stays a file of today's game.
        QVERIFY(window->Save());
        QCOMPARE(FileBytes(path).left(4), QByteArray("EMA2"));
        window->Release();
    }

    void clickingStarElevenInACombinationWindowStoresIt()
    {
        TFRMMainMDI main;
        main.SetEdition(TGameEdition::Current);
        TFRMApuestas *window = main.NewCombinationWindow();
        window->SetManualModifyAllowed(true);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        TControlEuroMillonApuesta *control = window->TicketControls().at(0);
        for (int number : {3, 14, 25, 36, 47}) {
            QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier,
                              control->Box(1, number)->Bounds().center());
        }
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->Box(2, 11)->Bounds().center());
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->Box(2, 2)->Bounds().center());
        QVERIFY(control->Modified());
        window->SaveModifiedBets();
        QCOMPARE(window->Combination().Count(), 1);
        QCOMPARE(window->Combination().Mask(0), Bet({3, 14, 25, 36, 47}, 2, 11));
        window->Combination().SetModified(false);
        main.SetEdition(TGameEdition::Classic);
    }

    void randomBetsOfTodaysGameReachStarsAboveNine()
    {
        TFRMMainMDI main;
        main.SetEdition(TGameEdition::Current);
        TFRMApuestas *window = main.NewCombinationWindow();
        main.SetEdition(TGameEdition::Classic);
        BetMask seen = 0;
        for (int i = 0; i < 200; ++i)
            window->AddRandomBet();
        for (BetMask mask : window->Combination().Masks()) {
            QCOMPARE(CountStars(mask), 2);
            seen |= mask;
        }
        QCOMPARE(seen & kAnyStarBits, kAnyStarBits);
        window->Combination().SetModified(false);
    }

    void generatedBetsOfTheOtherGameAreRefusedAndNothingIsLost()
    {
        TFRMMainMDI main;
        main.SetEdition(TGameEdition::Current);
        TFRMApuestas *window = main.NewCombinationWindow();
        main.SetEdition(TGameEdition::Classic);
        window->AddRandomBet();
        const std::vector<BetMask> before = window->Combination().Masks();

        const auto saved = ShellTools().generator;
        TGameEdition seenInForce = TGameEdition::Classic;
        TGameEdition madeIn = TGameEdition::Classic;
        ShellTools().generator = [&](QWidget *) {
            // The generator runs in the game of the combination it fills.
            seenInForce = EditionInForce();
            auto generation = std::make_unique<TEuroMillonGeneraComb>();
            generation->Apuestas().SetEdition(madeIn);
            const BetMask bet = Bet({1, 2, 3, 4, 5}, 1, 2);
            generation->Apuestas().AppendMasks(&bet, 1);
            return generation;
        };
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(window, "ActGenerarCombinacion");
        QCOMPARE(seenInForce, TGameEdition::Current);
        QCOMPARE(EditionInForce(), TGameEdition::Classic);
        QVERIFY(!DialogService::ShownBoxes().isEmpty());
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral(
                     "Las apuestas del juego clásico no pueden pasarse a una combinación del juego actual."));
        QCOMPARE(window->Combination().Masks(), before);

        madeIn = TGameEdition::Current;
        DialogService::ClearShownBoxes();
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(window, "ActGenerarCombinacion");
        QCOMPARE(window->Combination().Count(), 2);
        ShellTools().generator = saved;
        window->Combination().SetModified(false);
    }

    void windowsOpenedOnACombinationWorkInItsGame()
    {
        TFRMMainMDI main;
        main.SetEdition(TGameEdition::Current);
        TFRMApuestas *window = main.NewCombinationWindow();
        main.SetEdition(TGameEdition::Classic);
        window->AddRandomBet();
        const auto saved = ShellTools().prizes;
        TGameEdition seen = TGameEdition::Classic;
        ShellTools().prizes = [&seen](QWidget *, TEuroMillonApuestas &) { seen = EditionInForce(); };
        Trigger(window, "ActPremios");
        ShellTools().prizes = saved;
        QCOMPARE(seen, TGameEdition::Current);
        QCOMPARE(EditionInForce(), TGameEdition::Classic);
        window->Combination().SetModified(false);
    }

    void importIntoACombinationOfTodaysGameKeepsItsStars()
    {
        TEuroMillonApuestas target(TGameEdition::Current);
        const QString text = folder_->FilePath(QStringLiteral("bets.txt"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1 2 3 4 5 10 12\r\n1 2 3 4 5 1 13\r\n");
        file.close();
        TFRMImportar window;
        window.SetDestino(target);
        window.ReadFile(text);
        QCOMPARE(window.ApuestasLeidas().Edition(), TGameEdition::Current);
        QCOMPARE(window.ApuestasLeidas().Count(), 1);
        window.Import();
        QCOMPARE(target.Count(), 1);
        QCOMPARE(target.Mask(0), Bet({1, 2, 3, 4, 5}, 10, 12));
    }
};

QTEST_MAIN(TestEditionWindow)
#include "test_edition_window.moc"
