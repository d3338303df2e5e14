#include "draws/draw_update.h"

#include "draws/draw_archive.h"
#include "framework/localize.h"
#include "model/format.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>

namespace {

// The places the operator's file has been published at, newest first.
constexpr const char *kOfficialAddresses[] = {
    kUrlSorteos,
    "https://cdn-media.fdj.fr/static-draws/csv/euromillions/euromillions_202002.zip",
    "https://media.fdj.fr/static/csv/euromillions/euromillions_202002.zip",
    "https://cdn-media.fdj.fr/static/csv/euromillions/euromillions_202002.zip",
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

[[noreturn]] void Fail(uint16_t id, std::initializer_list<FormatArg> args = {})
{
    throw EDescargaSorteosError(FormatText(GetText(id), args));
}

bool IsZip(std::string_view datos)
{
    return datos.size() >= 4 && datos.substr(0, 2) == "PK";
}

// A web page where a file was expected: what a portal, a login or an error
// page of a proxy sends with status 200.
bool IsHtml(std::string_view datos)
{
    size_t start = datos.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (start < datos.size() && std::isspace(static_cast<unsigned char>(datos[start])))
        ++start;
    const std::string head = Lower(datos.substr(start, 512));
    return head.rfind("<!doctype html", 0) == 0 || head.rfind("<html", 0) == 0 ||
           head.rfind("<?xml", 0) == 0 || head.find("<html") != std::string::npos;
}

struct ZipCloser {
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
struct ZipFileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

std::string ZipErrorText(zip_error_t *error)
{
    const std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

struct TCsvEntry {
    std::string Nombre;
    std::string Texto;
};

// The CSV files of the zip, in its order. The consistency check reads the
// central directory against the local headers, so a zip cut short is told
// apart from one that merely ends oddly.
std::vector<TCsvEntry> CsvDelZip(std::string_view datos)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(datos.data(), datos.size(), 0, &error);
    if (!source)
        Fail(kTextZipDanado, {ZipErrorText(&error)});
    std::unique_ptr<zip_t, ZipCloser> zip(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!zip) {
        zip_source_free(source);
        Fail(kTextZipDanado, {ZipErrorText(&error)});
    }
    zip_error_fini(&error);

    std::vector<TCsvEntry> entries;
    uint64_t total = 0; // all the CSVs together: a zip of many is no way round the limit
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t info;
        zip_stat_init(&info);
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &info) != 0 || !info.name)
            Fail(kTextZipDanado, {zip_strerror(zip.get())});
        const std::string name = info.name;
        if (!EndsWith(Lower(name), ".csv"))
            continue;
        total += info.size;
        if ((info.valid & ZIP_STAT_SIZE) == 0 || info.size > kMaxCsvBytes || total > kMaxCsvBytes)
            Fail(kTextDescargaGrande, {static_cast<long long>(kMaxCsvBytes / (1024 * 1024))});
        std::unique_ptr<zip_file_t, ZipFileCloser> file(
            zip_fopen_index(zip.get(), static_cast<zip_uint64_t>(i), 0));
        if (!file)
            Fail(kTextZipDanado, {name + ": " + zip_strerror(zip.get())});
        std::string text(static_cast<size_t>(info.size), '\0');
        size_t done = 0;
        while (done < text.size()) {
            const zip_int64_t got = zip_fread(file.get(), text.data() + done, text.size() - done);
            if (got <= 0)
                Fail(kTextZipDanado,
                     {name + ": " + (got < 0 ? zip_file_strerror(file.get()) : "short read")});
            done += static_cast<size_t>(got);
        }
        // Reading to the end is what makes libzip check the CRC.
        char extra = 0;
        if (zip_fread(file.get(), &extra, 1) < 0)
            Fail(kTextZipDanado, {name + ": " + zip_file_strerror(file.get())});
        entries.push_back({name, std::move(text)});
    }
    if (entries.empty())
        Fail(kTextZipSinCsv);
    return entries;
}

std::string NombreDe(const std::string &origen)
{
    std::string name = origen.substr(0, origen.find_first_of("?#"));
    const size_t slash = name.find_last_of('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::vector<TSorteoEuroMillonInfo> Draws(const TSorteosEuroMillon &sorteos)
{
    std::vector<TSorteoEuroMillonInfo> draws;
    draws.reserve(static_cast<size_t>(sorteos.Count()));
    for (int i = 0; i < sorteos.Count(); ++i)
        draws.push_back(sorteos.Sorteo(i));
    return draws;
}

} // namespace

std::vector<std::string> DrawAddresses(const std::string &configured)
{
    const std::string first = configured.empty() ? std::string(kUrlSorteos) : configured;
    std::vector<std::string> addresses{first};
    if (std::find(std::begin(kOfficialAddresses), std::end(kOfficialAddresses), first) ==
        std::end(kOfficialAddresses))
        return addresses;
    for (const char *address : kOfficialAddresses)
        if (address != first)
            addresses.emplace_back(address);
    return addresses;
}

TImportReport ImportDownload(std::string_view datos, const std::string &origen, TSorteosEuroMillon &sorteos)
{
    if (datos.empty())
        Fail(kTextDescargaVacia);
    if (datos.size() > static_cast<size_t>(kMaxDescargaBytes))
        Fail(kTextDescargaGrande, {static_cast<long long>(kMaxDescargaBytes / (1024 * 1024))});

    std::vector<TCsvEntry> csvs;
    if (IsZip(datos))
        csvs = CsvDelZip(datos);
    else if (IsHtml(datos))
        Fail(kTextPaginaHtml);
    else if (!EndsWith(Lower(NombreDe(origen)), ".csv"))
        Fail(kTextZipNoValido);
    else
        csvs.push_back({NombreDe(origen), std::string(datos)});

    // Every CSV is read into a scratch copy first, so that the caller's
    // archive sees all of the download or none of it.
    TSorteosEuroMillon copia(sorteos.Edition());
    copia.AddSorteos(Draws(sorteos));
    TImportReport informe;
    for (const TCsvEntry &csv : csvs) {
        std::istringstream input(csv.Texto);
        try {
            ImportHistory(input, csv.Nombre, copia, informe);
        } catch (const Exception &error) {
            Fail(kTextOtroFormato, {error.Message()});
        }
    }
    if (informe.Leidos == 0 && RefusedCount(informe) == 0)
        Fail(kTextSinSorteos);
    if (informe.Leidos > 0) {
        sorteos.Clear();
        sorteos.AddSorteos(Draws(copia));
    }
    return informe;
}

TImportReport ImportDownload(std::string_view datos, const std::string &origen,
                             const std::string &archivePath, TGameEdition edition, int *total)
{
    TSorteosEuroMillon sorteos(edition);
    sorteos.LoadFromFile(archivePath);
    TImportReport informe = ImportDownload(datos, origen, sorteos);
    sorteos.SaveToFile(archivePath);
    if (total)
        *total = sorteos.Count();
    return informe;
}

int RefusedCount(const TImportReport &informe)
{
    return static_cast<int>(informe.Errores.size()) + informe.Resultado.Descartados +
           informe.Resultado.DelJuegoActual;
}

std::string UpdateSummary(const TImportReport &informe, int total)
{
    return "new=" + std::to_string(informe.Resultado.Anadidos) +
           " replaced=" + std::to_string(informe.Resultado.Reemplazados) +
           " refused=" + std::to_string(RefusedCount(informe)) + " total=" + std::to_string(total);
}

bool SorteosAtrasados(double ultimoSorteo, double hoy)
{
    return hoy - ultimoSorteo > 4;
}
