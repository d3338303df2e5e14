// The print window's work: the template lists, the preparation of the report,
// the print and design buttons and the import of a template.
#include "printing/ui/frm_print_boletos.h"

#include "framework/file_error_text.h"
#include "report/ui/report_preview.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "framework/program_path.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "printing/boleto_automatico.h"
#include "printing/cruces_de_prueba.h"
#include "printing/print_boletos_source.h"
#include "printing/print_offset.h"
#include "printing/ui/printing_text_ids.h"
#include "report/report.h"
#include "report/ui/report_text_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>
#include <limits>

namespace {

QStringList PlantillasDe(const std::string &folder)
{
    // Sorted by name: the file system's own order differs between machines.
    return QDir(QString::fromStdString(folder))
        .entryList({QStringLiteral("*.frf")}, QDir::Files | QDir::NoDotAndDotDot,
                   QDir::Name | QDir::IgnoreCase);
}

std::string JoinPath(const std::string &folder, const QString &name)
{
    return folder + "/" + name.toStdString();
}

bool FileExists(const std::string &path)
{
    return QFileInfo(QString::fromStdString(path)).isFile();
}

[[noreturn]] void FaltaArchivo(const std::string &path)
{
    throw Exception(GetText(kTxtFileNotFound) + "\n" + path);
}

void CrearCarpeta(const std::string &path)
{
    const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
    if (!QDir(folder).exists())
        QDir().mkdir(folder);
}

} // namespace

std::string TFRMPrintBoletos::CarpetaBoletos()
{
    return DataFolderPath("Boletos");
}

std::string TFRMPrintBoletos::CarpetaListados()
{
    return DataFolderPath("Listados");
}

std::string TFRMPrintBoletos::NombreBoletoAutomatico(const std::string &folder)
{
    for (int n = 1;; ++n) {
        const std::string path = folder + "/Boleto_Automatico_" + std::to_string(n) + ".frf";
        if (!QFileInfo::exists(QString::fromStdString(path)))
            return path;
    }
}

void TFRMPrintBoletos::CargarListas()
{
    const QString chosen = cbGuardados->currentText();
    cbGuardados->clear();
    cbGuardados->addItems(PlantillasDe(CarpetaBoletos()));
    cbGuardados->setCurrentIndex(cbGuardados->findText(chosen));
    const QListWidgetItem *listed = lbListados->currentItem();
    const QString chosenListing = listed ? listed->text() : QString();
    lbListados->clear();
    lbListados->addItems(PlantillasDe(CarpetaListados()));
    const QList<QListWidgetItem *> again = lbListados->findItems(chosenListing, Qt::MatchExactly);
    if (!chosenListing.isEmpty() && !again.isEmpty())
        lbListados->setCurrentItem(again.constFirst());
}

int32_t TFRMPrintBoletos::LeerDesfase(QLineEdit *field) const
{
    const QString text = field->text().trimmed();
    if (text.isEmpty())
        return 0;
    // The point or the comma, whatever the language: an offset has no
    // thousands to group, so either can only be the decimal separator.
    const std::optional<int32_t> decimas = ParseOffsetTenths(text.toStdString(), ',');
    if (!decimas) {
        field->setFocus();
        field->selectAll();
        throw Exception(FormatText(GetText(kTxtInvalidNumber), {field->text().toStdString()}));
    }
    return *decimas;
}

std::string TFRMPrintBoletos::PlantillaGuardada() const
{
    if (!rbBoletoGuardado->isChecked())
        throw Exception(GetText(kTxtNoFormatSelected));
    if (cbGuardados->currentText().isEmpty())
        throw Exception(GetText(kTxtNoFileSelected));
    const std::string path = JoinPath(CarpetaBoletos(), cbGuardados->currentText());
    if (!FileExists(path))
        FaltaArchivo(path);
    return path;
}

std::string TFRMPrintBoletos::PlantillaListado() const
{
    const QListWidgetItem *item = lbListados->currentItem();
    if (!item || !item->isSelected())
        throw Exception(GetText(kTxtNoFileSelected));
    const std::string path = JoinPath(CarpetaListados(), item->text());
    if (!FileExists(path))
        FaltaArchivo(path);
    return path;
}

void TFRMPrintBoletos::NuevaFuente(const TFormatoBoleto &formato)
{
    // The combination is empty until the caller sets one (only tests do so).
    static const TEuroMillonApuestas kNinguna;
    auto source = std::make_unique<TPrintBoletosSource>(apuestas_ ? *apuestas_ : kNinguna, formato);
    source->SetTestMode(cbTestMode->isChecked());
    source->Attach(*report_, kPrintBoletosDataSet);
    source_ = std::move(source);
}

void TFRMPrintBoletos::PrepararReport()
{
    const int pais = cbEstiloBoleto->currentIndex();
    if (pais != pbEspana && pais != pbFrancia)
        throw Exception(GetText(kTxtNoTicketCountry));
    tablas_ = TablasDePais(static_cast<TPaisBoleto>(pais));
    desfaseX_ = LeerDesfase(ebDesfX);
    desfaseY_ = LeerDesfase(ebDesfY);
    NuevaFuente(tablas_.Formato);

    std::string path;
    if (PageControl->currentWidget() == tsBoletos) {
        if (rbAuto->isChecked()) {
            if (!automaticoOfrecido_)
                throw Exception(GetText(kTxtNoAutomaticTicketCurrent));
            ConstruirBoletoAutomatico(*report_, cbRotate->currentIndex(), tablas_.Geometria, tablas_.Formato,
                                      desfaseX_, desfaseY_, kPrintBoletosDataSet);
            if (cbTestMode->isChecked())
                AnadirCrucesDePrueba(*report_);
            path = NombreBoletoAutomatico(CarpetaBoletos());
        } else {
            path = PlantillaGuardada();
            ReadNamingFile(path, [&] { report_->LoadFromFile(path); });
        }
    } else {
        path = PlantillaListado();
        ReadNamingFile(path, [&] { report_->LoadFromFile(path); });
    }
    CrearCarpeta(path);
    report_->SetFileName(path);
}

void TFRMPrintBoletos::Imprimir()
{
    PrepararReport();
    ShowReportPreview(*report_, this);
    GuardarParametros();
}

void TFRMPrintBoletos::Disenar()
{
    PrepararReport();
    if (designer_)
        designer_(*report_, this);
    GuardarParametros();
    CargarListas();
}

void TFRMPrintBoletos::ImportarArchivo()
{
    const QString chosen = DialogService::OpenFileName(this, Txt(kTxtFrfFilter), QStringLiteral("frf"));
    if (!chosen.isEmpty()) {
        const QString folder = QString::fromStdString(CarpetaBoletos());
        if (!QDir(folder).exists())
            QDir().mkdir(folder);
        const QFileInfo source(chosen);
        const bool inFolder =
            QDir::cleanPath(source.absolutePath())
                .compare(QDir::cleanPath(QDir(folder).absolutePath()), Qt::CaseInsensitive) == 0;
        if (inFolder && source.suffix().compare(QStringLiteral("frf"), Qt::CaseInsensitive) == 0)
            throw Exception(GetText(kTxtFileAlreadyInFolder));
        const QString target = QDir(folder).filePath(source.completeBaseName() + QStringLiteral(".frf"));
        // QFile::copy never overwrites: an existing file of that name fails.
        if (!QFile::copy(chosen, target))
            throw Exception(GetText(kTxtFileCopyError));
    }
    CargarListas();
}
