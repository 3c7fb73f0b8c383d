#include "reader/length_units.h"

#include <cmath>

#include "platform/int_math.h"

int32_t MilToInternal(double mil) {
    return platform::RoundToInt32(mil * 10000.0);
}

int32_t MMToInternal(double mm) {
    const long double quotient = static_cast<long double>(mm) * 10000.0L / 0.0254L;
    return platform::RoundToInt32(static_cast<double>(quotient));
}

double InternalToMil(int32_t internal) {
    const double mil = internal / 10000.0;
    const double whole = std::trunc(mil);
    const double fraction = mil - whole;
    return whole + std::nearbyint(fraction * 1000.0) / 1000.0;
}

int32_t InternalToSchematic(int32_t internal) {
    return platform::RoundToInt32(InternalToMil(internal) / 10.0);
}
