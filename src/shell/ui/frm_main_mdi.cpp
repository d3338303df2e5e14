#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/manual_file.h"

#include "shell/ui/frm_apuestas.h"
#include "shell/ui/shell_icons.h"
#include "shell/ui/shell_pictures.h"
#include "shell/ui/shell_settings.h"
#include "shell/ui/shell_tools.h"
#include "shell/ui/wallpaper.h"
#include "widgets/command_guard.h"
#include "widgets/dialog_service.h"
#include "widgets/qt_translations.h"
#include "widgets/texts.h"

#include "framework/edition_setting.h"
#include "framework/localize.h"
#include "framework/parametres.h"
#include "model/euromillon_apuestas.h"
#include "shell/ui/shell_text_ids.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {
TFRMMainMDI *theMainWindow = nullptr;
} // namespace

TFRMMainMDI::TFRMMainMDI(QWidget *parent) : QMainWindow(parent)
{
    theMainWindow = this;
    setObjectName(QStringLiteral("FRMMainMDI"));
    DialogService::SetApplicationTitle(QStringLiteral("QOR-EuroMillon v3"));
    setWindowTitle(DialogService::ApplicationTitle());

    mdiArea_ = new TMdiClientArea(this);
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->SetWallPaper(std::make_unique<TWallPaper>(EuroMillonWallpaper(devicePixelRatioF())));
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TFRMMainMDI::OnSubWindowActivated);

    InstallShellTools();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    LoadSettings();
    ApplyTexts();
    UpdateActions();
    setWindowState(windowState() | Qt::WindowMaximized);
    // After the window is up: the check never holds the start.
    QTimer::singleShot(0, this, [this] { StartDrawCheck(); });
}

TFRMMainMDI::~TFRMMainMDI()
{
    // Children go first, while the frame they report to still exists.
    const QList<QMdiSubWindow *> children = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        delete *it;
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

TFRMMainMDI *TFRMMainMDI::Instance()
{
    return theMainWindow;
}

void TFRMMainMDI::LoadSettings()
{
    LoadApplicationResources(this);
    PutQtTranslationsInForce(); // the built-in texts are Spanish
    if (SettingExists(PRM_SHOWLIKE_Boleto))
        SetViewMode(ReadSettingBool(PRM_SHOWLIKE_Boleto, true) ? 0 : 1);
    if (SettingExists(PRM_LANGUAGE_DLL_FILENAME))
        SetLanguage(ReadSettingText(PRM_LANGUAGE_DLL_FILENAME, QString()));
    else if (QFileInfo::exists(ShellFilePath(kDefaultLanguageFile)))
        SetLanguage(ShellFilePath(kDefaultLanguageFile));
    SetTicketCountry(ReadSettingText(PRM_COUNTRY_TICKET, QString()));
    // Read without writing: a first start stays classic and stores nothing.
    SetEditionInForce(SavedEdition(Parametres()));
}

void TFRMMainMDI::SetViewMode(uint8_t mode)
{
    viewMode_ = mode;
    for (TFRMApuestas *window : CombinationWindows())
        window->SetViewMode(mode);
    UpdateActions();
}

void TFRMMainMDI::SetLanguage(const QString &path)
{
    languagePath_.clear();
    bool failed = false;
    if (path.isEmpty()) {
        Localizer().UnloadLanguage();
        WriteSetting(PRM_LANGUAGE_DLL_FILENAME, QString(), false);
    } else if (Localizer().LoadLanguage(path.toStdString())) {
        languagePath_ = path;
        WriteSetting(PRM_LANGUAGE_DLL_FILENAME, path, true);
    } else {
        WriteSetting(PRM_LANGUAGE_DLL_FILENAME, QString(), false);
        failed = true;
    }
    // Qt's buttons and dialogs follow, also for the error box below.
    PutQtTranslationsInForce();
    if (failed)
        DialogService::ShowMessage(this,
                                   Txt(kTxtError) + QStringLiteral("\n\n") + Txt(kTxtLanguageNotLoaded) +
                                       QLatin1Char('\n') + path,
                                   QMessageBox::Critical);
    ApplyTexts();
}

void TFRMMainMDI::SetTicketCountry(const QString &code)
{
    france_ = code.compare(QLatin1String("FR"), Qt::CaseInsensitive) == 0;
    WriteSetting(PRM_COUNTRY_TICKET, france_ ? QStringLiteral("FR") : QStringLiteral("ES"), true);
    PutTicketCountryInForce(france_);
    ApplyTexts();
}

void TFRMMainMDI::SetEdition(TGameEdition edition)
{
    SetEditionInForce(edition);
    SaveEdition(Parametres(), edition);
    UpdateActions();
}

QString TFRMMainMDI::LanguageFilePath(const char *fileName) const
{
    return ShellFilePath(fileName);
}

TFRMApuestas *TFRMMainMDI::NewCombinationWindow()
{
    auto *window = new TFRMApuestas(*this);
    QMdiSubWindow *subWindow = mdiArea_->addSubWindow(window);
    subWindow->installEventFilter(window);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    // Resizable so that the tickets can grow, but never maximized.
    subWindow->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    subWindow->setWindowIcon(ShellIcon(QStringLiteral("document-new")));
    connect(window, &TFRMApuestas::StateChanged, this, &TFRMMainMDI::UpdateActions);
    window->show();
    // A little larger than the smallest readable tickets, within the area.
    QSize size = subWindow->sizeHint() * 6 / 5;
    const QSize area = mdiArea_->viewport()->size();
    if (area.width() >= size.width() / 2 && area.height() >= size.height() / 2)
        size = size.boundedTo(area);
    subWindow->resize(size.expandedTo(subWindow->minimumSizeHint()));
    subWindow->move(CascadePosition(subWindow->size()));
    mdiArea_->setActiveSubWindow(subWindow);
    SetActiveCombinationWindow(window);
    UpdateActions();
    return window;
}

// Each new window one title bar below and right of the one before, starting
// again at the top left where the next step would leave the visible area.
QPoint TFRMMainMDI::CascadePosition(const QSize &size) const
{
    const QSize area = mdiArea_->viewport()->size();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 6;
    const int windows = static_cast<int>(mdiArea_->subWindowList().size()) - 1;
    const int fitting = std::max(
        1, std::min((area.width() - size.width()) / step + 1, (area.height() - size.height()) / step + 1));
    const int offset = (std::max(0, windows) % fitting) * step;
    return {offset, offset};
}

TFRMApuestas *TFRMMainMDI::FindCombinationWindow(const QString &path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    for (TFRMApuestas *window : CombinationWindows()) {
        const QString bound = QString::fromStdString(window->Combination().FileName());
        if (!bound.isEmpty() && QFileInfo(bound).canonicalFilePath() == wanted)
            return window;
    }
    return nullptr;
}

TFRMApuestas *TFRMMainMDI::OpenCombinationFile(const QString &path)
{
    if (TFRMApuestas *open = FindCombinationWindow(path)) {
        if (QMdiSubWindow *frame = qobject_cast<QMdiSubWindow *>(open->parentWidget())) {
            if (frame->isMinimized())
                frame->showNormal();
            mdiArea_->setActiveSubWindow(frame);
        }
        return open;
    }
    TFRMApuestas *window = NewCombinationWindow();
    try {
        window->LoadFromFile(path);
    } catch (...) {
        window->Release();
        throw;
    }
    return window;
}

QList<TFRMApuestas *> TFRMMainMDI::CombinationWindows() const
{
    QList<TFRMApuestas *> windows;
    for (QMdiSubWindow *subWindow : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (auto *window = qobject_cast<TFRMApuestas *>(subWindow->widget()))
            windows << window;
    return windows;
}

TFRMApuestas *TFRMMainMDI::ActiveCombinationWindow() const
{
    return active_;
}

void TFRMMainMDI::SetActiveCombinationWindow(TFRMApuestas *window)
{
    active_ = window;
    MergeMenusOf(window);
    UpdateActions();
}

void TFRMMainMDI::ForgetCombinationWindow(TFRMApuestas *window)
{
    if (merged_ == window)
        MergeMenusOf(nullptr);
    if (active_ == window)
        active_ = nullptr;
    UpdateActions();
}

void TFRMMainMDI::OnSubWindowActivated(QMdiSubWindow *subWindow)
{
    // A null activation only means the frame lost the focus; the last active
    // combination window stays the target of Save.
    if (!subWindow)
        return;
    if (auto *window = qobject_cast<TFRMApuestas *>(subWindow->widget()))
        SetActiveCombinationWindow(window);
}

// The active combination window's menus stand between Archivo and Ventana.
void TFRMMainMDI::MergeMenusOf(TFRMApuestas *window)
{
    if (merged_ == window)
        return;
    if (merged_)
        for (QMenu *menu : merged_->MergedMenus())
            menuBar()->removeAction(menu->menuAction());
    merged_ = window;
    if (window)
        for (QMenu *menu : window->MergedMenus())
            menuBar()->insertAction(MiVentana->menuAction(), menu->menuAction());
}

void TFRMMainMDI::UpdateActions()
{
    if (!ActGuardarCombinacion)
        return;
    const bool hasActive = !active_.isNull();
    ActGuardarCombinacion->setEnabled(hasActive && active_->IsModified());
    ActGuardarCombinacionComo->setEnabled(hasActive);
    const bool hasChildren = !mdiArea_->subWindowList().isEmpty();
    for (QAction *action : {ActCascada, ActHorizontal, ActVertical, ActMinimizatodos, ActAlineaTodos})
        action->setEnabled(hasChildren);
    ActVistaBoleto->setChecked(viewMode_ != 1);
    ActVistaNumeros->setChecked(viewMode_ == 1);
    // From the window's own state: reading a parameter would create it.
    MiBolEsp->setChecked(!france_);
    MiBolFrancia->setChecked(france_);
    MiJuegoClasico->setChecked(EditionInForce() == TGameEdition::Classic);
    MiJuegoActual->setChecked(EditionInForce() == TGameEdition::Current);
    const QString language = QFileInfo(languagePath_).fileName();
    MiSpanish->setChecked(language.isEmpty() || language == QLatin1String(kSpanishLanguageFile));
    MiEnglish->setChecked(language == QLatin1String(kEnglishLanguageFile));
    MiFrench->setChecked(language == QLatin1String(kFrenchLanguageFile));
}

void TFRMMainMDI::OpenCombination()
{
    const QString path =
        DialogService::OpenFileName(this, Txt(kTxtCombinationFileFilter), QStringLiteral("aem"));
    if (!path.isEmpty())
        OpenCombinationFile(path);
}

void TFRMMainMDI::SaveActive(bool saveAs)
{
    if (!active_)
        return;
    if (saveAs)
        active_->SaveAs();
    else
        active_->Save();
}

void TFRMMainMDI::RunNewCombination()
{
    if (ShellTools().newCombinationWizard)
        ShellTools().newCombinationWizard(*this);
    else
        NewCombinationWindow();
}

void TFRMMainMDI::OpenManual()
{
    const QString path = ManualFilePath(languagePath_);
    if (QFileInfo::exists(path)) {
        // The path can be selected and copied, to open it by other means.
        if (!DialogService::CanOpenExternal(QStringLiteral("pdf")) || !DialogService::OpenExternal(path))
            DialogService::ShowMessage(
                this, Txt(kTxtNoPdfViewer) + QLatin1Char('\n') + QDir::toNativeSeparators(path),
                QMessageBox::Warning, true);
        return;
    }
    const QString text = Txt(kTxtHelpFileMissing) + QLatin1Char('\n') + path + QStringLiteral("\n\n") +
                         Txt(kTxtHelpOnWebPage) + QLatin1Char('\n') + Txt(kTxtVisitWebPageQuestion);
    if (DialogService::Ask(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Information) ==
        QMessageBox::Yes)
        OpenOnlineHelp();
}

void TFRMMainMDI::OpenOnlineHelp()
{
    const QString address =
        ReadSettingText(PRM_WEBSITE_COMPRAR, QString::fromLatin1(PRM_WEBSITE_COMPRAR.Default));
    if (!DialogService::OpenExternal(address))
        DialogService::ShowMessage(this, Txt(kTxtCouldNotOpen) + QLatin1Char('\n') + address,
                                   QMessageBox::Warning);
}

// A refusal cancels the whole close: the windows that had answered must ask
// again when they are closed later.
bool TFRMMainMDI::MayCloseChildren()
{
    const QList<TFRMApuestas *> windows = CombinationWindows();
    for (TFRMApuestas *window : windows) {
        if (!window->CloseQuery()) {
            for (TFRMApuestas *answered : windows)
                answered->ForgetCloseAnswer();
            return false;
        }
    }
    return true;
}

void TFRMMainMDI::closeEvent(QCloseEvent *event)
{
    if (closing_) {
        event->accept();
        return;
    }
    if (!MayCloseChildren()) {
        event->ignore();
        return;
    }
    closing_ = true;
    const QList<TFRMApuestas *> windows = CombinationWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->Release();
    WriteSetting(PRM_SHOWLIKE_Boleto, viewMode_ == 0, true);
    SaveApplicationResources(this);
    event->accept();
}
