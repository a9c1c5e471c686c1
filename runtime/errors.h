#pragma once

#include <string_view>
#include <variant>

namespace runtime {

// The run-time errors a calculation can raise. The numeric values are the
// error numbers users see in the report, so they must never change.
enum class ErrorCode {
    // An arithmetic result beyond the range of its type, or an invalid
    // operation such as 0 divided by 0.
    Overflow = 6,
    // A non-zero value divided by zero.
    DivisionByZero = 11,
    // A text that is no number (the empty text included) where a number is needed.
    TypeMismatch = 13,
};

// The error number shown in the report.
constexpr int errorNumber(ErrorCode code) {
    return static_cast<int>(code);
}

// The error's message, UTF-8, in the program's language.
std::string_view errorMessage(ErrorCode code);

// A value or the error that stopped its computation.
template <typename T> class Result {
public:
    Result(T value)
        : state_(std::move(value)) {}
    Result(ErrorCode error)
        : state_(error) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    ErrorCode error() const { return std::get<ErrorCode>(state_); }

private:
    std::variant<T, ErrorCode> state_;
};

} // namespace runtime
