// Conversions between text and numbers, and the rounding every pixel placement uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zf61 {

// Whole-text integer: leading blanks, an optional sign, then decimal digits or hexadecimal
// digits after "$", "x", "X", "0x" or "0X". Anything else, or a value outside 32 bits, gives 0.
int32_t ParseInt(std::string_view text);

// Whole-text real with "." as the decimal point whatever the locale. Anything that is not one
// number, and any value that does not fit a finite double, gives 0.0.
double ParseFloat(std::string_view text);

// The value with exactly `digits` decimals ("%.Nf"), independent of the locale.
std::string FormatFixed(int digits, double value);

// The general format with 15 significant digits ("%.15g"): 1 -> "1", 297.5 -> "297.5".
std::string FormatGeneral(double value);

// The shortest text that reads back as the same double, for inspection output, written into
// `buffer`; returns its length.
size_t FormatExact(double value, char (&buffer)[32]);

// Removes blanks, full-width blanks and control bytes from Shift-JIS text.
std::string StripBlanks(std::string_view text);

// Nearest integer with halves away from zero. Values outside the 32-bit range saturate and
// NaN gives 0, so a caller's stray value can never produce undefined behaviour.
int32_t RoundHalfAway(double x);

void SwapPair(double& a, double& b);

}  // namespace zf61
