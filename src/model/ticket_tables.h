#pragma once

#include <array>
#include <cstdint>
#include <string>

// The paper tickets of Spain and France. Lengths are tenths of a millimetre.

// How the values of a block run through its grid.
enum TOrdenBloque : uint8_t {
    obColumnas = 0, // down the columns
    obFilas = 1,    // along the rows
};

// The grid of one block of one bet.
struct TGeometriaBloque {
    int32_t Columnas = 0;
    int32_t Filas = 0;
    TOrdenBloque Orden = obColumnas;
    double OrigenY = 0;         // first row of printed boxes, from the top of the bet
    double OrigenYPantalla = 0; // the same on the on-screen ticket
    double OrigenX = 0;         // first column of printed boxes, from the left of the bet
    double OrigenXPantalla = 0; // the same on the on-screen ticket
    double PasoX = 0;           // column to column
    double PasoY = 0;           // row to row
    double AnchoCasilla = 0;    // printed box
    double AltoCasilla = 0;
    double AnchoCasillaPantalla = 0; // on-screen box
    double AltoCasillaPantalla = 0;

    bool operator==(const TGeometriaBloque &) const = default;
};

// One grid per block: Bloques[0] for block 1 (numbers), Bloques[1] for block 2 (stars).
struct TGeometriaBoleto {
    std::array<TGeometriaBloque, 2> Bloques;

    // Block 1 or 2; any other number gives block 1's grid.
    const TGeometriaBloque &Bloque(int block) const { return Bloques[block == 2 ? 1 : 0]; }
    bool operator==(const TGeometriaBoleto &) const = default;
};

// The ticket as a whole.
struct TFormatoBoleto {
    int32_t ApuestasPorBoleto = 0;
    int32_t AnchoBoleto = 0;
    int32_t AltoBoleto = 0;
    double AnchoApuesta = 0;   // also the step from one bet to the next along x
    double AltoApuesta = 0;    // on-screen ticket
    double AltoNumeros = 0;    // numbers part of a bet, from its top (on-screen ticket)
    double OrigenX = 0;        // first bet on the ticket (printing)
    double OrigenY = 0;        // every bet on the ticket (printing)
    int32_t CabeceraY = 0;     // the two header texts (printing)
    int32_t NombreX = 0;       // combination name (printing)
    int32_t NumeroBoletoX = 0; // ticket counter (printing)

    bool operator==(const TFormatoBoleto &) const = default;
};

enum TPaisBoleto : int {
    pbEspana = 0,
    pbFrancia = 1,
};

// A country's format and geometry.
struct TTablasBoleto {
    TFormatoBoleto Formato;
    TGeometriaBoleto Geometria;
};

// The built-in pair of a country; they never change.
const TTablasBoleto &TablasDePais(TPaisBoleto pais);

// The pair in force: Spain's from start-up until PonerPais.
const TTablasBoleto &EnVigor();
// Copies the country's built-in pair whole into the pair in force.
void PonerPais(TPaisBoleto pais);

// "ES" and "FR", as the settings keep the country.
std::string CodigoDePais(TPaisBoleto pais);
// Spain for any code other than "FR".
TPaisBoleto PaisDeCodigo(const std::string &code);

// The grid cell of a value of block 1 or 2 in the geometry. Column and row
// count from 0 and are computed even for a value out of the block's range;
// the result says whether the value is in range. False, and column and row
// untouched, for a block other than 1 or 2 or an unknown Orden.
bool CeldaDeValor(const TGeometriaBoleto &geometria, int block, int32_t value, int32_t &column, int32_t &row);

// The ticket (from 1) that holds the 1-based bet position, with the bets per
// ticket in force; 0 for a position of 0 or less.
int32_t TicketOfBet(int32_t position);
