#pragma once
// Arithmetic on short non-negative numbers held as a few 64-bit limbs, for
// the decimal hot paths: rounding by powers of ten, quotients, conversions.
// The ReCalc spends most of its time there, and one hardware division per
// limb is far cheaper than the general big-integer routines.
//
// Where the compiler offers no 128-bit integers, load_limbs refuses every
// number and the callers take the general big-integer route instead.
#include <algorithm>

#include "design/decimal.h"

namespace zq::detail {

struct Limbs {
  static constexpr unsigned kMax = 16;
  unsigned long long v[kMax];
  unsigned n = 0;          // limbs in use, at least one
  bool negative = false;   // sign of the number the magnitude came from
};

#if defined(__SIZEOF_INT128__)
// The small steps are inline: they run inside every rounding and quotient.

// The magnitude and sign of m; false when m is too long (or no 128-bit type).
inline bool load_limbs(const BigInt& m, Limbs& out) {
  const auto& be = m.backend();
  if (be.size() > Limbs::kMax) return false;
  out.n = be.size();
  std::copy(be.limbs(), be.limbs() + out.n, out.v);
  out.negative = m.sign() < 0;
  return true;
}

inline BigInt store_limbs(Limbs& l) {
  while (l.n > 1 && l.v[l.n - 1] == 0) --l.n;
  BigInt r;
  auto& be = r.backend();
  be.resize(l.n, l.n);
  std::copy(l.v, l.v + l.n, be.limbs());
  be.normalize();
  if (l.negative && !(l.n == 1 && l.v[0] == 0)) be.negate();
  return r;
}

// (hi:lo) / d with hi < d; the remainder goes to `rem`.
inline unsigned long long divide_wide(unsigned long long hi, unsigned long long lo, unsigned long long d,
                                      unsigned long long* rem) {
  unsigned __int128 n = (static_cast<unsigned __int128>(hi) << 64) | lo;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  unsigned long long q, r;
  __asm__("divq %4" : "=a"(q), "=d"(r) : "a"(lo), "d"(hi), "rm"(d));
  (void)n;
  *rem = r;
  return q;
#else
  *rem = static_cast<unsigned long long>(n % d);
  return static_cast<unsigned long long>(n / d);
#endif
}

// Divides the magnitude in place; returns the remainder.
inline unsigned long long divide_limbs(Limbs& l, unsigned long long d) {
  unsigned long long rem = 0;
  for (unsigned i = l.n; i-- > 0;) l.v[i] = divide_wide(rem, l.v[i], d, &rem);
  while (l.n > 1 && l.v[l.n - 1] == 0) --l.n;
  return rem;
}

inline void increment_limbs(Limbs& l) {
  for (unsigned i = 0; i < l.n; ++i)
    if (++l.v[i] != 0) return;
  if (l.n < Limbs::kMax) l.v[l.n++] = 1;
}
#else
inline bool load_limbs(const BigInt&, Limbs&) { return false; }
inline BigInt store_limbs(Limbs&) { return BigInt(); }
inline unsigned long long divide_limbs(Limbs&, unsigned long long) { return 0; }
inline void increment_limbs(Limbs&) {}
#endif

// u / v for v of two limbs or more: q receives the quotient, u keeps the remainder.
void divide_magnitudes(Limbs& u, const Limbs& v, Limbs& q);
// 2 × r >= d for magnitudes: a remainder that rounds the quotient up.
bool twice_at_least(const Limbs& r, const Limbs& d);

}  // namespace zq::detail
