#include "exchange/ui/frm_importar.h"

#include "exchange/ui/exchange_progress_dialog.h"
#include "exchange/ui/exchange_text_ids.h"
#include "exchange/ui/window_parts.h"
#include "widgets/dialog_service.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include "model/euromillon_apuestas.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The summary line of each line class, in class order.
constexpr uint16_t kClassSummary[4] = {kTxtBlankLines, kTxtBetLines, kTxtCommentLines, kTxtErrorLines};

QString Counted(uint16_t id, int64_t count)
{
    return FormattedTxt(id, CountText(count));
}

} // namespace

TFRMImportar::TFRMImportar(QWidget *parent)
    : QDialog(parent), apuestasLeidas_(std::make_unique<TEuroMillonApuestas>())
{
    setObjectName(QStringLiteral("FRMImportar"));
    ActLeerArchivo = NewCommandAction(this, "ActLeerArchivo", [this] { ChooseAndRead(); });
    ActImportar = NewCommandAction(this, "ActImportar", [this] { Import(); });
    ActImportar->setEnabled(false);

    lInformacionArchivo = new QLabel(this);
    lInformacionArchivo->setObjectName(QStringLiteral("lInformacionArchivo"));
    mInformacionArchivo = new QPlainTextEdit(this);
    mInformacionArchivo->setObjectName(QStringLiteral("mInformacionArchivo"));
    mInformacionArchivo->setReadOnly(true);
    mInformacionArchivo->setMinimumSize(420, 220);
    lInformacionArchivo->setBuddy(mInformacionArchivo);

    parts_ = NewExchangeWindowParts(this, QStyle::SP_DialogOpenButton, "bbSelArchivo");
    for (QPushButton *button : {parts_.sideButton, parts_.mainButton, parts_.cancelButton})
        button->setMinimumSize(110, 26);

    auto *log = new QVBoxLayout;
    log->addWidget(lInformacionArchivo);
    log->addWidget(mInformacionArchivo);
    LayOutExchangeWindow(this, parts_, log, TExchangeWindowSizing::Resizable);

    ApplyTexts();
    BindButtonToAction(parts_.sideButton, ActLeerArchivo);
    BindButtonToAction(parts_.mainButton, ActImportar);
    parts_.sideButton->setDefault(true);
}

TFRMImportar::~TFRMImportar() = default;

void TFRMImportar::ApplyTexts()
{
    setWindowTitle(PlainTxt(kTxtImportButton));
    lInformacionArchivo->setText(Txt(kTxtFileInformation));
    ActLeerArchivo->setText(Txt(kTxtChooseFile));
    ActImportar->setText(Txt(kTxtImportButton));
}

void TFRMImportar::Log(const QString &line)
{
    mInformacionArchivo->appendPlainText(line);
}

QString TFRMImportar::LogText() const
{
    return mInformacionArchivo->toPlainText();
}

void TFRMImportar::SetDestino(TEuroMillonApuestas &destino)
{
    destino_ = &destino;
    apuestasLeidas_->Clear();
    apuestasLeidas_->SetEdition(destino.Edition());
    ActImportar->setEnabled(false);
}

void TFRMImportar::ChooseAndRead()
{
    const QString path = DialogService::OpenFileName(this, Txt(kTxtTextFileFilter), QStringLiteral("txt"));
    if (!path.isEmpty())
        ReadFile(path);
}

void TFRMImportar::ReadFile(const QString &path)
{
    ActImportar->setEnabled(false);
    counts_ = TBetTextCounts();
    mInformacionArchivo->clear();
    apuestasLeidas_->Clear();
    {
        TExchangeProgressDialog progress(this, Txt(kTxtReadingFile));
        counts_ = ImportBetTextFile(path.toStdString(), *apuestasLeidas_, progress.Callback());
    }
    Log(Txt(kTxtLoggedFile) + QLatin1Char(' ') + QFileInfo(path).absoluteFilePath());
    Log(QString());
    Log(Counted(kTxtFileLineCount, counts_.lines));
    Log(Counted(kTxtValidBetsFound, apuestasLeidas_->Count()));
    Log(QString());
    for (int lineClass = 0; lineClass < 4; ++lineClass)
        Log(Counted(kClassSummary[lineClass], counts_.byClass[lineClass]));
    ActImportar->setEnabled(apuestasLeidas_->Count() > 0);
}

void TFRMImportar::Import()
{
    const int count = apuestasLeidas_->Count();
    if (destino_)
        destino_->InsertRange(*apuestasLeidas_, 0, count - 1, destino_->Count());
    DialogService::ShowMessage(this, Counted(kTxtBetsImported, count), QMessageBox::Information);
    accept();
}

void ShowImportWindow(QWidget *owner, TEuroMillonApuestas &combination)
{
    TFRMImportar window(owner);
    window.SetDestino(combination);
    window.exec();
}
