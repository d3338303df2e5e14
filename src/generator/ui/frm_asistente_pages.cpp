// The wizard's header and its four pages, one function each.
#include "generator/ui/frm_asistente.h"

#include "generator/ui/generator_widgets.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The program's emblem, from the resources built into the program.
const char *const kPictureResource = ":/shell/EUROMILLON_100x100y.png";

QWidget *NewPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

QPlainTextEdit *NewNote(QWidget *parent, const char *name)
{
    auto *note = new QPlainTextEdit(parent);
    note->setObjectName(QString::fromLatin1(name));
    note->setReadOnly(true);
    note->setFocusPolicy(Qt::NoFocus);
    QPalette palette = note->palette();
    palette.setColor(QPalette::Base, parent->palette().color(QPalette::Window));
    note->setPalette(palette);
    note->setFrameShape(QFrame::NoFrame);
    return note;
}

QRadioButton *NewRadio(QWidget *parent, const char *name)
{
    auto *button = new QRadioButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QComboBox *NewList(QWidget *parent, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QToolButton *NewButton(QWidget *parent, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(120);
    return button;
}

} // namespace

void TFRMAsistente::BuildHeader()
{
    pnlTop = new QWidget(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setAutoFillBackground(true);
    QPalette palette = pnlTop->palette();
    palette.setColor(QPalette::Window, Qt::white);
    pnlTop->setPalette(palette);
    lblPicture = NewNamedLabel(pnlTop, "lblPicture");
    const QPixmap picture(QString::fromLatin1(kPictureResource));
    if (!picture.isNull())
        lblPicture->setPixmap(picture.scaled(56, 56, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    lblStepTitle = NewNamedLabel(pnlTop, "lblStepTitle", true);
    QFont title = lblStepTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.4);
    lblStepTitle->setFont(title);
    lblStepDesc = NewNamedLabel(pnlTop, "lblStepDesc");
    auto *texts = new QVBoxLayout;
    texts->addWidget(lblStepTitle);
    texts->addWidget(lblStepDesc);
    auto *row = new QHBoxLayout(pnlTop);
    row->addWidget(lblPicture);
    row->addSpacing(8);
    row->addLayout(texts, 1);
}

QWidget *TFRMAsistente::BuildStep0()
{
    tsStep0 = NewPage("tsStep0");
    gbSeleccionaTipoNuevo = new QGroupBox(tsStep0);
    gbSeleccionaTipoNuevo->setObjectName(QStringLiteral("gbSeleccionaTipoNuevo"));
    rbAsistente = NewRadio(gbSeleccionaTipoNuevo, "rbAsistente");
    rbCombinacion = NewRadio(gbSeleccionaTipoNuevo, "rbCombinacion");
    rbnone = NewRadio(gbSeleccionaTipoNuevo, "rbnone");
    auto *options = new QVBoxLayout(gbSeleccionaTipoNuevo);
    options->setSpacing(14);
    for (QRadioButton *button : {rbAsistente, rbCombinacion, rbnone})
        options->addWidget(button);
    auto *page = new QVBoxLayout(tsStep0);
    page->addWidget(gbSeleccionaTipoNuevo);
    page->addStretch();
    return tsStep0;
}

QWidget *TFRMAsistente::BuildNumerosPage()
{
    tsNumeros = NewPage("tsNumeros");
    auto *pnlNumeros = new QFrame(tsNumeros);
    pnlNumeros->setObjectName(QStringLiteral("pnlNumeros"));
    pnlNumeros->setFrameShape(QFrame::StyledPanel);
    auto *margin = new QVBoxLayout(pnlNumeros);
    margin->setContentsMargins(2, 2, 2, 2);
    Boleto_ = new TControlEuroMillonApuesta(pnlNumeros);
    Boleto_->setObjectName(QStringLiteral("Boleto"));
    Boleto_->setFixedSize(160, 317);
    margin->addWidget(Boleto_);

    mInstrucColBase = NewNote(tsNumeros, "mInstrucColBase");
    lNumerosB1 = NewNamedLabel(tsNumeros, "lNumerosB1");
    lblNumB1 = NewNamedLabel(tsNumeros, "lblNumB1", true);
    lNumerosB2 = NewNamedLabel(tsNumeros, "lNumerosB2");
    lblNumB2 = NewNamedLabel(tsNumeros, "lblNumB2", true);
    lApuestasPosibles = NewNamedLabel(tsNumeros, "lApuestasPosibles");
    lblApuestasPosibles = NewNamedLabel(tsNumeros, "lblApuestasPosibles", true);
    bbAleatorio1 = NewButton(tsNumeros, "bbAleatorio1");
    bbAleatorio2 = NewButton(tsNumeros, "bbAleatorio2");
    auto *counts = new QGridLayout;
    counts->addWidget(lNumerosB1, 0, 0);
    counts->addWidget(lblNumB1, 0, 1);
    counts->addWidget(bbAleatorio1, 0, 2);
    counts->addWidget(lNumerosB2, 1, 0);
    counts->addWidget(lblNumB2, 1, 1);
    counts->addWidget(bbAleatorio2, 1, 2);
    counts->addWidget(lApuestasPosibles, 2, 0);
    counts->addWidget(lblApuestasPosibles, 2, 1);
    counts->setColumnStretch(1, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(mInstrucColBase, 1);
    right->addLayout(counts);
    auto *page = new QHBoxLayout(tsNumeros);
    page->addWidget(pnlNumeros, 0, Qt::AlignTop);
    page->addLayout(right, 1);
    return tsNumeros;
}

QWidget *TFRMAsistente::BuildReduccionPage()
{
    tsReduccion = NewPage("tsReduccion");
    mInstrucReduccion = NewNote(tsReduccion, "mInstrucReduccion");
    gbTipoReduccion = new QGroupBox(tsReduccion);
    gbTipoReduccion->setObjectName(QStringLiteral("gbTipoReduccion"));
    rbNoReduccion = NewRadio(gbTipoReduccion, "rbNoReduccion");
    rbReduccionGlobal = NewRadio(gbTipoReduccion, "rbReduccionGlobal");
    rbReduccionBloques = NewRadio(gbTipoReduccion, "rbReduccionBloques");
    cbRedGlobal = NewList(gbTipoReduccion, "cbRedGlobal");
    cbRedB1 = NewList(gbTipoReduccion, "cbRedB1");
    cbRedB2 = NewList(gbTipoReduccion, "cbRedB2");
    lTipoRedB1 = NewNamedLabel(gbTipoReduccion, "lTipoRedB1");
    lTipoRedB2 = NewNamedLabel(gbTipoReduccion, "lTipoRedB2");
    auto *grid = new QGridLayout(gbTipoReduccion);
    grid->addWidget(rbNoReduccion, 0, 0, 1, 3);
    grid->addWidget(rbReduccionGlobal, 1, 0, 1, 2);
    grid->addWidget(cbRedGlobal, 1, 2);
    grid->addWidget(rbReduccionBloques, 2, 0, 1, 3);
    grid->addWidget(lTipoRedB1, 3, 1);
    grid->addWidget(cbRedB1, 3, 2);
    grid->addWidget(lTipoRedB2, 4, 1);
    grid->addWidget(cbRedB2, 4, 2);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(3, 1);
    auto *page = new QVBoxLayout(tsReduccion);
    page->addWidget(mInstrucReduccion, 1);
    page->addWidget(gbTipoReduccion);
    return tsReduccion;
}

QWidget *TFRMAsistente::BuildCondicionesPage()
{
    tsCondiciones = NewPage("tsCondiciones");
    mInstrucCondiciones = NewNote(tsCondiciones, "mInstrucCondiciones");
    auto check = [this](const char *name) {
        auto *box = new QCheckBox(tsCondiciones);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    cbSumaNumeros = check("cbSumaNumeros");
    cbMinDosPares = check("cbMinDosPares");
    cbMaxTresPares = check("cbMaxTresPares");
    cbMax2EnDecena = check("cbMax2EnDecena");
    auto *page = new QVBoxLayout(tsCondiciones);
    page->addWidget(mInstrucCondiciones, 1);
    for (QCheckBox *box : {cbSumaNumeros, cbMinDosPares, cbMaxTresPares, cbMax2EnDecena})
        page->addWidget(box);
    return tsCondiciones;
}
