// A draw archive save cut short at any point keeps the previous file.
#include "draws/draw_archive.h"

#include "support/save_fault_injection.h"

#include <gtest/gtest.h>

namespace {

void Fill(TSorteosEuroMillon &archive)
{
    for (int i = 0; i < 40; ++i) {
        TSorteoEuroMillonInfo info;
        info.NumeroSorteo = i + 1;
        info.FechaSorteo = 38030 + 7 * i;
        info.Recaudacion = 10000LL * (1000 + i);
        for (int c = 1; c <= kNumCategorias; ++c) {
            info.Acertantes[c] = c + i;
            info.PremioCategoria[c] = 10000LL * c * (i + 1);
        }
        info.ApuestaGanadora.Numeros = {1 + i % 10, 12, 23, 34, 45};
        info.ApuestaGanadora.Estrellas = {1 + i % 8, 9};
        archive.AddSorteo(info);
    }
}

} // namespace

TEST(ArchiveSaveFaults, CutSavesKeepThePreviousFile)
{
    TSorteosEuroMillon archive;
    Fill(archive);
    ExpectFailedSavesKeepThePreviousFile("QOREuroMillonSorteos.emx",
                                         [&](const std::string &path) { archive.SaveToFile(path); });
    EXPECT_FALSE(archive.Busy());
}

TEST(ArchiveSaveFaults, EveryRefusedByteIsAWriteError)
{
    TSorteosEuroMillon archive;
    Fill(archive);
    ExpectWriteErrorsAtEveryByte("archive", [&](TStream &stream) { archive.SaveToStream(stream); });
    EXPECT_FALSE(archive.Busy());
}
