// Generation files (.gem) of either game, followed by a generation with the
// settings read when the selection is small enough to enumerate quickly.
#include "fuzz_harness.h"

#include "generator/genera_comb.h"
#include "model/euromillon_apuestas.h"
#include "model/memory_stream.h"

namespace {

// Enough for conditions and reductions to do real work in a few milliseconds.
constexpr int64_t kMaxCandidates = 3000;

std::string Saved(const TEuroMillonGeneraComb &settings)
{
    return StreamBytes([&](TStream &stream) { settings.GuardarEnStream(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    std::vector<std::string> seeds;
    TEuroMillonGeneraComb settings;
    seeds.push_back(Saved(settings));
    for (int n = 1; n <= 7; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= 3; ++s)
        settings.Seleccion().Block(2).Add(s);
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(6);
    seeds.push_back(Saved(settings));
    TEuroMillonCondicionGrupo odd;
    odd.Nombre = "impares";
    odd.Numeros = {1, 3, 5, 7};
    odd.AciertosMin = 1;
    odd.AciertosMax = 3;
    settings.Condiciones().Add(odd);
    TEuroMillonCondicionGrupo stars;
    stars.Bloque = 2;
    stars.Activa = false;
    stars.Numeros = {1, 2};
    stars.SumMax = 4;
    settings.Condiciones().Add(stars);
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
    settings.SetReduccionB1(4);
    settings.SetReduccionB2(1);
    seeds.push_back(Saved(settings));

    TEuroMillonGeneraComb current;
    current.SetEdition(TGameEdition::Current);
    for (int n = 1; n <= 6; ++n)
        current.Seleccion().Block(1).Add(n);
    for (int s = 9; s <= 12; ++s)
        current.Seleccion().Block(2).Add(s);
    current.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    current.SetReduccionGlobal(6);
    seeds.push_back(Saved(current));
    return seeds;
}

void FuzzOne(std::string_view data)
{
    TEuroMillonGeneraComb settings;
    TMemoryStream stream(data);
    settings.LeerDeStream(stream, TEditionOnLoad::Adopt); // a refusal ends the run here

    // Settings that loaded save and load back to the same bytes, in their game.
    std::string bytes = Saved(settings);
    TEuroMillonGeneraComb back;
    back.SetEdition(settings.Edition());
    TMemoryStream again(bytes);
    back.LeerDeStream(again);
    FuzzCheck(Saved(back) == bytes, "saved and loaded again, the settings changed");
    const BetMask allowed = kNumberBits | GameRules(settings.Edition()).StarBits;
    FuzzCheck((settings.Seleccion().ToMask() & ~allowed) == 0, "the selection holds a star its game lacks");

    FuzzEndOfReading();
    if (settings.ApuestasPosibles() > kMaxCandidates)
        return;
    int32_t kept = settings.Generar();
    FuzzCheck(kept == settings.Apuestas().Count(), "the run's count differs from the bets kept");
    FuzzCheck(settings.Validas() <= settings.Generadas(), "more candidates passed than were made");
    FuzzCheck(settings.Generadas() == settings.ApuestasPosibles(), "not every candidate was made");
    for (BetMask bet : settings.Apuestas().Masks())
        FuzzCheck((bet & ~allowed) == 0, "a generated bet holds a star its game lacks");
}
