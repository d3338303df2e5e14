#pragma once

#include "draws/draw_import.h"
#include "framework/setting_keys.h"
#include "model/exception.h"
#include "model/game_rules.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TSorteosEuroMillon;

// Draw results fetched from the operator's site: where they are, and how a
// downloaded file is taken into an archive. The download itself is Qt
// Network's (draws/net); everything here works on the bytes it brought.

// The address of the results file, a zip holding the published history
// (euromillions_202002.csv), or a plain CSV of that form; PRM_URL_SORTEOS
// names another one.
inline constexpr const char *kUrlSorteos =
    "https://media.fdj.fr/static-draws/csv/euromillions/euromillions_202002.zip";
// Seconds without a byte from the server before a download is given up.
inline constexpr int kSorteosTimeoutSegundos = PRM_SORTEOS_TIMEOUT.Default;

// The addresses to try, in order: the configured one (kUrlSorteos when
// empty) and, when it is one of the operator's own, the other places the
// same file has been published at. Another address is tried alone: who
// points elsewhere means that place.
std::vector<std::string> DrawAddresses(const std::string &configured);

// A results file is well under 1 MB zipped and 300 KB as CSV; anything far
// bigger is not one and is refused before it fills the memory.
inline constexpr int64_t kMaxDescargaBytes = 20 * 1024 * 1024;
inline constexpr uint64_t kMaxCsvBytes = 32 * 1024 * 1024;

// Texts of the update (named for the places that raise or show them).
inline constexpr uint16_t kTextZipNoValido = 45459;    // "La descarga no es un archivo zip"
inline constexpr uint16_t kTextZipDanado = 45460;      // "El archivo zip está dañado o incompleto: %s"
inline constexpr uint16_t kTextZipSinCsv = 45461;      // "El archivo zip no contiene ningún archivo CSV"
inline constexpr uint16_t kTextPaginaHtml = 45462;     // "El servidor ha enviado una página web ..."
inline constexpr uint16_t kTextDescargaGrande = 45463; // "La descarga supera el tamaño máximo de %d MB"
inline constexpr uint16_t kTextOtroFormato = 45464;    // "El archivo no tiene el formato ...: %s"
inline constexpr uint16_t kTextSinSorteos = 45465;     // "El archivo no contiene ningún sorteo"
inline constexpr uint16_t kTextDescargaVacia = 45469;  // "La descarga está vacía"

// A download that cannot be taken; the archive is left as it was.
class EDescargaSorteosError : public Exception {
public:
    using Exception::Exception;
};

// Takes a downloaded results file into the archive: a zip (every CSV inside
// it, in the zip's order) or a plain CSV, read by the history import's
// rules (ImportHistory): draws of days held replace them, lines that
// cannot be read are listed and left out. origen names the download in the
// messages; a CSV is expected when its name ends in ".csv", a zip otherwise,
// but the bytes decide.
//
// Raises EDescargaSorteosError, changing nothing, for an empty download,
// one over kMaxDescargaBytes, a web page, bytes that are not a zip where a
// zip was expected, a damaged or truncated zip, a zip without a CSV or with
// one over kMaxCsvBytes, a CSV of another form (kTextOtroFormato with the
// reader's reason) and a CSV holding no draw line at all.
TImportReport ImportDownload(std::string_view datos, const std::string &origen, TSorteosEuroMillon &sorteos);

// The same on the archive file of the edition: loads it (a missing file is
// an empty archive), merges and saves it through the safe save. Any error
// leaves the file byte for byte as it was. total, when given, receives the
// number of draws the archive holds afterwards.
TImportReport ImportDownload(std::string_view datos, const std::string &origen,
                             const std::string &archivePath, TGameEdition edition, int *total = nullptr);

// Draws of the file that the archive did not take: lines that could not be
// read, draws whose stars the edition refuses and, in the classic game,
// draws of today's game.
int RefusedCount(const TImportReport &informe);

// "new=N replaced=R refused=F total=T".
std::string UpdateSummary(const TImportReport &informe, int total);

// Whether a check at start is worth it: the newest draw (0 for none) is
// more than 4 days before today.
bool SorteosAtrasados(double ultimoSorteo, double hoy);
