#pragma once
// The application's decimal rounding of amounts and taxes.

namespace app {

// x rounded to n decimals, halves away from zero, by the value's 15-digit decimal form: the value is written with
// 15 significant digits, laid out with the pattern "#." and n zeros, and read back. So 1.005, held as the double
// just below it, rounds to 1.01, and 2.675 to 2.68.
double RoundDecimal(int n, double x);

} // namespace app
