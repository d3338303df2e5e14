#include "shell/ui/command_line_files.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/kept_copies_offer.h"
#include "shell/ui/settings_autosave.h"
#include "shell/ui/shell_settings.h"
#include "shell/ui/termination_close.h"
#include "widgets/dialog_service.h"

#include "framework/data_folder.h"
#include "framework/parametres.h"
#include "model/file_stream.h"
#include "model/program_random.h"
#include "model/separators.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char *argv[])
{
    IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QOR-EuroMillon"));

    // Before any window: the parameter store, the Spanish ticket and the
    // text separators in force, and the random generator seeded.
    Parametres();
    PutTicketCountryInForce(false);
    SetNumberSeparator(".");
    SetBlockSeparator("-");
    SeedProgramRandomFromClock();

    // A program folder the user cannot write to (a system-wide install)
    // sends the settings, the draw archive and the templates to the user's
    // own data folder.
    try {
        ChooseDataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    } catch (const std::exception &error) {
        DialogService::ShowError(nullptr, QString::fromStdString(error.what()));
    }

    TFRMMainMDI mainWindow;
    mainWindow.show();
    CloseOnTerminationRequest(mainWindow);
    // Settings reach the disk soon after they change, not only at close.
    TSettingsAutosave autosave;
    // Copies that a killed save left behind are named once the window is up.
    QTimer::singleShot(0, &mainWindow, [&mainWindow] { OfferKeptCopies(&mainWindow); });
    // Files named on the command line open once the main window is up, so
    // that an error box about one of them has the window behind it.
    const QStringList files = CommandLineFilePaths(QApplication::arguments());
    if (!files.isEmpty())
        QTimer::singleShot(0, &mainWindow, [&mainWindow, files] { OpenCommandLineFiles(mainWindow, files); });
    return app.exec();
}
