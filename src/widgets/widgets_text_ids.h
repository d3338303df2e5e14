#pragma once

// Text ids of the shared controls and services, and the generic words and
// questions that windows of several subsystems show.

#include <cstdint>

inline constexpr uint16_t kTxtFileExists = 41068;        // "El archivo ya existe:"
inline constexpr uint16_t kTxtNoOptionChosen = 41706;    // "No ha seleccionado ninguna opción"
inline constexpr uint16_t kTxtSaveOverQuestion = 41069;  // "¿Seguro que desea guardar en este archivo?"
inline constexpr uint16_t kTxtSavedFile = 43114;         // "El archivo ha sido guardado %s"
inline constexpr uint16_t kTxtLanguageCode = 45006;      // "es"
inline constexpr uint16_t kTxtOutOfMemory = 45517;       // "Memoria insuficiente"
inline constexpr uint16_t kTxtFileIconFolder = 45520;    // "Carpeta"
inline constexpr uint16_t kTxtFileIconFile = 45521;      // "Archivo"
inline constexpr uint16_t kTxtFileIconDrive = 45522;     // "Unidad"
inline constexpr uint16_t kTxtFileIconShortcut = 45523;  // "Acceso directo"
inline constexpr uint16_t kTxtFileIconTypedFile = 45524; // "Archivo %1"
inline constexpr uint16_t kTxtButtonOk = 45530;          // "&Aceptar"
inline constexpr uint16_t kTxtButtonCancel = 45531;      // "&Cancelar"
inline constexpr uint16_t kTxtButtonNext = 45532;        // "&Siguiente"
inline constexpr uint16_t kTxtButtonBack = 45533;        // "&Atras"
inline constexpr uint16_t kTxtButtonFinish = 45534;      // "&Finalizar"
inline constexpr uint16_t kTxtContinueQuestion = 50001;  // "¿Continuar?"
inline constexpr uint16_t kTxtAttentionHeading = 50002;  // "ATENCIÓN:"
inline constexpr uint16_t kTxtProgressCancel = 50004;    // "Cancelar"
inline constexpr uint16_t kTxtError = 50005;             // "ERROR:"
