#include "widgets/command_guard.h"

#include "framework/abort_error.h"
#include "model/exception.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QString>

#include <exception>
#include <new>

bool RunCommand(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const EAbort &) {
        // The user's Cancel: nothing to say.
    } catch (const Exception &error) {
        DialogService::ShowError(parent, QString::fromStdString(error.Message()));
    } catch (const std::bad_alloc &) {
        DialogService::ShowError(parent, Txt(kTxtOutOfMemory));
    } catch (const std::exception &error) {
        DialogService::ShowError(parent, QString::fromUtf8(error.what()));
    }
    return false;
}
