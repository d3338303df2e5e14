#include "generator/ui/frm_euromillon_comb.h"

#include "generator/ui/guarantee_panel.h"
#include "generator/ui/optimizer_controls.h"

#include "generator/genera_comb.h"
#include "generator/ui/conditions_model.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/generator_text_ids.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_constants.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/texts.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void SetTexts(QAction *action, uint16_t caption, uint16_t hint)
{
    action->setText(Txt(caption));
    const QString tip = PlainTxt(hint);
    action->setStatusTip(tip);
    action->setToolTip(tip);
}

} // namespace

TFRMEuroMillonComb::TFRMEuroMillonComb(QWidget *parent, TGameEdition edition) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMEuroMillonComb"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    generacion_ = std::make_unique<TEuroMillonGeneraComb>(edition);
    generacion_->OnProgress = [this](void *) { ShowCounters(); };
    model_ = std::make_unique<TConditionsModel>(*generacion_, estadisticasValidas_);

    CreateActions();
    auto *menuBar = new QMenuBar(this);
    CreateMenus(menuBar);
    PageControl_ = new QTabWidget(this);
    PageControl_->setObjectName(QStringLiteral("PageControl"));
    PageControl_->addTab(BuildNumerosPage(), QString());
    PageControl_->addTab(BuildReduccionPage(), QString());
    PageControl_->addTab(BuildCondicionesPage(), QString());
    PageControl_->addTab(BuildProcesarPage(), QString());
    PageControl_->addTab(BuildGarantiaPage(), QString());
    PageControl_->setMinimumWidth(470);
    auto *body = new QHBoxLayout;
    body->addWidget(BuildTicketPanel());
    body->addWidget(PageControl_, 1);
    auto *root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);
    root->addLayout(body);
    root->setSizeConstraint(QLayout::SetFixedSize);

    Boleto_->SetOnChange([this](TControlEuroMillonApuesta *) { SelectionChanged(); });
    ConnectRandomButtons(this, Cuentas.bbAleatorio1, Cuentas.bbAleatorio2, Boleto_);
    connect(PageControl_, &QTabWidget::currentChanged, this, [this] { UpdateActions(); });
    connect(sgGrupos->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateActions(); });
    connect(model_.get(), &QAbstractItemModel::modelReset, this, [this] { UpdateActions(); });

    PageControl_->setCurrentWidget(tsNumeros);
    ApplyTexts();
    FillReductionLists(Reduccion.cbRedGlobal, Reduccion.cbRedB1, Reduccion.cbRedB2);
    ConnectReductionControls();
    RefrescarDesdeGeneracion();
    ShowCounters();
}

TFRMEuroMillonComb::~TFRMEuroMillonComb()
{
    if (generacion_)
        generacion_->OnProgress = nullptr;
}

void TFRMEuroMillonComb::CreateActions()
{
    auto add = [this](const char *name, QKeySequence key, std::function<void()> command) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(this, command); });
        addAction(action);
        return action;
    };
    ActAddCondicion = add("ActAddCondicion", QKeySequence(Qt::Key_F6), [this] { AddCondicion(); });
    ActModifyCondicion = add("ActModifyCondicion", QKeySequence(Qt::Key_F5), [this] { ModifyCondicion(); });
    ActDelCondicion = add("ActDelCondicion", QKeySequence(Qt::Key_F7), [this] { DelCondicion(); });
    ActActiva = add("ActActiva", QKeySequence(Qt::Key_Delete), [this] { ToggleActiva(); });
    ActProcesar = add("ActProcesar", QKeySequence(Qt::Key_F9), [this] { Procesar(); });
    ActAceptar = add("ActAceptar", QKeySequence(Qt::Key_F12), [this] { accept(); });
    MiLeerDeArchivo = add("MiLeerDeArchivo", {}, [this] { LeerDeArchivo(); });
    MiGuardarEnArchivo = add("MiGuardarEnArchivo", {}, [this] { GuardarEnArchivo(); });
    MiCerrrar = add("MiCerrrar", {}, [this] { reject(); });
}

void TFRMEuroMillonComb::CreateMenus(QMenuBar *menuBar)
{
    MiArchivo = menuBar->addMenu(QString());
    MiArchivo->setObjectName(QStringLiteral("MiArchivo"));
    MiArchivo->addActions({MiLeerDeArchivo, MiGuardarEnArchivo});
    MiArchivo->addSeparator();
    MiArchivo->addActions({ActProcesar, ActAceptar});
    MiArchivo->addSeparator();
    MiArchivo->addAction(MiCerrrar);
    MiCondiciones = menuBar->addMenu(QString());
    MiCondiciones->setObjectName(QStringLiteral("MiCondiciones"));
    MiCondiciones->addActions({ActAddCondicion, ActModifyCondicion, ActDelCondicion});
}

void TFRMEuroMillonComb::ApplyTexts()
{
    setWindowTitle(Txt(kTxtGeneratorCaption));
    lSelectedNumbers->setText(Txt(kTxtSelectedNumbers));
    MiArchivo->setTitle(Txt(kTxtGeneratorMenuFile));
    MiLeerDeArchivo->setText(Txt(kTxtLoadFromFile));
    MiGuardarEnArchivo->setText(Txt(kTxtSaveToFile));
    MiCerrrar->setText(Txt(kTxtGeneratorClose));
    MiCondiciones->setTitle(Txt(kTxtMenuConditions));
    SetTexts(ActAddCondicion, kTxtAddCondition, kTxtAddConditionHint);
    SetTexts(ActDelCondicion, kTxtDeleteCondition, kTxtDeleteConditionHint);
    SetTexts(ActModifyCondicion, kTxtEditCondition, kTxtEditConditionHint);
    SetTexts(ActAceptar, kTxtAcceptBets, kTxtAcceptBetsHint);
    SetTexts(ActProcesar, kTxtProcess, kTxtProcessHint);
    ActActiva->setText(Txt(kTxtConditionActiveToggle));

    PageControl_->setTabText(PageControl_->indexOf(tsNumeros), Txt(kTxtTabNumbers));
    PageControl_->setTabText(PageControl_->indexOf(tsReduccion), Txt(kTxtTabReduction));
    PageControl_->setTabText(PageControl_->indexOf(tsCondicionesGrupos), Txt(kTxtTabGroupConditions));
    PageControl_->setTabText(PageControl_->indexOf(tsProcesar), Txt(kTxtProcess));
    PageControl_->setTabText(PageControl_->indexOf(tsGarantia), Txt(kTxtTabGuarantee));
    optimizer_->ApplyTexts();
    guarantee_->ApplyTexts();
    lRedShortDesc1->setText(Txt(kTxtReductionHelp));
    lRedShortDesc2->setText(Txt(kTxtReductionAdvantage));
    Reduccion.gbTipoReduccion->setTitle(Txt(kTxtReductionTypeTitle));
    Reduccion.rbNoReduccion->setText(Txt(kTxtNoReduction));
    Reduccion.rbReduccionGlobal->setText(Txt(kTxtGlobalReduction));
    Reduccion.rbReduccionBloques->setText(Txt(kTxtReductionByBlock));
    Reduccion.lTipoRedB1->setText(Txt(kTxtReductionBlock1));
    Reduccion.lTipoRedB2->setText(Txt(kTxtReductionBlock2));
    lCondShortDesc1->setText(Txt(kTxtConditionsHelp));
    lCondiciones->setText(Txt(kTxtConditionsLabel));
}

void TFRMEuroMillonComb::ConnectReductionControls()
{
    connect(Reduccion.rbNoReduccion, &QRadioButton::clicked, this,
            [this] { generacion_->SetTipoReduccion(TEuroMillonGeneraComb::kSinReduccion); });
    connect(Reduccion.rbReduccionGlobal, &QRadioButton::clicked, this, [this](bool checked) {
        if (checked)
            generacion_->SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    });
    connect(Reduccion.rbReduccionBloques, &QRadioButton::clicked, this, [this](bool checked) {
        if (checked)
            generacion_->SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
    });
    connect(Reduccion.cbRedGlobal, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (item >= 0 && !refreshing_)
            generacion_->SetReduccionGlobal(7 - item);
    });
    connect(Reduccion.cbRedB1, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (item >= 0 && !refreshing_)
            generacion_->SetReduccionB1(5 - item);
    });
    connect(Reduccion.cbRedB2, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (item >= 0 && !refreshing_)
            generacion_->SetReduccionB2(2 - item);
    });
    // A click on a list with a chosen item picks its kind of reduction.
    OnComboClicked(Reduccion.cbRedGlobal, [this] { Reduccion.rbReduccionGlobal->click(); });
    OnComboClicked(Reduccion.cbRedB1, [this] { Reduccion.rbReduccionBloques->click(); });
    OnComboClicked(Reduccion.cbRedB2, [this] { Reduccion.rbReduccionBloques->click(); });
}

void TFRMEuroMillonComb::CargarDesde(const TEuroMillonGeneraComb &origen)
{
    generacion_->AssignSettings(origen);
    PageControl_->setCurrentWidget(tsProcesar);
    RefrescarDesdeGeneracion();
}

void TFRMEuroMillonComb::RefrescarDesdeGeneracion()
{
    const TEuroMillonGeneraComb &generacion = *generacion_;
    refreshing_ = true;
    Reduccion.rbNoReduccion->setChecked(generacion.TipoReduccion() == TEuroMillonGeneraComb::kSinReduccion);
    Reduccion.rbReduccionGlobal->setChecked(generacion.TipoReduccion() ==
                                            TEuroMillonGeneraComb::kReduccionGlobal);
    Reduccion.rbReduccionBloques->setChecked(generacion.TipoReduccion() ==
                                             TEuroMillonGeneraComb::kReduccionBloques);
    Reduccion.cbRedGlobal->setCurrentIndex(7 - generacion.ReduccionGlobal());
    Reduccion.cbRedB1->setCurrentIndex(5 - generacion.ReduccionB1());
    Reduccion.cbRedB2->setCurrentIndex(2 - generacion.ReduccionB2());
    optimizer_->Refresh();
    refreshing_ = false;
    // A generation file or another window's settings may bring another game.
    SetTicketEdition(*Boleto_, generacion.Edition());
    guarantee_->SetEdition(generacion.Edition());
    lblJuego->setText(EditionCaption(generacion.Edition()));
    // The selection handler brings the labels and the grid up to date.
    Boleto_->ShownBet().Assign(generacion_->Seleccion());
    SelectionChanged();
}

void TFRMEuroMillonComb::SelectionChanged()
{
    Boleto_->SetModified(false); // a selection has no pending edit to show
    generacion_->Seleccion().Assign(Boleto_->ShownBet());
    ShowSelectionLabels();
    estadisticasValidas_ = false;
    ConditionsChanged();
}

void TFRMEuroMillonComb::ShowSelectionLabels()
{
    ShowSelectionCounts(Cuentas, *generacion_, Txt(kTxtMissing) + QLatin1Char(' '));
}

void TFRMEuroMillonComb::ShowCounters()
{
    ShowGenerationCounters(*generacion_, counters_);
}

void TFRMEuroMillonComb::ConditionsChanged()
{
    const int current = CondicionActual();
    model_->Refresh();
    const int count = generacion_->Condiciones().Count();
    sgGrupos->horizontalHeader()->setVisible(count > 0);
    if (count > 0)
        sgGrupos->setCurrentIndex(model_->index(std::clamp(current, 0, count - 1), 1));
    lblCondicionesCount->setText(QString::number(count));
    sgGrupos->viewport()->update();
    UpdateActions();
}

int TFRMEuroMillonComb::CondicionActual() const
{
    const QModelIndex current = sgGrupos->currentIndex();
    if (!current.isValid() || current.row() >= generacion_->Condiciones().Count())
        return -1;
    return current.row();
}

void TFRMEuroMillonComb::UpdateActions()
{
    const bool onCondition = generacion_->Condiciones().Count() > 0 && CondicionActual() >= 0 &&
                             PageControl_->currentWidget() == tsCondicionesGrupos;
    for (QAction *action : {ActModifyCondicion, ActDelCondicion, ActActiva})
        action->setEnabled(onCondition);
    ActAceptar->setEnabled(!generacion_->Procesando() && generacion_->Apuestas().Count() > 0);
}

void TFRMEuroMillonComb::Procesar()
{
    if (generacion_->ApuestasPosibles() < 1)
        throw Exception(GetText(kTxtNotEnoughNumbers));
    Boleto_->CommitFields();
    const bool accepted = EjecutarGeneracion(this, *generacion_, false);
    if (accepted) {
        OptimizeKeptBets(this, *generacion_);
        estadisticasValidas_ = true;
        ConditionsChanged();
    }
    ShowCounters();
    UpdateActions();
    if (accepted)
        guarantee_->Analyse(generacion_->Apuestas().Masks(), generacion_->Seleccion().ToMask());
    else
        guarantee_->Clear();
    emit GenerationFinished(accepted);
}

std::unique_ptr<TEuroMillonGeneraComb> TFRMEuroMillonComb::TakeGeneracion()
{
    Boleto_->SetOnChange(nullptr);
    generacion_->OnProgress = nullptr;
    return std::move(generacion_);
}

std::unique_ptr<TEuroMillonGeneraComb> RunGeneratorWindowFor(QWidget *owner, TGameEdition edition)
{
    TFRMEuroMillonComb window(owner, edition);
    if (window.exec() != QDialog::Accepted)
        return nullptr;
    return window.TakeGeneracion();
}

std::unique_ptr<TEuroMillonGeneraComb> RunGeneratorWindow(QWidget *owner)
{
    return RunGeneratorWindowFor(owner, EditionInForce());
}
