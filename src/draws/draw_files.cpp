#include "draws/draw_files.h"

#include "draws/draw.h"
#include "draws/draw_archive.h"
#include "draws/draw_history_import.h"
#include "framework/program_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace {

bool IsDrawFileName(const std::string &name)
{
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return extension == ".ems";
}

} // namespace

std::string CarpetaSorteos()
{
    return DataFolderPath("Sorteos");
}

const char *NombreArchivoSorteos(TGameEdition edition)
{
    return edition == TGameEdition::Current ? kNombreArchivoSorteosActual : kNombreArchivoSorteos;
}

std::string ArchivoSorteos(TGameEdition edition)
{
    return (std::filesystem::path(CarpetaSorteos()) / NombreArchivoSorteos(edition)).string();
}

std::vector<std::string> HistoryFiles(const std::string &carpeta)
{
    std::vector<std::string> paths;
    for (const char *name : {"euromillions.csv", "euromillions_2.csv", "euromillions_3.csv",
                             "euromillions_4.csv", "euromillions_201902.csv", "euromillions_202002.csv"})
        paths.push_back((std::filesystem::path(carpeta) / name).string());
    return paths;
}

std::vector<std::string> HistoryFiles()
{
    return HistoryFiles(ProgramFolderPath(kCarpetaHistorial));
}

void PrepararArchivoSorteos(TGameEdition edition, const std::string &archivo, const std::string &enviado,
                            const std::vector<std::string> &historiales)
{
    std::error_code error;
    if (edition != TGameEdition::Current || std::filesystem::exists(archivo, error))
        return;
    std::filesystem::create_directories(std::filesystem::path(archivo).parent_path(), error);
    if (!enviado.empty() && std::filesystem::is_regular_file(enviado, error) &&
        std::filesystem::copy_file(enviado, archivo, std::filesystem::copy_options::skip_existing, error))
        return;
    for (const std::string &historial : historiales)
        if (!std::filesystem::is_regular_file(historial, error))
            return;
    ImportHistoriesCsv(historiales, archivo, edition);
}

void PrepararArchivoSorteos(TGameEdition edition)
{
    if (edition != TGameEdition::Current)
        return;
    const std::string enviado =
        (std::filesystem::path(ProgramFolderPath("Sorteos")) / NombreArchivoSorteos(edition)).string();
    PrepararArchivoSorteos(edition, ArchivoSorteos(edition), enviado, HistoryFiles());
}

int ImportarSorteos(const std::string &carpetaSorteos, TGameEdition edition)
{
    std::string archivo = (std::filesystem::path(carpetaSorteos) / NombreArchivoSorteos(edition)).string();
    TSorteosEuroMillon sorteos(edition);
    sorteos.LoadFromFile(archivo);

    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(carpetaSorteos, error), end; !error && it != end;
         it.increment(error))
        if (IsDrawFileName(it->path().filename().string()))
            files.push_back(it->path().string());

    int count = 0;
    TSorteoEuroMillon sorteo(edition);
    for (const std::string &file : files) {
        try {
            sorteo.LoadFromFile(file);
        } catch (const EDrawEditionError &) {
            continue;
        }
        sorteos.AddSorteo(sorteo);
        ++count;
    }
    sorteos.SaveToFile(archivo);
    return count;
}

int ImportarSorteos()
{
    return ImportarSorteos(CarpetaSorteos());
}
