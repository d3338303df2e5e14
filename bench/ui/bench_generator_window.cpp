// Responsiveness of the generator's windows on the whole game (all 50
// numbers and 9 stars, 76,275,360 candidates; with "--edition current",
// today's game: 12 stars, 139,838,160 candidates), on the offscreen platform:
//  1. F9 with global level 6 (one miss): time until the progress window
//     closes, and the longest wait of the event loop during the run.
//  2. The walk without reduction, cancelled 2 s in: how long Cancel takes
//     to be answered.
//  3. The combination window's generate command without reduction: 76
//     million bets appended to the combination, then paged to the last
//     ticket; the longest freeze of each.
// Prints one line per figure.

#include "generator/genera_comb.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_generating.h"
#include "model/euromillon_apuestas.h"
#include "model/game_rules.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"
#include "support/bench_support.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>

namespace {

// Measures the longest interval between two turns of the event loop: a
// timer asks for a turn every 5 ms and notes how late each one came.
class EventLoopProbe {
public:
    EventLoopProbe()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
    }
    void Start()
    {
        longest_ = 0;
        clock_.start();
        timer_.start();
    }
    qint64 Stop()
    {
        timer_.stop();
        return std::max(longest_, clock_.elapsed());
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

void SelectEverything(TFRMEuroMillonComb &window)
{
    TEuroMillonApuestaMult &bet = window.Boleto()->ShownBet();
    bet.BeginUpdate();
    for (int value = 1; value <= 50; ++value)
        bet.Block(1).Add(value);
    for (int value = 1; value <= bet.Block(2).MaxValue(); ++value)
        bet.Block(2).Add(value);
    bet.EndUpdate();
}

void ChooseGlobalLevel(TFRMEuroMillonComb &window, int level)
{
    window.findChild<QRadioButton *>(QStringLiteral("rbReduccionGlobal"))->click();
    window.findChild<QComboBox *>(QStringLiteral("cbRedGlobal"))->setCurrentIndex(7 - level);
}

QAction *Action(QObject *root, const char *name)
{
    return root->findChild<QAction *>(QString::fromLatin1(name));
}

// Calls `step` on the generator window once it shows.
void WhenGeneratorShows(std::function<void(TFRMEuroMillonComb *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<TFRMEuroMillonComb *>(widget); window && window->isVisible()) {
                timer->stop();
                timer->deleteLater();
                step(window);
                return;
            }
    });
    timer->start();
}

void OneMissRun()
{
    TFRMEuroMillonComb window;
    window.show();
    SelectEverything(window);
    ChooseGlobalLevel(window, 6);
    int reports = 0;
    TNotifyEvent display = window.Generacion().OnProgress;
    window.Generacion().OnProgress = [&reports, display](void *sender) {
        ++reports;
        display(sender);
    };
    EventLoopProbe probe;
    probe.Start();
    BenchTimer timer;
    Action(&window, "ActProcesar")->trigger();
    const double seconds = timer.Seconds();
    const qint64 gap = probe.Stop();
    std::printf("one-miss run (global 6): kept=%d candidates=%d F9-to-close=%.2f s reports=%d "
                "longest-event-loop-gap=%lld ms\n",
                window.Generacion().Apuestas().Count(), window.Generacion().Generadas(), seconds, reports,
                static_cast<long long>(gap));
}

void CancelledRun(int level, const char *name)
{
    TFRMEuroMillonComb window;
    window.show();
    SelectEverything(window);
    ChooseGlobalLevel(window, level);
    QElapsedTimer sinceClick;
    QTimer::singleShot(2000, [&sinceClick] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *progress = qobject_cast<TFRMGenerating *>(widget); progress && progress->isVisible()) {
                DialogService::SetNextAnswer(QMessageBox::Yes);
                sinceClick.start();
                progress->findChild<QPushButton *>(QStringLiteral("bbCancel"))->click();
            }
    });
    EventLoopProbe probe;
    probe.Start();
    Action(&window, "ActProcesar")->trigger();
    const qint64 gap = probe.Stop();
    std::printf(
        "%s cancelled 2 s in: candidates=%d cancel-answered-in=%lld ms longest-event-loop-gap=%lld ms\n",
        name, window.Generacion().Generadas(), static_cast<long long>(sinceClick.elapsed()),
        static_cast<long long>(gap));
}

void AppendEveryBet()
{
    const TGameEdition game = EditionInForce();
    TFRMMainMDI main; // puts the game of its settings in force
    SetEditionInForce(game);
    main.resize(1100, 800);
    main.show();
    TFRMApuestas *combination = main.NewCombinationWindow();
    BenchTimer generation;
    double insertStart = 0;
    WhenGeneratorShows([&](TFRMEuroMillonComb *window) {
        SelectEverything(*window);
        Action(window, "ActProcesar")->trigger();
        std::printf("no-reduction run: kept=%d in %.2f s\n", window->Generacion().Apuestas().Count(),
                    generation.Seconds());
        insertStart = generation.Seconds();
        Action(window, "ActAceptar")->trigger();
    });
    DialogService::SetNextAnswer(QMessageBox::Yes); // "Se insertarán un total de ... apuestas"
    Action(combination, "ActGenerarCombinacion")->trigger();
    std::printf(
        "accepting and appending %d bets to the combination window: %.2f s (one block, no event loop)\n",
        combination->Combination().Count(), generation.Seconds() - insertStart);
    EventLoopProbe probe;
    probe.Start();
    BenchTimer paging;
    Action(combination, "ActLast")->trigger();
    QApplication::processEvents();
    std::printf("paging to the last ticket (%d): %.3f s\n", combination->CurrentTicket(), paging.Seconds());
    paging.Restart();
    Action(combination, "ActFirst")->trigger();
    QApplication::processEvents();
    std::printf("paging back to the first ticket: %.3f s; longest-event-loop-gap=%lld ms\n", paging.Seconds(),
                static_cast<long long>(probe.Stop()));
    std::printf("peak memory: %.0f MB\n", PeakResidentMegabytes());
    combination->Release();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--edition")
            SetEditionInForce(EditionFromKey(argv[i + 1]).value_or(TGameEdition::Classic));
    }
    std::printf("game: %s\n", std::string(EditionKey(EditionInForce())).c_str());
    SetProgramFolderForTests(QDir::temp().filePath(QStringLiteral("qor-bench-generator-window")));
    QDir().mkpath(QDir::temp().filePath(QStringLiteral("qor-bench-generator-window")));
    DialogService::SetHeadless(true);
    std::printf("processors: %u\n", ProcessorCount());
    OneMissRun();
    CancelledRun(6, "one-miss walk");
    CancelledRun(7, "no-reduction walk");
    AppendEveryBet();
    return 0;
}
