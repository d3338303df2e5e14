// Today's game on the desktop, in Spanish and in English: the main window
// with its game menu open, a combination window of today's game with its
// twelve-star tickets, and the print window's note about the automatic
// ticket, and the French ticket of today's game. With QOR_SCREENSHOT_DIR set the windows are saved there;
// otherwise the grabs are only checked.
#include "support/ui/shell_test_support.h"

#include "model/euromillon_apuestas.h"
#include "printing/ui/frm_print_boletos.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/wallpaper.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

namespace {

// The window with the File menu and its Game submenu open, as one picture:
// popups are windows of their own, so they are painted over the grab.
bool SaveWithGameMenu(TFRMMainMDI &window, const QString &name)
{
    auto *file = window.findChild<QMenu *>(QStringLiteral("MiArchivo"));
    auto *game = window.findChild<QMenu *>(QStringLiteral("MiJuego"));
    if (!file || !game)
        return false;
    const QPoint fileAt = window.menuBar()->actionGeometry(file->menuAction()).bottomLeft();
    file->popup(window.mapToGlobal(window.menuBar()->mapTo(&window, fileAt)));
    QTest::qWait(100);
    file->setActiveAction(game->menuAction());
    game->popup(file->mapToGlobal(file->actionGeometry(game->menuAction()).topRight()));
    QTest::qWait(150);

    QPixmap picture = window.grab();
    QPainter painter(&picture);
    for (QMenu *menu : {file, game})
        painter.drawPixmap(window.mapFromGlobal(menu->mapToGlobal(QPoint(0, 0))), menu->grab());
    painter.end();
    game->hide();
    file->hide();
    QLabel shown;
    shown.setPixmap(picture);
    shown.resize(picture.size() / picture.devicePixelRatio());
    return SaveScreenshot(&shown, name);
}

std::vector<BetMask> TodaysBets()
{
    std::vector<BetMask> bets;
    uint32_t state = 20260519;
    auto next = [&state](int bound) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<uint32_t>(bound)) + 1;
    };
    for (int k = 0; k < 8; ++k) {
        BetMask mask = 0;
        while (CountNumbers(mask) < 5)
            mask |= NumberBit(next(50));
        // Every bet holds one of the stars the classic game lacks.
        mask |= StarBit(10 + k % 3);
        while (CountStars(mask) < 2)
            mask |= StarBit(next(12));
        bets.push_back(mask);
    }
    return bets;
}

} // namespace

class TestScreenshotEdition : public QObject {
    Q_OBJECT

private slots:
    void todaysGameInSpanishAndEnglish()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        folder.CopyLanguageFiles();

        TFRMMainMDI window;
        window.setWindowState(Qt::WindowNoState);
        window.resize(1100, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Trigger(&window, "MiJuegoActual");

        TFRMApuestas *classic = nullptr;
        {
            window.SetEdition(TGameEdition::Classic);
            classic = window.NewCombinationWindow();
            for (int i = 0; i < 3; ++i)
                classic->AddRandomBet();
            classic->Combination().SetModified(false);
            window.SetEdition(TGameEdition::Current);
        }
        TFRMApuestas *current = window.NewCombinationWindow();
        const std::vector<BetMask> bets = TodaysBets();
        current->Combination().AppendMasks(bets.data(), bets.size());
        current->Combination().SetName("Martes y viernes");
        current->Combination().SetModified(false);
        const QList<QMdiSubWindow *> children = window.ClientArea()->subWindowList(QMdiArea::CreationOrder);
        children.at(0)->move(10, 10);
        children.at(1)->move(120, 150);
        window.ClientArea()->setActiveSubWindow(children.at(1));
        QTest::qWait(200);

        QVERIFY(SaveWithGameMenu(window, QStringLiteral("edition_menu_es")));
        QVERIFY(SaveScreenshot(children.at(1), QStringLiteral("edition_combination_es")));
        {
            TFRMPrintBoletos print(&window);
            print.SetApuestas(current->Combination());
            print.SetModoBoletos(true);
            print.show();
            QVERIFY(QTest::qWaitForWindowExposed(&print));
            QVERIFY(SaveScreenshot(&print, QStringLiteral("edition_print_note_es")));
        }

        Trigger(&window, "MiEnglish");
        QTest::qWait(200);
        QVERIFY(SaveWithGameMenu(window, QStringLiteral("edition_menu_en")));
        QVERIFY(SaveScreenshot(children.at(1), QStringLiteral("edition_combination_en")));
        {
            TFRMPrintBoletos print(&window);
            print.SetApuestas(current->Combination());
            print.SetModoBoletos(false);
            print.show();
            QVERIFY(QTest::qWaitForWindowExposed(&print));
            QVERIFY(SaveScreenshot(&print, QStringLiteral("edition_print_note_en")));
        }
        Trigger(&window, "MiFrench");
        current->SetViewMode(1);
        QTest::qWait(200);
        QVERIFY(SaveScreenshot(children.at(1), QStringLiteral("edition_numbers_view_fr")));
        // The French ticket, whose stars run along the rows: a fourth row.
        current->SetViewMode(0);
        Trigger(&window, "MiBolFrancia");
        QTest::qWait(200);
        QVERIFY(SaveScreenshot(children.at(1), QStringLiteral("edition_french_ticket_fr")));
        Trigger(&window, "MiBolEsp");
        Trigger(&window, "MiSpanish");
        window.SetEdition(TGameEdition::Classic);
        for (TFRMApuestas *child : window.CombinationWindows())
            child->Release();
    }
};

QTEST_MAIN(TestScreenshotEdition)
#include "test_screenshot_edition.moc"
