#pragma once

#include "errors.h"

#include <string_view>

namespace runtime {

// Reads a box's text as a double.
//
// Accepted: optional spaces (U+0020 or the ideographic U+3000) around an
// optionally signed decimal with an optional fraction and an optional
// exponent: "12", "-1.5", ".5", "5.", "2.5e-3". The full-width forms that
// Chinese input methods type (０-９, "．", "。", "＋", "－", "ｅ", "Ｅ") count
// as their ASCII counterparts. The value is the correctly rounded double.
//
// Errors: anything else, the empty text included, is TypeMismatch; a value
// beyond the double range is Overflow. A value too small for a double rounds
// to the nearest one (possibly zero), which is no error.
Result<double> textToDouble(std::u16string_view text);

} // namespace runtime
