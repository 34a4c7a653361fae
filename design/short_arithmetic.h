#pragma once
// Arithmetic on short non-negative numbers held as a few 64-bit limbs, for
// the decimal hot paths: rounding by powers of ten, quotients, conversions.
// The ReCalc spends most of its time there, and one hardware division per
// limb is far cheaper than the general big-integer routines.
//
// Where the compiler offers no 128-bit integers, load_limbs refuses every
// number and the callers take the general big-integer route instead.
#include "design/decimal.h"

namespace zq::detail {

struct Limbs {
  static constexpr unsigned kMax = 16;
  unsigned long long v[kMax];
  unsigned n = 0;          // limbs in use, at least one
  bool negative = false;   // sign of the number the magnitude came from
};

// The magnitude and sign of m; false when m is too long (or no 128-bit type).
bool load_limbs(const BigInt& m, Limbs& out);
BigInt store_limbs(Limbs& l);
// Divides the magnitude in place by d (d > 0); returns the remainder.
unsigned long long divide_limbs(Limbs& l, unsigned long long d);
// Adds one to the magnitude.
void increment_limbs(Limbs& l);
// u / v for v of two limbs or more: q receives the quotient, u keeps the remainder.
void divide_magnitudes(Limbs& u, const Limbs& v, Limbs& q);
// 2 × r >= d for magnitudes: a remainder that rounds the quotient up.
bool twice_at_least(const Limbs& r, const Limbs& d);

}  // namespace zq::detail
