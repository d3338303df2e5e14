#include "generator/ui/generator_widgets.h"

#include "generator/genera_comb.h"
#include "model/euromillon_apuestas.h"
#include "widgets/texts.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>

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

QLabel *NewNamedLabel(QWidget *parent, const char *name, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QString PlainLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString FormatPercent(double percent, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
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
    row(0, labels.lTotalApuestasGeneradas, "lTotalApuestasGeneradas", 41514, labels.lblApuestasGeneradas,
        "lblApuestasGeneradas", labels.lblApuestasGeneradasPct, "lblApuestasGeneradasPct", false);
    row(1, labels.lTotalApuestasCondicion, "lTotalApuestasCondicion", 41515, labels.lblApuestasCondicion,
        "lblApuestasCondicion", labels.lblApuestasCondicionPct, "lblApuestasCondicionPct", false);
    row(2, labels.lTotalApuestasFinal, "lTotalApuestasFinal", 41516, labels.lblApuestasValidas, "lblApuestasValidas",
        labels.lblApuestasValidasPct, "lblApuestasValidasPct", true);
    return labels;
}

void ShowGenerationCounters(const TEuroMillonGeneraComb &generacion, const TGenerationCounterLabels &labels)
{
    // In floating point: the counts reach 76,275,360 and times 100 overflow 32 bits.
    const double generadas = generacion.Generadas();
    const double validas = generacion.Validas();
    const double guardadas = generacion.Apuestas().Count();
    const double posibles = static_cast<double>(generacion.ApuestasPosibles());
    labels.lblApuestasGeneradas->setText(QString::number(generacion.Generadas()));
    labels.lblApuestasCondicion->setText(QString::number(generacion.Validas()));
    labels.lblApuestasValidas->setText(QString::number(generacion.Apuestas().Count()));
    labels.lblApuestasGeneradasPct->setText(posibles > 0 ? FormatPercent(Percent(generadas, posibles), 2)
                                                         : QString());
    if (generadas != 0) {
        labels.lblApuestasCondicionPct->setText(FormatPercent(Percent(validas, generadas), 2));
        labels.lblApuestasValidasPct->setText(FormatPercent(Percent(guardadas, generadas), 2));
    } else {
        labels.lblApuestasCondicionPct->clear();
    }
}

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

void FillReductionLists(QComboBox *cbRedGlobal, QComboBox *cbRedB1, QComboBox *cbRedB2)
{
    auto fill = [](QComboBox *combo, uint16_t first, uint16_t last) {
        combo->clear();
        for (uint16_t id = first; id <= last; ++id)
            combo->addItem(Txt(id));
        combo->setCurrentIndex(0);
    };
    fill(cbRedGlobal, 41600, 41605);
    fill(cbRedB1, 41590, 41594);
    fill(cbRedB2, 41595, 41596);
}

void OnComboClicked(QComboBox *combo, std::function<void()> clicked)
{
    combo->installEventFilter(new TComboClickFilter(combo, clicked));
    QObject::connect(combo, &QComboBox::activated, combo, [combo, clicked](int) {
        if (combo->currentIndex() >= 0)
            clicked();
    });
}
