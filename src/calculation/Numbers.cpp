#include "calculation/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace kalteron {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Checks the Russian number syntax and returns the same number in the form
// from_chars expects ("-12.5", "2.5e-06"), or nothing.
std::optional<std::string> normalise(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  std::string out;
  std::size_t i = b;
  if (i < e && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') out.push_back('-');
    ++i;
  }
  int digits = 0;
  bool comma = false;
  for (; i < e && text[i] != 'E'; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      out.push_back(c);
      ++digits;
    } else if (c == ',' && !comma) {
      comma = true;
      out.push_back('.');
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  if (out.back() == '.') out.pop_back();
  if (out.front() == '.' || (out.size() > 1 && out[0] == '-' && out[1] == '.')) {
    out.insert(out.begin() + (out[0] == '-' ? 1 : 0), '0');
  }
  // The exponent as the plain text of a number writes it: "E", a sign and
  // at least one digit.
  if (i < e) {
    ++i;
    if (i == e || (text[i] != '+' && text[i] != '-')) return std::nullopt;
    out.push_back('e');
    out.push_back(text[i++]);
    if (i == e) return std::nullopt;
    for (; i < e; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      out.push_back(text[i]);
    }
  }
  return out;
}

// Short texts (the usual case) are read without building a normalised copy:
// a mantissa and a power of ten that are both exact in T give the correctly
// rounded value with one division. Anything else takes the general path.
template <typename T>
std::optional<T> parseFast(std::string_view text, bool& handled) {
  constexpr std::uint64_t kMaxMantissa = sizeof(T) == 4 ? (1u << 24) : (std::uint64_t{1} << 53);
  constexpr int kMaxDecimals = sizeof(T) == 4 ? 10 : 22;
  handled = false;
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  std::uint64_t mantissa = 0;
  int digits = 0;
  int decimals = 0;
  bool comma = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (mantissa > kMaxMantissa) return std::nullopt;  // too long: general path
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      ++digits;
      if (comma) ++decimals;
    } else if (c == ',' && !comma) {
      comma = true;
    } else {
      return std::nullopt;  // blanks, a second comma, letters: general path
    }
  }
  if (digits == 0 || mantissa > kMaxMantissa || decimals > kMaxDecimals) return std::nullopt;
  T scale = 1;
  for (int d = 0; d < decimals; ++d) scale *= 10;
  T value = static_cast<T>(mantissa) / scale;
  handled = true;
  return negative ? -value : value;
}

template <typename T>
std::optional<T> parseAs(std::string_view text) {
  bool handled = false;
  if (auto fast = parseFast<T>(text, handled); handled) return fast;
  const auto norm = normalise(text);
  if (!norm) return std::nullopt;
  T value{};
  const char* first = norm->data();
  const char* last = first + norm->size();
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ptr != last) return std::nullopt;
  if (ec == std::errc::result_out_of_range) return std::nullopt;
  if (ec != std::errc{}) return std::nullopt;
  return value;
}

// Decimal digits and exponent of a value at `precision` significant digits:
// value = 0.d1d2d3... x 10^exp10.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros, trailing zeros trimmed; "" for 0
  int exp10 = 0;       // position of the decimal point after the first digit - 1
};

Decimal toDecimal(double value, int precision) {
  Decimal d;
  if (value == 0.0 || !std::isfinite(value)) return d;
  std::array<char, 64> buf{};
  const auto res =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, precision - 1);
  std::string_view s(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  if (s.front() == '-') {
    d.negative = true;
    s.remove_prefix(1);
  }
  const auto ePos = s.find('e');
  std::string mant(s.substr(0, ePos));
  int exp = std::atoi(std::string(s.substr(ePos + 1)).c_str());
  for (char c : mant)
    if (c != '.') d.digits.push_back(c);
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  d.exp10 = exp;
  return d;
}

// Rounds a decimal to `decimals` places; `halfEven` picks the tie rule
// (otherwise half away from zero). Returns the digits of the integer
// value * 10^decimals.
std::string roundDecimal(const Decimal& d, int decimals, bool halfEven) {
  // Digits kept: those whose place is >= 10^-decimals.
  const int keep = d.exp10 + 1 + decimals;
  if (d.digits.empty() || keep < 0) return "0";
  std::string kept = keep >= static_cast<int>(d.digits.size())
                         ? d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0')
                         : d.digits.substr(0, static_cast<std::size_t>(keep));
  std::string rest =
      keep >= static_cast<int>(d.digits.size()) ? std::string() : d.digits.substr(static_cast<std::size_t>(keep));
  bool up = false;
  if (!rest.empty()) {
    const char first = rest[0];
    const bool exactHalf = first == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
    if (first > '5' || (first == '5' && !exactHalf)) {
      up = true;
    } else if (exactHalf) {
      if (!halfEven) {
        up = true;
      } else {
        const int last = kept.empty() ? 0 : kept.back() - '0';
        up = (last % 2) == 1;
      }
    }
  }
  if (kept.empty()) kept.push_back('0');
  if (up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0) {
      if (kept[static_cast<std::size_t>(i)] == '9') {
        kept[static_cast<std::size_t>(i)] = '0';
        --i;
      } else {
        ++kept[static_cast<std::size_t>(i)];
        break;
      }
    }
    if (i < 0) kept.insert(kept.begin(), '1');
  }
  const auto nz = kept.find_first_not_of('0');
  return nz == std::string::npos ? "0" : kept.substr(nz);
}

std::string fixedText(double value, int decimals) {
  const Decimal d = toDecimal(value, 15);
  std::string digits = roundDecimal(d, decimals, false);
  const bool zero = digits == "0";
  if (digits.size() <= static_cast<std::size_t>(decimals))
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  std::string out;
  if (d.negative && !zero) out.push_back('-');
  const std::size_t intLen = digits.size() - static_cast<std::size_t>(decimals);
  out.append(digits, 0, intLen);
  if (decimals > 0) {
    out.push_back(',');
    out.append(digits, intLen, std::string::npos);
  }
  return out;
}

std::string generalText(double value, int precision) {
  if (std::isnan(value)) return "0";
  const Decimal d = toDecimal(value, precision);
  if (d.digits.empty()) return "0";
  std::string out;
  if (d.negative) out.push_back('-');
  if (d.exp10 < -5 || d.exp10 >= precision) {
    out.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
      out.push_back(',');
      out.append(d.digits, 1, std::string::npos);
    }
    out.push_back('E');
    out.push_back(d.exp10 < 0 ? '-' : '+');
    const int a = std::abs(d.exp10);
    if (a < 10) out.push_back('0');
    out += std::to_string(a);
    return out;
  }
  if (d.exp10 < 0) {
    out += "0,";
    out.append(static_cast<std::size_t>(-d.exp10 - 1), '0');
    out += d.digits;
    return out;
  }
  const std::size_t intLen = static_cast<std::size_t>(d.exp10) + 1;
  if (d.digits.size() <= intLen) {
    out += d.digits;
    out.append(intLen - d.digits.size(), '0');
  } else {
    out.append(d.digits, 0, intLen);
    out.push_back(',');
    out.append(d.digits, intLen, std::string::npos);
  }
  return out;
}

}  // namespace

std::optional<double> parseDouble(std::string_view text) { return parseAs<double>(text); }
std::optional<float> parseSingle(std::string_view text) { return parseAs<float>(text); }

namespace {

// value x 10^decimals rounded to a whole number, when the decimal digits at
// 15 significant places cannot lie on a half: then the rounding rule does not
// matter and the binary value decides. Nothing when it might be a half.
std::optional<double> roundedClearOfHalf(double value, int decimals) {
  double scale = 1;
  for (int d = 0; d < decimals; ++d) scale *= 10;
  const double r = std::fabs(value) * scale;
  if (!(r < 1e13)) return std::nullopt;
  const double fl = std::floor(r);
  const double distance = std::fabs(r - fl - 0.5);
  if (distance <= r * 4e-14 + 1e-300) return std::nullopt;
  return r - fl > 0.5 ? fl + 1 : fl;
}

}  // namespace

std::string format00(double value) {
  if (const auto n = roundedClearOfHalf(value, 2)) {
    const auto whole = static_cast<long long>(*n);
    std::string out;
    if (value < 0 && whole != 0) out.push_back('-');
    out += std::to_string(whole / 100);
    out.push_back(',');
    out.push_back(static_cast<char>('0' + whole % 100 / 10));
    out.push_back(static_cast<char>('0' + whole % 10));
    return out;
  }
  return fixedText(value, 2);
}
std::string format0(double value) { return fixedText(value, 0); }

std::string singleToText(float value) { return generalText(static_cast<double>(value), 7); }
std::string doubleToText(double value) { return generalText(value, 15); }
std::string intToText(long long value) { return std::to_string(value); }

double roundHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  if (const auto n = roundedClearOfHalf(value, decimals)) {
    double scale = 1;
    for (int d = 0; d < decimals; ++d) scale *= 10;
    return (value < 0 ? -*n : *n) / scale;
  }
  const Decimal d = toDecimal(value, 15);
  const std::string digits = roundDecimal(d, decimals, true);
  double v = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), v);
  v /= std::pow(10.0, decimals);
  return d.negative ? -v : v;
}

}  // namespace kalteron
