#include "printing/ui/frm_print_boletos.h"

#include "framework/setting_keys.h"
#include "report/ui/report_designer.h"
#include "widgets/command_guard.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include "framework/parametres.h"
#include "model/euromillon_apuestas.h"
#include "printing/print_boletos_source.h"
#include "printing/ui/printing_text_ids.h"
#include "report/report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <tuple>

namespace {

// The height of the band the note about the automatic ticket takes.
constexpr int kNotaAlto = 48;

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *FixedLabel(QWidget *parent, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

// Tenths of a millimetre shown as millimetres with one decimal, in the
// notation of the program's language ("1,5" in Spanish, "1.5" in English);
// never grouped, so the text reads back as typed.
QString Milimetros(int32_t decimas)
{
    QLocale locale = NumberLocale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(decimas / 10.0, 'f', 1);
}

} // namespace

TFRMPrintBoletos::TFRMPrintBoletos(QWidget *parent) : QDialog(parent), report_(std::make_unique<TfrReport>())
{
    setObjectName(QStringLiteral("FRMPrintBoletos"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CreateControls();
    cbRotate->addItems(
        {QStringLiteral("0º"), QStringLiteral("90º"), QStringLiteral("180º"), QStringLiteral("270º")});
    cbRotate->setCurrentIndex(1);
    ApplyTexts();
    LeerParametros();
    SetDesigner(DesignReport);
}

TFRMPrintBoletos::~TFRMPrintBoletos() = default;

void TFRMPrintBoletos::CreateControls()
{
    // The layout of the original form, 30 pixels taller: Qt's default fonts
    // need the room between the automatic ticket's fields and the saved one.
    setFixedSize(305, 352);
    PageControl = Named(new QTabWidget(this), "PageControl");
    PageControl->setGeometry(10, 10, 281, 231);
    tsBoletos = Named(new QWidget, "tsBoletos");
    tslistado = Named(new QWidget, "tslistado");
    PageControl->addTab(tsBoletos, QString());
    PageControl->addTab(tslistado, QString());
    CreateTicketsPage();
    CreateListingsPage();
    CreateCountryAndButtons();
    ConnectControls();
}

void TFRMPrintBoletos::CreateTicketsPage()
{
    gbFormato = Named(new QGroupBox(tsBoletos), "gbFormato");
    gbFormato->setGeometry(0, 5, 271, 171);
    rbAuto = Named(new QRadioButton(gbFormato), "rbAuto");
    rbAuto->move(15, 20);
    cbRotate = Named(new QComboBox(gbFormato), "cbRotate");
    cbRotate->setGeometry(40, 42, 61, 22);
    lblDesfX = FixedLabel(gbFormato, QString(), 118, 44);
    lblDesfY = FixedLabel(gbFormato, QString(), 118, 68);
    ebDesfX = Named(new QLineEdit(gbFormato), "ebDesfX");
    ebDesfX->setGeometry(170, 41, 50, 22);
    ebDesfY = Named(new QLineEdit(gbFormato), "ebDesfY");
    ebDesfY->setGeometry(170, 65, 50, 22);
    lblMmX = FixedLabel(gbFormato, QStringLiteral("mm"), 225, 44);
    lblMmY = FixedLabel(gbFormato, QStringLiteral("mm"), 225, 68);
    rbBoletoGuardado = Named(new QRadioButton(gbFormato), "rbBoletoGuardado");
    rbBoletoGuardado->move(15, 94);
    cbGuardados = Named(new QComboBox(gbFormato), "cbGuardados");
    cbGuardados->setGeometry(40, 116, 216, 22);
    cbGuardados->setMaxVisibleItems(20);
    sbFindFile = Named(new QPushButton(gbFormato), "sbFindFile");
    sbFindFile->setGeometry(40, 142, 150, 24);
    sbFindFile->setAutoDefault(false);
    cbTestMode = Named(new QCheckBox(tsBoletos), "cbTestMode");
    cbTestMode->move(5, 181);
    cbTestMode->setFocusPolicy(Qt::ClickFocus);
}

void TFRMPrintBoletos::CreateListingsPage()
{
    lblListadosDisponibles = Named(new QLabel(tslistado), "lblListadosDisponibles");
    lblListadosDisponibles->move(5, 10);
    lbListados = Named(new QListWidget(tslistado), "lbListados");
    lbListados->setGeometry(5, 30, 261, 161);
    lblListadosDisponibles->setBuddy(lbListados);
}

void TFRMPrintBoletos::CreateCountryAndButtons()
{
    lblLangBoleto = Named(new QLabel(this), "lblLangBoleto");
    lblLangBoleto->move(25, 260);
    cbEstiloBoleto = Named(new QComboBox(this), "cbEstiloBoleto");
    cbEstiloBoleto->setGeometry(120, 255, 156, 22);
    lblLangBoleto->setBuddy(cbEstiloBoleto);
    bbPrint = Named(new QPushButton(this), "bbPrint");
    bbPrint->setGeometry(10, 290, 86, 56);
    bbPrint->setDefault(true);
    bbDesign = Named(new QPushButton(this), "bbDesign");
    bbDesign->setGeometry(100, 290, 86, 56);
    bbDesign->setAutoDefault(false);
    bbDesign->setEnabled(false);
    bbCancel = Named(new QPushButton(this), "bbCancel");
    bbCancel->setGeometry(220, 290, 71, 56);
    bbCancel->setAutoDefault(false);
    lblNotaJuego = Named(new QLabel(this), "lblNotaJuego");
    lblNotaJuego->setGeometry(10, 246, 285, 44);
    lblNotaJuego->setWordWrap(true);
    lblNotaJuego->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    lblNotaJuego->hide();
}

void TFRMPrintBoletos::ConnectControls()
{
    // Choosing an angle or a country means the automatic ticket; choosing a
    // saved ticket means that one.
    // (The country stays a choice of its own while the automatic ticket is not offered.)
    const auto chooseAuto = [this] {
        if (automaticoOfrecido_)
            rbAuto->setChecked(true);
    };
    connect(cbRotate, &QComboBox::activated, rbAuto, chooseAuto);
    connect(cbEstiloBoleto, &QComboBox::activated, rbAuto, chooseAuto);
    connect(cbGuardados, &QComboBox::activated, rbBoletoGuardado,
            [this] { rbBoletoGuardado->setChecked(true); });
    connect(bbPrint, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Imprimir(); }); });
    connect(bbDesign, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Disenar(); }); });
    connect(sbFindFile, &QPushButton::clicked, this,
            [this] { RunCommand(this, [this] { ImportarArchivo(); }); });
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFRMPrintBoletos::ApplyTexts()
{
    setWindowTitle(Txt(kTxtPrintCaption));
    gbFormato->setTitle(Txt(kTxtTicketFormat));
    rbAuto->setText(Txt(kTxtAutomaticTicket));
    rbAuto->adjustSize();
    rbBoletoGuardado->setText(Txt(kTxtSavedTicket));
    rbBoletoGuardado->adjustSize();
    sbFindFile->setText(Txt(kTxtImportTicketFile));
    cbTestMode->setText(Txt(kTxtPrintTestMode));
    cbTestMode->adjustSize();
    PageControl->setTabText(0, Txt(kTxtTabTickets));
    PageControl->setTabText(1, Txt(kTxtTabListings));
    bbPrint->setText(Txt(kTxtPrintButton));
    bbDesign->setText(Txt(kTxtDesign));
    bbDesign->setToolTip(Txt(kTxtDesignHint));
    bbCancel->setText(Txt(kTxtButtonCancel));
    bbCancel->setToolTip(QString());
    lblLangBoleto->setText(Txt(kTxtTicketCountry));
    lblLangBoleto->adjustSize();
    lblDesfX->setText(Txt(kTxtOffsetX));
    lblDesfY->setText(Txt(kTxtOffsetY));
    PlaceLabelledFields();
    lblListadosDisponibles->setText(Txt(kTxtAvailableListings));
    lblListadosDisponibles->adjustSize();
    ebDesfX->setToolTip(Txt(kTxtOffsetXHint));
    ebDesfY->setToolTip(Txt(kTxtOffsetYHint));
    cbEstiloBoleto->clear();
    cbEstiloBoleto->addItems({Txt(kTxtCountrySpain), Txt(kTxtCountryFrance)});
    lblNotaJuego->setText(Txt(kTxtNoAutomaticTicketCurrent));
}

// The fields follow their labels, whose width depends on the language.
void TFRMPrintBoletos::PlaceLabelledFields()
{
    const int offsetLabelWidth = std::max(lblDesfX->sizeHint().width(), lblDesfY->sizeHint().width());
    const int labelX = std::max(cbRotate->geometry().right() + 6, 166 - offsetLabelWidth);
    const int editX = std::max(170, labelX + offsetLabelWidth + 4);
    for (auto [label, edit, unit] :
         {std::tuple{lblDesfX, ebDesfX, lblMmX}, std::tuple{lblDesfY, ebDesfY, lblMmY}}) {
        label->resize(offsetLabelWidth, label->sizeHint().height());
        label->move(labelX, label->y());
        edit->move(editX, edit->y());
        unit->move(editX + edit->width() + 5, unit->y());
    }
    const QRect combo = cbEstiloBoleto->geometry();
    const int comboX = std::max(120, lblLangBoleto->x() + lblLangBoleto->width() + 6);
    cbEstiloBoleto->setGeometry(comboX, combo.y(), combo.right() + 1 - comboX, combo.height());
}

void TFRMPrintBoletos::LeerParametros()
{
    TParametres &store = Parametres();
    (ReadSetting(store, PRM_PRINTBOL_AUTOPRINT) ? rbAuto : rbBoletoGuardado)->setChecked(true);
    const int pais = ReadSetting(store, PRM_PRINTBOL_IPAIS);
    cbEstiloBoleto->setCurrentIndex(pais >= 0 && pais < cbEstiloBoleto->count() ? pais : -1);
    const int angulo = ReadSetting(store, PRM_PRINTBOL_IANGULO);
    cbRotate->setCurrentIndex(angulo >= 0 && angulo < cbRotate->count() ? angulo : -1);
    CargarListas();
    cbGuardados->setCurrentIndex(
        cbGuardados->findText(QString::fromStdString(ReadSetting(store, PRM_PRINTBOL_FILE))));
    desfaseX_ = ReadSetting(store, PRM_PRINTBOL_MM_DESFX);
    desfaseY_ = ReadSetting(store, PRM_PRINTBOL_MM_DESFY);
    ebDesfX->setText(Milimetros(desfaseX_));
    ebDesfY->setText(Milimetros(desfaseY_));
}

void TFRMPrintBoletos::GuardarParametros()
{
    TParametres &store = Parametres();
    // Without the automatic ticket on offer, the user's choice stays as it was.
    if (automaticoOfrecido_)
        store.SetValor(PRM_PRINTBOL_AUTOPRINT, Variant(rbAuto->isChecked()));
    store.SetValor(PRM_PRINTBOL_FILE, Variant(cbGuardados->currentText().toStdString()));
    store.SetValor(PRM_PRINTBOL_IPAIS, Variant(int32_t(cbEstiloBoleto->currentIndex())));
    store.SetValor(PRM_PRINTBOL_IANGULO, Variant(int32_t(cbRotate->currentIndex())));
    store.SetValor(PRM_PRINTBOL_MM_DESFX, Variant(desfaseX_));
    store.SetValor(PRM_PRINTBOL_MM_DESFY, Variant(desfaseY_));
    store.SetSaveList({PRM_PRINTBOL_AUTOPRINT, PRM_PRINTBOL_FILE, PRM_PRINTBOL_IPAIS, PRM_PRINTBOL_IANGULO,
                       PRM_PRINTBOL_MM_DESFX, PRM_PRINTBOL_MM_DESFY},
                      true);
}

void TFRMPrintBoletos::SetApuestas(const TEuroMillonApuestas &apuestas)
{
    apuestas_ = &apuestas;
    OfrecerAutomatico(apuestas.Edition() == TGameEdition::Classic);
}

// The note takes a band of its own between the pages and the country, so the
// window grows by that band while it shows.
void TFRMPrintBoletos::OfrecerAutomatico(bool ofrecido)
{
    if (ofrecido == automaticoOfrecido_)
        return;
    automaticoOfrecido_ = ofrecido;
    const std::initializer_list<QWidget *> automatic = {rbAuto,   cbRotate, ebDesfX, ebDesfY,
                                                        lblDesfX, lblDesfY, lblMmX,  lblMmY};
    for (QWidget *control : automatic)
        control->setEnabled(ofrecido);
    if (!ofrecido)
        rbBoletoGuardado->setChecked(true);
    lblNotaJuego->setVisible(!ofrecido);
    const int band = ofrecido ? -kNotaAlto : kNotaAlto;
    const std::initializer_list<QWidget *> below = {lblLangBoleto, cbEstiloBoleto, bbPrint, bbDesign,
                                                    bbCancel};
    for (QWidget *control : below)
        control->move(control->x(), control->y() + band);
    setFixedSize(width(), height() + band);
}

void TFRMPrintBoletos::SetModoBoletos(bool boletos)
{
    PageControl->setCurrentWidget(boletos ? tsBoletos : tslistado);
    if (!boletos)
        lbListados->setFocus();
}

void TFRMPrintBoletos::SetDesigner(TDesigner designer)
{
    designer_ = std::move(designer);
    bbDesign->setEnabled(static_cast<bool>(designer_));
}

int32_t TFRMPrintBoletos::BoletoActual() const
{
    return source_ ? source_->BoletoActual() : 1;
}

namespace {

void ShowPrintWindow(QWidget *owner, TEuroMillonApuestas &combination, bool boletos)
{
    TFRMPrintBoletos window(owner);
    window.SetApuestas(combination);
    window.SetModoBoletos(boletos);
    window.exec();
}

} // namespace

void ShowPrintTickets(QWidget *owner, TEuroMillonApuestas &combination)
{
    ShowPrintWindow(owner, combination, true);
}

void ShowPrintListing(QWidget *owner, TEuroMillonApuestas &combination)
{
    ShowPrintWindow(owner, combination, false);
}
