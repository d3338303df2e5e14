#include "framework/qor_app.h"

#include "framework/parametres.h"
#include "framework/program_path.h"
#include "framework/user_prompt.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

bool FileExists(const std::string &path)
{
    std::error_code error;
    return std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
}

std::string MessageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

} // namespace

TQORApp::TQORApp(TParametres &params)
    : AppFile(ProgramFilePath()), recursos_(std::make_unique<TRecursosQOR>(params)),
      components_(std::make_unique<TComponentsQOR>()), tree_(std::make_unique<TTreeQOR>())
{
}

// "Euro.exe" gives "Euro.zrk"; a program file without extension keeps its name.
std::string TQORApp::PathWithSuffix(const char *suffix) const
{
    std::filesystem::path path(AppFile);
    const std::string separate = SeparateDataFolder();
    const std::filesystem::path folder =
        separate.empty() ? path.parent_path() : std::filesystem::path(separate);
    return (folder / path.stem()).string() + suffix;
}

std::string TQORApp::ResourceFilePath() const
{
    return PathWithSuffix(".zrk");
}

std::string TQORApp::BackupFilePath() const
{
    return PathWithSuffix("_Seg.zrk");
}

void TQORApp::LoadAppResources()
{
    loadedFromBackup_ = false;
    backupMadeThisRun_ = false;
    const std::string main = ResourceFilePath();
    const std::string backup = BackupFilePath();
    if (!FileExists(main))
        return;
    try {
        recursos_->LoadFromFile(main);
        return;
    } catch (...) {
        // The main file's fault is not shown: the backup copy takes its place.
    }
    if (!FileExists(backup))
        return;
    try {
        recursos_->LoadFromFile(backup);
        loadedFromBackup_ = true;
    } catch (...) {
        ShowUserError(AppName,
                      "Imposible recuperar los recursos de la copia de seguridad\nMensaje de error:\n" +
                          MessageOf(std::current_exception()));
    }
}

// The current resource file becomes the backup before the new one is written.
// It is hard-linked to the backup name rather than renamed, so that the
// resource file itself never goes missing: the new file replaces it by an
// atomic rename. Where links are not possible it is renamed, as a last resort.
void TQORApp::RotateToBackup(bool &movedAway)
{
    const std::string main = ResourceFilePath();
    const std::string backup = BackupFilePath();
    movedAway = false;
    if (!FileExists(main))
        return;
    if (FileExists(backup) && std::remove(backup.c_str()) != 0)
        return;
    if (::linkat(AT_FDCWD, main.c_str(), AT_FDCWD, backup.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return;
    movedAway = std::rename(main.c_str(), backup.c_str()) == 0;
}

void TQORApp::SaveAppResources()
{
    bool movedAway = false;
    try {
        // A damaged resource file must not push out the good backup it was
        // recovered from.
        if (!loadedFromBackup_ && !backupMadeThisRun_)
            RotateToBackup(movedAway);
        recursos_->SaveToFile(ResourceFilePath());
        loadedFromBackup_ = false;
        backupMadeThisRun_ = true;
    } catch (...) {
        // A resource file renamed away comes back, so the settings of this
        // close are lost but those of the last one are not.
        if (movedAway && !FileExists(ResourceFilePath()))
            std::rename(BackupFilePath().c_str(), ResourceFilePath().c_str());
        ShowUserError(AppName,
                      "Error guardando recursos aplicación:\n" + MessageOf(std::current_exception()));
    }
}

TQORApp &QORApp()
{
    static TQORApp app(Parametres());
    return app;
}
