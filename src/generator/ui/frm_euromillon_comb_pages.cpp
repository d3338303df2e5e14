// The generator window's ticket panel and its four pages, one function each.
#include "generator/ui/frm_euromillon_comb.h"

#include "generator/ui/guarantee_panel.h"
#include "generator/ui/optimizer_controls.h"

#include "generator/ui/conditions_model.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel *NewNote(QWidget *parent, const char *name)
{
    QLabel *note = NewNamedLabel(parent, name);
    note->setWordWrap(true);
    return note;
}

} // namespace

QWidget *TFRMEuroMillonComb::BuildTicketPanel()
{
    auto *panel = new QWidget(this);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    lSelectedNumbers = NewNamedLabel(panel, "lSelectedNumbers", true);
    column->addWidget(lSelectedNumbers);
    column->addWidget(NewTicketPanel(panel, QSize(180, 357), Boleto_));
    lblJuego = NewNamedLabel(panel, "lblJuego");
    column->addWidget(lblJuego);
    column->addStretch();
    return panel;
}

QWidget *TFRMEuroMillonComb::BuildNumerosPage()
{
    tsNumeros = NewNamedPage("tsNumeros");
    Cuentas = NewSelectionCounts(tsNumeros, 110);
    Cuentas.grid->setColumnStretch(3, 1);
    auto *page = new QVBoxLayout(tsNumeros);
    page->addLayout(Cuentas.grid);
    page->addStretch();
    return tsNumeros;
}

QWidget *TFRMEuroMillonComb::BuildReduccionPage()
{
    tsReduccion = NewNamedPage("tsReduccion");
    lRedShortDesc1 = NewNote(tsReduccion, "lRedShortDesc1");
    lRedShortDesc2 = NewNote(tsReduccion, "lRedShortDesc2");
    Reduccion = NewReductionGroup(tsReduccion);
    reduccionLayout_ = new QVBoxLayout(tsReduccion);
    reduccionLayout_->addWidget(lRedShortDesc1);
    reduccionLayout_->addWidget(lRedShortDesc2);
    reduccionLayout_->addWidget(Reduccion.gbTipoReduccion);
    optimizer_ = new TOptimizerControls(*generacion_, tsReduccion);
    reduccionLayout_->addWidget(optimizer_);
    reduccionLayout_->addStretch();
    return tsReduccion;
}

QWidget *TFRMEuroMillonComb::BuildCondicionesPage()
{
    tsCondicionesGrupos = NewNamedPage("tsCondicionesGrupos");
    lCondShortDesc1 = NewNote(tsCondicionesGrupos, "lCondShortDesc1");
    sgGrupos = new QTableView(tsCondicionesGrupos);
    sgGrupos->setObjectName(QStringLiteral("sgGrupos"));
    sgGrupos->setModel(model_.get());
    sgGrupos->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgGrupos->setSelectionMode(QAbstractItemView::SingleSelection);
    sgGrupos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgGrupos->verticalHeader()->hide();
    sgGrupos->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgGrupos->verticalHeader()->setDefaultSectionSize(16);
    sgGrupos->verticalHeader()->setMinimumSectionSize(16);
    sgGrupos->horizontalHeader()->setHighlightSections(false);
    // The columns keep their designed widths unless the font needs more;
    // the name takes what is left.
    const QFontMetrics metrics = sgGrupos->fontMetrics();
    const QString widest[4] = {QStringLiteral("00"), QString(), QStringLiteral("00000000"),
                               QStringLiteral("100.0%")};
    for (int column : {0, 2, 3})
        sgGrupos->setColumnWidth(column, std::max(TConditionsModel::kColumnWidths[column],
                                                  metrics.horizontalAdvance(widest[column]) + 12));
    sgGrupos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    sgGrupos->setMinimumWidth(20 + 290 + 50 + 40 + 24);
    connect(sgGrupos, &QTableView::doubleClicked, ActModifyCondicion, &QAction::trigger);

    lCondiciones = NewNamedLabel(tsCondicionesGrupos, "lCondiciones");
    lblCondicionesCount = NewNamedLabel(tsCondicionesGrupos, "lblCondicionesCount", true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lCondiciones);
    bottom->addWidget(lblCondicionesCount);
    bottom->addStretch();
    for (auto [name, action] :
         {std::pair{"bbAdd", ActAddCondicion}, std::pair{"bbModify", ActModifyCondicion},
          std::pair{"bbDel", ActDelCondicion}}) {
        QToolButton *button = NewNamedButton(tsCondicionesGrupos, name, 80);
        button->setDefaultAction(action);
        bottom->addWidget(button);
    }

    auto *page = new QVBoxLayout(tsCondicionesGrupos);
    page->addWidget(lCondShortDesc1);
    page->addWidget(sgGrupos, 1);
    page->addLayout(bottom);
    return tsCondicionesGrupos;
}

QWidget *TFRMEuroMillonComb::BuildGarantiaPage()
{
    tsGarantia = NewNamedPage("tsGarantia");
    guarantee_ = new TGuaranteePanel(tsGarantia);
    auto *layout = new QVBoxLayout(tsGarantia);
    layout->addWidget(guarantee_);
    return tsGarantia;
}

QWidget *TFRMEuroMillonComb::BuildProcesarPage()
{
    tsProcesar = NewNamedPage("tsProcesar");
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    counters_ = AddGenerationCounters(tsProcesar, grid, 0);
    grid->setColumnStretch(3, 1);
    bbProcesar = NewNamedButton(tsProcesar, "bbProcesar", 110);
    bbProcesar->setDefaultAction(ActProcesar);
    bbAceptar = NewNamedButton(tsProcesar, "bbAceptar", 110);
    bbAceptar->setDefaultAction(ActAceptar);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bbProcesar);
    buttons->addWidget(bbAceptar);
    buttons->addStretch();

    procesarLayout_ = new QVBoxLayout(tsProcesar);
    procesarLayout_->addLayout(grid);
    procesarLayout_->addSpacing(12);
    procesarLayout_->addLayout(buttons);
    procesarLayout_->addStretch();
    return tsProcesar;
}
