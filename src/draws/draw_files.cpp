#include "draws/draw_files.h"

#include "draws/draw.h"
#include "draws/draw_archive.h"
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

std::string ArchivoSorteos()
{
    return (std::filesystem::path(CarpetaSorteos()) / kNombreArchivoSorteos).string();
}

int ImportarSorteos(const std::string &carpetaSorteos)
{
    std::string archivo = (std::filesystem::path(carpetaSorteos) / kNombreArchivoSorteos).string();
    TSorteosEuroMillon sorteos;
    sorteos.LoadFromFile(archivo);

    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(carpetaSorteos, error), end; !error && it != end;
         it.increment(error))
        if (IsDrawFileName(it->path().filename().string()))
            files.push_back(it->path().string());

    int count = 0;
    TSorteoEuroMillon sorteo;
    for (const std::string &file : files) {
        sorteo.LoadFromFile(file);
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
