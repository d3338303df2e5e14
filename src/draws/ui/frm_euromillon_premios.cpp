#include "draws/ui/frm_euromillon_premios.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "draws/prize_check.h"
#include "draws/prize_range.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/draws_picture.h"
#include "draws/ui/draws_text_ids.h"
#include "draws/ui/prize_grid.h"
#include "draws/ui/profit_chart.h"
#include "draws/ui/winning_bets_model.h"
#include "draws/ui/winning_bets_pager.h"
#include "framework/file_error_text.h"
#include "framework/parametres.h"
#include "framework/setting_keys.h"
#include "model/exception.h"
#include "widgets/command_guard.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QDateEdit *NewDatePicker(QWidget *parent, const char *name)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setFixedWidth(100);
    return picker;
}

QToolButton *NewToolButton(QWidget *parent, const char *name, QAction *action)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

} // namespace

TFRMEuroMillonPremios::TFRMEuroMillonPremios(QWidget *parent, TGameEdition edition)
    : QDialog(parent), edition_(edition), categorias_(GameRules(edition).CategoryCount),
      premios_(std::make_unique<TPremiosEuroMillon>()),
      sorteos_(std::make_unique<TSorteosEuroMillon>(edition)),
      sorteosRango_(std::make_unique<TSorteosEuroMillon>(edition))
{
    setObjectName(QStringLiteral("FRMEuroMillonPremios"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    BuildControls();
    PageControl->setCurrentWidget(tsPremiosGlobales);
    ApplyTexts();
    // Errors of the archive are shown; the window opens all the same.
    RunCommand(this, [this] { PrepararArchivoSorteos(edition_); });
    RunCommand(this, [this] { LoadSettings(); });
    RunCommand(this, [this] {
        const QScopedValueRollback<bool> updating(updating_, true);
        const std::string archive = ArchivoSorteos(edition_);
        ReadNamingFile(archive, [&] { sorteos_->LoadFromFile(archive); });
    });
    UpdateActions();
    MostrarResultados();
}

TFRMEuroMillonPremios::~TFRMEuroMillonPremios() = default;

QAction *TFRMEuroMillonPremios::NewAction(const char *name, void (TFRMEuroMillonPremios::*command)())
{
    auto *action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this,
            [this, command] { RunCommand(this, [this, command] { (this->*command)(); }); });
    return action;
}

void TFRMEuroMillonPremios::BuildControls()
{
    BuildActions();
    QLayout *right = BuildRangeControls();
    BuildPages();
    auto *top = new QHBoxLayout;
    top->addWidget(new TDrawsPicture(QSize(186, 141), this));
    top->addSpacing(8);
    top->addLayout(right);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(10, 10, 10, 10);
    root->addLayout(top);
    root->addWidget(PageControl);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void TFRMEuroMillonPremios::BuildActions()
{
    ActProcesar = NewAction("ActProcesar", &TFRMEuroMillonPremios::Procesar);
    ActCrearSorteo_NC = NewAction("ActCrearSorteo_NC", &TFRMEuroMillonPremios::EditarSorteo);
    ActModificarSorteo_NC = NewAction("ActModificarSorteo_NC", &TFRMEuroMillonPremios::EditarSorteo);
    ActImportarSorteos = NewAction("ActImportarSorteos", &TFRMEuroMillonPremios::ImportarSorteos);
    ActCrearSorteo_NC->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    ActModificarSorteo_NC->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    ActImportarSorteos->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ActActualizarSorteos = NewAction("ActActualizarSorteos", &TFRMEuroMillonPremios::ActualizarSorteos);
    ActActualizarSorteos->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
}

// The range of draws, the archive's commands, Cancel and Procesar.
QLayout *TFRMEuroMillonPremios::BuildRangeControls()
{
    lSorteo = new QLabel(this);
    lSorteo->setObjectName(QStringLiteral("lSorteo"));
    dtpFechaSorteo = NewDatePicker(this, "dtpFechaSorteo");
    dtpFechaSorteoFinal = NewDatePicker(this, "dtpFechaSorteoFinal");
    cbHastaEl = new QCheckBox(this);
    cbHastaEl->setObjectName(QStringLiteral("cbHastaEl"));
    sbModifySorteo = NewToolButton(this, "sbModifySorteo", ActModificarSorteo_NC);
    sbAddSorteo = NewToolButton(this, "sbAddSorteo", ActCrearSorteo_NC);
    sbLoadSorteos = NewToolButton(this, "sbLoadSorteos", ActImportarSorteos);
    sbActualizarSorteos = NewToolButton(this, "sbActualizarSorteos", ActActualizarSorteos);
    lSorteosInfoCount = new QLabel(this);
    lSorteosInfoCount->setObjectName(QStringLiteral("lSorteosInfoCount"));
    lSorteosCount = new QLabel(QStringLiteral("0"), this);
    lSorteosCount->setObjectName(QStringLiteral("lSorteosCount"));
    QFont bold = lSorteosCount->font();
    bold.setBold(true);
    lSorteosCount->setFont(bold);
    lSorteosCount->setStyleSheet(QStringLiteral("color: #800000;"));

    auto onDate = [this] {
        if (!updating_)
            RunCommand(this, [this] { CargarRango(); });
    };
    connect(dtpFechaSorteo, &QDateEdit::dateChanged, this, onDate);
    connect(dtpFechaSorteoFinal, &QDateEdit::dateChanged, this, onDate);
    connect(cbHastaEl, &QCheckBox::clicked, this, [this] { RunCommand(this, [this] { HastaElClick(); }); });

    bbCancel = new QPushButton(this);
    bbCancel->setObjectName(QStringLiteral("bbCancel"));
    bbCancel->setFixedSize(76, 46);
    bbCancel->setAutoDefault(false);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
    bbProcesar = new QPushButton(this);
    bbProcesar->setObjectName(QStringLiteral("bbProcesar"));
    bbProcesar->setFixedSize(81, 46);
    bbProcesar->setAutoDefault(false);
    connect(bbProcesar, &QPushButton::clicked, ActProcesar, &QAction::trigger);
    connect(ActProcesar, &QAction::changed, bbProcesar,
            [this] { bbProcesar->setEnabled(ActProcesar->isEnabled()); });

    auto *range = new QGridLayout;
    range->setHorizontalSpacing(4);
    range->addWidget(lSorteo, 0, 0);
    range->addWidget(dtpFechaSorteo, 0, 1);
    range->addWidget(sbModifySorteo, 0, 2);
    range->addWidget(cbHastaEl, 1, 0);
    range->addWidget(dtpFechaSorteoFinal, 1, 1);
    range->addWidget(sbAddSorteo, 1, 2);
    range->addWidget(lSorteosInfoCount, 2, 0);
    range->addWidget(lSorteosCount, 2, 1, Qt::AlignRight);
    range->addWidget(sbLoadSorteos, 2, 2);
    range->addWidget(sbActualizarSorteos, 2, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bbCancel);
    buttons->addStretch();
    buttons->addWidget(bbProcesar);
    auto *right = new QVBoxLayout;
    right->addLayout(range);
    right->addStretch();
    right->addLayout(buttons);
    return right;
}

void TFRMEuroMillonPremios::BuildPages()
{
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    tsPremiosGlobales = BuildTotalsPage();
    sgPremios = NewPrizeGrid(this, "sgPremios", 4, 16, {40, 100, 60, 100}, categorias_);
    tsPremios = sgPremios;
    tsApuestasPremiadas = BuildWinningBetsPage();
    grafico_ = new TProfitChart(this);
    tsGrafico = grafico_;
    tsGrafico->setObjectName(QStringLiteral("tsGrafico"));
    PageControl->addTab(tsPremiosGlobales, QString());
    PageControl->addTab(tsPremios, QString());
    PageControl->addTab(tsApuestasPremiadas, QString());
    PageControl->addTab(tsGrafico, QString());
    // Wider than the three pages needed, so that the four tabs show whole.
    PageControl->setFixedSize(450, 280);
}

// One page of the winning bets at a time, with the pager below it.
QWidget *TFRMEuroMillonPremios::BuildWinningBetsPage()
{
    sgApPremiadas = new QTableView(this);
    sgApPremiadas->setObjectName(QStringLiteral("sgApPremiadas"));
    apPremiadasModel_ = new TWinningBetsModel(*premios_, this);
    sgApPremiadas->setModel(apPremiadasModel_);
    sgApPremiadas->verticalHeader()->hide();
    sgApPremiadas->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgApPremiadas->verticalHeader()->setMinimumSectionSize(16);
    sgApPremiadas->verticalHeader()->setDefaultSectionSize(16);
    sgApPremiadas->horizontalHeader()->setFixedHeight(20);
    sgApPremiadas->horizontalHeader()->setStretchLastSection(true);
    sgApPremiadas->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgApPremiadas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgApPremiadas->setWordWrap(false);
    sgApPremiadas->setFont(sgPremios->font());
    int column = 0;
    for (int width : {70, 64, 52, 64, 80})
        sgApPremiadas->setColumnWidth(column++, width);
    paginador_ = new TWinningBetsPager(*apPremiadasModel_, this);
    tsApuestasPremiadas = new QWidget(this);
    tsApuestasPremiadas->setObjectName(QStringLiteral("tsApuestasPremiadas"));
    auto *winning = new QVBoxLayout(tsApuestasPremiadas);
    winning->setContentsMargins(0, 0, 0, 2);
    winning->setSpacing(2);
    winning->addWidget(sgApPremiadas);
    winning->addWidget(paginador_);
    return tsApuestasPremiadas;
}

QWidget *TFRMEuroMillonPremios::BuildTotalsPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsPremiosGlobales"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setVerticalSpacing(10);
    auto add = [page, grid](const char *labelName, const char *valueName, QLabel *&label, QLabel *&value) {
        label = new QLabel(page);
        label->setObjectName(QString::fromLatin1(labelName));
        value = new QLabel(QStringLiteral("-"), page);
        value->setObjectName(QString::fromLatin1(valueName));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(150);
        value->setAutoFillBackground(true);
        QPalette palette = value->palette();
        palette.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE)); // colour value 14606046
        value->setPalette(palette);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setContentsMargins(4, 2, 4, 2);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
    };
    add("lSorteosProcesados", "lblSorteosProcesados", lSorteosProcesados, lblSorteosProcesados);
    QFont large = lblSorteosProcesados->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    lblSorteosProcesados->setFont(large);
    add("lImporteCombinacion", "lblImporteCombinacion", lImporteCombinacion, lblImporteCombinacion);
    add("lImportePremios", "lblTotalPremios", lImportePremios, lblTotalPremios);
    add("lBeneficioObtenido", "lblBeneficio", lBeneficioObtenido, lblBeneficio);
    add("lPorcentajeBeneficio", "lblBeneficioTpc", lPorcentajeBeneficio, lblBeneficioTpc);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

void TFRMEuroMillonPremios::ApplyTexts()
{
    setWindowTitle(Txt(kTxtPrizesCaption));
    sgPremios->setHorizontalHeaderLabels({Txt(kTxtPrizeColumnCategory), Txt(kTxtPrizeColumnAmount),
                                          Txt(kTxtPrizeColumnCount), Txt(kTxtPrizeColumnTotal)});
    apPremiadasModel_->SetHeaders({Txt(kTxtWinningColumnDate), Txt(kTxtWinningColumnBet),
                                   Txt(kTxtWinningColumnTicket), Txt(kTxtWinningColumnPrize),
                                   Txt(kTxtWinningColumnAmount)});
    lSorteo->setText(Txt(kTxtDrawLabel));
    PageControl->setTabText(PageControl->indexOf(tsPremios), Txt(kTxtTabPrizeBreakdown));
    PageControl->setTabText(PageControl->indexOf(tsPremiosGlobales), Txt(kTxtTabPrizeTotals));
    PageControl->setTabText(PageControl->indexOf(tsApuestasPremiadas), Txt(kTxtTabWinningBets));
    PageControl->setTabText(PageControl->indexOf(tsGrafico), Txt(kTxtTabChart));
    // The four tabs show whole in every language: French ones need more room.
    PageControl->setFixedWidth(std::max(450, PageControl->tabBar()->sizeHint().width() + 8));
    lImporteCombinacion->setText(Txt(kTxtCombinationCost));
    lImportePremios->setText(Txt(kTxtPrizesWon));
    lBeneficioObtenido->setText(Txt(kTxtProfit));
    lPorcentajeBeneficio->setText(Txt(kTxtProfitPercentage));
    bbCancel->setText(Txt(kTxtProgressCancel));
    ActCrearSorteo_NC->setToolTip(Txt(kTxtCreateDrawHint));
    ActModificarSorteo_NC->setToolTip(Txt(kTxtEditDrawHint));
    ActProcesar->setText(Txt(kTxtCheckPrizes));
    ActProcesar->setToolTip(Txt(kTxtCheckPrizesHint));
    bbProcesar->setText(Txt(kTxtCheckPrizes));
    bbProcesar->setToolTip(Txt(kTxtCheckPrizesHint));
    ActImportarSorteos->setText(Txt(kTxtImportDraws));
    ActImportarSorteos->setToolTip(Txt(kTxtImportDrawsHint));
    ActActualizarSorteos->setText(Txt(kTxtUpdateDraws));
    ActActualizarSorteos->setToolTip(Txt(kTxtUpdateDrawsHint));
    lSorteosInfoCount->setText(Txt(kTxtTotalDraws));
    cbHastaEl->setText(Txt(kTxtUpTo));
    lSorteosProcesados->setText(Txt(kTxtDrawsProcessed));
    grafico_->ApplyTexts();
    paginador_->ApplyTexts();
}

void TFRMEuroMillonPremios::LoadSettings()
{
    const QScopedValueRollback<bool> updating(updating_, true);
    TParametres &prm = Parametres();
    double viernes = UltimoDiaDeSorteoHoy(edition_);
    if (!prm.Exists(PRM_PREMIOS_Desde)) {
        // An archive that ends earlier (the classic game's ends in 2011)
        // opens on its newest draw rather than on a day without draws.
        // A damaged archive is reported when the window loads it.
        TSorteosEuroMillon archivo(edition_);
        try {
            archivo.LoadFromFile(ArchivoSorteos(edition_));
        } catch (const Exception &) {
            archivo.Clear();
        }
        if (archivo.Count() > 0 && archivo.Sorteo(0).FechaSorteo < viernes)
            viernes = archivo.Sorteo(0).FechaSorteo;
    }
    dtpFechaSorteo->setDate(DateDeFecha(ReadSetting(prm, PRM_PREMIOS_Desde, viernes)));
    dtpFechaSorteoFinal->setDate(DateDeFecha(ReadSetting(prm, PRM_PREMIOS_Hasta, viernes)));
    cbHastaEl->setChecked(ReadSetting(prm, PRM_PREMIOS_HastaChecked));
    HastaElClick();
}

void TFRMEuroMillonPremios::HastaElClick()
{
    dtpFechaSorteoFinal->setEnabled(cbHastaEl->isChecked());
    CargarRango();
}

void TFRMEuroMillonPremios::CargarRango()
{
    const double desde = FechaDeDate(dtpFechaSorteo->date());
    const double hasta = cbHastaEl->isChecked() ? FechaDeDate(dtpFechaSorteoFinal->date()) : desde;
    struct Update {
        TFRMEuroMillonPremios *window;
        ~Update() { window->UpdateActions(); }
    } update{this};
    sorteosRango_->Clear(); // a missing archive file leaves no draw
    sorteosRango_->LoadFromFile(ArchivoSorteos(edition_));
    sorteosRango_->KeepRange(desde, hasta);
    lSorteosCount->setText(CountText(sorteosRango_->Count()));
}

void TFRMEuroMillonPremios::UpdateActions()
{
    const double desde = FechaDeDate(dtpFechaSorteo->date());
    ActProcesar->setEnabled(sorteosRango_->Count() > 0);
    ActCrearSorteo_NC->setEnabled(desde >= kPrimerSorteo);
    ActModificarSorteo_NC->setEnabled(sorteos_->IndexOfFecha(desde) >= 0);
}
