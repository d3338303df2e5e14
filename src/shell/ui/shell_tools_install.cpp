#include "shell/ui/shell_tools.h"

<<<<<<< HEAD
<<<<<<< HEAD
#include "generator/ui/frm_garantia.h"
=======
#include "exchange/ui/frm_export.h"
#include "exchange/ui/frm_importar.h"
>>>>>>> issue-15
=======
#include "draws/ui/prizes_tool.h"
>>>>>>> issue-12

// Plugs each subsystem's windows into the shell's commands. One line per
// window; a command whose entry stays empty is disabled by its window.
void InstallShellTools()
{
    [[maybe_unused]] TShellTools &tools = ShellTools();
<<<<<<< HEAD
<<<<<<< HEAD
    tools.guarantee = ShowGuaranteeWindow;
=======
    tools.importBets = ShowImportWindow;
    tools.exportBets = ShowExportWindow;
>>>>>>> issue-15
=======
    tools.prizes = MostrarPremios;
>>>>>>> issue-12
}
