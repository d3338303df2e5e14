#include "framework/program_path.h"

#include <filesystem>
#include <system_error>

namespace {

std::string &OverriddenPath()
{
    static std::string path;
    return path;
}

std::string RunningProgramPath()
{
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !path.empty())
        return path.string();
    // No /proc: act as a program file in the working folder.
    return (std::filesystem::current_path(error) / "qor-euromillon").string();
}

std::string &SeparateFolder()
{
    static std::string folder;
    return folder;
}

} // namespace

std::string ProgramFilePath()
{
    if (!OverriddenPath().empty())
        return OverriddenPath();
    static const std::string running = RunningProgramPath();
    return running;
}

std::string ProgramFolder()
{
    return std::filesystem::path(ProgramFilePath()).parent_path().string();
}

std::string ProgramFolderPath(const std::string &name)
{
    return (std::filesystem::path(ProgramFolder()) / name).string();
}

void SetProgramFilePath(const std::string &path)
{
    OverriddenPath() = path;
}

std::string DataFolder()
{
    return SeparateFolder().empty() ? ProgramFolder() : SeparateFolder();
}

std::string DataFolderPath(const std::string &name)
{
    return (std::filesystem::path(DataFolder()) / name).string();
}

void SetDataFolder(const std::string &folder)
{
    SeparateFolder() = folder;
}

std::string SeparateDataFolder()
{
    return SeparateFolder();
}
