#pragma once

#include <string>

class TEuroMillonGeneraComb;

// The four ready-made conditions the new-combination wizard offers, each
// with the name its check box shows.
struct TWizardConditions {
    bool SumaNumeros = false;  // sum of the selected numbers between 120 and 190
    bool MinDosPares = false;  // at least 2 even selected numbers
    bool MaxTresPares = false; // at most 3 even selected numbers
    bool Max2EnDecena = false; // at most 2 numbers in each decade 1-10 ... 41-50
    std::string NombreSuma;
    std::string NombreMinDosPares;
    std::string NombreMaxTresPares;
};

// Replaces the conditions of the settings by the chosen ready-made ones, in
// this order: at least 2 even, at most 3 even, the five decades (named by
// 41724 "Máximo 2 numeros entre el %d y el %d"), the sum. Every one starts
// from the default condition (active, block 1); the parity and sum ones look
// at the selected numbers of block 1, the decade ones at all ten numbers of
// their decade.
void ConstruirCondicionesAsistente(TEuroMillonGeneraComb &generacion, const TWizardConditions &eleccion);
