#include "framework/data_folder.h"

#include "framework/localize.h"
#include "framework/program_path.h"

#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kTxtDataFolderNotCreated = 45900; // "No se puede crear la carpeta de datos del usuario:"
constexpr const char *kArchiveFolder = "Sorteos";
constexpr const char *kArchiveFile = "QOREuroMillonSorteos.emx";
constexpr const char *kTemplateFolders[] = {"Boletos", "Listados"};

std::function<bool(const std::string &)> &WritableCheck()
{
    static std::function<bool(const std::string &)> check;
    return check;
}

void CreateFolder(const fs::path &folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw std::runtime_error(GetText(kTxtDataFolderNotCreated) + "\n" + folder.string());
}

// A copy that fails (the shipped file unreadable) leaves the user without
// that file; the program works without it, so it is not an error.
void CopyIfMissing(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    if (fs::is_regular_file(from, error) && !fs::exists(to, error))
        fs::copy_file(from, to, fs::copy_options::skip_existing, error);
}

void SeedArchive(const fs::path &program, const fs::path &user)
{
    CreateFolder(user / kArchiveFolder);
    CopyIfMissing(program / kArchiveFolder / kArchiveFile, user / kArchiveFolder / kArchiveFile);
}

// Only a template folder the user does not have yet is seeded: templates the
// user deleted on purpose do not come back.
void SeedTemplates(const fs::path &program, const fs::path &user)
{
    for (const char *name : kTemplateFolders) {
        std::error_code error;
        if (fs::exists(user / name, error))
            continue;
        CreateFolder(user / name);
        for (fs::directory_iterator it(program / name, error), end; !error && it != end; it.increment(error))
            CopyIfMissing(it->path(), user / name / it->path().filename());
    }
}

} // namespace

bool FolderIsWritable(const std::string &folder)
{
    if (WritableCheck())
        return WritableCheck()(folder);
    return ::access(folder.c_str(), W_OK) == 0;
}

void SetFolderWritableCheckForTests(std::function<bool(const std::string &)> check)
{
    WritableCheck() = std::move(check);
}

std::string ChooseDataFolder(const std::string &userDataFolder)
{
    const std::string program = ProgramFolder();
    if (userDataFolder.empty() || FolderIsWritable(program)) {
        SetDataFolder(std::string());
        return program;
    }
    const fs::path user(userDataFolder);
    CreateFolder(user);
    SeedArchive(program, user);
    SeedTemplates(program, user);
    SetDataFolder(user.string());
    return user.string();
}
