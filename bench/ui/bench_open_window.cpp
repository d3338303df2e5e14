// Opening every simple bet of the game (76,275,360 bets, 1.37 GB) in a
// combination window through the program's own open path, offscreen: the
// seconds until the window shows it, the longest pause of the event loop
// meanwhile, and the memory it took.
//   bench_open_window [FILE.aem]   (default: the whole game, written first)
#include "support/bench_support.h"

#include "framework/program_path.h"
#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"
#include "widgets/dialog_service.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

std::string WriteWholeGame(const std::string &folder)
{
    const std::string path = folder + "/whole-game.aem";
    TEuroMillonApuestas all;
    std::vector<BetMask> masks;
    masks.reserve(76'275'360);
    for (int a = 1; a <= 46; ++a)
        for (int b = a + 1; b <= 47; ++b)
            for (int c = b + 1; c <= 48; ++c)
                for (int d = c + 1; d <= 49; ++d)
                    for (int e = d + 1; e <= 50; ++e) {
                        const BetMask numbers =
                            NumberBit(a) | NumberBit(b) | NumberBit(c) | NumberBit(d) | NumberBit(e);
                        for (int s = 1; s <= 8; ++s)
                            for (int t = s + 1; t <= 9; ++t)
                                masks.push_back(numbers | StarBit(s) | StarBit(t));
                    }
    all.AppendMasks(masks.data(), masks.size());
    all.SaveToFile(path);
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string scratch = BenchScratchFolder("qor-bench-open");
    SetProgramFilePath(scratch + "/qor-euromillon");
    DialogService::SetHeadless(true);
    PutTicketCountryInForce(false);

    std::string path = argc > 1 ? argv[1] : std::string();
    if (path.empty()) {
        BenchTimer writing;
        path = WriteWholeGame(scratch);
        std::printf("written %s in %.2f s\n", path.c_str(), writing.Seconds());
    }

    TFRMMainMDI window;
    window.show();
    QElapsedTimer gapClock;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, gapClock.restart()); });
    ticker.start(5);
    gapClock.start();

    BenchTimer opening;
    TFRMApuestas *child = window.OpenCombinationFile(QString::fromStdString(path));
    const double seconds = opening.Seconds();
    std::printf("open_window bets=%d seconds=%.2f longest_event_gap_ms=%lld peak_mb=%.0f\n",
                child->Combination().Count(), seconds, static_cast<long long>(longestGap),
                PeakResidentMegabytes());
    child->Combination().SetModified(false);
    child->Release();
    if (argc <= 1)
        std::filesystem::remove(path);
    return 0;
}
