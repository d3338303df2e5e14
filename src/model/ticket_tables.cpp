#include "model/ticket_tables.h"

#include "model/game_constants.h"

namespace {

const TTablasBoleto kEspana{
    TFormatoBoleto{5, 1610, 1040, 263.75, 715.0, 520.0, 115.0, 205.0, 200, 450, 1050},
    TGeometriaBoleto{{
        TGeometriaBloque{6, 9, obColumnas, 47.0, 47.0, 15.0, 15.0, 37.7, 50.0, 28.0, 38.0, 33.0, 43.0},
        TGeometriaBloque{3, 3, obColumnas, 548.0, 548.0, 15.0, 45.0, 75.0, 50.0, 28.0, 38.0, 50.0, 47.0},
    }},
};

const TTablasBoleto kFrancia{
    TFormatoBoleto{5, 1608, 1208, 253.0, 632.0, 391.0, 170.0, 258.0, 250, 450, 1050},
    TGeometriaBoleto{{
        TGeometriaBloque{6, 9, obFilas, 45.0, 45.0, 15.0, 15.0, 36.0, 36.0, 30.0, 30.0, 35.0, 35.0},
        TGeometriaBloque{3, 3, obFilas, 448.0, 428.0, 39.0, 45.0, 62.0, 68.0, 30.0, 30.0, 50.0, 50.0},
    }},
};

TTablasBoleto &InForce()
{
    static TTablasBoleto tables = kEspana;
    return tables;
}

} // namespace

const TTablasBoleto &TablasDePais(TPaisBoleto pais)
{
    return pais == pbFrancia ? kFrancia : kEspana;
}

const TTablasBoleto &EnVigor()
{
    return InForce();
}

void PonerPais(TPaisBoleto pais)
{
    InForce() = TablasDePais(pais);
}

std::string CodigoDePais(TPaisBoleto pais)
{
    return pais == pbFrancia ? "FR" : "ES";
}

TPaisBoleto PaisDeCodigo(const std::string &code)
{
    return code == "FR" ? pbFrancia : pbEspana;
}

bool CeldaDeValor(const TGeometriaBoleto &geometria, int block, int32_t value, int32_t &column, int32_t &row)
{
    if (!IsBlockNumber(block))
        return false;
    const TGeometriaBloque &g = geometria.Bloque(block);
    bool inRange = value >= kLowestValue[block] && value <= kHighestValue[block];
    // Grids of one row or column at least: a damaged table must not divide by zero.
    switch (g.Orden) {
    case obColumnas:
        if (g.Filas <= 0)
            return false;
        column = (value - 1) / g.Filas;
        row = (value - 1) % g.Filas;
        return inRange;
    case obFilas:
        if (g.Columnas <= 0)
            return false;
        column = (value - 1) % g.Columnas;
        row = (value - 1) / g.Columnas;
        return inRange;
    default:
        return false;
    }
}

int32_t TicketOfBet(int32_t position)
{
    int32_t perTicket = EnVigor().Formato.ApuestasPorBoleto;
    if (position <= 0 || perTicket <= 0)
        return 0;
    return (position - 1) / perTicket + 1;
}
