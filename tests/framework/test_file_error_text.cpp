#include "framework/file_error_text.h"

#include <gtest/gtest.h>

#include <string>

// With no language file loaded, the texts are the built-in Spanish ones.
TEST(FileErrorText, TheStreamsFixedTextsNameTheFileOnceInTheLanguageInForce)
{
    const std::string path = "/tmp/a.aem";
    const struct {
        std::string message, localized, reported;
    } cases[] = {
        {"Stream read error", path + ": error de lectura: el archivo está cortado o dañado",
         path + ": error de lectura: el archivo está cortado o dañado"},
        {"Stream write error.", path + ": error de escritura", path + ": error de escritura"},
        {"Cannot open file " + path, path + ": no se puede abrir el archivo",
         path + ": no se puede abrir el archivo"},
        {"Cannot create file " + path + ".", path + ": no se puede crear el archivo",
         path + ": no se puede crear el archivo"},
        {"Invalid property value", path + ": el archivo contiene un valor no válido",
         path + ": el archivo contiene un valor no válido"},
        // The program's own texts stand; only the command line names the file before them.
        {"No es un formato de archivo válido", "No es un formato de archivo válido",
         path + ": No es un formato de archivo válido"},
        {"Stream read errors", "Stream read errors", path + ": Stream read errors"},
        {"El archivo " + path + " no existe", "El archivo " + path + " no existe",
         "El archivo " + path + " no existe"},
    };
    for (const auto &each : cases) {
        EXPECT_EQ(LocalizedStreamError(path, each.message), each.localized) << each.message;
        EXPECT_EQ(FileErrorText(path, each.message), each.reported) << each.message;
    }
}

TEST(FileErrorText, AReadNamingItsFileKeepsTheErrorsType)
{
    const std::string path = "/tmp/b.frf";
    EXPECT_THROW(ReadNamingFile(path, [] { throw EReadError(kStreamReadError); }), EReadError);
    try {
        ReadNamingFile(path, [] { throw EReadError(kStreamReadError); });
    } catch (const EReadError &error) {
        EXPECT_EQ(error.Message(), path + ": error de lectura: el archivo está cortado o dañado");
    }
    try {
        ReadNamingFile(path, [&] { throw EFOpenError("Cannot open file " + path); });
    } catch (const EFOpenError &error) {
        EXPECT_EQ(error.Message(), path + ": no se puede abrir el archivo");
    }
    // The program's own texts and other errors pass as they are.
    try {
        ReadNamingFile(path, [] { throw EReadError("No es un formato de archivo válido"); });
    } catch (const EReadError &error) {
        EXPECT_EQ(error.Message(), "No es un formato de archivo válido");
    }
    EXPECT_THROW(ReadNamingFile(path, [] { throw EWriteError(kStreamWriteError); }), EWriteError);
    int reads = 0;
    ReadNamingFile(path, [&] { ++reads; });
    EXPECT_EQ(reads, 1);
}
