// The prize check of every simple bet of the classic game (76,275,360 bets)
// over the 378 classic draws in the prizes window, offscreen: the seconds
// the run takes, the longest pause of the event loop meanwhile (the window
// must stay responsive), the hits found, the time to turn to the last page
// of the winning bets, and the peak memory, the combination included.
//   bench_prizes_window [ARCHIVE.emx]
// The archive defaults to the classic one the build puts beside this
// program (Sorteos/QOREuroMillonSorteos.emx).
#include "support/bench_support.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "draws/prize_check.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/winning_bets_model.h"
#include "framework/parametres.h"
#include "framework/program_path.h"
#include "generator/mask_enumeration.h"
#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

// Every bet of the classic game, through the generator's own enumeration.
void FillWholeGame(TEuroMillonApuestas &all)
{
    const std::vector<BetMask> quintets = NumberQuintetMasks(kNumberBits);
    const std::vector<BetMask> pairs = StarPairMasks(kStarBits);
    std::vector<BetMask> masks;
    masks.reserve(quintets.size() * pairs.size());
    for (BetMask numbers : quintets)
        for (BetMask stars : pairs)
            masks.push_back(numbers | stars);
    all.AppendMasks(masks.data(), masks.size());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path shipped =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "Sorteos" /
        kNombreArchivoSorteos;
    const std::string archive = argc > 1 ? argv[1] : shipped.string();
    const std::string scratch = BenchScratchFolder("qor-bench-prizes");
    SetProgramFilePath(scratch + "/qor-euromillon");
    DialogService::SetHeadless(true);
    std::filesystem::create_directories(CarpetaSorteos());
    std::filesystem::copy_file(archive, ArchivoSorteos(), std::filesystem::copy_options::overwrite_existing);
    TSorteosEuroMillon draws;
    draws.LoadFromFile(ArchivoSorteos());
    if (draws.Count() == 0) {
        std::fprintf(stderr, "no draws in %s\n", archive.c_str());
        return 1;
    }
    Parametres().SetValor("PRM_PREMIOS_Desde",
                          Variant::DateTime(draws.Sorteo(draws.Count() - 1).FechaSorteo));
    Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(draws.Sorteo(0).FechaSorteo));
    Parametres().SetValor("PRM_PREMIOS_HastaChecked", Variant(true));

    BenchTimer making;
    TEuroMillonApuestas all;
    FillWholeGame(all);
    std::printf("combination bets=%d made in %.2f s, peak_mb=%.0f\n", all.Count(), making.Seconds(),
                PeakResidentMegabytes());

    TFRMEuroMillonPremios window(nullptr, TGameEdition::Classic);
    window.SetApuestas(&all);
    window.show();
    QElapsedTimer gapClock;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, gapClock.restart()); });
    ticker.start(5);
    gapClock.start();

    BenchTimer running;
    window.findChild<QAction *>(QStringLiteral("ActProcesar"))->trigger();
    const double seconds = running.Seconds();
    longestGap = std::max(longestGap, gapClock.elapsed());
    ticker.stop();

    BenchTimer paging;
    TWinningBetsModel &model = window.ApuestasPremiadas();
    model.SetPagina(model.Paginas() - 1);
    const double lastPage = paging.Seconds();

    std::printf("prizes_window bets=%d draws=%d hits=%lld total_prizes=%.2f cost=%.2f seconds=%.2f "
                "longest_event_gap_ms=%lld last_page_ms=%.1f peak_mb=%.0f\n",
                all.Count(), window.SorteosRango().Count(),
                static_cast<long long>(window.Premios().CountPremiadas()),
                static_cast<double>(window.Premios().TotalPremios()) / 10000.0,
                static_cast<double>(window.Premios().ImporteCombinacion()) / 10000.0, seconds,
                static_cast<long long>(longestGap), lastPage * 1000.0, PeakResidentMegabytes());
    return 0;
}
