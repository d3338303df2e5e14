#pragma once

#include "model/exception.h"

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

// Runs read, a read of the file at path, and lets its stream errors out
// localized and naming the file, each of its own type; anything else (the
// program's own texts, a cancel) passes as it is.
template <class Read> void ReadNamingFile(const std::string &path, Read &&read)
{
    try {
        read();
    } catch (const EReadError &error) {
        throw EReadError(LocalizedStreamError(path, error.Message()));
    } catch (const EFOpenError &error) {
        throw EFOpenError(LocalizedStreamError(path, error.Message()));
    }
}
