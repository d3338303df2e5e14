// The generator window's ticket panel and its four pages, one function each.
#include "generator/ui/frm_euromillon_comb.h"

#include "generator/ui/condiciones_model.h"
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

QToolButton *NewButton(QWidget *parent, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(110);
    return button;
}

QWidget *NewPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

QComboBox *NewList(QWidget *parent, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

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
    auto *pnlNumeros = new QFrame(panel);
    pnlNumeros->setObjectName(QStringLiteral("pnlNumeros"));
    pnlNumeros->setFrameShape(QFrame::StyledPanel);
    auto *margin = new QVBoxLayout(pnlNumeros);
    margin->setContentsMargins(2, 2, 2, 2);
    Boleto_ = new TControlEuroMillonApuesta(pnlNumeros);
    Boleto_->setObjectName(QStringLiteral("Boleto"));
    Boleto_->setFixedSize(180, 357);
    margin->addWidget(Boleto_);
    column->addWidget(lSelectedNumbers);
    column->addWidget(pnlNumeros);
    column->addStretch();
    return panel;
}

QWidget *TFRMEuroMillonComb::BuildNumerosPage()
{
    tsNumeros = NewPage("tsNumeros");
    lNumerosB1 = NewNamedLabel(tsNumeros, "lNumerosB1");
    lblNumB1 = NewNamedLabel(tsNumeros, "lblNumB1", true);
    lNumerosB2 = NewNamedLabel(tsNumeros, "lNumerosB2");
    lblNumB2 = NewNamedLabel(tsNumeros, "lblNumB2", true);
    lApuestasPosibles = NewNamedLabel(tsNumeros, "lApuestasPosibles");
    lblApuestasPosibles = NewNamedLabel(tsNumeros, "lblApuestasPosibles", true);
    bbAleatorio1 = NewButton(tsNumeros, "bbAleatorio1");
    bbAleatorio2 = NewButton(tsNumeros, "bbAleatorio2");

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(lNumerosB1, 0, 0);
    grid->addWidget(lblNumB1, 0, 1);
    grid->addWidget(bbAleatorio1, 0, 2);
    grid->addWidget(lNumerosB2, 1, 0);
    grid->addWidget(lblNumB2, 1, 1);
    grid->addWidget(bbAleatorio2, 1, 2);
    grid->addWidget(lApuestasPosibles, 2, 0);
    grid->addWidget(lblApuestasPosibles, 2, 1);
    grid->setColumnStretch(3, 1);
    auto *page = new QVBoxLayout(tsNumeros);
    page->addLayout(grid);
    page->addStretch();
    return tsNumeros;
}

QWidget *TFRMEuroMillonComb::BuildReduccionPage()
{
    tsReduccion = NewPage("tsReduccion");
    lRedShortDesc1 = NewNote(tsReduccion, "lRedShortDesc1");
    lRedShortDesc2 = NewNote(tsReduccion, "lRedShortDesc2");
    gbTipoReduccion = new QGroupBox(tsReduccion);
    gbTipoReduccion->setObjectName(QStringLiteral("gbTipoReduccion"));
    auto radio = [this](const char *name) {
        auto *button = new QRadioButton(gbTipoReduccion);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    rbNoReduccion = radio("rbNoReduccion");
    rbReduccionGlobal = radio("rbReduccionGlobal");
    rbReduccionBloques = radio("rbReduccionBloques");
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

    reduccionLayout_ = new QVBoxLayout(tsReduccion);
    reduccionLayout_->addWidget(lRedShortDesc1);
    reduccionLayout_->addWidget(lRedShortDesc2);
    reduccionLayout_->addWidget(gbTipoReduccion);
    reduccionLayout_->addStretch();
    return tsReduccion;
}

QWidget *TFRMEuroMillonComb::BuildCondicionesPage()
{
    tsCondicionesGrupos = NewPage("tsCondicionesGrupos");
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
    const QString widest[4] = {QStringLiteral("00"), QString(), QStringLiteral("00000000"), QStringLiteral("100.0%")};
    for (int column : {0, 2, 3})
        sgGrupos->setColumnWidth(column, std::max(TCondicionesModel::kColumnWidths[column],
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
    for (auto [name, action] : {std::pair{"bbAdd", ActAddCondicion}, std::pair{"bbModify", ActModifyCondicion},
                                std::pair{"bbDel", ActDelCondicion}}) {
        QToolButton *button = NewButton(tsCondicionesGrupos, name);
        button->setMinimumWidth(80);
        button->setDefaultAction(action);
        bottom->addWidget(button);
    }

    auto *page = new QVBoxLayout(tsCondicionesGrupos);
    page->addWidget(lCondShortDesc1);
    page->addWidget(sgGrupos, 1);
    page->addLayout(bottom);
    return tsCondicionesGrupos;
}

QWidget *TFRMEuroMillonComb::BuildProcesarPage()
{
    tsProcesar = NewPage("tsProcesar");
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    counters_ = AddGenerationCounters(tsProcesar, grid, 0);
    grid->setColumnStretch(3, 1);
    bbProcesar = NewButton(tsProcesar, "bbProcesar");
    bbProcesar->setDefaultAction(ActProcesar);
    bbAceptar = NewButton(tsProcesar, "bbAceptar");
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
