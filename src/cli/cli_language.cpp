#include "cli/cli_language.h"

#include "cli/cli_text_ids.h"

#include "framework/localize.h"
#include "framework/program_path.h"
#include "framework/user_language.h"
#include "model/format.h"

#include <cstdlib>
#include <iostream>

void PutCliLanguageInForce()
{
    const TUserLanguage language =
        LanguageFromEnvironment([](const char *name) { return std::getenv(name); });
    const std::string file(LanguageFileName(language));
    if (file.empty()) {
        Localizer().UnloadLanguage();
        return;
    }
    const std::string path = ProgramFolderPath(file);
    if (!Localizer().LoadLanguage(path))
        std::cerr << "qor-euromillon-cli: " << FormatText(GetText(kTxtCliLanguageFileUnreadable), {path})
                  << std::endl;
}
