// The arithmetic and texts of the calculator, without a window.

#include "commands/calculation.h"
#include "runtime/arithmetic.h"
#include "runtime/number_text.h"
#include "runtime/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using commands::InputBox;
using runtime::ErrorCode;

namespace {

std::string rowName(std::string name) {
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

// ---------------------------------------------------------------- text to number

struct ParseCase {
    const char* name;
    std::u16string text;
    double value; // when error is empty
    std::optional<ErrorCode> error;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class TextToNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(TextToNumber, ReadsOrRejects) {
    const ParseCase& c = GetParam();
    const auto result = runtime::textToDouble(c.text);
    if (c.error) {
        ASSERT_FALSE(result.ok()) << "read as " << result.value();
        EXPECT_EQ(result.error(), *c.error);
    } else {
        ASSERT_TRUE(result.ok()) << "error " << runtime::errorNumber(result.error());
        EXPECT_EQ(result.value(), c.value);
        EXPECT_EQ(std::signbit(result.value()), std::signbit(c.value));
    }
}

const ErrorCode kMismatch = ErrorCode::TypeMismatch;

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToNumber,
    testing::Values(
        ParseCase{"integer", u"100", 100.0, {}}, ParseCase{"fraction", u"0.1", 0.1, {}},
        ParseCase{"leading_point", u".5", 0.5, {}}, ParseCase{"trailing_point", u"5.", 5.0, {}},
        ParseCase{"plus_sign", u"+7", 7.0, {}}, ParseCase{"minus_sign", u"-2.5", -2.5, {}},
        ParseCase{"negative_zero", u"-0", -0.0, {}}, ParseCase{"exponent", u"2.5e-3", 0.0025, {}},
        ParseCase{"upper_exponent", u"1E+2", 100.0, {}},
        ParseCase{"spaces_around", u"  12  ", 12.0, {}},
        ParseCase{"ideographic_spaces", u"\u300012\u3000", 12.0, {}},
        ParseCase{"correctly_rounded", u"0.30000000000000004441", 0.30000000000000004, {}},
        ParseCase{"largest_double", u"1.7976931348623157e308", 1.7976931348623157e308, {}},
        ParseCase{"denormal", u"1e-310", 1e-310, {}},
        ParseCase{"below_denormals", u"1e-400", 0.0, {}},
        ParseCase{"huge_negative_exponent", u"-1e-99999999999999999999", -0.0, {}},
        ParseCase{"zero_huge_exponent", u"0e99999", 0.0, {}},
        ParseCase{"full_width_digits", u"\uFF11\uFF12\u3002\uFF15", 12.5, {}},
        ParseCase{"full_width_point_sign_e", u"\uFF0D\uFF11\uFF0E\uFF15\uFF45\uFF12", -150.0, {}},
        ParseCase{"full_width_upper_e", u"\uFF11\uFF25\uFF0B\uFF13", 1000.0, {}},
        ParseCase{"ideographic_point_after_ascii", u"12\u30025", 12.5, {}},
        ParseCase{"empty", u"", 0, kMismatch}, ParseCase{"only_spaces", u"   ", 0, kMismatch},
        ParseCase{"comma_decimal", u"1,5", 0, kMismatch}, ParseCase{"hex", u"0x10", 0, kMismatch},
        ParseCase{"nan", u"nan", 0, kMismatch}, ParseCase{"inf", u"inf", 0, kMismatch},
        ParseCase{"exponent_without_digits", u"1e", 0, kMismatch},
        ParseCase{"only_point", u".", 0, kMismatch}, ParseCase{"inner_space", u"1 2", 0, kMismatch},
        ParseCase{"two_signs", u"+-1", 0, kMismatch},
        ParseCase{"two_points", u"1.2.3", 0, kMismatch},
        ParseCase{"letters_after", u"12abc", 0, kMismatch}, ParseCase{"tab", u"\t1", 0, kMismatch},
        ParseCase{"zero_width_space", u"1\u200B2", 0, kMismatch},
        ParseCase{"right_to_left_mark", u"\u200F12", 0, kMismatch},
        ParseCase{"nul_inside",
                  std::u16string(u"1\0"
                                 u"2",
                                 3),
                  0, kMismatch},
        ParseCase{"lone_surrogate", u"1\xD800", 0, kMismatch},
        ParseCase{"emoji", u"1\U0001F600", 0, kMismatch},
        ParseCase{"beyond_double", u"1e400", 0, ErrorCode::Overflow},
        ParseCase{"just_beyond_double", u"1.7976931348623159e308", 0, ErrorCode::Overflow},
        ParseCase{"negative_beyond_double", u"-2e308", 0, ErrorCode::Overflow}),
    [](const auto& info) { return rowName(info.param.name); });

// head, then count copies of fill, then tail.
std::u16string padded(std::u16string_view head, char16_t fill, std::size_t count,
                      std::u16string_view tail = {}) {
    std::u16string text(head);
    text.append(count, fill);
    text.append(tail);
    return text;
}

TEST(TextToNumber, LongTextsAreReadWhole) {
    const std::u16string digits(1 << 20, u'7');
    const auto many = runtime::textToDouble(digits);
    ASSERT_FALSE(many.ok());
    EXPECT_EQ(many.error(), ErrorCode::Overflow);

    const auto oneAndZeros = runtime::textToDouble(padded(u"1", u'0', 1'000'000));
    ASSERT_FALSE(oneAndZeros.ok());
    EXPECT_EQ(oneAndZeros.error(), ErrorCode::Overflow);

    const auto tiny = runtime::textToDouble(padded(u"0.", u'0', 1'000'000, u"1"));
    ASSERT_TRUE(tiny.ok());
    EXPECT_EQ(tiny.value(), 0.0);

    const auto longFraction = runtime::textToDouble(padded(u"2.", u'0', 1'000'000));
    ASSERT_TRUE(longFraction.ok());
    EXPECT_EQ(longFraction.value(), 2.0);

    const auto letters = runtime::textToDouble(std::u16string(1 << 20, u'x'));
    ASSERT_FALSE(letters.ok());
    EXPECT_EQ(letters.error(), ErrorCode::TypeMismatch);
}

// ---------------------------------------------------------------- arithmetic

TEST(Arithmetic, FaultsAreErrors) {
    const double big = std::numeric_limits<double>::max();
    EXPECT_EQ(runtime::multiply(big, 2.0).error(), ErrorCode::Overflow);
    EXPECT_EQ(runtime::multiply(1e-300, 1e-300).value(), 0.0); // underflow is no fault
    EXPECT_EQ(runtime::divide(1.0, 0.0).error(), ErrorCode::DivisionByZero);
    EXPECT_EQ(runtime::divide(-1.0, -0.0).error(), ErrorCode::DivisionByZero);
    EXPECT_EQ(runtime::divide(0.0, 0.0).error(), ErrorCode::Overflow);
    EXPECT_EQ(runtime::divide(big, 0.5).error(), ErrorCode::Overflow);
    EXPECT_EQ(runtime::divide(1e-320, 1e10).value(), 0.0);
}

TEST(Arithmetic, NarrowsToNearestSingleWithinRange) {
    const double largest = std::numeric_limits<float>::max();
    EXPECT_EQ(runtime::narrowToSingle(largest).value(), std::numeric_limits<float>::max());
    EXPECT_EQ(runtime::narrowToSingle(-largest).value(), -std::numeric_limits<float>::max());
    EXPECT_EQ(runtime::narrowToSingle(std::nextafter(largest, 1e300)).error(), ErrorCode::Overflow);
    EXPECT_EQ(runtime::narrowToSingle(0.1).value(), 0.1f);
    EXPECT_EQ(runtime::narrowToSingle(1e-50).value(), 0.0f);
}

struct RoundCase {
    const char* name;
    double value;
    double rounded;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundDouble : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDouble, ToThreePlacesHalfToEven) {
    EXPECT_EQ(runtime::roundTo3Places(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundDouble,
                         testing::Values(RoundCase{"down", 3184.7133757961783, 3184.713},
                                         RoundCase{"up", 764.3312101910828 + 0.0006, 764.332},
                                         RoundCase{"tie_to_even_down", 0.0625, 0.062},
                                         RoundCase{"tie_to_even_up", 0.0635, 0.064},
                                         RoundCase{"negative_tie", -0.0625, -0.062},
                                         RoundCase{"whole", 42.0, 42.0},
                                         RoundCase{"huge_stays", 1e306, 1e306}),
                         [](const auto& info) { return rowName(info.param.name); });

TEST(RoundSingle, ToThreePlacesHalfToEvenInSingle) {
    EXPECT_EQ(runtime::roundTo3Places(0.0625f), 0.062f);
    EXPECT_EQ(runtime::roundTo3Places(1273.8853759765625f), 1273.885f);
    // 12738.8535 rounds to 12738.854, whose nearest single is the value itself.
    EXPECT_EQ(runtime::roundTo3Places(12738.853515625f), 12738.854f);
    EXPECT_EQ(runtime::roundTo3Places(std::numeric_limits<float>::max()),
              std::numeric_limits<float>::max());
}

// ---------------------------------------------------------------- number text

struct TextCase {
    const char* name;
    double value;
    bool single;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberText, Writes) {
    const TextCase& c = GetParam();
    EXPECT_EQ(c.single ? runtime::singleToText(static_cast<float>(c.value))
                       : runtime::doubleToText(c.value),
              c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    testing::Values(TextCase{"double_fraction", 3184.713, false, "3184.713"},
                    TextCase{"double_whole", 1000000, false, "1000000"},
                    TextCase{"double_below_one", 0.062, false, "0.062"},
                    TextCase{"double_negative", -3184.713, false, "-3184.713"},
                    TextCase{"double_zero", 0.0, false, "0"},
                    TextCase{"double_negative_zero", -0.0, false, "0"},
                    TextCase{"double_fifteen_digits", 318471337579618.0, false, "318471337579618"},
                    TextCase{"double_rounds_into_exponent", 999999999999999.5, false, "1E+15"},
                    TextCase{"double_exponent", 1.014239928597509e+17, false,
                             "1.01423992859751E+17"},
                    TextCase{"double_large_exponent", 1e300, false, "1E+300"},
                    TextCase{"single_seven_digits", 12738.853, true, "12738.85"},
                    TextCase{"single_fraction", 1273.885, true, "1273.885"},
                    TextCase{"single_whole", 1000000, true, "1000000"},
                    TextCase{"single_exponent_from_ten_million", 1e7, true, "1E+07"},
                    TextCase{"single_exponent", 95541403648.0, true, "9.55414E+10"},
                    TextCase{"single_negative_zero", -0.0, true, "0"}),
    [](const auto& info) { return rowName(info.param.name); });

// ---------------------------------------------------------------- calculate

struct CalculateCase {
    const char* name;
    std::u16string vc, diameter, feedPerTooth, edges;
    std::string text; // when error is empty
    std::optional<ErrorCode> error = std::nullopt;
    InputBox box = InputBox::txt1;
};

void PrintTo(const CalculateCase& c, std::ostream* os) {
    *os << c.name;
}

class Calculate : public testing::TestWithParam<CalculateCase> {};

TEST_P(Calculate, ShowsResultOrError) {
    const CalculateCase& c = GetParam();
    commands::CalculatorValues values;
    const auto outcome = commands::calculate({c.vc, c.diameter, c.feedPerTooth, c.edges}, values);
    if (c.error) {
        ASSERT_TRUE(outcome.error.has_value()) << outcome.resultText;
        EXPECT_EQ(outcome.error->code, *c.error);
        EXPECT_EQ(outcome.error->box, c.box);
        EXPECT_TRUE(outcome.resultText.empty());
    } else {
        ASSERT_FALSE(outcome.error.has_value())
            << "error " << runtime::errorNumber(outcome.error->code);
        EXPECT_EQ(outcome.resultText, c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Calculate,
    testing::Values(
        CalculateCase{"milling", u"100", u"10", u"0.1", u"4", "  S=3184.713\n   F=1273.885"},
        CalculateCase{"single_shows_seven_digits", u"300", u"6", u"0.2", u"4",
                      "  S=15923.567\n   F=12738.85"},
        CalculateCase{"zero_speed", u"0", u"10", u"0.1", u"1", "  S=0\n   F=0"},
        CalculateCase{"one_edge", u"120", u"50", u"0.25", u"1", "  S=764.331\n   F=191.083"},
        CalculateCase{"ties_to_even", u"3.14", u"16000", u"1", u"1", "  S=0.062\n   F=0.062"},
        CalculateCase{"negative_speed", u"-100", u"10", u"0.1", u"4",
                      "  S=-3184.713\n   F=-1273.885"},
        CalculateCase{"negative_diameter", u"100", u"-10", u"0.1", u"4",
                      "  S=-3184.713\n   F=-1273.885"},
        CalculateCase{"negative_zero_speed", u"-0", u"10", u"0.1", u"1", "  S=0\n   F=0"},
        CalculateCase{"exponent_forms", u"1e15", u"3.14", u"1", u"1",
                      "  S=1.01423992859751E+17\n   F=1.01424E+17"},
        CalculateCase{"single_exponent_only", u"3000", u"0.01", u"1", u"1000",
                      "  S=95541401.274\n   F=9.55414E+10"},
        CalculateCase{"full_width_input", u"\uFF11\uFF10\uFF10", u"\uFF11\uFF10",
                      u"\uFF10\u3002\uFF11", u"\uFF14", "  S=3184.713\n   F=1273.885"},
        CalculateCase{"empty_speed", u"", u"10", u"0.1", u"1", "", ErrorCode::TypeMismatch,
                      InputBox::txt1},
        CalculateCase{"empty_diameter", u"100", u"", u"0.1", u"1", "", ErrorCode::TypeMismatch,
                      InputBox::txt2},
        CalculateCase{"bad_feed", u"100", u"10", u"x", u"1", "", ErrorCode::TypeMismatch,
                      InputBox::txt3},
        CalculateCase{"bad_edges", u"100", u"10", u"0.1", u"four", "", ErrorCode::TypeMismatch,
                      InputBox::txt4},
        CalculateCase{"zero_diameter", u"100", u"0", u"0.1", u"1", "", ErrorCode::DivisionByZero,
                      InputBox::txt2},
        CalculateCase{"zero_over_zero", u"0", u"0", u"0.1", u"1", "", ErrorCode::Overflow,
                      InputBox::txt2},
        CalculateCase{"speed_times_thousand_overflows", u"1e306", u"1", u"1", u"1", "",
                      ErrorCode::Overflow, InputBox::txt1},
        CalculateCase{"diameter_times_factor_overflows", u"1", u"1e308", u"1", u"1", "",
                      ErrorCode::Overflow, InputBox::txt2},
        CalculateCase{"quotient_overflows", u"1e300", u"1e-300", u"1", u"1", "",
                      ErrorCode::Overflow, InputBox::txt2},
        CalculateCase{"edges_times_feed_overflows", u"100", u"10", u"1e300", u"1e300", "",
                      ErrorCode::Overflow, InputBox::txt3},
        CalculateCase{"feed_beyond_double", u"1e200", u"1", u"1e200", u"1", "", ErrorCode::Overflow,
                      InputBox::txt3},
        CalculateCase{"feed_beyond_single", u"1e30", u"1", u"1e10", u"1", "", ErrorCode::Overflow,
                      InputBox::txt3},
        CalculateCase{"input_beyond_double", u"1e400", u"10", u"0.1", u"1", "", ErrorCode::Overflow,
                      InputBox::txt1},
        // The order of the steps decides which error shows first.
        CalculateCase{"speed_checked_before_diameter", u"abc", u"0", u"0.1", u"1", "",
                      ErrorCode::TypeMismatch, InputBox::txt1},
        CalculateCase{"division_before_feed", u"100", u"0", u"x", u"1", "",
                      ErrorCode::DivisionByZero, InputBox::txt2},
        CalculateCase{"feed_read_before_edges", u"100", u"10", u"x", u"y", "",
                      ErrorCode::TypeMismatch, InputBox::txt3}),
    [](const auto& info) { return rowName(info.param.name); });

TEST(CalculateValues, KeepsSpindleSpeedOnceComputed) {
    commands::CalculatorValues values;
    EXPECT_FALSE(values.S.has_value());
    EXPECT_EQ(values.F, 0.0f);

    commands::calculate({u"100", u"10", u"0.1", u"4"}, values);
    EXPECT_EQ(*values.S, 100.0 * 1000.0 / (10.0 * 3.14));
    EXPECT_EQ(values.F, static_cast<float>(*values.S * (4.0 * 0.1)));

    // A fault before the quotient leaves both; one after it has replaced S.
    const float previousFeed = values.F;
    commands::calculate({u"100", u"0", u"0.1", u"4"}, values);
    EXPECT_EQ(*values.S, 100.0 * 1000.0 / (10.0 * 3.14));
    commands::calculate({u"200", u"10", u"x", u"4"}, values);
    EXPECT_EQ(*values.S, 200.0 * 1000.0 / (10.0 * 3.14));
    EXPECT_EQ(values.F, previousFeed);
}

TEST(CalculateValues, EarlierFaultsLeaveNoTrace) {
    commands::CalculatorValues values;
    commands::calculate({u"1e300", u"1e-300", u"1", u"1"}, values);
    commands::calculate({u"100", u"0", u"1", u"1"}, values);
    commands::calculate({u"0", u"0", u"1", u"1"}, values);
    const auto outcome = commands::calculate({u"100", u"10", u"0.1", u"4"}, values);
    EXPECT_FALSE(outcome.error.has_value());
    EXPECT_EQ(outcome.resultText, "  S=3184.713\n   F=1273.885");
}

} // namespace
