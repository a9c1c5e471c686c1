// Arbitrary input through the calculation the window runs. The bytes are read
// as what a text box holds: UTF-16 code units (pairs of bytes, little-endian;
// a last odd byte is dropped), lone surrogates included, split into the four
// box texts at U+001F. Every input must end in a result text of the
// documented form or in exactly one of the documented errors, naming a box.

#include "commands/calculation.h"
#include "runtime/text_to_number.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

bool isNumberText(std::string_view text) {
    // 15 or 7 significant digits, no trailing zeros, "E+NN" from 10^15 or 10^7.
    static const std::regex number(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?)");
    return std::regex_match(text.begin(), text.end(), number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::u16string, 4> texts;
    std::size_t box = 0;
    for (std::size_t i = 0; i + 1 < size && box < texts.size(); i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == u'\u001F')
            ++box;
        else
            texts[box].push_back(unit);
    }
    ++box; // the last text ends with the input
    if (box < 4)
        texts[3] = u"1"; // a box the user did not touch keeps its preset

    commands::CalculatorValues values;
    const auto outcome = commands::calculate({texts[0], texts[1], texts[2], texts[3]}, values);

    if (outcome.error) {
        require(outcome.resultText.empty(), "an error with a result text");
        const int number = runtime::errorNumber(outcome.error->code);
        require(number == 6 || number == 11 || number == 13, "an undocumented error");
        const int boxIndex = static_cast<int>(outcome.error->box);
        require(boxIndex >= 0 && boxIndex < 4, "an error naming no box");
        // The box at fault is one that was read before the error arose.
        if (outcome.error->code == runtime::ErrorCode::TypeMismatch)
            require(!runtime::textToDouble(texts[boxIndex]).ok(),
                    "type mismatch on a box that reads as a number");
        if (outcome.error->code == runtime::ErrorCode::DivisionByZero)
            require(boxIndex == 1, "division by zero not on the diameter");
    } else {
        const std::string& text = outcome.resultText;
        require(text.rfind("  S=", 0) == 0, "result does not begin with S");
        const std::size_t lineFeed = text.find('\n');
        require(lineFeed != std::string::npos, "result has no line feed");
        require(text.find('\r') == std::string::npos, "result has a carriage return");
        require(text.compare(lineFeed + 1, 5, "   F=") == 0, "second line does not begin with F");
        require(isNumberText(std::string_view(text).substr(4, lineFeed - 4)),
                "S is no number text");
        require(isNumberText(std::string_view(text).substr(lineFeed + 6)), "F is no number text");
        require(values.S.has_value(), "S not stored");
        for (const auto& each : texts)
            require(runtime::textToDouble(each).ok(), "a result from a box that is no number");
    }

    // The same input gives the same answer: nothing is left from the last run.
    commands::CalculatorValues again;
    const auto repeated = commands::calculate({texts[0], texts[1], texts[2], texts[3]}, again);
    require(repeated.resultText == outcome.resultText, "a second run differs");
    require(repeated.error.has_value() == outcome.error.has_value(), "a second run differs");
    return 0;
}
