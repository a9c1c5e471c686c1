#pragma once

#include <string>

namespace runtime {

// The text of a number as the result label shows it: 15 significant digits
// for a double, 7 for a single, without trailing zeros or a trailing point,
// "." as the decimal point whatever the locale, no thousands separator. From
// 10^15 (double) or 10^7 (single) up, and below 10^-4, the exponent form:
// "1.01423992859751E+17". Zero of either sign is "0".
std::string doubleToText(double value);
std::string singleToText(float value);

} // namespace runtime
