#pragma once

#include "errors.h"

namespace runtime {

// Checked floating-point operations: each one reports the fault that the
// floating-point unit would flag for it, as an error instead of a value.
// Underflow, denormal and inexact results are no faults.

// a * b; Overflow where the product is beyond the double range.
Result<double> multiply(double a, double b);

// dividend / divisor; DivisionByZero for a non-zero dividend over zero,
// Overflow for 0 / 0 (an invalid operation) and for a quotient beyond range.
Result<double> divide(double dividend, double divisor);

// The single nearest to value; Overflow where its magnitude is beyond the
// largest single.
Result<float> narrowToSingle(double value);

// Rounds to 3 decimal places, exact halves to even, in the value's own type.
double roundTo3Places(double value);
float roundTo3Places(float value);

} // namespace runtime
