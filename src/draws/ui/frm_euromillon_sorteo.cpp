#include "draws/ui/frm_euromillon_sorteo.h"

#include "draws/draw.h"
#include "draws/draw_date.h"
#include "draws/draw_entry.h"
#include "draws/draw_rules.h"
#include "draws/ui/draw_editor_text_ids.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/draws_picture.h"
#include "draws/ui/prize_grid.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "model/euromillon_apuesta.h"

#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

TFRMEuroMillonSorteo::TFRMEuroMillonSorteo(QWidget *parent, TGameEdition edition)
    : QDialog(parent), edition_(edition), categorias_(GameRules(edition).CategoryCount),
      sorteo_(std::make_unique<TSorteoEuroMillon>(edition))
{
    setObjectName(QStringLiteral("FRMEuroMillonSorteo"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    sorteo_->OnChange = [this](void *) { SorteoChanged(); };
    BuildControls();
    ApplyTexts();
}

TFRMEuroMillonSorteo::~TFRMEuroMillonSorteo()
{
    sorteo_->OnChange = nullptr;
}

void TFRMEuroMillonSorteo::BuildControls()
{
    CreateFields();
    ConnectFields();
    CreateTicket();
    CreatePrizeGrid();
    CreateButtons();
    LayOutControls();
}

void TFRMEuroMillonSorteo::CreateFields()
{
    auto newLabel = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    auto newEdit = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(100);
        return edit;
    };
    lNumeroSorteo = newLabel("lNumeroSorteo");
    lFechaSorteo = newLabel("lFechaSorteo");
    lRecaudacion = newLabel("lRecaudacion");
    lParaPremios = newLabel("lParaPremios");
    ebNSorteo = newEdit("ebNSorteo");
    ebRecaudacion = newEdit("ebRecaudacion");
    ebImportePremios = newEdit("ebImportePremios");
    dtpFechaSorteo = new QDateEdit(this);
    dtpFechaSorteo->setObjectName(QStringLiteral("dtpFechaSorteo"));
    dtpFechaSorteo->setCalendarPopup(true);
    dtpFechaSorteo->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpFechaSorteo->setFixedWidth(100);
}

void TFRMEuroMillonSorteo::ConnectFields()
{
    connect(ebNSorteo, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!updating_)
            Handle([&] { datos_.NumeroSorteo = EnteroDeTexto(text.toStdString()); });
    });
    connect(ebImportePremios, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!updating_)
            Handle([&] { datos_.ImportePremios = ImporteDeTexto(text.toStdString()); });
    });
    connect(ebRecaudacion, &QLineEdit::editingFinished, this,
            [this] { Handle([this] { RecaudacionExit(); }); });
    connect(dtpFechaSorteo, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        if (!updating_)
            datos_.FechaSorteo = FechaDeDate(date);
    });
}

void TFRMEuroMillonSorteo::CreateTicket()
{
    pnlApuesta = new QFrame(this);
    pnlApuesta->setObjectName(QStringLiteral("pnlApuesta"));
    pnlApuesta->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlApuesta->setFixedSize(111, 216);
    apuesta_ = new TControlEuroMillonApuesta(pnlApuesta);
    apuesta_->setObjectName(QStringLiteral("ControlApuesta"));
    apuesta_->SetViewMode(TControlEuroMillonApuesta::kNumbersView);
    apuesta_->SetSimpleBetOnly(true);
    apuesta_->SetEdition(edition_);
    apuesta_->setGeometry(pnlApuesta->rect().adjusted(2, 2, -2, -2));
}

void TFRMEuroMillonSorteo::CreatePrizeGrid()
{
    sgPremios = NewPrizeGrid(this, "sgPremios", 3, 15, {35, 65, 80}, categorias_);
    sgPremios->setFixedSize(206, 216);
    sgPremios->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    sgPremios->setSelectionBehavior(QAbstractItemView::SelectItems);
    sgPremios->setItemDelegate(new TPrizeGridDelegate(
        sgPremios, [this](int row, int column) { return GetEditText(row + 1, column); },
        [this](int row, int column, const QString &text) {
            Handle([&] { SetEditText(row + 1, column, text); });
        }));
    for (int r = 1; r <= categorias_; ++r)
        DrawRow(r);
}

void TFRMEuroMillonSorteo::CreateButtons()
{
    bbAceptar = new QPushButton(this);
    bbAceptar->setObjectName(QStringLiteral("bbAceptar"));
    bbAceptar->setDefault(false);
    bbAceptar->setAutoDefault(false);
    bbCancel = new QPushButton(this);
    bbCancel->setObjectName(QStringLiteral("bbCancel"));
    bbCancel->setAutoDefault(false);
    for (QPushButton *button : {bbAceptar, bbCancel})
        button->setFixedSize(81, 31);
    connect(bbAceptar, &QPushButton::clicked, this, [this] { Handle([this] { Aceptar(); }); });
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFRMEuroMillonSorteo::LayOutControls()
{
    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    fields->addWidget(lNumeroSorteo, 0, 0);
    fields->addWidget(ebNSorteo, 0, 1);
    fields->addWidget(lFechaSorteo, 1, 0);
    fields->addWidget(dtpFechaSorteo, 1, 1);
    fields->addWidget(lRecaudacion, 2, 0);
    fields->addWidget(ebRecaudacion, 2, 1);
    fields->addWidget(lParaPremios, 3, 0);
    fields->addWidget(ebImportePremios, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bbAceptar);
    buttons->addWidget(bbCancel);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(new TDrawsPicture(QSize(191, 81), this));
    left->addLayout(fields);
    left->addStretch();
    left->addLayout(buttons);
    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(5, 5, 5, 5);
    root->addLayout(left);
    root->addWidget(pnlApuesta, 0, Qt::AlignTop);
    root->addWidget(sgPremios, 0, Qt::AlignTop);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void TFRMEuroMillonSorteo::ApplyTexts()
{
    setWindowTitle(Txt(kTxtDrawEditorTitle));
    lNumeroSorteo->setText(Txt(kTxtDrawNumber));
    lFechaSorteo->setText(Txt(kTxtDrawDate));
    lRecaudacion->setText(Txt(kTxtRevenue));
    lParaPremios->setText(Txt(kTxtPrizeFund));
    bbAceptar->setText(Txt(kTxtButtonOk));
    bbCancel->setText(Txt(kTxtButtonCancel));
    sgPremios->setHorizontalHeaderLabels(
        {Txt(kTxtCategoryColumn), Txt(kTxtWinnersColumn), Txt(kTxtAmountColumn)});
}

void TFRMEuroMillonSorteo::Handle(const std::function<void()> &handler)
{
    RunCommand(this, handler);
}

void TFRMEuroMillonSorteo::SorteoChanged()
{
    TSorteoEuroMillonInfo info;
    sorteo_->GetInfo(info);
    info.ApuestaGanadora = {};
    datos_ = info;
}

void TFRMEuroMillonSorteo::SetFecha(double fecha)
{
    updating_ = true;
    dtpFechaSorteo->setDate(DateDeFecha(fecha));
    updating_ = false;
    datos_.FechaSorteo = FechaDeDate(dtpFechaSorteo->date());
}

void TFRMEuroMillonSorteo::showEvent(QShowEvent *event)
{
    FillControls();
    QDialog::showEvent(event);
}

void TFRMEuroMillonSorteo::FillControls()
{
    updating_ = true;
    ebNSorteo->setText(QString::number(datos_.NumeroSorteo));
    dtpFechaSorteo->setDate(DateDeFecha(datos_.FechaSorteo));
    ebRecaudacion->setText(TextoImporte(datos_.Recaudacion));
    ebImportePremios->setText(TextoImporte(datos_.ImportePremios));
    for (int r = 1; r <= categorias_; ++r)
        DrawRow(r);
    apuesta_->ShownBet().Assign(sorteo_->ApuestaGanadora());
    updating_ = false;
}

void TFRMEuroMillonSorteo::DrawRow(int row)
{
    SetPrizeGridCell(sgPremios, row - 1, 0, QString::fromStdString(CategoriaTexto(row, categorias_)));
    SetPrizeGridCell(sgPremios, row - 1, 1, TextoEntero(datos_.Acertantes[row]));
    SetPrizeGridCell(sgPremios, row - 1, 2, TextoImporte(datos_.PremioCategoria[row]));
}

void TFRMEuroMillonSorteo::RecaudacionExit()
{
    if (updating_)
        return;
    const QScopedValueRollback<bool> updating(updating_, true);
    datos_.Recaudacion = ImporteDeTexto(ebRecaudacion->text().toStdString());
    ebRecaudacion->setText(TextoImporte(datos_.Recaudacion));
    datos_.ImportePremios = ParaPremios(datos_.Recaudacion);
    ebImportePremios->setText(TextoImporte(datos_.ImportePremios));
}

QString TFRMEuroMillonSorteo::GetEditText(int row, int column) const
{
    if (row < 1 || row > categorias_)
        return QString();
    if (column == 1)
        return QString::number(datos_.Acertantes[row]);
    if (column == 2)
        return TextoImporteSinMiles(datos_.PremioCategoria[row]);
    return QString();
}

void TFRMEuroMillonSorteo::SetEditText(int row, int column, const QString &text)
{
    if (updating_ || column < 1 || column > 3 || row < 1 || row > categorias_)
        return;
    // The row shows the working copy again also when the text was refused.
    struct Redraw {
        TFRMEuroMillonSorteo *window;
        int row;
        ~Redraw() { window->DrawRow(row); }
    } redraw{this, row};
    if (column == 1) {
        const int32_t acertantes = AcertantesDeTexto(text.toStdString());
        // 2+0 has no share of the fund to propose: its prize stays as typed.
        const Currency premio = row <= kNumCategorias
                                    ? PremioPorAcertante(datos_.ImportePremios, row, acertantes)
                                    : datos_.PremioCategoria[row];
        datos_.Acertantes[row] = acertantes;
        datos_.PremioCategoria[row] = premio;
    } else if (column == 2) {
        datos_.PremioCategoria[row] = ImporteDeTexto(text.toStdString());
    }
}

void TFRMEuroMillonSorteo::Aceptar()
{
    apuesta_->CommitFields();
    // A day the game's archive would refuse is refused here, before any question.
    ComprobarFechaDelJuego(edition_, datos_.FechaSorteo);
    if (!EsDiaDeSorteo(edition_, datos_.FechaSorteo)) {
        const uint16_t dia =
            edition_ == TGameEdition::Current ? kTxtDrawDayTuesdayOrFriday : kTxtDrawDayFriday;
        const QString question = Txt(kTxtAttentionHeading) + QLatin1Char('\n') + Txt(dia) +
                                 QLatin1Char('\n') + Txt(kTxtAcceptDateQuestion);
        if (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) !=
            QMessageBox::Yes)
            return;
    }
    if (datos_.NumeroSorteo < 0)
        throw Exception(GetText(kTxtInvalidDrawNumber));
    const TSorteoEuroMillonInfo datos = datos_;
    sorteo_->SetDatos(datos);
    sorteo_->ApuestaGanadora().Assign(apuesta_->ShownBet());
    if (!sorteo_->ApuestaGanadora().IsValid())
        throw Exception(GetText(kTxtInvalidWinningBet));
    accept();
}
