#pragma once

#include "generator/guarantee_analyser.h"
#include "generator/guarantee_odds.h"
#include "generator/guarantee_report.h"
#include "model/bet_mask.h"

#include <QWidget>

#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;
class QTabWidget;
class QTableWidget;

// Shows what a set of bets guarantees over a selection: the guaranteed
// category, the draws of each category, the same by numbers of the selection
// drawn, and the first draws of the worst case; then, over every draw of the
// game, the draws of each category with their odds, the chance of some prize,
// the winning bets and the prizes of one draw on average against its cost.
// Any window can hold one: the guarantee window of a combination, or the
// generator after a run.
class TGuaranteePanel : public QWidget {
    Q_OBJECT

public:
    explicit TGuaranteePanel(QWidget *parent = nullptr);

    // Analyses the bets over the selection (0: every number and star of the
    // bets) and shows the report. A busy cursor at once and a progress box
    // with Cancel past about a second; the event loop is served meanwhile.
    // Returns false, the panel cleared, when the analysis was cancelled or
    // another is under way. Errors pass to the caller, the panel cleared.
    bool Analyse(const std::vector<BetMask> &bets, BetMask selection = 0);
    // Shows a report made elsewhere; betCount is only shown (and priced).
    void ShowReport(const TGuaranteeReport &report, int64_t betCount);
    // The average prizes the expected prizes are counted at; by default those
    // of the program's draw archive of the game, read at each analysis.
    void SetAveragePrizes(const TAveragePrizes &prizes);
    void Clear();

    bool Busy() const { return busy_; }
    bool HasReport() const { return hasReport_; }
    const TGuaranteeReport &Report() const { return report_; }
    // The analyser's thread count and clock may be set before Analyse.
    TGuaranteeAnalyser &Analyser() { return analyser_; }
    // The game of the bets to analyse: its stars and its categories, one row
    // each (classic until set). Clears the panel when the game changes.
    void SetEdition(TGameEdition edition);

    void ApplyTexts();

public slots:
    // Stops a running analysis at its next progress report, as Cancel does.
    void Cancel() { cancelRequested_ = true; }

signals:
    // During an analysis, at most every 250 ms: draws settled and in all.
    void Progress(qint64 done, qint64 total);

private:
    // The parts of the panel, made in this order: the summary over the
    // pages, the tables of the selection's page, the pages, the whole game's
    // table and figures; then the two pages are laid out.
    void CreateSummaryLabels();
    void CreateSelectionTables();
    void CreatePages();
    void CreateWholeGameFigures();
    void LayOutSelectionPage();
    void LayOutWholeGamePage();
    // Rows of the category tables: the categories and "no prize".
    int Rows() const;
    QString CategoryName(int categoria) const;
    void FillSummary();
    void FillAllDraws();
    void FillByHits();
    void FillHoles();
    void FillWholeGame();

    TGuaranteeAnalyser analyser_;
    TAveragePrizes prizes_;
    bool prizesGiven_ = false;
    TGuaranteeReport report_;
    int64_t betCount_ = 0;
    bool hasReport_ = false;
    bool busy_ = false;
    bool cancelRequested_ = false;

    QLabel *lblGarantizado = nullptr;
    QLabel *lblSorteos = nullptr;
    QGroupBox *gbTodos = nullptr;
    QGroupBox *gbAciertos = nullptr;
    QGroupBox *gbHuecos = nullptr;
    QTabWidget *tcGarantia = nullptr;
    QWidget *tsSeleccion = nullptr;
    QWidget *tsTodoElJuego = nullptr;
    QTableWidget *sgGarantia = nullptr;
    QTableWidget *sgAciertos = nullptr;
    QListWidget *lbHuecos = nullptr;
    QTableWidget *sgTodoElJuego = nullptr;
    QLabel *lblSorteosJuego = nullptr;
    QLabel *lblAlgunPremio = nullptr;
    QLabel *lblApuestasPremiadas = nullptr;
    QLabel *lblPremiosEsperados = nullptr;
    QLabel *lblRetorno = nullptr;
};
