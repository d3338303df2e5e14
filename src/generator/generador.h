#pragma once

#include "model/euromillon_apuesta.h"

#include <memory>

// Walks every simple bet (5 numbers, 2 stars) of a selection in the
// generator's fixed order: the pairs of stars outside, the sets of five
// numbers inside, both lexicographic. Indices holds the current 1-based
// positions into Origen's blocks and advances in place.
class TEuroMillonGenerador {
public:
    // Copies the selection; later changes of it do not reach the walk.
    explicit TEuroMillonGenerador(const TEuroMillonApuestaMult &selection);

    void Primera();
    void Siguiente();

    bool Fin() const { return fin_; }
    const TEuroMillonApuesta &Apuesta() const { return apuesta_; }
    const TEuroMillonApuestaMult &Origen() const { return origen_; }

private:
    void ResetIndices(int block);
    void BuildCandidate();

    bool fin_ = true;
    TEuroMillonApuestaMult origen_;
    TEuroMillonApuesta apuesta_;
    TEuroMillonApuesta indices_;
};
