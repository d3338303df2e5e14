#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"

#include "framework/parametres.h"
#include "model/program_random.h"
#include "model/separators.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QOR-EuroMillon"));

    // Before any window: the parameter store, the Spanish ticket and the
    // text separators in force, and the random generator seeded.
    Parametres();
    PutTicketCountryInForce(false);
    SetNumberSeparator(".");
    SetBlockSeparator("-");
    SeedProgramRandomFromClock();

    TFRMMainMDI mainWindow;
    mainWindow.show();
    return app.exec();
}
