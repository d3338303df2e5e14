#pragma once

#include "draws/draw.h"
#include "draws/draw_info.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"
#include "support/file_bytes.h"
#include "support/hex_bytes.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <string>

// A draw of the given day with its numbers and stars; the rest left at 0.
inline TSorteoEuroMillonInfo MakeDraw(double fecha, TEuroMillonNumeros numeros, TEuroMillonNumeros estrellas,
                                      int32_t numero = 0)
{
    TSorteoEuroMillonInfo info;
    info.NumeroSorteo = numero;
    info.FechaSorteo = fecha;
    info.ApuestaGanadora.Numeros = std::move(numeros);
    info.ApuestaGanadora.Estrellas = std::move(estrellas);
    return info;
}

// The bytes of a draw file holding the draw: the edition's signature ("EMS0"
// classic, "EMS2" today's game) and its draw block.
inline std::string DrawFileBytes(const TSorteoEuroMillonInfo &info,
                                 TGameEdition edition = TGameEdition::Classic)
{
    TSorteoEuroMillon draw(edition);
    draw.SetInfo(info);
    TMemoryStream stream;
    stream.WriteBuffer(DrawFileSignature(edition), sizeof(TFileSignature));
    {
        TWriter writer(stream);
        draw.WriteToStream(stream, writer);
    }
    return stream.Bytes();
}
