// A downloaded results file: a zip holding the published history, or the
// CSV itself, taken into an archive of today's game. Whatever it holds, an
// archive that refuses it keeps its draws.
#include "fuzz_harness.h"

#include "draws/draw_archive.h"
#include "draws/draw_update.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const char *const kCsv = "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;boule_"
                         "4;boule_5;etoile_1;etoile_2;"
                         "nombre_de_gagnant_au_rang1_en_europe;rapport_du_rang1\n"
                         "26040;MARDI;19/05/2026;12;20;45;38;2;5;2;0;0\n"
                         "26039;VENDREDI;15/05/2026;1;2;3;4;5;11;12;1;1000000,00\n";

// The seed zip, written by libzip as the operator's would be.
std::string Zip(const std::string &csv)
{
    const std::string path = (std::filesystem::temp_directory_path() / "qor-fuzz-seed.zip").string();
    int error = 0;
    zip_t *zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return {};
    zip_source_t *source = zip_source_buffer(zip, csv.data(), csv.size(), 0);
    if (!source || zip_file_add(zip, "euromillions_202002.csv", source, ZIP_FL_ENC_UTF_8) < 0 ||
        zip_close(zip) != 0) {
        zip_discard(zip);
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return bytes;
}

void FuzzAs(std::string_view data, const char *origen)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    TSorteoEuroMillonInfo held;
    held.FechaSorteo = 46000;
    held.ApuestaGanadora.Numeros = {1, 2, 3, 4, 5};
    held.ApuestaGanadora.Estrellas = {1, 2};
    sorteos.AddSorteo(held);
    try {
        const TImportReport informe = ImportDownload(data, origen, sorteos);
        FuzzCheck(informe.Leidos == informe.Resultado.Anadidos + informe.Resultado.Reemplazados,
                  "draws read that were neither added nor replaced");
        FuzzCheck(sorteos.Count() >= 1, "a download took draws away");
    } catch (const Exception &) {
        FuzzCheck(sorteos.Count() == 1 && sorteos.Sorteo(0).FechaSorteo == 46000,
                  "a refused download changed the archive");
        throw;
    }
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    return {Zip(kCsv), kCsv};
}

void FuzzOne(std::string_view data)
{
    try {
        FuzzAs(data, "https://example.invalid/euromillions_202002.zip");
    } catch (const Exception &) {
    }
    FuzzAs(data, "https://example.invalid/euromillions_202002.csv");
}
