#include "calculation.h"

#include "runtime/arithmetic.h"
#include "runtime/number_text.h"
#include "runtime/text_to_number.h"

namespace commands {

using runtime::ErrorCode;

namespace {

constexpr double kThousand = 1000.0;
// 3.14 as written, not pi: the results must match those users know to the digit.
constexpr double kCircleFactor = 3.14;

CalculationOutcome failure(ErrorCode code, InputBox box) {
    return CalculationOutcome{{}, CalculationError{code, box}};
}

} // namespace

CalculationOutcome calculate(const CalculatorInputs& inputs, CalculatorValues& values) {
    // Vc * 1000
    const auto vc = runtime::textToDouble(inputs.txt1);
    if (!vc.ok())
        return failure(vc.error(), InputBox::txt1);
    const auto dividend = runtime::multiply(vc.value(), kThousand);
    if (!dividend.ok())
        return failure(dividend.error(), InputBox::txt1);

    // / (D * 3.14)
    const auto diameter = runtime::textToDouble(inputs.txt2);
    if (!diameter.ok())
        return failure(diameter.error(), InputBox::txt2);
    const auto divisor = runtime::multiply(diameter.value(), kCircleFactor);
    if (!divisor.ok())
        return failure(divisor.error(), InputBox::txt2);
    const auto quotient = runtime::divide(dividend.value(), divisor.value());
    if (!quotient.ok())
        return failure(quotient.error(), InputBox::txt2);
    values.S = quotient.value();
    const double s = *values.S;

    // p = z * fz; fz is read first.
    const auto feedPerTooth = runtime::textToDouble(inputs.txt3);
    if (!feedPerTooth.ok())
        return failure(feedPerTooth.error(), InputBox::txt3);
    const auto edges = runtime::textToDouble(inputs.txt4);
    if (!edges.ok())
        return failure(edges.error(), InputBox::txt4);
    const auto perRevolution = runtime::multiply(edges.value(), feedPerTooth.value());
    if (!perRevolution.ok())
        return failure(perRevolution.error(), InputBox::txt3);

    // F = S * p as a single
    const auto feed = runtime::multiply(s, perRevolution.value());
    if (!feed.ok())
        return failure(feed.error(), InputBox::txt3);
    const auto feedSingle = runtime::narrowToSingle(feed.value());
    if (!feedSingle.ok())
        return failure(feedSingle.error(), InputBox::txt3);
    values.F = feedSingle.value();

    std::string text = "  S=";
    text += runtime::doubleToText(runtime::roundTo3Places(s));
    text += '\n';
    text += "   F=";
    text += runtime::singleToText(runtime::roundTo3Places(values.F));
    return CalculationOutcome{std::move(text), std::nullopt};
}

} // namespace commands
