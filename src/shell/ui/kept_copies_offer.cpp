#include "shell/ui/kept_copies_offer.h"

#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "model/format.h"
#include "model/kept_copies.h"
#include "shell/ui/shell_text_ids.h"

namespace {

QString Formatted(uint16_t id, std::initializer_list<FormatArg> args)
{
    return QString::fromStdString(FormatText(GetText(id), args));
}

} // namespace

void OfferKeptCopies(QWidget *parent)
{
    for (const TKeptCopy &kept : FindKeptCopies()) {
        const auto answer = DialogService::Ask(
            parent, Formatted(kTxtKeptCopyQuestion, {kept.TargetPath, kept.CopyPath}),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning);
        if (answer == QMessageBox::Yes) {
            try {
                RestoreKeptCopy(kept);
                DialogService::ShowMessage(parent, Formatted(kTxtKeptCopyRestored, {kept.TargetPath}));
            } catch (const std::exception &error) {
                DialogService::ShowError(parent, Formatted(kTxtKeptCopyNotRestored, {kept.TargetPath}) +
                                                     QLatin1Char('\n') +
                                                     QString::fromStdString(error.what()));
            }
        } else if (answer == QMessageBox::No) {
            DiscardKeptCopy(kept);
        }
    }
}
