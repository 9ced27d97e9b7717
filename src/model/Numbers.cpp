// Text and number conversions that do not depend on the C locale.
#include "model/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zf61 {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

size_t SkipLeadingBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

// Hexadecimal digits to the end of the text. Up to 32 bits are accepted and taken as the bit
// pattern of a signed value, so "$FFFFFFFF" is -1 as Windows tools read it.
bool ParseHexDigits(std::string_view digits, uint32_t& out) {
  if (digits.empty()) return false;
  uint64_t value = 0;
  for (char c : digits) {
    int v = HexValue(c);
    if (v < 0) return false;
    value = value * 16 + static_cast<uint64_t>(v);
    if (value > 0xFFFFFFFFull) return false;
  }
  out = static_cast<uint32_t>(value);
  return true;
}

// Exact powers of ten up to 10^22, the largest that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Mantissas of at most this many digits are exact integers in a double.
constexpr int kExactMantissaDigits = 15;

// The parts of a real as written: digits (up to 19 kept exactly), where the point was, and the
// exponent.
struct DecimalText {
  bool negative = false;
  uint64_t mantissa = 0;
  int digitCount = 0;
  int fractionDigits = 0;
  int exponent = 0;
  size_t numberStart = 0;  // after the sign
};

// Reads the whole text as one real; false when it is not exactly one.
bool ScanDecimal(std::string_view text, DecimalText& d) {
  size_t i = SkipLeadingBlanks(text);
  const size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
  d.numberStart = i;
  auto takeDigits = [&](bool fraction) {
    while (i < n && IsDigit(text[i])) {
      if (++d.digitCount <= 19) d.mantissa = d.mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
      if (fraction) ++d.fractionDigits;
      ++i;
    }
  };
  takeDigits(false);
  if (i < n && text[i] == '.') {
    ++i;
    takeDigits(true);
  }
  if (d.digitCount == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    size_t exponentStart = i;
    while (i < n && IsDigit(text[i])) {
      if (d.exponent < 100000) d.exponent = d.exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (i == exponentStart) return false;
    if (negativeExponent) d.exponent = -d.exponent;
  }
  return i == n;
}

// Clinger's fast path: an exact mantissa times or divided by an exact power of ten is one
// correctly rounded operation, the same double that a full conversion gives.
bool TryFastDecimal(const DecimalText& d, double& value) {
  if (d.digitCount > kExactMantissaDigits) return false;
  int power = d.exponent - d.fractionDigits;
  if (power < -22 || power > 22) return false;
  double m = static_cast<double>(d.mantissa);
  value = power >= 0 ? m * kExactPowersOfTen[power] : m / kExactPowersOfTen[-power];
  return true;
}

}  // namespace

int32_t ParseInt(std::string_view text) {
  size_t i = SkipLeadingBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string_view rest = text.substr(i);
  size_t prefix = 0;
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    prefix = 1;
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    prefix = 2;
  }
  if (prefix > 0) {
    uint32_t bits = 0;
    if (!ParseHexDigits(rest.substr(prefix), bits)) return 0;
    uint32_t result = negative ? 0u - bits : bits;
    return static_cast<int32_t>(result);
  }
  if (rest.empty()) return 0;
  int64_t value = 0;
  for (char c : rest) {
    if (!IsDigit(c)) return 0;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return 0;
  return static_cast<int32_t>(value);
}

double ParseFloat(std::string_view text) {
  DecimalText d;
  if (!ScanDecimal(text, d)) return 0.0;
  double value = 0.0;
  if (!TryFastDecimal(d, value)) {
    const char* first = text.data() + d.numberStart;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value)) return 0.0;
  }
  return d.negative ? -value : value;
}

std::string FormatFixed(int digits, double value) {
  // Large enough for the 309 integer digits of the largest double plus the decimals.
  if (digits < 0) digits = 0;
  if (digits > 60) digits = 60;
  char buffer[400];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string FormatGeneral(double value) {
  char buffer[64];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

size_t FormatExact(double value, char (&buffer)[32]) {
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc()) {
    buffer[0] = '0';
    return 1;
  }
  return static_cast<size_t>(end - buffer);
}

std::string StripBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    bool lead = (c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD);
    if (lead && i + 1 < text.size()) {
      unsigned char trail = static_cast<unsigned char>(text[i + 1]);
      bool fullWidthBlank = c == 0x81 && trail == 0x40;
      if (!fullWidthBlank) result.append(text.substr(i, 2));
      i += 2;
      continue;
    }
    // A lead byte in the last position has no partner and is kept as it is.
    if (lead || (c != ' ' && c >= 0x20)) result.push_back(static_cast<char>(c));
    ++i;
  }
  return result;
}

int32_t RoundHalfAway(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (x <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  // Truncation and the remaining fraction are both exact, so halves (and the largest double
  // below 0.5, which an x + 0.5 sum would round up) are decided without rounding error.
  int64_t whole = static_cast<int64_t>(x);
  double fraction = x - static_cast<double>(whole);
  if (fraction >= 0.5) ++whole;
  if (fraction <= -0.5) --whole;
  return static_cast<int32_t>(std::clamp<int64_t>(whole, INT32_MIN, INT32_MAX));
}

void SwapPair(double& a, double& b) {
  double t = a;
  a = b;
  b = t;
}

}  // namespace zf61
