#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A dynamic array of 32-bit numbers: the values of a block as stored in
// records, and the working sets of the group conditions and the wizard.
using TEuroMillonNumeros = std::vector<int32_t>;

// Position of the first element equal to value, or -1.
int NumerosIndexOf(const TEuroMillonNumeros &array, int32_t value);

// False when the value is present; else appends it, sorts the array and
// returns true.
bool NumerosAdd(TEuroMillonNumeros &array, int32_t value);

void NumerosClear(TEuroMillonNumeros &array);
void NumerosSort(TEuroMillonNumeros &array);

// result = the elements of source that also occur in filter, in source's order.
void NumerosIntersect(const TEuroMillonNumeros &source, const TEuroMillonNumeros &filter,
                      TEuroMillonNumeros &result);

// Sum of the elements first..last, the bounds clipped to the array; 0 when
// nothing is left between them.
int64_t NumerosSum(const TEuroMillonNumeros &array, int first, int last);

// Number of even elements when even is true, of odd ones otherwise.
int NumerosCountParity(const TEuroMillonNumeros &array, bool even);

// The elements in plain decimal joined by "." (always a full stop).
std::string NumerosToText(const TEuroMillonNumeros &array);
