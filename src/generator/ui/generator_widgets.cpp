#include "generator/ui/generator_widgets.h"

#include "framework/localize.h"
#include "generator/genera_comb.h"
#include "generator/ui/generator_text_ids.h"
#include "model/euromillon_apuestas.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/simple_bets.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Forwards mouse presses on a list to a handler.
class TComboClickFilter : public QObject {
public:
    TComboClickFilter(QComboBox *combo, std::function<void()> clicked)
        : QObject(combo), combo_(combo), clicked_(std::move(clicked))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == combo_ && event->type() == QEvent::MouseButtonPress && combo_->currentIndex() >= 0)
            clicked_();
        return false;
    }

private:
    QComboBox *combo_;
    std::function<void()> clicked_;
};

double Percent(double part, double whole)
{
    return part * 100.0 / whole;
}

} // namespace

QWidget *NewNamedPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

QComboBox *NewNamedList(QWidget *parent, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QToolButton *NewNamedButton(QWidget *parent, const char *name, int minimumWidth)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(minimumWidth);
    return button;
}

QFrame *NewTicketPanel(QWidget *parent, const QSize &ticketSize, TControlEuroMillonApuesta *&ticket)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("pnlNumeros"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *margin = new QVBoxLayout(panel);
    margin->setContentsMargins(2, 2, 2, 2);
    ticket = new TControlEuroMillonApuesta(panel);
    ticket->setObjectName(QStringLiteral("Boleto"));
    ticket->setFixedSize(ticketSize);
    margin->addWidget(ticket);
    return panel;
}

void ConnectRandomButtons(QWidget *owner, QToolButton *number, QToolButton *star,
                          TControlEuroMillonApuesta *ticket)
{
    auto connectBlock = [owner, ticket](QToolButton *button, int block) {
        QObject::connect(button, &QToolButton::clicked, owner, [owner, ticket, block] {
            RunCommand(owner, [ticket, block] { AddRandomNumber(ticket->ShownBet(), block); });
        });
    };
    connectBlock(number, kBlockNumbers);
    connectBlock(star, kBlockStars);
}

QString EditionCaption(TGameEdition edition)
{
    return QString::fromStdString(
        FormatText(GetText(kTxtGeneratorGame), {EditionName(edition), GameRules(edition).HighestStar}));
}

void SetTicketEdition(TControlEuroMillonApuesta &ticket, TGameEdition edition)
{
    ticket.SetEdition(edition);
    ticket.update();
}

TReductionControls NewReductionGroup(QWidget *parent)
{
    TReductionControls c;
    c.gbTipoReduccion = new QGroupBox(parent);
    c.gbTipoReduccion->setObjectName(QStringLiteral("gbTipoReduccion"));
    auto radio = [&c](const char *name) {
        auto *button = new QRadioButton(c.gbTipoReduccion);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    c.rbNoReduccion = radio("rbNoReduccion");
    c.rbReduccionGlobal = radio("rbReduccionGlobal");
    c.rbReduccionBloques = radio("rbReduccionBloques");
    c.cbRedGlobal = NewNamedList(c.gbTipoReduccion, "cbRedGlobal");
    c.cbRedB1 = NewNamedList(c.gbTipoReduccion, "cbRedB1");
    c.cbRedB2 = NewNamedList(c.gbTipoReduccion, "cbRedB2");
    c.lTipoRedB1 = NewNamedLabel(c.gbTipoReduccion, "lTipoRedB1");
    c.lTipoRedB2 = NewNamedLabel(c.gbTipoReduccion, "lTipoRedB2");
    auto *grid = new QGridLayout(c.gbTipoReduccion);
    grid->addWidget(c.rbNoReduccion, 0, 0, 1, 3);
    grid->addWidget(c.rbReduccionGlobal, 1, 0, 1, 2);
    grid->addWidget(c.cbRedGlobal, 1, 2);
    grid->addWidget(c.rbReduccionBloques, 2, 0, 1, 3);
    grid->addWidget(c.lTipoRedB1, 3, 1);
    grid->addWidget(c.cbRedB1, 3, 2);
    grid->addWidget(c.lTipoRedB2, 4, 1);
    grid->addWidget(c.cbRedB2, 4, 2);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(3, 1);
    return c;
}

QString PlainLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString FormatPercent(double percent, int decimals)
{
    QLocale locale = NumberLocale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(percent, 'f', decimals) + QLatin1Char('%');
}

TGenerationCounterLabels AddGenerationCounters(QWidget *parent, QGridLayout *grid, int firstRow)
{
    TGenerationCounterLabels labels;
    auto row = [&](int offset, QLabel *&caption, const char *captionName, uint16_t text, QLabel *&count,
                   const char *countName, QLabel *&pct, const char *pctName, bool bold) {
        caption = NewNamedLabel(parent, captionName, bold);
        caption->setText(Txt(text));
        count = NewNamedLabel(parent, countName, bold);
        pct = NewNamedLabel(parent, pctName, bold);
        for (QLabel *number : {count, pct}) {
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("100.00% ")));
        }
        grid->addWidget(caption, firstRow + offset, 0);
        grid->addWidget(count, firstRow + offset, 1);
        grid->addWidget(pct, firstRow + offset, 2);
    };
    row(0, labels.lTotalApuestasGeneradas, "lTotalApuestasGeneradas", kTxtBetsGenerated,
        labels.lblApuestasGeneradas, "lblApuestasGeneradas", labels.lblApuestasGeneradasPct,
        "lblApuestasGeneradasPct", false);
    row(1, labels.lTotalApuestasCondicion, "lTotalApuestasCondicion", kTxtBetsMeetingConditions,
        labels.lblApuestasCondicion, "lblApuestasCondicion", labels.lblApuestasCondicionPct,
        "lblApuestasCondicionPct", false);
    row(2, labels.lTotalApuestasFinal, "lTotalApuestasFinal", kTxtTotalValidBets, labels.lblApuestasValidas,
        "lblApuestasValidas", labels.lblApuestasValidasPct, "lblApuestasValidasPct", true);
    return labels;
}

void ShowGenerationCounters(const TEuroMillonGeneraComb &generacion, const TGenerationCounterLabels &labels)
{
    // In floating point: the counts reach 76,275,360 and times 100 overflow 32 bits.
    const double generadas = generacion.Generadas();
    const double validas = generacion.Validas();
    const double guardadas = generacion.Apuestas().Count();
    const double posibles = static_cast<double>(generacion.ApuestasPosibles());
    labels.lblApuestasGeneradas->setText(CountText(generacion.Generadas()));
    labels.lblApuestasCondicion->setText(CountText(generacion.Validas()));
    labels.lblApuestasValidas->setText(CountText(generacion.Apuestas().Count()));
    labels.lblApuestasGeneradasPct->setText(posibles > 0 ? FormatPercent(Percent(generadas, posibles), 2)
                                                         : QString());
    if (generadas != 0) {
        labels.lblApuestasCondicionPct->setText(FormatPercent(Percent(validas, generadas), 2));
        labels.lblApuestasValidasPct->setText(FormatPercent(Percent(guardadas, generadas), 2));
    } else {
        labels.lblApuestasCondicionPct->clear();
    }
}

namespace {

void ShowMarkedCount(QLabel *label, int marked, int needed, const QString &missingWord)
{
    QPalette palette = label->palette();
    if (marked < needed) {
        label->setText(missingWord + QString::number(needed - marked));
        palette.setColor(QPalette::WindowText, Qt::red);
    } else {
        label->setText(QString::number(marked));
        palette.setColor(QPalette::WindowText, Qt::black);
    }
    label->setPalette(palette);
}

} // namespace

TSelectionCounts NewSelectionCounts(QWidget *parent, int buttonWidth)
{
    TSelectionCounts c;
    c.lNumerosB1 = NewNamedLabel(parent, "lNumerosB1");
    c.lblNumB1 = NewNamedLabel(parent, "lblNumB1", true);
    c.lNumerosB2 = NewNamedLabel(parent, "lNumerosB2");
    c.lblNumB2 = NewNamedLabel(parent, "lblNumB2", true);
    c.lApuestasPosibles = NewNamedLabel(parent, "lApuestasPosibles");
    c.lblApuestasPosibles = NewNamedLabel(parent, "lblApuestasPosibles", true);
    c.bbAleatorio1 = NewNamedButton(parent, "bbAleatorio1", buttonWidth);
    c.bbAleatorio2 = NewNamedButton(parent, "bbAleatorio2", buttonWidth);
    c.lNumerosB1->setText(Txt(kTxtNumbersLabel));
    c.lNumerosB2->setText(Txt(kTxtStarsLabel));
    c.lApuestasPosibles->setText(Txt(kTxtPossibleBets));
    c.bbAleatorio1->setText(Txt(kTxtRandomNumber));
    c.bbAleatorio2->setText(Txt(kTxtRandomStar));
    c.grid = new QGridLayout;
    c.grid->setHorizontalSpacing(12);
    c.grid->addWidget(c.lNumerosB1, 0, 0);
    c.grid->addWidget(c.lblNumB1, 0, 1);
    c.grid->addWidget(c.bbAleatorio1, 0, 2);
    c.grid->addWidget(c.lNumerosB2, 1, 0);
    c.grid->addWidget(c.lblNumB2, 1, 1);
    c.grid->addWidget(c.bbAleatorio2, 1, 2);
    c.grid->addWidget(c.lApuestasPosibles, 2, 0);
    c.grid->addWidget(c.lblApuestasPosibles, 2, 1);
    return c;
}

void ShowSelectionCounts(const TSelectionCounts &counts, const TEuroMillonGeneraComb &generacion,
                         const QString &missingWord)
{
    const TEuroMillonApuestaMult &selection = generacion.Seleccion();
    ShowMarkedCount(counts.lblNumB1, selection.Block(kBlockNumbers).Count(), kValuesPerBet[kBlockNumbers],
                    missingWord);
    ShowMarkedCount(counts.lblNumB2, selection.Block(kBlockStars).Count(), kValuesPerBet[kBlockStars],
                    missingWord);
    counts.lblApuestasPosibles->setText(CountText(generacion.ApuestasPosibles()));
}

void FillReductionLists(QComboBox *cbRedGlobal, QComboBox *cbRedB1, QComboBox *cbRedB2)
{
    auto fill = [](QComboBox *combo, uint16_t first, uint16_t last) {
        combo->clear();
        for (uint16_t id = first; id <= last; ++id)
            combo->addItem(Txt(id));
        combo->setCurrentIndex(0);
    };
    fill(cbRedGlobal, kTxtGlobalReductionNone, kTxtGlobalReduction5Misses);
    fill(cbRedB1, kTxtBlock1ReductionNone, kTxtBlock1ReductionTo1);
    fill(cbRedB2, kTxtBlock2ReductionNone, kTxtBlock2ReductionTo1);
}

void OnComboClicked(QComboBox *combo, std::function<void()> clicked)
{
    combo->installEventFilter(new TComboClickFilter(combo, clicked));
    QObject::connect(combo, &QComboBox::activated, combo, [combo, clicked](int) {
        if (combo->currentIndex() >= 0)
            clicked();
    });
}
