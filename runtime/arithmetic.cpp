#include "arithmetic.h"

#include <cmath>
#include <limits>

namespace runtime {
namespace {

// Rounds to the nearest integer, exact halves to the even one, whatever the
// current rounding mode is.
double roundHalfToEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor; // exact for every finite double
    if (fraction > 0.5)
        return floor + 1.0;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace

Result<double> multiply(double a, double b) {
    const double product = a * b;
    if (!std::isfinite(product))
        return ErrorCode::Overflow;
    return product;
}

Result<double> divide(double dividend, double divisor) {
    if (divisor == 0.0)
        return dividend == 0.0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero;
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient))
        return ErrorCode::Overflow;
    return quotient;
}

Result<float> narrowToSingle(double value) {
    if (!(std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max())))
        return ErrorCode::Overflow;
    return static_cast<float>(value);
}

double roundTo3Places(double value) {
    const double scaled = value * 1000.0;
    if (!std::isfinite(scaled))
        return value;
    return roundHalfToEven(scaled) / 1000.0;
}

float roundTo3Places(float value) {
    // A single times 1000 is exact in a double, so only the final rounding
    // step and the narrowing round.
    const double scaled = static_cast<double>(value) * 1000.0;
    return static_cast<float>(roundHalfToEven(scaled) / 1000.0);
}

} // namespace runtime
