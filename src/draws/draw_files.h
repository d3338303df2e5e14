#pragma once

#include <string>

// The archive file's name inside the draws folder.
inline constexpr const char *kNombreArchivoSorteos = "QOREuroMillonSorteos.emx";

// The draw archive of the program: the "Sorteos" folder of the data folder
// (beside the program file unless that folder is read-only), and in it
// QOREuroMillonSorteos.emx.
std::string CarpetaSorteos();
std::string ArchivoSorteos();

// Merges every draw file ("*.ems") of the draws folder into the archive file
// of that folder, in the order the folder lists them; a draw file of a day
// already held overwrites that day's draw. Returns how many draw files were
// read. The archive file is rewritten also when there was none; a missing
// folder holds no draw files. Stops at the first error (a foreign file or a
// folder named like a draw file) and then leaves the archive file untouched.
int ImportarSorteos(const std::string &carpetaSorteos);
int ImportarSorteos();
