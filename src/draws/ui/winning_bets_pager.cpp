#include "draws/ui/winning_bets_pager.h"

#include "draws/ui/draw_texts.h"
#include "draws/ui/draws_text_ids.h"
#include "draws/ui/winning_bets_model.h"
#include "model/format.h"
#include "widgets/texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *NewButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(icon));
    return button;
}

QString Fmt(uint16_t id, const QString &a, const QString &b, const QString &c = QString())
{
    return QString::fromStdString(
        FormatText(GetText(id), {a.toStdString(), b.toStdString(), c.toStdString()}));
}

} // namespace

TWinningBetsPager::TWinningBetsPager(TWinningBetsModel &model, QWidget *parent)
    : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("PaginadorPremiadas"));
    tbPrimera = NewButton(this, "tbPrimera", QStyle::SP_MediaSkipBackward);
    tbAnterior = NewButton(this, "tbAnterior", QStyle::SP_MediaSeekBackward);
    tbSiguiente = NewButton(this, "tbSiguiente", QStyle::SP_MediaSeekForward);
    tbUltima = NewButton(this, "tbUltima", QStyle::SP_MediaSkipForward);
    ebPagina = new QLineEdit(this);
    ebPagina->setObjectName(QStringLiteral("ebPagina"));
    ebPagina->setFixedWidth(64);
    ebPagina->setAlignment(Qt::AlignRight);
    lblPagina = new QLabel(this);
    lblPagina->setObjectName(QStringLiteral("lblPagina"));
    lblFilas = new QLabel(this);
    lblFilas->setObjectName(QStringLiteral("lblFilas"));

    connect(tbPrimera, &QToolButton::clicked, this, [this] { model_.SetPagina(0); });
    connect(tbAnterior, &QToolButton::clicked, this, [this] { model_.SetPagina(model_.Pagina() - 1); });
    connect(tbSiguiente, &QToolButton::clicked, this, [this] { model_.SetPagina(model_.Pagina() + 1); });
    connect(tbUltima, &QToolButton::clicked, this, [this] { model_.SetPagina(model_.Paginas() - 1); });
    connect(ebPagina, &QLineEdit::returnPressed, this, [this] { IrALaPagina(); });
    connect(&model_, &TWinningBetsModel::PaginaCambiada, this, [this] { Mostrar(); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(tbPrimera);
    layout->addWidget(tbAnterior);
    layout->addWidget(ebPagina);
    layout->addWidget(tbSiguiente);
    layout->addWidget(tbUltima);
    layout->addSpacing(6);
    // The page and the rows one above the other, so that the counts of a
    // large check keep their whole width in the window's fixed size.
    auto *labels = new QVBoxLayout;
    labels->setSpacing(0);
    labels->addWidget(lblPagina);
    labels->addWidget(lblFilas);
    layout->addLayout(labels, 1);
    ApplyTexts();
}

void TWinningBetsPager::ApplyTexts()
{
    tbPrimera->setToolTip(Txt(kTxtPagerFirst));
    tbAnterior->setToolTip(Txt(kTxtPagerPrior));
    tbSiguiente->setToolTip(Txt(kTxtPagerNext));
    tbUltima->setToolTip(Txt(kTxtPagerLast));
    ebPagina->setToolTip(Txt(kTxtPagerGoToPage));
    Mostrar();
}

void TWinningBetsPager::IrALaPagina()
{
    // Digits only, whatever the grouping the user typed; an empty or absurd
    // entry just shows the page again.
    QString digits;
    for (QChar ch : ebPagina->text())
        if (ch.isDigit())
            digits += ch;
    bool ok = false;
    const qlonglong pagina = digits.toLongLong(&ok);
    if (ok && pagina >= 1)
        model_.SetPagina(pagina - 1);
    Mostrar();
}

void TWinningBetsPager::Mostrar()
{
    const int64_t pagina = model_.Pagina();
    const int64_t paginas = model_.Paginas();
    ebPagina->setText(QString::number(pagina + 1));
    lblPagina->setText(Fmt(kTxtPagerPageOf, TextoEntero(pagina + 1), TextoEntero(paginas)));
    const int64_t total = model_.TotalFilas();
    const int64_t first = model_.PrimeraFila();
    lblFilas->setText(total == 0 ? QString()
                                 : Fmt(kTxtPagerRowsOf, TextoEntero(first + 1),
                                       TextoEntero(first + model_.FilasEnPagina()), TextoEntero(total)));
    tbPrimera->setEnabled(pagina > 0);
    tbAnterior->setEnabled(pagina > 0);
    tbSiguiente->setEnabled(pagina + 1 < paginas);
    tbUltima->setEnabled(pagina + 1 < paginas);
    ebPagina->setEnabled(paginas > 1);
}
