// Manual editing of the combination window: marks, storing edited bets,
// pending edits, and the questions before a combination is dropped.
#include "shell/ui/frm_apuestas.h"

#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/update_bracket.h"
#include "shell/ui/shell_text_ids.h"

#include <QFileInfo>

namespace {

QString Formatted(uint16_t id, int value)
{
    return QString::fromStdString(FormatText(GetText(id), {value}));
}

} // namespace

// Typing not yet committed (no focus change happened) counts as an edit.
void TFRMApuestas::CommitTyping()
{
    for (TControlEuroMillonApuesta *control : controls_)
        control->CommitFields();
}

int TFRMApuestas::ModifiedControlIndex() const
{
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->Modified())
            return static_cast<int>(i);
    return -1;
}

// Asked by a ticket control before a mark changes (mark: the wished state).
// The user's No leaves the mark as it was; the refusals are raised, and the
// control shows them and ends the click.
void TFRMApuestas::BeforeMark(TControlEuroMillonApuesta &control, bool &mark)
{
    const bool wished = mark;
    auto refuse = [&mark, wished] { mark = !wished; };
    if (!manualModifyAllowed_) {
        const QString question = Txt(kTxtManualEditNotAllowed) + QLatin1Char('\n') +
                                 Txt(kTxtManualEditBlank) + QLatin1Char('\n') + Txt(kTxtManualEditQuestion);
        if (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Information) != QMessageBox::Yes) {
            refuse();
            return;
        }
        SetManualModifyAllowed(true);
    }
    RefuseSecondPendingBet(control);
    if (control.BetIndex() > combination_->Count())
        throw Exception(GetText(kTxtMarkFirstBlankBet));
}

// Typing in numbers view: one bet at a time waits to be accepted, as in the
// ticket view; the key is refused and nothing typed anywhere is lost.
void TFRMApuestas::BeforeEdit(TControlEuroMillonApuesta &control)
{
    RefuseSecondPendingBet(control);
}

void TFRMApuestas::RefuseSecondPendingBet(const TControlEuroMillonApuesta &control) const
{
    for (TControlEuroMillonApuesta *other : controls_)
        if (other != &control && other->Modified())
            throw Exception(FormatText(GetText(kTxtConfirmBetChangesFirst), {other->BetIndex() + 1}));
}

bool TFRMApuestas::SettleBeforeChange()
{
    return SettlePendingEdits();
}

void TFRMApuestas::StoreControl(int index)
{
    TControlEuroMillonApuesta &control = *controls_.at(static_cast<size_t>(index));
    try {
        combination_->WorkingBet().Assign(control.ShownBet());
        combination_->Store(control.BetIndex());
    } catch (const Exception &error) {
        throw Exception(GetText(kTxtBetSaveError) + " (" + std::to_string(control.BetIndex() + 1) + ")\n\n" +
                        error.Message());
    }
    control.SetModified(false);
    UpdateActions();
}

// Asks about every control holding edits; false when the user cancelled.
bool TFRMApuestas::SettlePendingEdits()
{
    CommitTyping();
    if (ModifiedControlIndex() < 0)
        return true;
    bool cancelled = false;
    WithinUpdate(*combination_, [&] {
        for (size_t i = 0; i < controls_.size() && !cancelled; ++i) {
            if (!controls_[i]->Modified())
                continue;
            const QString question = Txt(kTxtAttentionHeading) + QLatin1Char('\n') +
                                     Formatted(kTxtBetEditedManually, controls_[i]->BetIndex() + 1) +
                                     QLatin1Char('\n') + Txt(kTxtSaveBetQuestion);
            switch (DialogService::Ask(this, question,
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                       QMessageBox::NoIcon)) {
            case QMessageBox::Yes:
                StoreControl(static_cast<int>(i));
                break;
            case QMessageBox::No:
                break;
            default:
                cancelled = true;
            }
        }
    });
    return !cancelled;
}

void TFRMApuestas::SaveModifiedBets()
{
    CommitTyping();
    WithinUpdate(*combination_, [&] {
        for (size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i]->Modified())
                StoreControl(static_cast<int>(i));
    });
}

void TFRMApuestas::CancelModifiedBets()
{
    Refresh();
}

bool TFRMApuestas::AskSave()
{
    if (!SettlePendingEdits())
        return false;
    if (!combination_->Modified())
        return true;
    const QString question =
        Txt(kTxtCombinationModified) + QStringLiteral("\n\n") + Txt(kTxtSaveCombinationQuestion);
    switch (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                               QMessageBox::Information,
                               QString(windowTitle()).remove(QStringLiteral("[*]")))) {
    case QMessageBox::Yes:
        // A save the user cancelled keeps the combination, and the window, open.
        return Save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TFRMApuestas::New()
{
    if (!AskSave())
        return;
    combination_->Clear();
    combination_->SetModified(false);
    GoToTicket(1);
    Refresh();
    emit StateChanged();
}

bool TFRMApuestas::Save()
{
    const std::string fileName = combination_->FileName();
    if (fileName.empty())
        return SaveAs();
    combination_->SaveToFile(fileName);
    setWindowModified(false);
    emit StateChanged();
    return true;
}

bool TFRMApuestas::SaveAs()
{
    const QString path =
        DialogService::SaveFileName(this, Txt(kTxtCombinationFileFilter), QStringLiteral("aem"),
                                    QString::fromStdString(combination_->FileName()));
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path)) {
        const QString question =
            Txt(kTxtFileExists) + QLatin1Char('\n') + path + QLatin1Char('\n') + Txt(kTxtSaveOverQuestion);
        if (DialogService::Ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) !=
            QMessageBox::Yes)
            return false;
    }
    combination_->SaveToFile(path.toStdString());
    setWindowModified(false);
    emit StateChanged();
    return true;
}
