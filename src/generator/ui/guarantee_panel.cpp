#include "generator/ui/guarantee_panel.h"

#include "generator/ui/guarantee_text_ids.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include "model/apuesta_multiple.h"
#include "model/format.h"
#include "model/prize_categories.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kProgressSteps = 1000;

// Counts grouped by thousands, as the program writes amounts.
QString Grouped(int64_t value)
{
    return CountText(value);
}

// A figure with fewer decimals the larger it is: 4.89, 38.4, 76,275,360.
QString Figure(double value)
{
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    return DecimalText(value, decimals);
}

QString OneInText(double n)
{
    if (n <= 0)
        return QStringLiteral("-");
    return QString::fromStdString(FormatText(GetText(kTxtOneIn), {Figure(n).toStdString()}));
}

QTableWidget *NewTable(QWidget *parent, const char *name, int rows)
{
    auto *table = new QTableWidget(rows, 0, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

// A count; those of no draw are greyed so that the others stand out.
QTableWidgetItem *Cell(const QString &text, bool highlighted, bool none = false)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (none)
        item->setForeground(QColor(150, 150, 150));
    if (highlighted) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
        item->setBackground(QColor(255, 236, 150));
    }
    return item;
}

// Restores the cursor however the analysis ends.
struct TBusyCursor {
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

} // namespace

TGuaranteePanel::TGuaranteePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GuaranteePanel"));
    analyser_.SetWithOdds(true);
    CreateSummaryLabels();
    CreateSelectionTables();
    CreatePages();
    CreateWholeGameFigures();
    LayOutSelectionPage();
    LayOutWholeGamePage();
    tcGarantia->addTab(tsSeleccion, QString());
    tcGarantia->addTab(tsTodoElJuego, QString());
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(lblGarantizado);
    root->addWidget(lblSorteos);
    root->addWidget(tcGarantia, 1);
    ApplyTexts();
}

void TGuaranteePanel::CreateSummaryLabels()
{
    lblGarantizado = new QLabel(this);
    lblGarantizado->setObjectName(QStringLiteral("lblGarantizado"));
    QFont big = lblGarantizado->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblGarantizado->setFont(big);
    lblSorteos = new QLabel(this);
    lblSorteos->setObjectName(QStringLiteral("lblSorteos"));
}

void TGuaranteePanel::CreateSelectionTables()
{
    auto group = [this](const char *name) {
        auto *box = new QGroupBox(this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    gbTodos = group("gbTodos");
    gbAciertos = group("gbAciertos");
    gbHuecos = group("gbHuecos");
    sgGarantia = NewTable(gbTodos, "sgGarantia", Rows());
    sgGarantia->setColumnCount(2);
    sgAciertos = NewTable(gbAciertos, "sgAciertos", Rows() + 1);
    lbHuecos = new QListWidget(gbHuecos);
    lbHuecos->setObjectName(QStringLiteral("lbHuecos"));
    lbHuecos->setSelectionMode(QAbstractItemView::NoSelection);
    lbHuecos->setMinimumWidth(
        lbHuecos->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00.00.00-00.00")) + 30);
}

void TGuaranteePanel::CreatePages()
{
    // The draws of the selection on one page, those of the whole game on
    // another: side by side they need a window twice as wide.
    tcGarantia = new QTabWidget(this);
    tcGarantia->setObjectName(QStringLiteral("tcGarantia"));
    tsSeleccion = new QWidget(tcGarantia);
    tsSeleccion->setObjectName(QStringLiteral("tsSeleccion"));
    tsTodoElJuego = new QWidget(tcGarantia);
    tsTodoElJuego->setObjectName(QStringLiteral("tsTodoElJuego"));
}

void TGuaranteePanel::CreateWholeGameFigures()
{
    sgTodoElJuego = NewTable(tsTodoElJuego, "sgTodoElJuego", Rows());
    sgTodoElJuego->setColumnCount(2);
    auto note = [this](const char *name) {
        auto *label = new QLabel(tsTodoElJuego);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        return label;
    };
    lblSorteosJuego = note("lblSorteosJuego");
    lblAlgunPremio = note("lblAlgunPremio");
    lblApuestasPremiadas = note("lblApuestasPremiadas");
    lblPremiosEsperados = note("lblPremiosEsperados");
    lblRetorno = note("lblRetorno");
    lblRetorno->setForegroundRole(QPalette::PlaceholderText);
}

void TGuaranteePanel::LayOutSelectionPage()
{
    for (auto [box, content] : {std::pair<QGroupBox *, QWidget *>{gbTodos, sgGarantia},
                                {gbAciertos, sgAciertos},
                                {gbHuecos, lbHuecos}}) {
        auto *inner = new QVBoxLayout(box);
        inner->addWidget(content);
        if (content != lbHuecos)
            inner->addStretch();
    }
    auto *tables = new QHBoxLayout(tsSeleccion);
    tables->addWidget(gbTodos);
    tables->addWidget(gbAciertos);
    tables->addWidget(gbHuecos, 1);
}

void TGuaranteePanel::LayOutWholeGamePage()
{
    auto *figures = new QVBoxLayout;
    for (QLabel *label :
         {lblSorteosJuego, lblAlgunPremio, lblApuestasPremiadas, lblPremiosEsperados, lblRetorno})
        figures->addWidget(label);
    figures->addStretch();
    auto *whole = new QHBoxLayout(tsTodoElJuego);
    auto *tableColumn = new QVBoxLayout;
    tableColumn->addWidget(sgTodoElJuego);
    tableColumn->addStretch();
    whole->addLayout(tableColumn);
    whole->addSpacing(12);
    whole->addLayout(figures, 1);
}

int TGuaranteePanel::Rows() const
{
    return GameRules(analyser_.Edition()).CategoryCount + 1;
}

QString TGuaranteePanel::CategoryName(int categoria) const
{
    const int categories = GameRules(analyser_.Edition()).CategoryCount;
    return categoria == categories + 1 ? Txt(kTxtNoPrizeRow)
                                       : QString::fromStdString(CategoriaTexto(categoria, categories));
}

void TGuaranteePanel::SetEdition(TGameEdition edition)
{
    if (edition == analyser_.Edition())
        return;
    analyser_.SetEdition(edition);
    sgGarantia->setRowCount(Rows());
    sgAciertos->setRowCount(Rows() + 1);
    sgTodoElJuego->setRowCount(Rows());
    ApplyTexts();
    Clear();
}

bool TGuaranteePanel::Analyse(const std::vector<BetMask> &bets, BetMask selection)
{
    if (busy_)
        return false;
    Clear();
    busy_ = true;
    cancelRequested_ = false;
    TBusyCursor cursor;
    QProgressDialog progress(Txt(kTxtAnalysingGuarantee), Txt(kTxtProgressCancel), 0, kProgressSteps, this);
    progress.setObjectName(QStringLiteral("GuaranteeProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // Millions of bets take seconds to mark before the draws are settled:
    // the dialog says so, with a bar of its own, and Cancel works then too.
    analyser_.OnMarking = [&progress](int64_t marked, int64_t betCount) {
        if (progress.labelText() != Txt(kTxtPreparingBets))
            progress.setLabelText(Txt(kTxtPreparingBets));
        progress.setValue(betCount > 0 ? static_cast<int>(marked * kProgressSteps / betCount) : 0);
        QApplication::processEvents();
    };
    analyser_.OnProgress = [this, &progress](int64_t done, int64_t total) {
        if (progress.labelText() != Txt(kTxtAnalysingGuarantee))
            progress.setLabelText(Txt(kTxtAnalysingGuarantee));
        progress.setValue(total > 0 ? static_cast<int>(done * kProgressSteps / total) : kProgressSteps);
        emit Progress(done, total);
        QApplication::processEvents();
    };
    analyser_.ShouldCancel = [this, &progress] { return cancelRequested_ || progress.wasCanceled(); };
    TGuaranteeReport report;
    try {
        if (!prizesGiven_)
            prizes_ = AveragePrizesOfArchive(analyser_.Edition());
        report = analyser_.Analyse(bets, selection);
    } catch (...) {
        analyser_.OnProgress = nullptr;
        analyser_.OnMarking = nullptr;
        analyser_.ShouldCancel = nullptr;
        busy_ = false;
        throw;
    }
    analyser_.OnProgress = nullptr;
    analyser_.OnMarking = nullptr;
    analyser_.ShouldCancel = nullptr;
    busy_ = false;
    if (report.Cancelled)
        return false;
    ShowReport(report, static_cast<int64_t>(bets.size()));
    return true;
}

void TGuaranteePanel::ShowReport(const TGuaranteeReport &report, int64_t betCount)
{
    report_ = report;
    betCount_ = betCount;
    hasReport_ = true;
    FillSummary();
    FillAllDraws();
    FillByHits();
    FillHoles();
    FillWholeGame();
}

void TGuaranteePanel::SetAveragePrizes(const TAveragePrizes &prizes)
{
    prizes_ = prizes;
    prizesGiven_ = true;
    FillWholeGame();
}

void TGuaranteePanel::Clear()
{
    report_ = {};
    betCount_ = 0;
    hasReport_ = false;
    FillSummary();
    FillAllDraws();
    FillByHits();
    FillHoles();
    FillWholeGame();
}

void TGuaranteePanel::ApplyTexts()
{
    gbTodos->setTitle(Txt(kTxtAllSelectionDraws));
    gbAciertos->setTitle(Txt(kTxtByHitsOfSelection));
    gbHuecos->setTitle(Txt(kTxtWorstFirstDraws));
    tcGarantia->setTabText(0, Txt(kTxtSelectionPage));
    tcGarantia->setTabText(1, Txt(kTxtWholeGamePage));
    lblRetorno->setText(Txt(kTxtReturnUnchanged));
    sgGarantia->setHorizontalHeaderLabels({Txt(kTxtDrawsColumn), Txt(kTxtPercentColumn)});
    sgTodoElJuego->setHorizontalHeaderLabels({Txt(kTxtDrawsColumn), Txt(kTxtOddsColumn)});
    QStringList rows;
    for (int categoria = 1; categoria <= Rows(); ++categoria)
        rows << CategoryName(categoria);
    sgGarantia->setVerticalHeaderLabels(rows);
    sgTodoElJuego->setVerticalHeaderLabels(rows);
    sgAciertos->setVerticalHeaderLabels(rows << Txt(kTxtGuaranteedRow));
    FillSummary();
    FillByHits();
    FillWholeGame();
}

void TGuaranteePanel::FillSummary()
{
    if (!hasReport_) {
        lblGarantizado->clear();
        lblSorteos->clear();
        return;
    }
    const int guaranteed = report_.All.Guaranteed();
    lblGarantizado->setText(
        guaranteed == 0 ? Txt(kTxtNoDrawsInSelection)
                        : QString::fromStdString(FormatText(GetText(kTxtGuaranteedPrize),
                                                            {CategoryName(guaranteed).toStdString()})));
    lblSorteos->setText(QString::fromStdString(
        FormatText(GetText(kTxtSelectionSummary),
                   {Grouped(report_.All.Draws).toStdString(), CountNumbers(report_.Selection),
                    CountStars(report_.Selection), Grouped(betCount_).toStdString()})));
}

void TGuaranteePanel::FillAllDraws()
{
    sgGarantia->clearContents();
    if (!hasReport_)
        return;
    const int guaranteed = report_.All.Guaranteed();
    for (int categoria = 1; categoria <= Rows(); ++categoria) {
        const bool worst = categoria == guaranteed;
        const int64_t count = report_.All.Count(categoria);
        sgGarantia->setItem(categoria - 1, 0, Cell(Grouped(count), worst, count == 0));
        sgGarantia->setItem(categoria - 1, 1,
                            Cell(PercentText(report_.All.Percent(categoria)), worst, count == 0));
    }
}

void TGuaranteePanel::FillByHits()
{
    const std::vector<TGuaranteeByHits> &byHits = report_.ByHits;
    sgAciertos->clearContents();
    sgAciertos->setColumnCount(static_cast<int>(byHits.size()));
    gbAciertos->setVisible(!hasReport_ || !byHits.empty());
    QStringList headers;
    for (const TGuaranteeByHits &table : byHits)
        headers << QString::fromStdString(FormatText(GetText(kTxtHitsColumn), {table.Hits}));
    sgAciertos->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < static_cast<int>(byHits.size()); ++column) {
        const TGuaranteeTable &table = byHits[static_cast<size_t>(column)].Table;
        const int guaranteed = table.Guaranteed();
        for (int categoria = 1; categoria <= Rows(); ++categoria)
            sgAciertos->setItem(categoria - 1, column,
                                Cell(Grouped(table.Count(categoria)) + QStringLiteral("  (") +
                                         PercentText(table.Percent(categoria)) + QLatin1Char(')'),
                                     categoria == guaranteed, table.Count(categoria) == 0));
        sgAciertos->setItem(Rows(), column,
                            Cell(guaranteed == 0 ? QStringLiteral("-") : CategoryName(guaranteed), true));
    }
}

void TGuaranteePanel::FillHoles()
{
    lbHuecos->clear();
    for (BetMask hole : report_.Holes)
        lbHuecos->addItem(QString::fromStdString(MaskToText(hole)));
}

void TGuaranteePanel::FillWholeGame()
{
    sgTodoElJuego->clearContents();
    const TGuaranteeOdds &odds = report_.Odds;
    const bool shown = hasReport_ && odds.Best.Draws > 0;
    for (QLabel *label : {lblSorteosJuego, lblAlgunPremio, lblApuestasPremiadas, lblPremiosEsperados})
        label->clear();
    lblRetorno->setVisible(shown);
    if (!shown)
        return;
    for (int categoria = 1; categoria <= Rows(); ++categoria) {
        const int64_t count = odds.Best.Count(categoria);
        sgTodoElJuego->setItem(categoria - 1, 0, Cell(Grouped(count), false, count == 0));
        sgTodoElJuego->setItem(categoria - 1, 1, Cell(OneInText(odds.OneIn(categoria)), false, count == 0));
    }
    lblSorteosJuego->setText(QString::fromStdString(
        FormatText(GetText(kTxtWholeGameDraws), {Grouped(odds.Best.Draws).toStdString()})));
    const double anyPrize = odds.AnyPrize();
    lblAlgunPremio->setText(QString::fromStdString(
        FormatText(GetText(kTxtAnyPrize), {PercentText(anyPrize * 100.0).toStdString(),
                                           anyPrize > 0 ? Figure(1.0 / anyPrize).toStdString() : "-"})));
    const double winning = odds.ExpectedWinningBets();
    lblApuestasPremiadas->setText(QString::fromStdString(FormatText(
        GetText(kTxtWinningBetsPerDraw), {DecimalText(winning, winning < 100 ? 4 : 2).toStdString()})));
    const std::string cost = MoneyText(CostOfOneDraw(betCount_, analyser_.Edition())).toStdString();
    bool anyAverage = false;
    for (int c = 0; c < odds.Best.Categories; ++c)
        anyAverage = anyAverage || prizes_.Draws[static_cast<size_t>(c)] > 0;
    lblPremiosEsperados->setText(QString::fromStdString(
        anyAverage ? FormatText(GetText(kTxtExpectedPrizes),
                                {MoneyText(ExpectedPrizes(odds, prizes_)).toStdString(), cost})
                   : FormatText(GetText(kTxtExpectedPrizesNoArchive), {cost})));
}
