#pragma once

#include "model/exception.h"

#include <cstdint>

// Errors of the report engine: a template it cannot read or build, a
// preparation that cannot go on.
class EReportError : public Exception {
public:
    using Exception::Exception;
};

// Texts of the report engine (Spanish built-in, localized by the language files).
inline constexpr uint16_t kTextTemplateDamaged = 45300;    // "La plantilla de informe está dañada"
inline constexpr uint16_t kTextTooManyRecords = 45301;     // "El informe tiene demasiadas páginas"
inline constexpr uint16_t kTextBadPaper = 45302;           // "Tamaño de papel no válido"
inline constexpr uint16_t kTextPdfNotWritten = 45321;      // "No se ha podido escribir el archivo PDF: "
inline constexpr uint16_t kTextReportWithoutPages = 45325; // "El informe no tiene páginas"
