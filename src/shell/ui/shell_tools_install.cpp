#include "shell/ui/shell_tools.h"

<<<<<<< HEAD
#include "generator/ui/frm_garantia.h"
=======
#include "exchange/ui/frm_export.h"
#include "exchange/ui/frm_importar.h"
>>>>>>> issue-15

// Plugs each subsystem's windows into the shell's commands. One line per
// window; a command whose entry stays empty is disabled by its window.
void InstallShellTools()
{
    [[maybe_unused]] TShellTools &tools = ShellTools();
<<<<<<< HEAD
    tools.guarantee = ShowGuaranteeWindow;
=======
    tools.importBets = ShowImportWindow;
    tools.exportBets = ShowExportWindow;
>>>>>>> issue-15
}
