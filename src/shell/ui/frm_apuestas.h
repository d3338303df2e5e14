#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class TControlEuroMillonApuesta;
class TEuroMillonApuestas;
class TFRMMainMDI;

// The child window that shows and edits one combination, one ticket of bet
// controls at a time. It owns its combination for its whole life; the other
// windows that work on the combination are opened from here, modally.
class TFRMApuestas : public QWidget {
    Q_OBJECT

public:
    // Creates an empty combination shown on ticket 1, in the main window's
    // view mode, with the texts in force.
    explicit TFRMApuestas(TFRMMainMDI &mainWindow);
    ~TFRMApuestas() override;

    TEuroMillonApuestas &Combination() { return *combination_; }
    bool IsModified() const;
    uint8_t ViewMode() const { return viewMode_; }
    int CurrentTicket() const { return currentTicket_; }
    int TicketCount() const;
    bool ManualModifyAllowed() const { return manualModifyAllowed_; }
    void SetManualModifyAllowed(bool allowed);
    const std::vector<TControlEuroMillonApuesta *> &TicketControls() const { return controls_; }

    // Loads the combination from a file on a worker thread, with a busy
    // cursor and, past a second, a progress dialog whose Cancel ends the load
    // silently (EAbort). Errors are raised (an incomplete bet fails with the
    // bet check's message); the combination changes only on success, and then
    // takes the file's game (edition), which the window shows.
    void LoadFromFile(const QString &path);
    // Save: to the bound file, else as Save As. Save As: asks for the file
    // (and before replacing an existing one). False when the user cancelled.
    bool Save();
    bool SaveAs();
    // Settles pending edits, then asks about an unsaved combination. False
    // when the user cancelled (or a save did not happen).
    bool AskSave();
    // The close query the main window runs before closing everything. Its
    // answer lets the window close without asking again, until the main
    // window tells that its close did not go through (ForgetCloseAnswer).
    bool CloseQuery();
    void ForgetCloseAnswer() { closeAnswered_ = false; }
    // Removes the window at once without asking. Never call it from the
    // window's own event handlers.
    void Release();

    void ApplyTexts();
    void SetViewMode(uint8_t mode);
    void GoToTicket(int ticket);
    // Asks for a ticket number and goes there.
    void AskTicketAndGo();
    void Refresh();
    // The menus merged into the main window's menu bar while this window is active.
    QList<QMenu *> MergedMenus() const;

    // Commands (errors are raised; the menu handlers show them).
    void New();
    void AddRandomBet();
    void Rename();
    void SaveModifiedBets();
    void CancelModifiedBets();
    void DeleteBets();
    void Generate();
    // Stores the bet of ticket control i at its position.
    void StoreControl(int index);

signals:
    // The combination, its modified flag or a control's pending edits changed.
    void StateChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    QFrame *BuildTopPanel();
    QFrame *BuildTicketPanel();
    QFrame *BuildBottomPanel();
    void CreateActions();
    void CreateMenus();
    void UpdateActions();
    void UpdateTitle();
    void UpdateTotals();
    // The controls and the game label follow the combination's edition.
    void ApplyEdition();
    void OnCombinationChanged();
    // Settles pending edits before a command that changes the bets; false
    // when the user cancelled.
    bool SettleBeforeChange();
    void BeforeMark(TControlEuroMillonApuesta &control, bool &mark);
    void BeforeEdit(TControlEuroMillonApuesta &control);
    void RefuseSecondPendingBet(const TControlEuroMillonApuesta &control) const;
    bool SettlePendingEdits();
    void CommitTyping();
    int BetsPerTicket() const;
    int ModifiedControlIndex() const;
    QMdiSubWindow *SubWindow() const;
    void RunTool(const std::function<void(QWidget *, TEuroMillonApuestas &)> &tool);

    TFRMMainMDI &main_;
    std::unique_ptr<TEuroMillonApuestas> combination_;
    std::vector<TControlEuroMillonApuesta *> controls_;
    int currentTicket_ = 0;
    bool manualModifyAllowed_ = false;
    uint8_t viewMode_ = 0;
    bool closeAnswered_ = false;

    QFrame *pnlTop = nullptr;
    QLabel *lNombreCombinacion = nullptr;
    QLabel *lblNombreCombinacion = nullptr;
    QToolButton *sbNombreCombinacion = nullptr;
    QLabel *lTotalApuestas = nullptr;
    QLabel *lblTotalApuestas = nullptr;
    QLabel *lBoleto = nullptr;
    QLabel *lblNBoleto = nullptr;
    QLabel *lJuego = nullptr;
    QLabel *lblJuego = nullptr;
    QFrame *pnlBoleto = nullptr;
    std::vector<QLabel *> positionLabels_;
    QFrame *pnlBottom = nullptr;

    QMenu *MiCombinacion = nullptr;
    QMenu *MiImprimir = nullptr;
    QAction *ActAddApuestaAleatoria = nullptr;
    QAction *ActGenerarCombinacion = nullptr;
    QAction *ActAllowManualModify = nullptr;
    QAction *ActNueva = nullptr;
    QAction *ActDelApuestas = nullptr;
    QAction *ActSaveModifiedApuestas = nullptr;
    QAction *ActCancelModifiedApuestas = nullptr;
    QAction *ActImport = nullptr;
    QAction *ActExport = nullptr;
    QAction *ActPremios = nullptr;
    QAction *ActGarantia = nullptr;
    QAction *MiCerrarAplicacion = nullptr;
    QAction *ActImprimirBoletos = nullptr;
    QAction *ActImprimirListado = nullptr;
    QAction *ActFirst = nullptr;
    QAction *ActPrior = nullptr;
    QAction *ActNext = nullptr;
    QAction *ActLast = nullptr;
    QAction *ActIrABoleto = nullptr;
    QAction *ActSaveModifiedApuestas_NC = nullptr;
    QAction *ActCancelModifiedApuestas_NC = nullptr;
    QAction *ActAddApuestaAleatoria_NC = nullptr;
    QAction *ActGenerarCombinacion_NC = nullptr;
};
