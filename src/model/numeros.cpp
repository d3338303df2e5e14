#include "model/numeros.h"

#include <algorithm>

int NumerosIndexOf(const TEuroMillonNumeros &array, int32_t value)
{
    auto found = std::find(array.begin(), array.end(), value);
    return found == array.end() ? -1 : static_cast<int>(found - array.begin());
}

bool NumerosAdd(TEuroMillonNumeros &array, int32_t value)
{
    if (NumerosIndexOf(array, value) >= 0)
        return false;
    array.push_back(value);
    NumerosSort(array);
    return true;
}

void NumerosClear(TEuroMillonNumeros &array)
{
    array.clear();
}

void NumerosSort(TEuroMillonNumeros &array)
{
    std::sort(array.begin(), array.end());
}

void NumerosIntersect(const TEuroMillonNumeros &source, const TEuroMillonNumeros &filter,
                      TEuroMillonNumeros &result)
{
    TEuroMillonNumeros common;
    for (int32_t value : source)
        if (NumerosIndexOf(filter, value) >= 0)
            common.push_back(value);
    result = std::move(common); // result may be source or filter itself
}

int64_t NumerosSum(const TEuroMillonNumeros &array, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(array.size()) - 1);
    int64_t sum = 0;
    for (int i = first; i <= last; ++i)
        sum += array[static_cast<size_t>(i)];
    return sum;
}

int NumerosCountParity(const TEuroMillonNumeros &array, bool even)
{
    return static_cast<int>(
        std::count_if(array.begin(), array.end(), [even](int32_t v) { return (v % 2 == 0) == even; }));
}

std::string NumerosToText(const TEuroMillonNumeros &array)
{
    std::string text;
    for (size_t i = 0; i < array.size(); ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(array[i]);
    }
    return text;
}
