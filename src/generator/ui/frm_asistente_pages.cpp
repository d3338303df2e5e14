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
    tsStep0 = NewNamedPage("tsStep0");
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
    tsNumeros = NewNamedPage("tsNumeros");
    QFrame *pnlNumeros = NewTicketPanel(tsNumeros, QSize(160, 317), Boleto_);

    mInstrucColBase = NewNote(tsNumeros, "mInstrucColBase");
    Cuentas = NewSelectionCounts(tsNumeros, 120);
    Cuentas.grid->setColumnStretch(1, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(mInstrucColBase, 1);
    right->addLayout(Cuentas.grid);
    auto *page = new QHBoxLayout(tsNumeros);
    page->addWidget(pnlNumeros, 0, Qt::AlignTop);
    page->addLayout(right, 1);
    return tsNumeros;
}

QWidget *TFRMAsistente::BuildReduccionPage()
{
    tsReduccion = NewNamedPage("tsReduccion");
    mInstrucReduccion = NewNote(tsReduccion, "mInstrucReduccion");
    Reduccion = NewReductionGroup(tsReduccion);
    auto *page = new QVBoxLayout(tsReduccion);
    page->addWidget(mInstrucReduccion, 1);
    page->addWidget(Reduccion.gbTipoReduccion);
    return tsReduccion;
}

QWidget *TFRMAsistente::BuildCondicionesPage()
{
    tsCondiciones = NewNamedPage("tsCondiciones");
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
