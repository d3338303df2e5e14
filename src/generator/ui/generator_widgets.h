#pragma once

#include "widgets/named_label.h"

#include "model/game_rules.h"

#include <QString>

#include <functional>

class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSize;
class QToolButton;
class QWidget;
class TControlEuroMillonApuesta;
class TEuroMillonGeneraComb;

// Pieces the generator's windows share: the counters of a run, the marked
// counts of a selection, the reduction lists.

// An empty page of a page control, named.
QWidget *NewNamedPage(const char *name);
QComboBox *NewNamedList(QWidget *parent, const char *name);
// A text-only tool button, named, at least minimumWidth wide.
QToolButton *NewNamedButton(QWidget *parent, const char *name, int minimumWidth);

// The panel pnlNumeros holding a selection ticket "Boleto" of the given
// size with a 2-pixel margin; the ticket is returned through `ticket`.
QFrame *NewTicketPanel(QWidget *parent, const QSize &ticketSize, TControlEuroMillonApuesta *&ticket);
// Makes the two random buttons add one random number or star to the ticket.
void ConnectRandomButtons(QWidget *owner, QToolButton *number, QToolButton *star,
                          TControlEuroMillonApuesta *ticket);
// "Juego actual: estrellas 1 a 12": which game a window's bets are of.
QString EditionCaption(TGameEdition edition);
// Makes the ticket offer the stars of the game (1-9 classic, 1-12 today),
// keeping the marks the game allows.
void SetTicketEdition(TControlEuroMillonApuesta &ticket, TGameEdition edition);

// The group gbTipoReduccion with its three radio buttons and three lists,
// named as the windows name them and laid out in a grid; texts are the
// caller's.
struct TReductionControls {
    QGroupBox *gbTipoReduccion = nullptr;
    QRadioButton *rbNoReduccion = nullptr;
    QRadioButton *rbReduccionGlobal = nullptr;
    QRadioButton *rbReduccionBloques = nullptr;
    QComboBox *cbRedGlobal = nullptr;
    QComboBox *cbRedB1 = nullptr;
    QComboBox *cbRedB2 = nullptr;
    QLabel *lTipoRedB1 = nullptr;
    QLabel *lTipoRedB2 = nullptr;
};
TReductionControls NewReductionGroup(QWidget *parent);

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

// The counts of a selection: marked numbers and stars, possible bets, and
// the two random buttons, in a grid of three rows with localized captions.
struct TSelectionCounts {
    QLabel *lNumerosB1 = nullptr;
    QLabel *lblNumB1 = nullptr;
    QLabel *lNumerosB2 = nullptr;
    QLabel *lblNumB2 = nullptr;
    QLabel *lApuestasPosibles = nullptr;
    QLabel *lblApuestasPosibles = nullptr;
    QToolButton *bbAleatorio1 = nullptr;
    QToolButton *bbAleatorio2 = nullptr;
    QGridLayout *grid = nullptr;
};
TSelectionCounts NewSelectionCounts(QWidget *parent, int buttonWidth);
// Each block shows missingWord and the count missing in red while it holds
// fewer values than a simple bet ("Faltan 3"), otherwise its count in black;
// then the possible bets of the selection.
void ShowSelectionCounts(const TSelectionCounts &counts, const TEuroMillonGeneraComb &generacion,
                         const QString &missingWord);

// Fills the three reduction lists with their localized items, each on item 0:
// global (level 7 - item), block 1 (5 - item), block 2 (2 - item).
void FillReductionLists(QComboBox *cbRedGlobal, QComboBox *cbRedB1, QComboBox *cbRedB2);

// Calls `clicked` when the user presses the mouse on the list or chooses an
// item, while the list has a chosen item.
void OnComboClicked(QComboBox *combo, std::function<void()> clicked);
