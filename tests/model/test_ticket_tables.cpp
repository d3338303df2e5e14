#include "model/ticket_tables.h"

#include <gtest/gtest.h>

namespace {

struct Cell {
    int32_t column = -7;
    int32_t row = -7;
    bool inRange = false;
};

Cell CellOf(TPaisBoleto pais, int block, int32_t value)
{
    Cell cell;
    cell.inRange = CeldaDeValor(TablasDePais(pais).Geometria, block, value, cell.column, cell.row);
    return cell;
}

void ExpectCell(TPaisBoleto pais, int block, int32_t value, int32_t column, int32_t row, bool inRange)
{
    Cell cell = CellOf(pais, block, value);
    EXPECT_EQ(cell.column, column) << pais << " " << block << " " << value;
    EXPECT_EQ(cell.row, row) << pais << " " << block << " " << value;
    EXPECT_EQ(cell.inRange, inRange) << pais << " " << block << " " << value;
}

// Restores Spain, the tables of start-up, whatever a test put in force.
struct TicketTables : ::testing::Test {
    ~TicketTables() override { PonerPais(pbEspana); }
};

} // namespace

TEST_F(TicketTables, BuiltInTablesOfSpainAndFrance)
{
    const TTablasBoleto &es = TablasDePais(pbEspana);
    EXPECT_EQ(es.Formato.ApuestasPorBoleto, 5);
    EXPECT_EQ(es.Formato.AnchoBoleto, 1610);
    EXPECT_EQ(es.Formato.AltoBoleto, 1040);
    EXPECT_EQ(es.Formato.AnchoApuesta, 263.75);
    EXPECT_EQ(es.Formato.AltoApuesta, 715.0);
    EXPECT_EQ(es.Formato.AltoNumeros, 520.0);
    EXPECT_EQ(es.Formato.OrigenX, 115.0);
    EXPECT_EQ(es.Formato.OrigenY, 205.0);
    EXPECT_EQ(es.Formato.CabeceraY, 200);
    EXPECT_EQ(es.Formato.NombreX, 450);
    EXPECT_EQ(es.Formato.NumeroBoletoX, 1050);
    const TGeometriaBloque &esStars = es.Geometria.Bloque(2);
    EXPECT_EQ(esStars.Columnas, 3);
    EXPECT_EQ(esStars.Filas, 3);
    EXPECT_EQ(esStars.Orden, obColumnas);
    EXPECT_EQ(esStars.OrigenY, 548.0);
    EXPECT_EQ(esStars.OrigenYPantalla, 548.0);
    EXPECT_EQ(esStars.OrigenX, 15.0);
    EXPECT_EQ(esStars.OrigenXPantalla, 45.0);
    EXPECT_EQ(esStars.PasoX, 75.0);
    EXPECT_EQ(esStars.PasoY, 50.0);
    EXPECT_EQ(esStars.AnchoCasilla, 28.0);
    EXPECT_EQ(esStars.AltoCasilla, 38.0);
    EXPECT_EQ(esStars.AnchoCasillaPantalla, 50.0);
    EXPECT_EQ(esStars.AltoCasillaPantalla, 47.0);
    EXPECT_EQ(es.Geometria.Bloque(1).PasoX, 37.7);
    EXPECT_EQ(es.Geometria.Bloque(1).AltoCasillaPantalla, 43.0);

    const TTablasBoleto &fr = TablasDePais(pbFrancia);
    EXPECT_EQ(fr.Formato.AnchoBoleto, 1608);
    EXPECT_EQ(fr.Formato.AltoBoleto, 1208);
    EXPECT_EQ(fr.Formato.AnchoApuesta, 253.0);
    EXPECT_EQ(fr.Formato.AltoApuesta, 632.0);
    EXPECT_EQ(fr.Formato.AltoNumeros, 391.0);
    EXPECT_EQ(fr.Formato.OrigenX, 170.0);
    EXPECT_EQ(fr.Formato.OrigenY, 258.0);
    EXPECT_EQ(fr.Formato.CabeceraY, 250);
    const TGeometriaBloque &frNumbers = fr.Geometria.Bloque(1);
    EXPECT_EQ(frNumbers.Orden, obFilas);
    EXPECT_EQ(frNumbers.OrigenY, 45.0);
    EXPECT_EQ(frNumbers.PasoX, 36.0);
    EXPECT_EQ(frNumbers.PasoY, 36.0);
    EXPECT_EQ(frNumbers.AnchoCasillaPantalla, 35.0);
    const TGeometriaBloque &frStars = fr.Geometria.Bloque(2);
    EXPECT_EQ(frStars.OrigenY, 448.0);
    EXPECT_EQ(frStars.OrigenYPantalla, 428.0);
    EXPECT_EQ(frStars.OrigenX, 39.0);
    EXPECT_EQ(frStars.OrigenXPantalla, 45.0);
    EXPECT_EQ(frStars.PasoX, 62.0);
    EXPECT_EQ(frStars.PasoY, 68.0);
    EXPECT_EQ(frStars.AnchoCasilla, 30.0);
    EXPECT_EQ(frStars.AltoCasillaPantalla, 50.0);
}

TEST_F(TicketTables, SpainRunsDownTheColumnsAndFranceAlongTheRows)
{
    ExpectCell(pbEspana, 1, 1, 0, 0, true);
    ExpectCell(pbEspana, 1, 7, 0, 6, true);
    ExpectCell(pbEspana, 1, 10, 1, 0, true);
    ExpectCell(pbEspana, 1, 46, 5, 0, true);
    ExpectCell(pbEspana, 1, 50, 5, 4, true);
    ExpectCell(pbEspana, 2, 3, 0, 2, true);
    ExpectCell(pbEspana, 2, 5, 1, 1, true);

    ExpectCell(pbFrancia, 1, 6, 5, 0, true);
    ExpectCell(pbFrancia, 1, 7, 0, 1, true);
    ExpectCell(pbFrancia, 1, 49, 0, 8, true);
    ExpectCell(pbFrancia, 1, 50, 1, 8, true);
    ExpectCell(pbFrancia, 2, 3, 2, 0, true);
    ExpectCell(pbFrancia, 2, 4, 0, 1, true);
}

TEST_F(TicketTables, ValuesOutOfRangeGetACellButNoHit)
{
    ExpectCell(pbEspana, 1, 0, 0, -1, false);
    ExpectCell(pbEspana, 1, 51, 5, 5, false);
    ExpectCell(pbEspana, 2, 10, 3, 0, false);
    ExpectCell(pbFrancia, 1, 51, 2, 8, false);
    // An unknown block or grid order sets nothing.
    ExpectCell(pbEspana, 3, 5, -7, -7, false);
    TGeometriaBoleto odd = TablasDePais(pbEspana).Geometria;
    odd.Bloques[0].Orden = static_cast<TOrdenBloque>(2);
    Cell cell;
    EXPECT_FALSE(CeldaDeValor(odd, 1, 5, cell.column, cell.row));
    EXPECT_EQ(cell.column, -7);
}

TEST_F(TicketTables, CountryInForceAndTicketNumbers)
{
    EXPECT_EQ(EnVigor().Formato, TablasDePais(pbEspana).Formato);
    PonerPais(pbFrancia);
    EXPECT_EQ(EnVigor().Formato.ApuestasPorBoleto, 5);
    EXPECT_EQ(EnVigor().Formato.AltoBoleto, 1208);
    EXPECT_EQ(EnVigor().Geometria, TablasDePais(pbFrancia).Geometria);

    EXPECT_EQ(TicketOfBet(-3), 0);
    EXPECT_EQ(TicketOfBet(0), 0);
    EXPECT_EQ(TicketOfBet(1), 1);
    EXPECT_EQ(TicketOfBet(5), 1);
    EXPECT_EQ(TicketOfBet(6), 2);
    EXPECT_EQ(TicketOfBet(10), 2);
    EXPECT_EQ(TicketOfBet(11), 3);

    EXPECT_EQ(PaisDeCodigo("FR"), pbFrancia);
    EXPECT_EQ(PaisDeCodigo("ES"), pbEspana);
    EXPECT_EQ(PaisDeCodigo("xx"), pbEspana);
    EXPECT_EQ(CodigoDePais(pbFrancia), "FR");
    EXPECT_EQ(CodigoDePais(pbEspana), "ES");
}
