// The combination window's actions and menus, and the commands behind them.
#include "shell/ui/frm_apuestas.h"

#include "model/ticket_tables.h"
#include "shell/ui/bet_check.h"
#include "shell/ui/frm_del_apuestas.h"
#include "shell/ui/shell_icons.h"
#include "shell/ui/shell_settings.h"
#include "shell/ui/shell_tools.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include "generator/genera_comb.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/program_random.h"
#include "shell/ui/shell_text_ids.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

// Puts an edition in force for a while: the windows opened on a combination
// (the generator, the prizes, the guarantee, printing, import, export) build
// their selections and bets in the edition in force, which must be the game
// of the combination they work on.
class TEditionInForceScope {
public:
    explicit TEditionInForceScope(TGameEdition edition) : previous_(EditionInForce())
    {
        SetEditionInForce(edition);
    }
    ~TEditionInForceScope() { SetEditionInForce(previous_); }
    TEditionInForceScope(const TEditionInForceScope &) = delete;
    TEditionInForceScope &operator=(const TEditionInForceScope &) = delete;

private:
    TGameEdition previous_;
};

void SetTexts(QAction *action, uint16_t caption, uint16_t hint)
{
    const QString tip = hint ? PlainTxt(hint) : QString();
    if (caption)
        action->setText(Txt(caption));
    action->setStatusTip(tip);
    action->setToolTip(tip.isEmpty() ? WithoutMnemonic(action->text()) : tip);
}

} // namespace

void TFRMApuestas::CreateActions()
{
    auto add = [this](const char *name, std::function<void()> command, const char *icon = nullptr) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        if (icon)
            action->setIcon(ShellIcon(QString::fromLatin1(icon)));
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(this, command); });
        return action;
    };
    ActAddApuestaAleatoria = add("ActAddApuestaAleatoria", [this] { AddRandomBet(); });
    ActGenerarCombinacion = add("ActGenerarCombinacion", [this] { Generate(); });
    ActAllowManualModify =
        add("ActAllowManualModify", [this] { SetManualModifyAllowed(!manualModifyAllowed_); });
    ActAllowManualModify->setCheckable(true);
    ActAllowManualModify->setShortcut(QKeySequence(Qt::Key_F5));
    ActNueva = add("ActNueva", [this] { New(); });
    ActDelApuestas = add("ActDelApuestas", [this] { DeleteBets(); });
    ActSaveModifiedApuestas = add("ActSaveModifiedApuestas", [this] { SaveModifiedBets(); });
    ActCancelModifiedApuestas = add("ActCancelModifiedApuestas", [this] { CancelModifiedBets(); });
    ActImport = add("ActImport", [this] {
        if (SettleBeforeChange())
            RunTool(ShellTools().importBets);
    });
    ActExport = add("ActExport", [this] { RunTool(ShellTools().exportBets); });
    ActPremios = add("ActPremios", [this] { RunTool(ShellTools().prizes); });
    ActGarantia = add("ActGarantia", [this] { RunTool(ShellTools().guarantee); });
    MiCerrarAplicacion = new QAction(this);
    MiCerrarAplicacion->setObjectName(QStringLiteral("MiCerrarAplicacion"));
    connect(MiCerrarAplicacion, &QAction::triggered, this, [this] {
        if (QWidget *frame = parentWidget())
            frame->close();
        else
            close();
    });
    ActImprimirBoletos = add("ActImprimirBoletos", [this] { RunTool(ShellTools().printTickets); });
    ActImprimirListado = add("ActImprimirListado", [this] { RunTool(ShellTools().printListing); });

    ActFirst = add(
        "ActFirst", [this] { GoToTicket(1); }, "go-first");
    ActPrior = add(
        "ActPrior", [this] { GoToTicket(currentTicket_ - 1); }, "go-previous");
    ActNext = add(
        "ActNext", [this] { GoToTicket(currentTicket_ + 1); }, "go-next");
    ActLast = add(
        "ActLast", [this] { GoToTicket(TicketOfBet(combination_->Count())); }, "go-last");
    ActIrABoleto = add("ActIrABoleto", [this] { AskTicketAndGo(); });
    // Paging from the keyboard anywhere in the window, also while a number
    // field has the focus.
    ActFirst->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    ActPrior->setShortcut(QKeySequence(Qt::Key_PageUp));
    ActNext->setShortcut(QKeySequence(Qt::Key_PageDown));
    ActLast->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
    ActIrABoleto->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    for (QAction *action : {ActFirst, ActPrior, ActNext, ActLast, ActIrABoleto, ActAllowManualModify}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    ActSaveModifiedApuestas_NC = add(
        "ActSaveModifiedApuestas_NC", [this] { SaveModifiedBets(); }, "dialog-ok-apply");
    ActCancelModifiedApuestas_NC = add(
        "ActCancelModifiedApuestas_NC", [this] { CancelModifiedBets(); }, "dialog-cancel");
    ActAddApuestaAleatoria_NC = add(
        "ActAddApuestaAleatoria_NC", [this] { AddRandomBet(); }, "media-playlist-shuffle");
    ActGenerarCombinacion_NC = add(
        "ActGenerarCombinacion_NC", [this] { Generate(); }, "system-run");
    ActAddApuestaAleatoria->setIcon(ActAddApuestaAleatoria_NC->icon());
    ActGenerarCombinacion->setIcon(ActGenerarCombinacion_NC->icon());
    ActSaveModifiedApuestas->setIcon(ActSaveModifiedApuestas_NC->icon());
    ActCancelModifiedApuestas->setIcon(ActCancelModifiedApuestas_NC->icon());
    ActNueva->setIcon(ShellIcon(QStringLiteral("document-new")));
    ActDelApuestas->setIcon(ShellIcon(QStringLiteral("edit-delete")));
    ActImprimirBoletos->setIcon(ShellIcon(QStringLiteral("document-print")));
}

void TFRMApuestas::CreateMenus()
{
    MiCombinacion = new QMenu(this);
    MiCombinacion->setObjectName(QStringLiteral("MiCombinacion"));
    MiCombinacion->addActions({ActAddApuestaAleatoria, ActGenerarCombinacion});
    MiCombinacion->addSeparator();
    MiCombinacion->addActions({ActAllowManualModify, ActNueva, ActDelApuestas, ActIrABoleto});
    MiCombinacion->addSeparator();
    MiCombinacion->addActions({ActSaveModifiedApuestas, ActCancelModifiedApuestas});
    MiCombinacion->addSeparator();
    MiCombinacion->addActions({ActImport, ActExport});
    MiCombinacion->addSeparator();
    MiCombinacion->addActions({ActPremios, ActGarantia});
    MiCombinacion->addSeparator();
    MiCombinacion->addAction(MiCerrarAplicacion);

    MiImprimir = new QMenu(this);
    MiImprimir->setObjectName(QStringLiteral("MiImprimir"));
    MiImprimir->addActions({ActImprimirBoletos, ActImprimirListado});
}

QList<QMenu *> TFRMApuestas::MergedMenus() const
{
    return {MiCombinacion, MiImprimir};
}

void TFRMApuestas::ApplyTexts()
{
    MiCombinacion->setTitle(Txt(kTxtMenuCombination));
    SetTexts(ActAddApuestaAleatoria, kTxtAddRandomBet, kTxtAddRandomBetHint);
    SetTexts(ActGenerarCombinacion, kTxtGenerateCombination, kTxtGenerateCombinationHint);
    SetTexts(ActAllowManualModify, kTxtManualEdit, kTxtManualEditHint);
    SetTexts(ActNueva, kTxtNewCombination, kTxtNewCombinationHint);
    SetTexts(ActDelApuestas, kTxtDeleteBets, kTxtDeleteBetsHint);
    SetTexts(ActSaveModifiedApuestas, kTxtSaveEditedBets, kTxtSaveEditedBetsHint);
    SetTexts(ActCancelModifiedApuestas, kTxtCancelEditedBets, kTxtCancelEditedBetsHint);
    SetTexts(ActImport, kTxtImport, kTxtImportHint);
    SetTexts(ActExport, kTxtExport, kTxtExportHint);
    SetTexts(ActPremios, kTxtPrizes, kTxtPrizesHint);
    SetTexts(ActGarantia, kTxtGuaranteeCommand, kTxtGuaranteeCommandHint);
    // It closes this window only; 41105 is the main window's "close the application".
    MiCerrarAplicacion->setText(Txt(kTxtCloseCombinationWindow));
    MiImprimir->setTitle(Txt(kTxtMenuPrint));
    SetTexts(ActImprimirBoletos, kTxtPrintTickets, kTxtPrintTicketsHint);
    SetTexts(ActImprimirListado, kTxtPrintListing, 0);
    SetTexts(ActFirst, 0, kTxtFirstTicket);
    SetTexts(ActPrior, 0, kTxtPriorTicket);
    SetTexts(ActNext, 0, kTxtNextTicket);
    SetTexts(ActLast, 0, kTxtLastTicket);
    SetTexts(ActIrABoleto, kTxtGoToTicket, kTxtGoToTicketHint);
    SetTexts(ActSaveModifiedApuestas_NC, 0, kTxtSaveEditedBetsHint);
    SetTexts(ActCancelModifiedApuestas_NC, 0, kTxtCancelEditedBetsHint);
    SetTexts(ActAddApuestaAleatoria_NC, 0, kTxtAddRandomBetHint);
    SetTexts(ActGenerarCombinacion_NC, 0, kTxtGenerateCombinationHint);

    lNombreCombinacion->setText(Txt(kTxtCombinationNameLabel));
    sbNombreCombinacion->setToolTip(Txt(kTxtRenameCombination));
    sbNombreCombinacion->setStatusTip(Txt(kTxtRenameCombination));
    lTotalApuestas->setText(Txt(kTxtTotalBets));
    lBoleto->setText(Txt(kTxtTicketsLabel));
    ApplyEdition();
    UpdateTitle();

    // The ticket tables may have changed with the texts: page and lay out again.
    for (TControlEuroMillonApuesta *control : controls_)
        control->Relayout();
    Refresh();
}

void TFRMApuestas::UpdateActions()
{
    if (!ActFirst)
        return;
    const int count = combination_->Count();
    const bool hasBets = count > 0;
    const bool pending = ModifiedControlIndex() >= 0;
    const int lastTicket = TicketOfBet(count);
    ActFirst->setEnabled(currentTicket_ > 1);
    ActPrior->setEnabled(currentTicket_ > 1);
    ActNext->setEnabled(hasBets && (currentTicket_ < lastTicket || count % BetsPerTicket() == 0));
    ActLast->setEnabled(currentTicket_ < lastTicket);
    // A command whose window is not part of the program stays disabled.
    const TShellTools &tools = ShellTools();
    ActDelApuestas->setEnabled(hasBets);
    ActExport->setEnabled(hasBets && static_cast<bool>(tools.exportBets));
    ActPremios->setEnabled(hasBets && static_cast<bool>(tools.prizes));
    ActGarantia->setEnabled(hasBets && static_cast<bool>(tools.guarantee));
    ActImprimirBoletos->setEnabled(hasBets && static_cast<bool>(tools.printTickets));
    ActImprimirListado->setEnabled(hasBets && static_cast<bool>(tools.printListing));
    ActImport->setEnabled(static_cast<bool>(tools.importBets));
    ActGenerarCombinacion->setEnabled(static_cast<bool>(tools.generator));
    ActGenerarCombinacion_NC->setEnabled(static_cast<bool>(tools.generator));
    ActIrABoleto->setEnabled(hasBets);
    for (QAction *action : {ActSaveModifiedApuestas, ActCancelModifiedApuestas, ActSaveModifiedApuestas_NC,
                            ActCancelModifiedApuestas_NC})
        action->setEnabled(pending);
    ActAllowManualModify->setChecked(manualModifyAllowed_);
    setWindowModified(combination_->Modified());
    emit StateChanged();
}

void TFRMApuestas::AddRandomBet()
{
    if (!SettleBeforeChange())
        return;
    TEuroMillonApuesta &bet = combination_->WorkingBet();
    bet.Clear();
    for (int block = 1; block <= 2; ++block) {
        const int32_t lowest = kLowestValue[block];
        const int32_t highest =
            block == kBlockStars ? GameRules(combination_->Edition()).HighestStar : kHighestValue[block];
        const int32_t needed = kValuesPerBet[block];
        while (bet.Block(block).Count() < needed)
            bet.Block(block).Add(lowest + RandomUpTo(highest - lowest));
    }
    combination_->Store(-1);
    GoToTicket(TicketOfBet(combination_->Count()));
}

void TFRMApuestas::Rename()
{
    QString name = QString::fromStdString(combination_->Name());
    if (DialogService::InputText(this, Txt(kTxtCombinationNameTitle), Txt(kTxtEnterNewName), name))
        combination_->SetName(name.toStdString());
}

void TFRMApuestas::DeleteBets()
{
    if (!SettleBeforeChange())
        return;
    TFRMDelApuestas dialog(this);
    dialog.SetCombination(*combination_);
    dialog.exec();
}

void TFRMApuestas::Generate()
{
    if (!ShellTools().generator || !SettleBeforeChange())
        return;
    std::unique_ptr<TEuroMillonGeneraComb> generation;
    {
        const TEditionInForceScope edition(combination_->Edition());
        generation = ShellTools().generator(this);
    }
    if (!generation)
        return;
    TEuroMillonApuestas &generated = generation->Apuestas();
    // Bets of the other game would lose stars or hold ones this game lacks.
    CheckSameEdition(generated, *combination_);
    const QString question = QString::fromStdString(FormatText(
                                 GetText(kTxtBetsToInsert), {CountText(generated.Count()).toStdString()})) +
                             QLatin1Char('\n') + Txt(kTxtContinueQuestion);
    if (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Information) !=
        QMessageBox::Yes)
        return;
    // Generated bets are complete simple bets: taken as they stand, in one
    // block (millions take seconds, not a check per bet), and moved rather
    // than copied into an empty combination, so the whole game is held once.
    TBusyCursor busy;
    combination_->TakeBets(generated);
}

void TFRMApuestas::AskTicketAndGo()
{
    const int count = TicketCount();
    if (count == 0)
        return;
    QString answer = QString::number(currentTicket_);
    if (!DialogService::InputText(
            this, Txt(kTxtGoToTicketTitle),
            QString::fromStdString(FormatText(GetText(kTxtTicketNumberPrompt), {count})), answer))
        return;
    bool ok = false;
    const int ticket = answer.trimmed().toInt(&ok);
    if (!ok || ticket < 1 || ticket > count)
        throw Exception(FormatText(GetText(kTxtTicketNumberOutOfRange), {count}));
    GoToTicket(ticket);
}

// A window working on the combination works in its game: its selections,
// its draw archive and anything new it makes follow the combination's edition.
void TFRMApuestas::RunTool(const std::function<void(QWidget *, TEuroMillonApuestas &)> &tool)
{
    if (!tool)
        return;
    const TEditionInForceScope edition(combination_->Edition());
    tool(this, *combination_);
}
