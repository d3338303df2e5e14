#pragma once

class TfrReport;

// Half the length of a cross-hair arm, in engine units (about 4 mm).
inline constexpr int kBrazoCruz = 14;

// For the test print of an automatic ticket: adds on page 0, for every bet i
// whose first number box "POS_i_B_1_NUM_1" is there, a cross-hair centred on
// that box (a horizontal line "CRUZ_i_H" and a vertical one "CRUZ_i_V", each
// a frame side of an empty memo), so that the user can measure with a ruler
// how far the printout lies from the form and set the offsets. The boxes
// are taken where they stand, so rotation and offsets are already applied.
void AnadirCrucesDePrueba(TfrReport &report);
