#include "generator/ui/frm_asistente.h"

#include "generator/genera_comb.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/generator_text_ids.h"
#include "generator/ui/generator_widgets.h"
#include "generator/wizard_conditions.h"
#include "model/bet_errors.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The last page: its button reads "Finalizar" and runs the generation.
constexpr int kPasoCondiciones = 3;

} // namespace

TFRMAsistente::TFRMAsistente(TNuevaCombinacion nuevaCombinacion, QWidget *parent)
    : QDialog(parent), nuevaCombinacion_(std::move(nuevaCombinacion)),
      generacion_(std::make_unique<TEuroMillonGeneraComb>(EditionInForce()))
{
    setObjectName(QStringLiteral("FRMAsistente"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    BuildHeader();
    PageControl_ = new QStackedWidget(this);
    PageControl_->setObjectName(QStringLiteral("PageControl"));
    for (QWidget *page : {BuildStep0(), BuildNumerosPage(), BuildReduccionPage(), BuildCondicionesPage()})
        PageControl_->addWidget(page);
    PageControl_->setFixedSize(600, 340);

    auto *pnlBottom = new QWidget(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    bbBack = new QPushButton(pnlBottom);
    bbBack->setObjectName(QStringLiteral("bbBack"));
    bbBack->setAutoDefault(false);
    bbNext = new QPushButton(pnlBottom);
    bbNext->setObjectName(QStringLiteral("bbNext"));
    bbNext->setDefault(true);
    connect(bbNext, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Siguiente(); }); });
    connect(bbBack, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Atras(); }); });
    auto *buttons = new QHBoxLayout(pnlBottom);
    buttons->addStretch();
    buttons->addWidget(bbBack);
    buttons->addWidget(bbNext);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(pnlTop);
    root->addWidget(line);
    root->addWidget(PageControl_);
    root->addWidget(pnlBottom);
    root->setSizeConstraint(QLayout::SetFixedSize);

    SetTicketEdition(*Boleto_, generacion_->Edition());
    Boleto_->SetOnChange([this](TControlEuroMillonApuesta *) { SelectionChanged(); });
    ConnectRandomButtons(this, Cuentas.bbAleatorio1, Cuentas.bbAleatorio2, Boleto_);
    // A click on a list with a chosen item picks its kind of reduction; the
    // settings take it on "Siguiente".
    OnComboClicked(Reduccion.cbRedGlobal, [this] { Reduccion.rbReduccionGlobal->setChecked(true); });
    OnComboClicked(Reduccion.cbRedB1, [this] { Reduccion.rbReduccionBloques->setChecked(true); });
    OnComboClicked(Reduccion.cbRedB2, [this] { Reduccion.rbReduccionBloques->setChecked(true); });

    ApplyTexts();
    FillReductionLists(Reduccion.cbRedGlobal, Reduccion.cbRedB1, Reduccion.cbRedB2);
    SelectionChanged();
    MostrarPaso();
}

TFRMAsistente::~TFRMAsistente() = default;

void TFRMAsistente::ApplyTexts()
{
    setWindowTitle(Txt(kTxtWizardCaption));
    bbBack->setText(Txt(kTxtButtonBack));
    gbSeleccionaTipoNuevo->setTitle(Txt(kTxtWizardChooseOption));
    rbAsistente->setText(Txt(kTxtWizardUseWizard));
    rbCombinacion->setText(Txt(kTxtWizardAdvanced));
    rbnone->setText(Txt(kTxtWizardBlankTicket));
    mInstrucColBase->setPlainText(PlainLines(Txt(kTxtWizardNumbersHelp)));
    mInstrucReduccion->setPlainText(PlainLines(Txt(kTxtWizardReductionHelp)));
    Reduccion.gbTipoReduccion->setTitle(Txt(kTxtReductionTypeTitle));
    Reduccion.rbNoReduccion->setText(Txt(kTxtNoReduction));
    Reduccion.rbReduccionGlobal->setText(Txt(kTxtGlobalReduction));
    Reduccion.rbReduccionBloques->setText(Txt(kTxtReductionByBlock));
    Reduccion.lTipoRedB1->setText(Txt(kTxtReduceBlock) + QStringLiteral(" 1:"));
    Reduccion.lTipoRedB2->setText(Txt(kTxtReduceBlock) + QStringLiteral(" 2:"));
    mInstrucCondiciones->setPlainText(PlainLines(Txt(kTxtWizardConditionsHelp)));
    cbSumaNumeros->setText(Txt(kTxtWizardSumRange));
    cbMinDosPares->setText(Txt(kTxtWizardMinTwoEven));
    cbMaxTresPares->setText(Txt(kTxtWizardMaxThreeEven));
    cbMax2EnDecena->setText(Txt(kTxtWizardMaxTwoPerTen));
}

void TFRMAsistente::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    MostrarPaso();
}

void TFRMAsistente::reject()
{
    bbBack->click();
}

void TFRMAsistente::closeEvent(QCloseEvent *event)
{
    // The close box ends the wizard; only Escape means "Atras".
    event->accept();
    done(Rejected);
}

void TFRMAsistente::MostrarPaso()
{
    PageControl_->setCurrentIndex(paso_);
    lblStepTitle->setText(QString::fromStdString(FormatText(GetText(kTxtWizardStep), {paso_ + 1})));
    lblStepDesc->setText(Txt(static_cast<uint16_t>(kTxtWizardStepWhat + paso_)));
    // The last page's button starts the generation: it says so.
    bbNext->setText(Txt(paso_ == kPasoCondiciones ? kTxtButtonFinish : kTxtButtonNext));
    QWidget *first = paso_ == 0   ? static_cast<QWidget *>(rbAsistente)
                     : paso_ == 1 ? static_cast<QWidget *>(Boleto_)
                     : paso_ == 2 ? static_cast<QWidget *>(Reduccion.rbNoReduccion)
                                  : static_cast<QWidget *>(cbSumaNumeros);
    first->setFocus();
}

void TFRMAsistente::SelectionChanged()
{
    Boleto_->SetModified(false); // a selection has no pending edit to show
    generacion_->Seleccion().Assign(Boleto_->ShownBet());
    ShowSelectionCounts(Cuentas, *generacion_, Txt(kTxtMissing) + QLatin1Char(' '));
}

void TFRMAsistente::LeerReduccion()
{
    TEuroMillonGeneraComb &generacion = *generacion_;
    if (Reduccion.rbNoReduccion->isChecked()) {
        generacion.SetTipoReduccion(TEuroMillonGeneraComb::kSinReduccion);
    } else if (Reduccion.rbReduccionGlobal->isChecked()) {
        generacion.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        generacion.SetReduccionGlobal(7 - Reduccion.cbRedGlobal->currentIndex());
    } else if (Reduccion.rbReduccionBloques->isChecked()) {
        generacion.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
        generacion.SetReduccionB1(5 - Reduccion.cbRedB1->currentIndex());
        generacion.SetReduccionB2(2 - Reduccion.cbRedB2->currentIndex());
    } else {
        throw Exception(GetText(kTxtNoReductionTypeChosen));
    }
}

void TFRMAsistente::Siguiente()
{
    Boleto_->CommitFields();
    const TEuroMillonApuestaMult &selection = generacion_->Seleccion();
    switch (paso_) {
    case 0:
        avanzado_ = rbCombinacion->isChecked();
        if (rbAsistente->isChecked() || rbCombinacion->isChecked()) {
            paso_ = 1;
        } else if (rbnone->isChecked()) {
            nuevaCombinacion_();
            done(Accepted);
            return;
        } else {
            throw Exception(GetText(kTxtNoOptionChosen));
        }
        break;
    case 1:
        for (int block : {kBlockNumbers, kBlockStars})
            if (selection.Block(block).Count() < kValuesPerBet[block])
                throw Exception(FormatText(GetText(kTxtWizardMinNumbers), {kValuesPerBet[block], block}));
        paso_ = 2;
        break;
    case 2:
        LeerReduccion();
        paso_ = 3;
        break;
    default: // kPasoCondiciones
        Finalizar();
        return;
    }
    MostrarPaso();
}

void TFRMAsistente::Finalizar()
{
    TWizardConditions eleccion;
    eleccion.SumaNumeros = cbSumaNumeros->isChecked();
    eleccion.MinDosPares = cbMinDosPares->isChecked();
    eleccion.MaxTresPares = cbMaxTresPares->isChecked();
    eleccion.Max2EnDecena = cbMax2EnDecena->isChecked();
    eleccion.NombreSuma = cbSumaNumeros->text().toStdString();
    eleccion.NombreMinDosPares = cbMinDosPares->text().toStdString();
    eleccion.NombreMaxTresPares = cbMaxTresPares->text().toStdString();
    ConstruirCondicionesAsistente(*generacion_, eleccion);

    if (avanzado_) {
        TFRMEuroMillonComb generator(this, generacion_->Edition());
        generator.CargarDesde(*generacion_);
        if (generator.exec() != Accepted)
            return;
        CrearCombinacion(generator.Generacion().Apuestas());
    } else {
        if (!EjecutarGeneracion(this, *generacion_, true))
            return;
        CrearCombinacion(generacion_->Apuestas());
    }
    done(Accepted);
}

void TFRMAsistente::CrearCombinacion(TEuroMillonApuestas &bets)
{
    // The kept bets are complete simple bets: appended to the empty new
    // combination as they stand, in one block, which keeps 76 million of them
    // to a second or two instead of a check per bet.
    TBusyCursor busy;
    TEuroMillonApuestas &combination = nuevaCombinacion_();
    // The new combination plays the game the bets were made for; appending
    // them to one of the other game would drop their stars.
    if (combination.Edition() != bets.Edition()) {
        if (combination.Count() > 0)
            RequireSameGame(bets.Edition(), combination.Edition());
        combination.SetEdition(bets.Edition());
    }
    combination.AppendMasks(bets.Masks().data(), bets.Masks().size());
}

void TFRMAsistente::Atras()
{
    --paso_;
    if (paso_ < 0) {
        paso_ = 0;
        done(Rejected);
        return;
    }
    MostrarPaso();
}

bool RunNewCombinationWizard(QWidget *owner, const TFRMAsistente::TNuevaCombinacion &nuevaCombinacion)
{
    TFRMAsistente wizard(nuevaCombinacion, owner);
    return wizard.exec() == QDialog::Accepted;
}
