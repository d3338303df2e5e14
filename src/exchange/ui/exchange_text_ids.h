#pragma once

#include <cstdint>

// The texts of the import and export windows.

// Both windows.
inline constexpr uint16_t kTxtTextFileFilter = 43112; // "Archivo de Texto *.txt|*.txt|..."

// The import window.
inline constexpr uint16_t kTxtImportButton = 43104;    // "&Importar"
inline constexpr uint16_t kTxtChooseFile = 43103;      // "&Seleccionar Archivo"
inline constexpr uint16_t kTxtFileInformation = 43102; // "Información del Archivo:"
inline constexpr uint16_t kTxtReadingFile = 45504;     // "Leyendo el archivo..."
inline constexpr uint16_t kTxtLoggedFile = 43101;      // "Archivo:"
inline constexpr uint16_t kTxtFileLineCount = 43105;   // "El archivo contiene %d lineas"
inline constexpr uint16_t kTxtValidBetsFound = 43106;  // "Encontradas %d apuestas válidas"
inline constexpr uint16_t kTxtBlankLines = 43108;      // "Encontradas %d lineas en blanco"
inline constexpr uint16_t kTxtBetLines = 43109;        // "Encontradas %d lineas con apuesta válida"
inline constexpr uint16_t kTxtCommentLines = 43110;    // "Encontradas %d lineas de comentarios"
inline constexpr uint16_t kTxtErrorLines = 43111;      // "Encontradas %d lineas con errores"
inline constexpr uint16_t kTxtBetsImported = 43107;    // "Se han importado un total de %d apuestas ..."

// The export window.
inline constexpr uint16_t kTxtExportButton = 43115;    // "&Exportar"
inline constexpr uint16_t kTxtExportKind = 43125;      // " Tipo de exportación: "
inline constexpr uint16_t kTxtTextFileChoice = 43126;  // "Archivo de texto"
inline constexpr uint16_t kTxtWorkbookChoice = 43127;  // "Exportar a EXCEL"
inline constexpr uint16_t kTxtNumberSeparator = 43122; // "Carácter separador de números"
inline constexpr uint16_t kTxtBlockSeparator = 43123;  // "Carácter separador de bloques"
inline constexpr uint16_t kTxtSaveAsWorkbook = 45500;  // "&Guardar como libro..."
inline constexpr uint16_t kTxtWorkbookFilter = 45501;  // "Libro de Excel *.xlsx|*.xlsx|..."
inline constexpr uint16_t kTxtWritingWorkbook = 45505; // "Escribiendo el libro..."

// The export window's messages.
inline constexpr uint16_t kTxtOverwriteQuestion = 43113; // "Ya existe un archivo con el mismo nombre: ..."
inline constexpr uint16_t kTxtNoProgramSaveWorkbook = 45230; // "Ningún programa de hojas de cálculo ..."
