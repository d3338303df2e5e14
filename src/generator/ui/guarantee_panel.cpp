#include "generator/ui/guarantee_panel.h"

#include "widgets/texts.h"

#include "model/prize_categories.h"
#include "model/apuesta_multiple.h"
#include "model/format.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressDialog>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kProgressSteps = 1000;

// Counts grouped by thousands, as the program writes amounts.
QString Grouped(int64_t value)
{
    return QLocale(QLocale::English).toString(static_cast<qlonglong>(value));
}

QString PercentText(double percent)
{
    return QString::number(percent, 'f', 2) + QStringLiteral(" %");
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
    lblGarantizado = new QLabel(this);
    lblGarantizado->setObjectName(QStringLiteral("lblGarantizado"));
    QFont big = lblGarantizado->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblGarantizado->setFont(big);
    lblSorteos = new QLabel(this);
    lblSorteos->setObjectName(QStringLiteral("lblSorteos"));

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
    lbHuecos->setMinimumWidth(lbHuecos->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00.00.00-00.00")) + 30);
    for (auto [box, content] : {std::pair<QGroupBox *, QWidget *>{gbTodos, sgGarantia}, {gbAciertos, sgAciertos},
                                {gbHuecos, lbHuecos}}) {
        auto *inner = new QVBoxLayout(box);
        inner->addWidget(content);
        if (content != lbHuecos)
            inner->addStretch();
    }

    auto *tables = new QHBoxLayout;
    tables->addWidget(gbTodos);
    tables->addWidget(gbAciertos);
    tables->addWidget(gbHuecos, 1);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(lblGarantizado);
    root->addWidget(lblSorteos);
    root->addLayout(tables, 1);
    ApplyTexts();
}

int TGuaranteePanel::Rows() const
{
    return GameRules(analyser_.Edition()).CategoryCount + 1;
}

QString TGuaranteePanel::CategoryName(int categoria) const
{
    const int categories = GameRules(analyser_.Edition()).CategoryCount;
    return categoria == categories + 1 ? Txt(45606) : QString::fromStdString(CategoriaTexto(categoria, categories));
}

void TGuaranteePanel::SetEdition(TGameEdition edition)
{
    if (edition == analyser_.Edition())
        return;
    analyser_.SetEdition(edition);
    sgGarantia->setRowCount(Rows());
    sgAciertos->setRowCount(Rows() + 1);
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
    QProgressDialog progress(Txt(45615), Txt(50004), 0, kProgressSteps, this);
    progress.setObjectName(QStringLiteral("GuaranteeProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // Millions of bets take seconds to mark before the draws are settled:
    // the dialog says so, with a bar of its own, and Cancel works then too.
    analyser_.OnMarking = [&progress](int64_t marked, int64_t betCount) {
        if (progress.labelText() != Txt(45851))
            progress.setLabelText(Txt(45851));
        progress.setValue(betCount > 0 ? static_cast<int>(marked * kProgressSteps / betCount) : 0);
        QApplication::processEvents();
    };
    analyser_.OnProgress = [this, &progress](int64_t done, int64_t total) {
        if (progress.labelText() != Txt(45615))
            progress.setLabelText(Txt(45615));
        progress.setValue(total > 0 ? static_cast<int>(done * kProgressSteps / total) : kProgressSteps);
        emit Progress(done, total);
        QApplication::processEvents();
    };
    analyser_.ShouldCancel = [this, &progress] { return cancelRequested_ || progress.wasCanceled(); };
    TGuaranteeReport report;
    try {
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
}

void TGuaranteePanel::ApplyTexts()
{
    gbTodos->setTitle(Txt(45610));
    gbAciertos->setTitle(Txt(45611));
    gbHuecos->setTitle(Txt(45614));
    sgGarantia->setHorizontalHeaderLabels({Txt(45604), Txt(45605)});
    QStringList rows;
    for (int categoria = 1; categoria <= Rows(); ++categoria)
        rows << CategoryName(categoria);
    sgGarantia->setVerticalHeaderLabels(rows);
    sgAciertos->setVerticalHeaderLabels(rows << Txt(45613));
    FillSummary();
    FillByHits();
}

void TGuaranteePanel::FillSummary()
{
    if (!hasReport_) {
        lblGarantizado->clear();
        lblSorteos->clear();
        return;
    }
    const int guaranteed = report_.All.Guaranteed();
    lblGarantizado->setText(guaranteed == 0 ? Txt(45608)
                                            : QString::fromStdString(FormatText(
                                                  GetText(45607), {CategoryName(guaranteed).toStdString()})));
    lblSorteos->setText(QString::fromStdString(FormatText(
        GetText(45609), {Grouped(report_.All.Draws).toStdString(), CountNumbers(report_.Selection),
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
        sgGarantia->setItem(categoria - 1, 1, Cell(PercentText(report_.All.Percent(categoria)), worst, count == 0));
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
        headers << QString::fromStdString(FormatText(GetText(45612), {table.Hits}));
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
