#include "text_to_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace runtime {
namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';

bool isSpace(char16_t c) {
    return c == u' ' || c == kIdeographicSpace;
}

// The ASCII character a number character stands for, or 0 if it is none.
char numberCharacter(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return static_cast<char>(c);
    if (c >= u'\uFF10' && c <= u'\uFF19') // full-width digits
        return static_cast<char>('0' + (c - u'\uFF10'));
    switch (c) {
    case u'.':
    case u'\uFF0E': // full-width full stop
    case u'\u3002': // ideographic full stop, typed in Chinese punctuation mode
        return '.';
    case u'+':
    case u'\uFF0B':
        return '+';
    case u'-':
    case u'\uFF0D':
        return '-';
    case u'e':
    case u'E':
    case u'\uFF45':
    case u'\uFF25':
        return 'e';
    default:
        return 0;
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Result<double> textToDouble(std::u16string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;

    // Map to ASCII first so that the grammar check below sees every
    // character: a character that is not part of a number stops nothing, it
    // makes the whole text no number.
    std::string ascii;
    ascii.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const char c = numberCharacter(text[i]);
        if (c == 0)
            return ErrorCode::TypeMismatch;
        ascii.push_back(c);
    }

    // sign? (digits ('.' digits*)? | '.' digits) ('e' sign? digits)?
    std::size_t pos = 0;
    const std::size_t n = ascii.size();
    bool negative = false;
    if (pos < n && (ascii[pos] == '+' || ascii[pos] == '-')) {
        negative = ascii[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaBegin = pos;

    // The decimal magnitude, to tell overflow from underflow when the value
    // is out of range: the position of the first significant digit.
    std::int64_t integerDigits = 0; // after leading zeros
    std::int64_t leadingFractionZeros = 0;
    bool seenNonZero = false;
    std::size_t digitCount = 0;

    while (pos < n && isDigit(ascii[pos])) {
        if (ascii[pos] != '0')
            seenNonZero = true;
        if (seenNonZero)
            ++integerDigits;
        ++digitCount;
        ++pos;
    }
    if (pos < n && ascii[pos] == '.') {
        ++pos;
        while (pos < n && isDigit(ascii[pos])) {
            if (ascii[pos] != '0')
                seenNonZero = true;
            else if (!seenNonZero)
                ++leadingFractionZeros;
            ++digitCount;
            ++pos;
        }
    }
    if (digitCount == 0)
        return ErrorCode::TypeMismatch;
    const std::size_t mantissaEnd = pos;

    std::int64_t exponent = 0;
    if (pos < n && ascii[pos] == 'e') {
        ++pos;
        bool negativeExponent = false;
        if (pos < n && (ascii[pos] == '+' || ascii[pos] == '-')) {
            negativeExponent = ascii[pos] == '-';
            ++pos;
        }
        const std::size_t exponentBegin = pos;
        while (pos < n && isDigit(ascii[pos])) {
            // Saturate: any exponent this large is out of range either way.
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (ascii[pos] - '0');
            ++pos;
        }
        if (pos == exponentBegin)
            return ErrorCode::TypeMismatch;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != n)
        return ErrorCode::TypeMismatch;

    if (!seenNonZero)
        return negative ? -0.0 : 0.0;

    // from_chars takes no leading '+' and wants 'e' after a bare "5.": hand it
    // the mantissa and exponent in the form it reads.
    std::string canonical(ascii, mantissaBegin, mantissaEnd - mantissaBegin);
    if (canonical.back() == '.')
        canonical.pop_back();
    canonical += 'e';
    canonical += std::to_string(exponent);

    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const std::int64_t magnitude =
            (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        if (magnitude > 0)
            return ErrorCode::Overflow;
        value = 0.0; // below the smallest denormal: the nearest double is zero
    } else if (ec != std::errc() || ptr != canonical.data() + canonical.size()) {
        return ErrorCode::TypeMismatch;
    }
    return negative ? -value : value;
}

} // namespace runtime
