// A generation file save cut short at any point keeps the previous file.
#include "generator/genera_comb.h"

#include "support/save_fault_injection.h"

#include <gtest/gtest.h>

namespace {

void Fill(TEuroMillonGeneraComb &settings)
{
    for (int n = 1; n <= 50; n += 2)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= 9; ++s)
        settings.Seleccion().Block(2).Add(s);
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
    settings.SetReduccionB1(3);
    for (int i = 0; i < 12; ++i) {
        TEuroMillonCondicionGrupo condition;
        condition.Nombre = "Condición " + std::to_string(i);
        for (int n = 1 + i; n <= 50; n += 3)
            condition.Numeros.push_back(n);
        condition.AciertosMin = i % 3;
        settings.Condiciones().Add(condition);
    }
}

} // namespace

TEST(GenerationSaveFaults, CutSavesKeepThePreviousFile)
{
    TEuroMillonGeneraComb settings;
    Fill(settings);
    ExpectFailedSavesKeepThePreviousFile("settings.gem",
                                         [&](const std::string &path) { settings.SaveToFile(path); });
}

TEST(GenerationSaveFaults, EveryRefusedByteIsAWriteError)
{
    TEuroMillonGeneraComb settings;
    Fill(settings);
    ExpectWriteErrorsAtEveryByte("generation", [&](TStream &stream) { settings.GuardarEnStream(stream); });
}
