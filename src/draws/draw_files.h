#pragma once

#include "model/game_rules.h"

#include <string>
#include <vector>

// The archive file's name inside the draws folder: the classic game's, and
// today's game's beside it.
inline constexpr const char *kNombreArchivoSorteos = "QOREuroMillonSorteos.emx";
inline constexpr const char *kNombreArchivoSorteosActual = "QOREuroMillonSorteosActual.emx";
const char *NombreArchivoSorteos(TGameEdition edition);

// The draw archive of the program: the "Sorteos" folder of the data folder
// (beside the program file unless that folder is read-only), and in it
// QOREuroMillonSorteos.emx (QOREuroMillonSorteosActual.emx for today's game).
std::string CarpetaSorteos();
std::string ArchivoSorteos(TGameEdition edition = TGameEdition::Classic);

// The published draw histories shipped with the program ("Historial" beside
// it): the French operator's six files, which together hold every draw from
// 13 February 2004 to 19 May 2026 with its prizes, oldest file first.
inline constexpr const char *kCarpetaHistorial = "Historial";
std::vector<std::string> HistoryFiles(const std::string &carpeta);
std::vector<std::string> HistoryFiles();

// Makes sure today's game has its archive: when the data folder holds none,
// the archive shipped beside the program is copied, or, failing that, one is
// made from the shipped histories. Errors of the histories propagate; nothing
// is done for the classic game, nor when the archive is there.
void PrepararArchivoSorteos(TGameEdition edition);
void PrepararArchivoSorteos(TGameEdition edition, const std::string &archivo, const std::string &enviado,
                            const std::vector<std::string> &historiales);

// Merges every draw file ("*.ems") of the edition in the draws folder into the
// edition's archive file of that folder, in the order the folder lists them; a
// draw file of a day already held overwrites that day's draw. Draw files of
// the other edition belong to the other archive and are passed over. Returns
// how many draw files were read. The archive file is rewritten also when
// there was none; a missing folder holds no draw files. Stops at the first
// error (a foreign file or a folder named like a draw file) and then leaves
// the archive file untouched.
int ImportarSorteos(const std::string &carpetaSorteos, TGameEdition edition = TGameEdition::Classic);
int ImportarSorteos();
