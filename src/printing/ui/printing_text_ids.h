#pragma once

// Text ids of the print window.

#include <cstdint>

inline constexpr uint16_t kTxtPrintCaption = 42400;             // "Imprimir combinación..."
inline constexpr uint16_t kTxtTicketFormat = 42401;             // " Formato del boleto: "
inline constexpr uint16_t kTxtAutomaticTicket = 42402;          // "Crear Boleto &Automático"
inline constexpr uint16_t kTxtSavedTicket = 42403;              // "Boleto &Guardado"
inline constexpr uint16_t kTxtImportTicketFile = 42404;         // "I&mportar archivo"
inline constexpr uint16_t kTxtPrintTestMode = 42405;            // "Imprimir en Modo Test"
inline constexpr uint16_t kTxtTabTickets = 42406;               // "Boletos"
inline constexpr uint16_t kTxtTabListings = 42407;              // "Listados"
inline constexpr uint16_t kTxtPrintButton = 42410;              // "&Imprimir..."
inline constexpr uint16_t kTxtDesign = 42412;                   // "&Diseñar"
inline constexpr uint16_t kTxtDesignHint = 42413;               // "Abre el DISEÑADOR VISUAL para que pue..."
inline constexpr uint16_t kTxtTicketCountry = 42414;            // "País del Boleto:"
inline constexpr uint16_t kTxtAvailableListings = 42415;        // "Listados disponibles:"
inline constexpr uint16_t kTxtNoFileSelected = 42440;           // "No ha seleccionado Archivo"
inline constexpr uint16_t kTxtFileNotFound = 42441;             // "El archivo no existe: "
inline constexpr uint16_t kTxtNoFormatSelected = 42442;         // "Falta seleccionar formato"
inline constexpr uint16_t kTxtFileAlreadyInFolder = 42443;      // "Este archivo ya se encuentra en la ca..."
inline constexpr uint16_t kTxtFileCopyError = 42444;            // "Error al copiar el archivo"
inline constexpr uint16_t kTxtNoTicketCountry = 42445;          // "No ha seleccionado el PAIS del boleto"
inline constexpr uint16_t kTxtCountrySpain = 42490;             // "España"
inline constexpr uint16_t kTxtCountryFrance = 42491;            // "Francia"
inline constexpr uint16_t kTxtInvalidNumber = 45400;            // "'%s' no es un valor numérico válido"
inline constexpr uint16_t kTxtOffsetXHint = 45401;              // "Desfase horizontal de toda la impresi..."
inline constexpr uint16_t kTxtOffsetYHint = 45402;              // "Desfase vertical de toda la impresión..."
inline constexpr uint16_t kTxtOffsetX = 45513;                  // "Desfase x"
inline constexpr uint16_t kTxtOffsetY = 45514;                  // "Desfase y"
inline constexpr uint16_t kTxtNoAutomaticTicketCurrent = 45876; // "El boleto automático del juego actual..."
