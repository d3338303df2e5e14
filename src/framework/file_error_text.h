#pragma once

#include <cstdint>
#include <string>

// Texts of the core's fixed English file errors in the language in force.
inline constexpr uint16_t kTxtFileCannotOpen = 45550;   // "no se puede abrir el archivo"
inline constexpr uint16_t kTxtFileCannotCreate = 45551; // "no se puede crear el archivo"
inline constexpr uint16_t kTxtFileReadError = 45552; // "error de lectura: el archivo está cortado o dañado"
inline constexpr uint16_t kTxtFileWriteError = 45553;   // "error de escritura"
inline constexpr uint16_t kTxtFileInvalidValue = 45554; // "el archivo contiene un valor no válido"

// The stream's fixed English texts about a file ("Stream read error",
// "Cannot open file path", ...) as "path: text" in the language in force, the
// file named once; any other message as it stands.
std::string LocalizedStreamError(const std::string &path, const std::string &message);

// An error about one file as the command line reports it, "path: text": the
// stream's fixed texts localized as above, and any other message prefixed
// with the path unless it already names the file.
std::string FileErrorText(const std::string &path, const std::string &message);
