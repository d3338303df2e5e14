#include "report/report_units.h"

#include <cmath>

int32_t DecimasAUnidades(double tenths)
{
    // 18/50 is applied to the product so that exact halves such as 12.5 x 18
    // = 225 stay exact and std::nearbyint (round to nearest even) sees them.
    return static_cast<int32_t>(std::nearbyint(tenths * 18.0 / 50.0));
}
