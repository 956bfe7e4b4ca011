// Russian number rules: a decimal comma, no thousands separator.
// Every conversion between numbers and the texts of fields goes through here.
// Locale-free by construction (std::from_chars / std::to_chars only).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalteron {

// Parses a field text: optional blanks, an optional sign, digits with at most
// one decimal comma (at least one digit), optionally the exponent that the
// plain text of a number writes ("E", a sign, digits: "2,5E-06"), optional
// blanks. "0.5", "", "-", ",", "1-", "--1", "1e5" and "1E5" are not numbers,
// nor is a value beyond the range of the type.
std::optional<double> parseDouble(std::string_view text);
// The same text read directly into single precision (correctly rounded).
std::optional<float> parseSingle(std::string_view text);

// "#0.00": two decimals, half away from zero on the shown decimal value.
// A value that rounds to zero is "0,00" (never "-0,00").
std::string format00(double value);
// "#0": a whole number, half away from zero.
std::string format0(double value);

// The standard conversion of a single-precision number to text: up to 7
// significant digits, no trailing zeros, decimal comma, leading zero for
// fractions ("0,1"), minus sign for negatives, exponent form outside
// 1e-5 .. 1e7 ("1E-06", "1,234568E+07").
std::string singleToText(float value);
// The same for a double, with up to 15 significant digits.
std::string doubleToText(double value);
// A whole number as text ("-40", "7").
std::string intToText(long long value);

// Rounds to `decimals` decimals, a half going to the even digit. The value is
// taken at 15 significant digits first, so 2.675 counts as a half.
double roundHalfEven(double value, int decimals);

}  // namespace kalteron
