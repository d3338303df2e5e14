#include "exchange/ui/frm_export.h"

#include "exchange/ui/exchange_progress_dialog.h"
#include "exchange/ui/exchange_text_ids.h"
#include "exchange/ui/window_parts.h"
#include "framework/setting_keys.h"
#include "widgets/command_guard.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"
#include "exchange/export_separator.h"
#include "framework/parametres.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

// The folder of the workbooks handed to a spreadsheet program: private to
// this run of the program and removed with the application object, so that
// nothing is left in the system's temporary folder.
class TWorkbookFolder : public QObject {
public:
    explicit TWorkbookFolder(QObject *parent)
        : QObject(parent), folder_(QDir(QDir::tempPath()).filePath(QStringLiteral("qor-euromillon-XXXXXX")))
    {
        setObjectName(QString::fromLatin1(TFRMExport::kWorkbookFolderName));
    }
    QString Path() const
    {
        if (!folder_.isValid())
            throw Exception(FormatText("Cannot create file %s", {folder_.path().toStdString()}));
        return folder_.path();
    }

private:
    QTemporaryDir folder_;
};

QString PrivateWorkbookFolder()
{
    static QPointer<TWorkbookFolder> folder;
    // Made again when something removed it (a cleaner of the temporary folder).
    if (folder && !QFileInfo(folder->Path()).isDir())
        delete folder;
    if (!folder)
        folder = new TWorkbookFolder(QCoreApplication::instance());
    return folder->Path();
}

QComboBox *NewSeparatorList(QWidget *parent, const char *name, const TSettingKey<const char *> &key)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems({QString::fromLatin1(kTabWord), QStringLiteral(" "), QStringLiteral("."),
                    QStringLiteral("-"), QStringLiteral(",")});
    list->setEditText(QString::fromStdString(ReadSetting(Parametres(), key)));
    list->setMinimumWidth(90);
    return list;
}

// The separator to write; the list shows the typed text as it is kept.
std::string TakeSeparator(QComboBox *list)
{
    const TExportSeparator separator = PrepareExportSeparator(list->currentText().toStdString());
    list->setEditText(QString::fromStdString(separator.text));
    return separator.value;
}

} // namespace

TFRMExport::TFRMExport(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMExport"));
    ActExportar = NewCommandAction(this, "ActExportar", [this] { Export(); });

    gb = new QGroupBox(this);
    gb->setObjectName(QStringLiteral("gb"));
    rbArchivoTexto = new QRadioButton(gb);
    rbArchivoTexto->setObjectName(QStringLiteral("rbArchivoTexto"));
    rbExcel = new QRadioButton(gb);
    rbExcel->setObjectName(QStringLiteral("rbExcel"));
    auto *kinds = new QVBoxLayout(gb);
    kinds->addWidget(rbArchivoTexto);
    kinds->addWidget(rbExcel);

    lCarSepNumeros = new QLabel(this);
    lCarSepNumeros->setObjectName(QStringLiteral("lCarSepNumeros"));
    lCarSepBloques = new QLabel(this);
    lCarSepBloques->setObjectName(QStringLiteral("lCarSepBloques"));
    cbSeparaNumeros = NewSeparatorList(this, "cbSeparaNumeros", PRM_NUMEROS_SEPARATOR);
    cbSeparaBloques = NewSeparatorList(this, "cbSeparaBloques", PRM_BLOQUES_SEPARATOR);
    lCarSepNumeros->setBuddy(cbSeparaNumeros);
    lCarSepBloques->setBuddy(cbSeparaBloques);

    parts_ = NewExchangeWindowParts(this, QStyle::SP_DialogSaveButton, "bbGuardarLibro");
    connect(parts_.sideButton, &QPushButton::clicked, this,
            [this] { RunCommand(this, [this] { SaveWorkbookAs(); }); });
    parts_.mainButton->setDefault(true);
    for (QPushButton *button : {parts_.mainButton, parts_.cancelButton})
        button->setMinimumSize(90, 26);

    auto *separators = new QGridLayout;
    separators->addWidget(lCarSepNumeros, 0, 0);
    separators->addWidget(cbSeparaNumeros, 0, 1);
    separators->addWidget(lCarSepBloques, 1, 0);
    separators->addWidget(cbSeparaBloques, 1, 1);
    auto *choices = new QVBoxLayout;
    choices->addWidget(gb);
    choices->addLayout(separators);
    LayOutExchangeWindow(this, parts_, choices, TExchangeWindowSizing::Fixed);

    ApplyTexts();
    BindButtonToAction(parts_.mainButton, ActExportar);
}

void TFRMExport::ApplyTexts()
{
    setWindowTitle(PlainTxt(kTxtExportButton));
    gb->setTitle(Txt(kTxtExportKind));
    rbArchivoTexto->setText(Txt(kTxtTextFileChoice));
    rbExcel->setText(Txt(kTxtWorkbookChoice));
    lCarSepNumeros->setText(Txt(kTxtNumberSeparator));
    lCarSepBloques->setText(Txt(kTxtBlockSeparator));
    ActExportar->setText(Txt(kTxtExportButton));
    parts_.sideButton->setText(Txt(kTxtSaveAsWorkbook));
}

const std::vector<BetMask> &TFRMExport::Bets() const
{
    static const std::vector<BetMask> none;
    return destino_ ? destino_->Masks() : none;
}

std::string TFRMExport::Name() const
{
    return destino_ ? destino_->Name() : std::string();
}

void TFRMExport::SetDestino(TEuroMillonApuestas &destino)
{
    destino_ = &destino;
    DialogService::SetDocumentName(this, QString::fromStdString(destino.Name()));
}

void TFRMExport::Export()
{
    if (rbArchivoTexto->isChecked())
        ExportText();
    else if (rbExcel->isChecked())
        ExportWorkbook();
    else
        throw Exception(GetText(kTxtNoOptionChosen));
}

bool TFRMExport::MayOverwrite(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    return DialogService::Ask(this, FormattedTxt(kTxtOverwriteQuestion, path),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TFRMExport::ExportText()
{
    const QString path = DialogService::SaveFileName(this, Txt(kTxtTextFileFilter), QStringLiteral("txt"));
    if (path.isEmpty() || !MayOverwrite(path))
        return;
    const std::string numbers = TakeSeparator(cbSeparaNumeros);
    const std::string blocks = TakeSeparator(cbSeparaBloques);
    // The old file stays in place until the new one is written whole.
    WriteBetTextFile(path.toStdString(), Bets(), numbers, blocks);
    DialogService::ShowMessage(this, FormattedTxt(kTxtSavedFile, path), QMessageBox::Information);
    accept();
    Parametres().SetValor(PRM_NUMEROS_SEPARATOR, Variant(cbSeparaNumeros->currentText().toStdString()));
    Parametres().SetValor(PRM_BLOQUES_SEPARATOR, Variant(cbSeparaBloques->currentText().toStdString()));
    Parametres().SetSaveList({PRM_NUMEROS_SEPARATOR, PRM_BLOQUES_SEPARATOR}, true);
}

bool TFRMExport::WriteWorkbook(const QString &path, bool askOverwrite)
{
    if (askOverwrite && !MayOverwrite(path))
        return false;
    TExchangeProgressDialog progress(this, Txt(kTxtWritingWorkbook));
    WriteBetWorkbook(path.toStdString(), SheetNameFor(Name()), Bets(), progress.Callback());
    return true;
}

void TFRMExport::ExportWorkbook()
{
    // Written once: for the spreadsheet program into a folder that goes with
    // the program, or, when no program can open it, where the user says.
    if (!DialogService::CanOpenExternal(QStringLiteral("xlsx"))) {
        if (DialogService::Ask(this, Txt(kTxtNoProgramSaveWorkbook), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Information) == QMessageBox::Yes)
            SaveWorkbookAs();
        return;
    }
    const QString path = QString::fromStdString(
        FreeNumberedPath(PrivateWorkbookFolder().toStdString(), SheetNameFor(Name()), "xlsx"));
    WriteWorkbook(path, false);
    lastWorkbook_ = path;
    if (DialogService::OpenExternal(path))
        return;
    // The program found would not take it after all.
    QFile::remove(path);
    lastWorkbook_.clear();
    if (DialogService::Ask(this, Txt(kTxtNoProgramSaveWorkbook), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Information) == QMessageBox::Yes)
        SaveWorkbookAs();
}

void TFRMExport::SaveWorkbookAs()
{
    const QString path = DialogService::SaveFileName(this, Txt(kTxtWorkbookFilter), QStringLiteral("xlsx"));
    if (path.isEmpty() || !WriteWorkbook(path, true))
        return;
    DialogService::ShowMessage(this, FormattedTxt(kTxtSavedFile, path), QMessageBox::Information);
}

void ShowExportWindow(QWidget *owner, TEuroMillonApuestas &combination)
{
    TFRMExport window(owner);
    window.SetDestino(combination);
    window.exec();
}
