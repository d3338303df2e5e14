#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;
class TEuroMillonGeneraComb;

// Pieces the generator's windows share: the counters of a run, the marked
// counts of a selection, the reduction lists.

QLabel *NewNamedLabel(QWidget *parent, const char *name, bool bold = false);

// The texts keep the Windows line breaks of the language files ("\r\n");
// Qt's widgets want plain line feeds.
QString PlainLines(QString text);

// A percentage with the user's decimal separator: FormatPercent(25, 2) is
// "25.00%" or "25,00%".
QString FormatPercent(double percent, int decimals);

// The three counters of a run, each a caption, a count and a percentage.
struct TGenerationCounterLabels {
    QLabel *lTotalApuestasGeneradas = nullptr;
    QLabel *lblApuestasGeneradas = nullptr;
    QLabel *lblApuestasGeneradasPct = nullptr;
    QLabel *lTotalApuestasCondicion = nullptr;
    QLabel *lblApuestasCondicion = nullptr;
    QLabel *lblApuestasCondicionPct = nullptr;
    QLabel *lTotalApuestasFinal = nullptr;
    QLabel *lblApuestasValidas = nullptr;
    QLabel *lblApuestasValidasPct = nullptr;
};

// Creates the three rows (caption, count, percentage) in the grid from
// firstRow on, with their localized captions; the last caption is bold.
TGenerationCounterLabels AddGenerationCounters(QWidget *parent, QGridLayout *grid, int firstRow);

// Candidates, valid ones and kept bets with their percentages: the first of
// the possible bets, the other two of the candidates. With no candidate yet
// the valid percentage is emptied and the kept one keeps its text.
void ShowGenerationCounters(const TEuroMillonGeneraComb &generacion, const TGenerationCounterLabels &labels);

// missingWord and the count missing in red while fewer than `needed` values
// are marked ("Faltan 3"); otherwise the count in black.
void ShowMarkedCount(QLabel *label, int marked, int needed, const QString &missingWord);

// Fills the three reduction lists with their localized items, each on item 0:
// global (level 7 - item), block 1 (5 - item), block 2 (2 - item).
void FillReductionLists(QComboBox *cbRedGlobal, QComboBox *cbRedB1, QComboBox *cbRedB2);

// Calls `clicked` when the user presses the mouse on the list or chooses an
// item, while the list has a chosen item.
void OnComboClicked(QComboBox *combo, std::function<void()> clicked);
