// The main window's actions, menus, tool bar and child window arrangement.
#include "shell/ui/frm_main_mdi.h"

#include "draws/ui/draws_text_ids.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/shell_icons.h"
#include "shell/ui/shell_settings.h"
#include "shell/ui/shell_text_ids.h"
#include "shell/ui/wallpaper.h"
#include "widgets/command_guard.h"
#include "widgets/texts.h"

#include <QActionGroup>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>

namespace {

QAction *NewAction(QObject *owner, const char *name)
{
    auto *action = new QAction(owner);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void SetTexts(QAction *action, uint16_t caption, uint16_t hint = 0)
{
    action->setText(Txt(caption));
    const QString tip = hint ? PlainTxt(hint) : QString();
    action->setStatusTip(tip);
    action->setToolTip(tip.isEmpty() ? PlainTxt(caption).trimmed() : tip);
}

// Qt's "[*]" placeholder is for the title bar only: in a list the modified
// window gets a visible mark instead.
QString ListedTitle(const QMdiSubWindow *child)
{
    const QWidget *content = child->widget();
    QString title = content ? content->windowTitle() : child->windowTitle();
    const bool modified = content ? content->isWindowModified() : child->isWindowModified();
    title.remove(QStringLiteral("[*]"));
    return modified ? title + QStringLiteral(" *") : title;
}

} // namespace

void TFRMMainMDI::CreateActions()
{
    auto guarded = [this](QAction *action, std::function<void()> command) {
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(this, command); });
    };

    ActNueva = NewAction(this, "ActNueva");
    ActNueva->setIcon(ShellIcon(QStringLiteral("document-new")));
    guarded(ActNueva, [this] { RunNewCombination(); });

    ActAbrirCombinacion = NewAction(this, "ActAbrirCombinacion");
    ActAbrirCombinacion->setIcon(ShellIcon(QStringLiteral("document-open")));
    ActAbrirCombinacion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    guarded(ActAbrirCombinacion, [this] { OpenCombination(); });

    ActGuardarCombinacion = NewAction(this, "ActGuardarCombinacion");
    ActGuardarCombinacion->setIcon(ShellIcon(QStringLiteral("document-save")));
    ActGuardarCombinacion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    guarded(ActGuardarCombinacion, [this] { SaveActive(false); });

    ActGuardarCombinacionComo = NewAction(this, "ActGuardarCombinacionComo");
    guarded(ActGuardarCombinacionComo, [this] { SaveActive(true); });

    viewGroup_ = new QActionGroup(this);
    ActVistaBoleto = NewAction(viewGroup_, "ActVistaBoleto");
    ActVistaNumeros = NewAction(viewGroup_, "ActVistaNumeros");
    for (QAction *action : {ActVistaBoleto, ActVistaNumeros})
        action->setCheckable(true);
    guarded(ActVistaBoleto, [this] { SetViewMode(0); });
    guarded(ActVistaNumeros, [this] { SetViewMode(1); });

    languageGroup_ = new QActionGroup(this);
    MiSpanish = NewAction(languageGroup_, "MiSpanish");
    MiEnglish = NewAction(languageGroup_, "MiEnglish");
    MiFrench = NewAction(languageGroup_, "MiFrench");
    for (QAction *action : {MiSpanish, MiEnglish, MiFrench})
        action->setCheckable(true);
    guarded(MiSpanish, [this] { SetLanguage(LanguageFilePath(kSpanishLanguageFile)); });
    guarded(MiEnglish, [this] { SetLanguage(LanguageFilePath(kEnglishLanguageFile)); });
    guarded(MiFrench, [this] { SetLanguage(LanguageFilePath(kFrenchLanguageFile)); });

    countryGroup_ = new QActionGroup(this);
    MiBolEsp = NewAction(countryGroup_, "MiBolEsp");
    MiBolFrancia = NewAction(countryGroup_, "MiBolFrancia");
    for (QAction *action : {MiBolEsp, MiBolFrancia})
        action->setCheckable(true);
    guarded(MiBolEsp, [this] { SetTicketCountry(QStringLiteral("ES")); });
    guarded(MiBolFrancia, [this] { SetTicketCountry(QStringLiteral("FR")); });

    editionGroup_ = new QActionGroup(this);
    MiJuegoClasico = NewAction(editionGroup_, "MiJuegoClasico");
    MiJuegoActual = NewAction(editionGroup_, "MiJuegoActual");
    for (QAction *action : {MiJuegoClasico, MiJuegoActual})
        action->setCheckable(true);
    guarded(MiJuegoClasico, [this] { SetEdition(TGameEdition::Classic); });
    guarded(MiJuegoActual, [this] { SetEdition(TGameEdition::Current); });

    ActFileExit = NewAction(this, "ActFileExit");
    connect(ActFileExit, &QAction::triggered, this, &QWidget::close);

    ActCascada = NewAction(this, "ActCascada");
    ActCascada->setIcon(ShellIcon(QStringLiteral("window-cascade")));
    connect(ActCascada, &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
    ActHorizontal = NewAction(this, "ActHorizontal");
    ActHorizontal->setIcon(ShellIcon(QStringLiteral("window-tile-horizontal")));
    connect(ActHorizontal, &QAction::triggered, this, [this] { TileSubWindows(Qt::Horizontal); });
    ActVertical = NewAction(this, "ActVertical");
    ActVertical->setIcon(ShellIcon(QStringLiteral("window-tile-vertical")));
    connect(ActVertical, &QAction::triggered, this, [this] { TileSubWindows(Qt::Vertical); });
    ActMinimizatodos = NewAction(this, "ActMinimizatodos");
    connect(ActMinimizatodos, &QAction::triggered, this, &TFRMMainMDI::MinimizeAll);
    ActAlineaTodos = NewAction(this, "ActAlineaTodos");
    connect(ActAlineaTodos, &QAction::triggered, this, &TFRMMainMDI::ArrangeMinimized);

    MiManual = NewAction(this, "MiManual");
    guarded(MiManual, [this] { OpenManual(); });
    MiAyudaonline = NewAction(this, "MiAyudaonline");
    guarded(MiAyudaonline, [this] { OpenOnlineHelp(); });
    CreateDrawActions();
}

void TFRMMainMDI::CreateMenus()
{
    auto newMenu = [this](QWidget *parent, const char *name) {
        auto *menu = new QMenu(parent);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    MiArchivo = newMenu(menuBar(), "MiArchivo");
    MiArchivo->addActions({ActNueva, ActAbrirCombinacion, ActGuardarCombinacion, ActGuardarCombinacionComo});
    MiArchivo->addSeparator();
    MiVista = newMenu(MiArchivo, "MiVista");
    MiVista->addActions({ActVistaBoleto, ActVistaNumeros});
    MiLanguage = newMenu(MiArchivo, "MiLanguage");
    MiLanguage->addActions({MiSpanish, MiEnglish, MiFrench});
    MiTipoBoleto = newMenu(MiArchivo, "MiTipoBoleto");
    MiTipoBoleto->addActions({MiBolEsp, MiBolFrancia});
    MiJuego = newMenu(MiArchivo, "MiJuego");
    MiJuego->addActions({MiJuegoClasico, MiJuegoActual});
    MiArchivo->addMenu(MiVista);
    MiArchivo->addMenu(MiLanguage);
    MiArchivo->addMenu(MiTipoBoleto);
    MiArchivo->addMenu(MiJuego);
    MiArchivo->addSeparator();
    MiArchivo->addActions({ActActualizarSorteos, ActBuscarSorteosAlIniciar, ActDireccionSorteos});
    MiArchivo->addSeparator();
    MiArchivo->addAction(ActFileExit);

    MiVentana = newMenu(menuBar(), "MiVentana");
    connect(MiVentana, &QMenu::aboutToShow, this, &TFRMMainMDI::RebuildWindowMenu);
    MiAyuda = newMenu(menuBar(), "MiAyuda");
    MiAyuda->addAction(MiManual);
    MiAyuda->addSeparator();
    MiAyuda->addAction(MiAyudaonline);

    menuBar()->addMenu(MiArchivo);
    menuBar()->addMenu(MiVentana);
    menuBar()->addMenu(MiAyuda);
    RebuildWindowMenu();
}

void TFRMMainMDI::CreateToolBar()
{
    ToolBar2 = addToolBar(QString());
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMovable(false);
    ToolBar2->addActions({ActNueva, ActAbrirCombinacion, ActGuardarCombinacion});
    ToolBar2->addSeparator();
    ToolBar2->addActions({ActCascada, ActHorizontal, ActVertical});
}

void TFRMMainMDI::ApplyTexts()
{
    SetTexts(ActNueva, kTxtNewCombination, kTxtNewCombinationHint);
    SetTexts(ActAbrirCombinacion, kTxtOpenCombination, kTxtOpenCombinationHint);
    SetTexts(ActGuardarCombinacion, kTxtSaveCombination, kTxtSaveCombinationHint);
    SetTexts(ActGuardarCombinacionComo, kTxtSaveCombinationAs, kTxtSaveCombinationAsHint);
    SetTexts(ActVistaBoleto, kTxtTicketView);
    SetTexts(ActVistaNumeros, kTxtEditingView);
    SetTexts(MiSpanish, kTxtSpanish);
    SetTexts(MiEnglish, kTxtEnglish);
    SetTexts(MiFrench, kTxtFrench);
    SetTexts(MiBolEsp, kTxtTicketSpain);
    SetTexts(MiBolFrancia, kTxtTicketFrance);
    SetTexts(MiJuegoClasico, kTxtClassicGame, kTxtGameChoiceHint);
    SetTexts(MiJuegoActual, kTxtCurrentGame, kTxtGameChoiceHint);
    SetTexts(ActFileExit, kTxtExitApplication, kTxtExitApplication);
    SetTexts(ActCascada, kTxtCascade);
    SetTexts(ActHorizontal, kTxtTileHorizontally);
    SetTexts(ActVertical, kTxtTileVertically);
    SetTexts(ActMinimizatodos, kTxtMinimizeAll);
    SetTexts(ActAlineaTodos, kTxtArrangeMinimized);
    SetTexts(MiManual, kTxtManuals);
    SetTexts(MiAyudaonline, kTxtOnlineHelp);
    SetTexts(ActActualizarSorteos, kTxtUpdateDraws, kTxtUpdateDrawsHint);
    SetTexts(ActBuscarSorteosAlIniciar, kTxtLookForDrawsAtStart, kTxtLookForDrawsAtStartHint);
    SetTexts(ActDireccionSorteos, kTxtDrawAddress, kTxtDrawAddressPrompt);
    MiArchivo->setTitle(Txt(kTxtMenuFile));
    MiVista->setTitle(Txt(kTxtMenuView));
    MiLanguage->setTitle(Txt(kTxtMenuLanguage));
    MiTipoBoleto->setTitle(Txt(kTxtMenuTicketType));
    MiJuego->setTitle(Txt(kTxtMenuGame));
    MiVentana->setTitle(Txt(kTxtMenuWindow));
    MiAyuda->setTitle(Txt(kTxtMenuHelp));
    ToolBar2->setWindowTitle(PlainTxt(kTxtMenuFile));
    for (TFRMApuestas *window : CombinationWindows())
        window->ApplyTexts();
    UpdateActions();
}

// The window menu: the arrangement commands, then one item per child window.
void TFRMMainMDI::RebuildWindowMenu()
{
    MiVentana->clear();
    MiVentana->addActions({ActCascada, ActHorizontal, ActVertical, ActMinimizatodos, ActAlineaTodos});
    windowListActions_.clear();
    const QList<QMdiSubWindow *> children = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (!children.isEmpty())
        MiVentana->addSeparator();
    for (qsizetype i = 0; i < children.size(); ++i) {
        QMdiSubWindow *child = children.at(i);
        QString title = ListedTitle(child);
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = MiVentana->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        item->setCheckable(true);
        item->setChecked(child->widget() == active_.data());
        connect(item, &QAction::triggered, this, [this, child] { mdiArea_->setActiveSubWindow(child); });
        windowListActions_ << item;
    }
    UpdateActions();
}

// Horizontal: full-width strips one above the other; vertical: side by side.
void TFRMMainMDI::TileSubWindows(Qt::Orientation orientation)
{
    QList<QMdiSubWindow *> children;
    for (QMdiSubWindow *child : mdiArea_->subWindowList(QMdiArea::StackingOrder))
        if (!child->isMinimized())
            children << child;
    if (children.isEmpty())
        return;
    const QRect area = mdiArea_->viewport()->rect();
    const int count = static_cast<int>(children.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *child = children.at(count - 1 - i); // the active one first
        child->showNormal();
        if (orientation == Qt::Horizontal) {
            const int height = area.height() / count;
            child->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            child->setGeometry(i * width, 0, width, area.height());
        }
    }
}

void TFRMMainMDI::MinimizeAll()
{
    const QList<QMdiSubWindow *> children = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        (*it)->showMinimized();
}

// Minimized windows in a row along the bottom edge, wrapping upwards.
void TFRMMainMDI::ArrangeMinimized()
{
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom();
    for (QMdiSubWindow *child : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized())
            continue;
        const QSize size = child->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        child->move(x, y - size.height() + 1);
        x += size.width();
    }
}
