#include "generator/ui/frm_grupo_values.h"

#include "generator/ui/generator_text_ids.h"
#include "generator/ui/generator_widgets.h"
#include "model/euromillon_apuesta.h"
#include "model/game_constants.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"
#include "widgets/ticket_renderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A text that is not a decimal integer counts as 0.
int32_t ToInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

QLineEdit *NewBoundEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLabel *NewHintLabel(QWidget *parent, const char *name)
{
    QLabel *label = NewNamedLabel(parent, name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    label->setPalette(palette);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

TFRMGrupoValues::TFRMGrupoValues(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMGrupoValues"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    BuildLayout();

    Boleto_->SetOnChange([this](TControlEuroMillonApuesta *) {
        Boleto_->SetModified(false); // a group has no pending edit to show
        UpdateHints();
    });
    Boleto_->SetOnBeforeMark([this](TControlEuroMillonApuesta *, int, int block, bool &mark) {
        if (block != bloqueActual_)
            mark = !mark; // refused: the mark stays as it is
    });
    Boleto_->SetOnDrawBox(
        [this](TControlEuroMillonApuesta *, int block, int value, TTicketBoxColours &colours) {
            if (Greyed(block, value)) {
                colours.Back = QColor(192, 192, 192);
                colours.Frame = QColor(128, 128, 128);
                colours.Text = QColor(128, 128, 128);
            }
        });

    ApplyTexts();
    cbBloque->setCurrentIndex(0);
    CargarCondicion(CondicionGrupoDefecto);
}

TFRMGrupoValues::~TFRMGrupoValues() = default;

void TFRMGrupoValues::BuildLayout()
{
    QLayout *left = BuildTicketSide();
    QLayout *right = BuildBoundsSide();
    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(12);
    body->addLayout(right, 1);
    auto *root = new QVBoxLayout(this);
    root->addLayout(body);
    root->addLayout(BuildButtons());
    root->setSizeConstraint(QLayout::SetFixedSize);
}

// The block's ticket and its mark-all and clear-all buttons.
QLayout *TFRMGrupoValues::BuildTicketSide()
{
    QFrame *pnlNumeros = NewTicketPanel(this, QSize(160, 317), Boleto_);
    sbMarcarTodos = new QPushButton(this);
    sbMarcarTodos->setObjectName(QStringLiteral("sbMarcarTodos"));
    sbBorrarTodos = new QPushButton(this);
    sbBorrarTodos->setObjectName(QStringLiteral("sbBorrarTodos"));
    connect(sbMarcarTodos, &QPushButton::clicked, this, [this] { MarcarTodos(); });
    connect(sbBorrarTodos, &QPushButton::clicked, this, [this] { BorrarTodos(); });
    auto *markButtons = new QHBoxLayout;
    markButtons->addWidget(sbMarcarTodos);
    markButtons->addWidget(sbBorrarTodos);
    auto *left = new QVBoxLayout;
    left->addWidget(pnlNumeros, 0, Qt::AlignHCenter);
    left->addLayout(markButtons);
    left->addStretch();
    return left;
}

// The block, the name and the four pairs of bounds with their hints.
QLayout *TFRMGrupoValues::BuildBoundsSide()
{
    lBloque = NewNamedLabel(this, "lBloque");
    cbBloque = new QComboBox(this);
    cbBloque->setObjectName(QStringLiteral("cbBloque"));
    connect(cbBloque, &QComboBox::activated, this, [this](int item) { SeleccionarBloque(item + 1); });
    cbCondicionActiva = new QCheckBox(this);
    cbCondicionActiva->setObjectName(QStringLiteral("cbCondicionActiva"));
    lblNombreCondicion = NewNamedLabel(this, "lblNombreCondicion");
    ebNombre = new QLineEdit(this);
    ebNombre->setObjectName(QStringLiteral("ebNombre"));

    lMinSum = NewNamedLabel(this, "lMinSum", true);
    lMaxSum = NewNamedLabel(this, "lMaxSum", true);
    lAciertosCumplir = NewNamedLabel(this, "lAciertosCumplir");
    lSumaNumerosValidas = NewNamedLabel(this, "lSumaNumerosValidas");
    lCantNumerosPares = NewNamedLabel(this, "lCantNumerosPares");
    lCantNumerosImpares = NewNamedLabel(this, "lCantNumerosImpares");
    lInfo1 = NewNamedLabel(this, "lInfo1");
    lInfo2 = NewNamedLabel(this, "lInfo2");
    lInfo1->setWordWrap(true);
    lInfo2->setWordWrap(true);
    ebAciertosMin = NewBoundEdit(this, "ebAciertosMin");
    ebAciertosMax = NewBoundEdit(this, "ebAciertosMax");
    ebSumMin = NewBoundEdit(this, "ebSumMin");
    ebSumMax = NewBoundEdit(this, "ebSumMax");
    ebParesMin = NewBoundEdit(this, "ebParesMin");
    ebParesMax = NewBoundEdit(this, "ebParesMax");
    ebImparesMin = NewBoundEdit(this, "ebImparesMin");
    ebImparesMax = NewBoundEdit(this, "ebImparesMax");
    lblAciertosMin = NewHintLabel(this, "lblAciertosMin");
    lblAciertosMax = NewHintLabel(this, "lblAciertosMax");
    lblSumaMin = NewHintLabel(this, "lblSumaMin");
    lblSumaMax = NewHintLabel(this, "lblSumaMax");
    lblParesMin = NewHintLabel(this, "lblParesMin");
    lblParesMax = NewHintLabel(this, "lblParesMax");
    lblImparesMin = NewHintLabel(this, "lblImparesMin");
    lblImparesMax = NewHintLabel(this, "lblImparesMax");

    auto *bounds = new QGridLayout;
    bounds->setHorizontalSpacing(8);
    bounds->addWidget(lMinSum, 0, 1, Qt::AlignCenter);
    bounds->addWidget(lMaxSum, 0, 2, Qt::AlignCenter);
    auto row = [bounds](int at, QLabel *caption, QLineEdit *min, QLineEdit *max, QLabel *hintMin,
                        QLabel *hintMax) {
        bounds->addWidget(caption, at, 0);
        bounds->addWidget(min, at, 1);
        bounds->addWidget(max, at, 2);
        bounds->addWidget(hintMin, at, 3);
        bounds->addWidget(hintMax, at, 4);
    };
    row(1, lAciertosCumplir, ebAciertosMin, ebAciertosMax, lblAciertosMin, lblAciertosMax);
    bounds->addWidget(lInfo1, 2, 0, 1, 5);
    bounds->addWidget(lInfo2, 3, 0, 1, 5);
    row(4, lSumaNumerosValidas, ebSumMin, ebSumMax, lblSumaMin, lblSumaMax);
    row(5, lCantNumerosPares, ebParesMin, ebParesMax, lblParesMin, lblParesMax);
    row(6, lCantNumerosImpares, ebImparesMin, ebImparesMax, lblImparesMin, lblImparesMax);

    auto *blockRow = new QHBoxLayout;
    blockRow->addWidget(lBloque);
    blockRow->addWidget(cbBloque);
    blockRow->addStretch();
    blockRow->addWidget(cbCondicionActiva);
    auto *right = new QVBoxLayout;
    right->addLayout(blockRow);
    right->addWidget(lblNombreCondicion);
    right->addWidget(ebNombre);
    right->addSpacing(10);
    right->addLayout(bounds);
    right->addStretch();
    return right;
}

QLayout *TFRMGrupoValues::BuildButtons()
{
    bbAceptar = new QPushButton(this);
    bbAceptar->setObjectName(QStringLiteral("bbAceptar"));
    bbAceptar->setDefault(true);
    bbCancelar = new QPushButton(this);
    bbCancelar->setObjectName(QStringLiteral("bbCancelar"));
    connect(bbAceptar, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Aceptar(); }); });
    connect(bbCancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbAceptar);
    buttons->addWidget(bbCancelar);
    return buttons;
}

void TFRMGrupoValues::ApplyTexts()
{
    setWindowTitle(Txt(kTxtGroupCaption));
    lBloque->setText(Txt(kTxtGroupBlock));
    cbBloque->clear();
    cbBloque->addItems({Txt(kTxtGroupNumbersBlock), Txt(kTxtGroupStarsBlock)});
    cbCondicionActiva->setText(Txt(kTxtGroupActive));
    lblNombreCondicion->setText(Txt(kTxtGroupConditionName));
    lMinSum->setText(Txt(kTxtGroupMin));
    lMaxSum->setText(Txt(kTxtGroupMax));
    lAciertosCumplir->setText(Txt(kTxtGroupMatchesRequired));
    lSumaNumerosValidas->setText(Txt(kTxtGroupValidSum));
    lCantNumerosPares->setText(Txt(kTxtGroupEvenCount));
    lCantNumerosImpares->setText(Txt(kTxtGroupOddCount));
    lInfo1->setText(Txt(kTxtGroupMatchingNote));
    lInfo2->setText(Txt(kTxtGroupMatchingNoteMore));
    sbMarcarTodos->setText(Txt(kTxtGroupMarkAll));
    sbBorrarTodos->setText(Txt(kTxtGroupClearAll));
    bbAceptar->setText(Txt(kTxtButtonOk));
    bbCancelar->setText(Txt(kTxtButtonCancel));
}

void TFRMGrupoValues::SetSeleccionReferencia(const TEuroMillonApuesta *seleccion)
{
    seleccionReferencia_ = seleccion;
    Boleto_->update();
}

bool TFRMGrupoValues::Greyed(int block, int value) const
{
    return seleccionReferencia_ && IsBlockNumber(block) &&
           seleccionReferencia_->Block(block).IndexOf(value) < 0;
}

void TFRMGrupoValues::SetEdition(TGameEdition edition)
{
    SetTicketEdition(*Boleto_, edition);
    UpdateHints();
}

void TFRMGrupoValues::SeleccionarBloque(int bloque)
{
    bloqueActual_ = bloque == kBlockStars ? kBlockStars : kBlockNumbers;
    cbBloque->setCurrentIndex(bloqueActual_ - 1);
    Boleto_->ShownBet().Block(bloqueActual_ == kBlockNumbers ? kBlockStars : kBlockNumbers).Clear();
    UpdateHints();
}

void TFRMGrupoValues::CargarCondicion(const TEuroMillonCondicionGrupo &condicion)
{
    condicionEditada_ = condicion;
    SeleccionarBloque(condicion.Bloque);
    cbCondicionActiva->setChecked(condicion.Activa);
    ebAciertosMin->setText(QString::number(condicion.AciertosMin));
    ebAciertosMax->setText(QString::number(condicion.AciertosMax));
    ebSumMin->setText(QString::number(condicion.SumMin));
    ebSumMax->setText(QString::number(condicion.SumMax));
    ebParesMin->setText(QString::number(condicion.ParesMin));
    ebParesMax->setText(QString::number(condicion.ParesMax));
    ebImparesMin->setText(QString::number(condicion.ImparesMin));
    ebImparesMax->setText(QString::number(condicion.ImparesMax));
    ebNombre->setText(QString::fromStdString(condicion.Nombre));
    TEuroMillonApuestaMult &bet = Boleto_->ShownBet();
    bet.BeginUpdate();
    bet.Block(bloqueActual_).Clear();
    for (int32_t value : condicion.Numeros)
        bet.Block(bloqueActual_).Add(value); // the block drops values out of range and repeats
    bet.EndUpdate();
    UpdateHints();
}

TEuroMillonCondicionGrupo TFRMGrupoValues::LeerCondicion()
{
    TEuroMillonCondicionGrupo condicion = condicionEditada_;
    condicion.Bloque = bloqueActual_;
    condicion.Numeros = Boleto_->ShownBet().Block(bloqueActual_).Values();
    condicion.Nombre = ebNombre->text().toStdString();
    condicion.AciertosMin = ToInteger(ebAciertosMin->text());
    condicion.AciertosMax = ToInteger(ebAciertosMax->text());
    condicion.SumMin = ToInteger(ebSumMin->text());
    condicion.SumMax = ToInteger(ebSumMax->text());
    condicion.ParesMin = ToInteger(ebParesMin->text());
    condicion.ParesMax = ToInteger(ebParesMax->text());
    condicion.ImparesMin = ToInteger(ebImparesMin->text());
    condicion.ImparesMax = ToInteger(ebImparesMax->text());
    condicion.Activa = cbCondicionActiva->isChecked();
    condicionEditada_ = condicion;
    return condicion;
}

void TFRMGrupoValues::MarcarTodos()
{
    TEuroMillonApuestaMult &bet = Boleto_->ShownBet();
    bet.BeginUpdate();
    const int32_t highest =
        bloqueActual_ == kBlockStars ? GameRules(bet.Edition()).HighestStar : kHighestValue[bloqueActual_];
    for (int32_t value = kLowestValue[bloqueActual_]; value <= highest; ++value)
        bet.Block(bloqueActual_).Add(value);
    bet.EndUpdate();
}

void TFRMGrupoValues::BorrarTodos()
{
    Boleto_->ShownBet().Block(bloqueActual_).Clear();
}

void TFRMGrupoValues::UpdateHints()
{
    const TEuroMillonNumeros &marked = Boleto_->ShownBet().Block(bloqueActual_).Values();
    const int limit = kValuesPerBet[bloqueActual_];
    const auto clamp = [limit](qsizetype count) {
        return QString::number(std::clamp<qsizetype>(count, 0, limit));
    };
    const auto even = std::count_if(marked.begin(), marked.end(), [](int32_t v) { return v % 2 == 0; });
    int32_t largest = 0;
    for (size_t i = marked.size() > static_cast<size_t>(limit) ? marked.size() - limit : 0; i < marked.size();
         ++i)
        largest += marked[i];
    lblAciertosMin->setText(QStringLiteral("0"));
    lblAciertosMax->setText(clamp(static_cast<qsizetype>(marked.size())));
    lblSumaMin->setText(QString::number(marked.empty() ? 0 : marked.front()));
    lblSumaMax->setText(QString::number(largest));
    lblParesMin->setText(QStringLiteral("0"));
    lblParesMax->setText(clamp(even));
    lblImparesMin->setText(QStringLiteral("0"));
    lblImparesMax->setText(clamp(static_cast<qsizetype>(marked.size()) - even));
}

QString TFRMGrupoValues::Errores(const TEuroMillonCondicionGrupo &c) const
{
    QString errores;
    const auto append = [&errores](const QString &line) {
        if (!errores.isEmpty())
            errores += QStringLiteral("\n\r");
        errores += line;
    };
    if (c.Numeros.empty())
        append(Txt(kTxtGroupErrorNoNumber));
    if (c.SumMax < 1 || c.AciertosMax < 1 || c.ParesMax < 1 || c.ImparesMax < 1)
        append(Txt(kTxtGroupErrorZeroMax));
    if (c.SumMax < c.SumMin || c.AciertosMax < c.AciertosMin || c.ParesMax < c.ParesMin ||
        c.ImparesMax < c.ImparesMin)
        append(Txt(kTxtGroupErrorMaxBelowMin));
    if (static_cast<int64_t>(c.Numeros.size()) < c.AciertosMin)
        append(Txt(kTxtGroupErrorTooManyMatches) + QLatin1Char('\n') + Txt(kTxtGroupErrorNeverMet));
    return errores;
}

void TFRMGrupoValues::Aceptar()
{
    const QString errores = Errores(LeerCondicion());
    if (errores.isEmpty()) {
        accept();
        return;
    }
    // The error lines keep their Windows-style breaks; a message box wants
    // plain line feeds.
    QString question = Txt(kTxtGroupErrorsFound) + QStringLiteral("\n\n") + errores + QStringLiteral("\n\n") +
                       Txt(kTxtGroupConfirmValues);
    question.remove(QLatin1Char('\r'));
    if (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) ==
        QMessageBox::Yes)
        accept();
}
