// Number formatting and reading that never depend on the machine's locale: "." is always the
// decimal separator, in both directions.
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

// The display text of `valore` with a pattern of digit placeholders:
//   "0" a digit that is always written, "#" a digit written only when significant,
//   "." the decimal point.
// The integer part is written in full (at least as many digits as "0"s before the point);
// the fraction is rounded, halves away from zero, to as many places as there are
// placeholders after the point and keeps at least as many places as "0"s after it.
// A result that would begin with "." gets a "0" before it; a trailing "." is dropped. So a
// value that rounds to 0 gives "" with "#" (no digit is significant) and "0" with "#.##".
// Characters of the pattern before the first or after the last placeholder are copied
// as they stand. An empty pattern writes the number in its shortest general form.
std::string FormattaNumero(double valore, const std::string& formato);

// The longest leading number of `testo` (leading blanks skipped, an optional sign, digits,
// one ".", an optional exponent). "" and "abc" read 0, "12abc" reads 12, "1,5" reads 1.
double Val(const std::string& testo);

// Largest whole number not greater than x.
double Int(double x);
// Whole part, truncated towards zero.
double Fix(double x);
// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4), kept within the 16-bit range.
int16_t CInt(double x);
// The same, kept within the 32-bit range.
int32_t CLng(double x);

// Rounds x to the decimals given by `arrotondamento` (10 ^ decimals, as ArrotondamentoUnita
// holds it): Fix(|x| * a + 0.5) / a with the sign of x put back, so that negative values
// round like positive ones (-1.234 with 100 gives -1.23).
double ArrotondaDecimali(double x, double arrotondamento);

} // namespace kelvra
