#pragma once

#include "runtime/errors.h"

#include <optional>
#include <string>
#include <string_view>

namespace commands {

// The input boxes, in the order of the window.
enum class InputBox { txt1, txt2, txt3, txt4 };

// The window-level values that Calculate keeps between runs.
struct CalculatorValues {
    std::optional<double> S; // spindle speed, r/min; empty before the first Calculate
    float F = 0.0f;          // feed, mm/min
};

// The texts of the four boxes: Vc, D, fz, z.
struct CalculatorInputs {
    std::u16string_view txt1;
    std::u16string_view txt2;
    std::u16string_view txt3;
    std::u16string_view txt4;
};

struct CalculationError {
    runtime::ErrorCode code;
    InputBox box; // the box the user has to correct
};

// What Calculate shows: the result text or the error that stopped it.
struct CalculationOutcome {
    std::string resultText; // UTF-8; empty on error
    std::optional<CalculationError> error;
};

// S = 1000 * Vc / (3.14 * D), F = S * fz * z, and the result text
// "  S=<S>\n   F=<F>" with both rounded to 3 places.
//
// The steps run in a fixed order and stop at the first error, so which error
// is reported for several bad boxes, and whether S already holds the new
// quotient, follow from that order: S is stored once the quotient is known,
// F only once the feed is known.
CalculationOutcome calculate(const CalculatorInputs& inputs, CalculatorValues& values);

} // namespace commands
