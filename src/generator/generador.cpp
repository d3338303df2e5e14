#include "generator/generador.h"

#include "model/game_constants.h"

// The positions of the stars run up to the count of selected stars, so they
// need the edition's range as much as the stars themselves.
TEuroMillonGenerador::TEuroMillonGenerador(const TEuroMillonApuestaMult &selection)
    : origen_(selection.Edition()), apuesta_(selection.Edition()), indices_(selection.Edition())
{
    origen_.Assign(selection);
}

void TEuroMillonGenerador::ResetIndices(int block)
{
    TEuroMillonNums &positions = indices_.Block(block);
    positions.BeginUpdate();
    positions.Clear();
    for (int j = 1; j <= kValuesPerBet[block]; ++j)
        positions.Add(j);
    positions.EndUpdate();
}

void TEuroMillonGenerador::Primera()
{
    ResetIndices(kBlockNumbers);
    ResetIndices(kBlockStars);
    fin_ = origen_.Block(kBlockNumbers).Count() < kValuesPerBet[kBlockNumbers] ||
           origen_.Block(kBlockStars).Count() < kValuesPerBet[kBlockStars];
    BuildCandidate();
}

void TEuroMillonGenerador::Siguiente()
{
    for (int block = kBlockNumbers; block <= kBlockStars; ++block) {
        const int k = kValuesPerBet[block];
        const int n = origen_.Block(block).Count();
        TEuroMillonNums &positions = indices_.Block(block);
        for (int j = k; j >= 1; --j) {
            const int32_t position = positions.Items(j - 1);
            if (position < n - k + j) {
                positions.Advance(position);
                for (int earlier = kBlockNumbers; earlier < block; ++earlier)
                    ResetIndices(earlier);
                BuildCandidate();
                return;
            }
        }
    }
    fin_ = true;
}

void TEuroMillonGenerador::BuildCandidate()
{
    apuesta_.BeginUpdate();
    try {
        apuesta_.Clear();
        if (!fin_) {
            for (int block = kBlockNumbers; block <= kBlockStars; ++block) {
                const TEuroMillonNums &positions = indices_.Block(block);
                for (int j = 0; j < positions.Count(); ++j)
                    apuesta_.Block(block).Add(origen_.Block(block).Items(positions.Items(j) - 1));
            }
        }
    } catch (...) {
        apuesta_.EndUpdate();
        throw;
    }
    apuesta_.EndUpdate();
}
