#pragma once

#include "model/game_rules.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>

class QAction;
class QActionGroup;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TFRMApuestas;
class TMdiClientArea;

// The program's frame: a multiple-document window whose children are
// combination windows. It owns the program-wide language, ticket country and
// view mode that every combination window follows, and the game (edition)
// that new combinations follow, and saves the settings when it closes.
class TFRMMainMDI : public QMainWindow {
    Q_OBJECT

public:
    // Loads the application resources and applies the saved view mode,
    // language and ticket country.
    explicit TFRMMainMDI(QWidget *parent = nullptr);
    ~TFRMMainMDI() override;

    // The main window of the running program (the last one created), or null.
    static TFRMMainMDI *Instance();

    // 0 = ticket view, 1 = numbers view.
    uint8_t ViewMode() const { return viewMode_; }
    // Stores the mode and applies it to every open combination window.
    void SetViewMode(uint8_t mode);
    // Sets every caption and hint from the localizer, then asks every
    // combination window to reapply its own texts and layout.
    void ApplyTexts();
    // Loads a language file (empty path: the built-in texts); an error box
    // when it cannot be loaded. Remembers the path only after a good load.
    void SetLanguage(const QString &path);
    // "FR" (any letter case) selects France, anything else Spain.
    void SetTicketCountry(const QString &code);
    // Puts the game in force for the combinations created from now on (open
    // windows keep theirs) and stores it in the settings, marked for saving.
    void SetEdition(TGameEdition edition);

    // A new, empty combination window shown as a child.
    TFRMApuestas *NewCombinationWindow();
    // Opens a combination file in a new child window. Raises the load's
    // error, leaving no new window, when the file cannot be read.
    // A file open already only activates its window.
    TFRMApuestas *OpenCombinationFile(const QString &path);
    // The window bound to the file (compared by its real path), or null.
    TFRMApuestas *FindCombinationWindow(const QString &path) const;
    QList<TFRMApuestas *> CombinationWindows() const;
    TMdiClientArea *ClientArea() const { return mdiArea_; }

    // The combination window Save and Save As act on.
    TFRMApuestas *ActiveCombinationWindow() const;
    // Called by a combination window when it is activated / destroyed.
    void SetActiveCombinationWindow(TFRMApuestas *window);
    void ForgetCombinationWindow(TFRMApuestas *window);

    // Brings actions' enabled and checked states up to date.
    void UpdateActions();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void LoadSettings();
    void OpenCombination();
    void OpenManual();
    void OpenOnlineHelp();
    // Draw results from the Internet (frm_main_mdi_draws.cpp).
    void CreateDrawActions();
    void UpdateDraws();
    void StartDrawCheck();
    void SaveActive(bool saveAs);
    void RunNewCombination();
    void RebuildWindowMenu();
    void MergeMenusOf(TFRMApuestas *window);
    void OnSubWindowActivated(QMdiSubWindow *subWindow);
    void TileSubWindows(Qt::Orientation orientation);
    void MinimizeAll();
    void ArrangeMinimized();
    bool MayCloseChildren();
    QPoint CascadePosition(const QSize &size) const;
    QString LanguageFilePath(const char *fileName) const;

    uint8_t viewMode_ = 0;
    bool france_ = false;
    QString languagePath_; // empty: the built-in texts
    bool closing_ = false;
    TMdiClientArea *mdiArea_ = nullptr;
    QPointer<TFRMApuestas> active_;
    QPointer<TFRMApuestas> merged_;

    QMenu *MiArchivo = nullptr;
    QMenu *MiVista = nullptr;
    QMenu *MiLanguage = nullptr;
    QMenu *MiTipoBoleto = nullptr;
    QMenu *MiJuego = nullptr;
    QMenu *MiVentana = nullptr;
    QMenu *MiAyuda = nullptr;
    QToolBar *ToolBar2 = nullptr;

    QAction *ActNueva = nullptr;
    QAction *ActAbrirCombinacion = nullptr;
    QAction *ActGuardarCombinacion = nullptr;
    QAction *ActGuardarCombinacionComo = nullptr;
    QAction *ActVistaBoleto = nullptr;
    QAction *ActVistaNumeros = nullptr;
    QAction *MiSpanish = nullptr;
    QAction *MiEnglish = nullptr;
    QAction *MiFrench = nullptr;
    QAction *MiBolEsp = nullptr;
    QAction *MiBolFrancia = nullptr;
    QAction *MiJuegoClasico = nullptr;
    QAction *MiJuegoActual = nullptr;
    QAction *ActFileExit = nullptr;
    QAction *ActCascada = nullptr;
    QAction *ActHorizontal = nullptr;
    QAction *ActVertical = nullptr;
    QAction *ActMinimizatodos = nullptr;
    QAction *ActAlineaTodos = nullptr;
    QAction *MiManual = nullptr;
    QAction *MiAyudaonline = nullptr;
    QAction *ActActualizarSorteos = nullptr;
    QAction *ActBuscarSorteosAlIniciar = nullptr;
    QAction *ActDireccionSorteos = nullptr;
    QActionGroup *viewGroup_ = nullptr;
    QActionGroup *countryGroup_ = nullptr;
    QActionGroup *editionGroup_ = nullptr;
    QActionGroup *languageGroup_ = nullptr;
    QList<QAction *> windowListActions_;
};
