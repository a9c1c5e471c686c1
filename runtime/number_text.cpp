#include "number_text.h"

#include <charconv>
#include <cmath>

namespace runtime {
namespace {

// The general format of to_chars is printf's %g in the "C" locale: fixed or
// exponent form by the decimal exponent, trailing zeros removed, an exponent
// of at least two digits. Only the letter's case differs.
template <typename T> std::string toText(T value, int significantDigits) {
    if (value == 0) // also -0: no minus sign on zero
        return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significantDigits);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace

std::string doubleToText(double value) {
    return toText(value, 15);
}

std::string singleToText(float value) {
    return toText(value, 7);
}

} // namespace runtime
