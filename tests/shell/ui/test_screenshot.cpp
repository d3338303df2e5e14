// The main window with two combination windows, one in ticket view and one in
// numbers view. With QOR_SCREENSHOT_DIR set (tools/screenshot.sh) the window
// is saved there; otherwise the grab is only checked.
#include "support/ui/shell_test_support.h"

#include "model/euromillon_apuestas.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"
#include "shell/ui/wallpaper.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTest>

#include <algorithm>

namespace {

// Bets that look like a real player's: spread over the whole ticket.
std::vector<TestBet> VariedBets(int count)
{
    std::vector<TestBet> bets;
    uint32_t state = 20260209;
    auto next = [&state](int bound) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<uint32_t>(bound)) + 1;
    };
    auto distinct = [&next](size_t size, int bound) {
        std::vector<int> values;
        while (values.size() < size) {
            const int value = next(bound);
            if (std::find(values.begin(), values.end(), value) == values.end())
                values.push_back(value);
        }
        std::sort(values.begin(), values.end());
        return values;
    };
    for (int k = 0; k < count; ++k)
        bets.push_back({distinct(5, 50), distinct(2, 9)});
    return bets;
}

} // namespace

class TestScreenshot : public QObject {
    Q_OBJECT

private slots:
    void mainWindowWithTwoCombinations()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        folder.CopyLanguageFiles();
        const QString path = folder.FilePath(QStringLiteral("Semana 12.aem"));
        WriteCombinationFile(path, "Reducida 5 de 12", VariedBets(23));

        TFRMMainMDI window;
        window.setWindowState(Qt::WindowNoState);
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        TFRMApuestas *tickets = window.OpenCombinationFile(path);
        tickets->GoToTicket(2);
        TFRMApuestas *numbers = window.NewCombinationWindow();
        for (int i = 0; i < 7; ++i)
            numbers->AddRandomBet();
        numbers->SetViewMode(1);
        numbers->Combination().SetModified(false);

        const QList<QMdiSubWindow *> children = window.ClientArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(children.size(), 2);
        children.at(0)->move(12, 12);
        children.at(1)->move(170, 300);
        window.ClientArea()->setActiveSubWindow(children.at(1));
        QTest::qWait(200);

        QVERIFY(SaveScreenshot(&window, QStringLiteral("main_window")));
        for (TFRMApuestas *child : window.CombinationWindows())
            child->Release();
    }

    // Two windows as they open (cascaded, at their default size), then the
    // same pair tiled, in French.
    void cascadedAndTiledInFrench()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        folder.CopyLanguageFiles();
        const QString first = folder.FilePath(QStringLiteral("Semaine 12.aem"));
        const QString second = folder.FilePath(QStringLiteral("Systeme 5 sur 12.aem"));
        WriteCombinationFile(first, "Semaine 12", VariedBets(23));
        WriteCombinationFile(second, "Systeme 5 sur 12", VariedBets(41));

        TFRMMainMDI window;
        window.setWindowState(Qt::WindowNoState);
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Trigger(&window, "MiFrench");
        window.OpenCombinationFile(first);
        window.OpenCombinationFile(second)->GoToTicket(3);
        QTest::qWait(200);
        QVERIFY(SaveScreenshot(&window, QStringLiteral("cascaded_fr")));
        Trigger(&window, "ActVertical");
        QTest::qWait(200);
        QVERIFY(SaveScreenshot(&window, QStringLiteral("tiled_fr")));
        Trigger(&window, "MiSpanish");
        for (TFRMApuestas *child : window.CombinationWindows())
            child->Release();
    }
};

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
