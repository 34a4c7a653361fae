#include "design/short_arithmetic.h"

#include <algorithm>

namespace zq::detail {

#if defined(__SIZEOF_INT128__)

// Long division of magnitudes, u by v with v of two limbs or more (the
// classic normalised schoolbook method, one quotient limb per step).
// q receives the quotient, u is left holding the remainder.
void divide_magnitudes(Limbs& u, const Limbs& v, Limbs& q) {
  using u128 = unsigned __int128;
  using s128 = __int128;
  const unsigned m = u.n, n = v.n;
  q.n = 0;
  q.v[0] = 0;
  if (m < n) {
    q.n = 1;
    return;
  }
  const int shift = __builtin_clzll(v.v[n - 1]);
  unsigned long long vn[Limbs::kMax], un[Limbs::kMax + 1];
  for (unsigned i = n - 1; i > 0; --i)
    vn[i] = (v.v[i] << shift) | (shift ? v.v[i - 1] >> (64 - shift) : 0);
  vn[0] = v.v[0] << shift;
  un[m] = shift ? u.v[m - 1] >> (64 - shift) : 0;
  for (unsigned i = m - 1; i > 0; --i)
    un[i] = (u.v[i] << shift) | (shift ? u.v[i - 1] >> (64 - shift) : 0);
  un[0] = u.v[0] << shift;

  const u128 base = static_cast<u128>(1) << 64;
  for (unsigned j = m - n + 1; j-- > 0;) {
    const u128 top = (static_cast<u128>(un[j + n]) << 64) | un[j + n - 1];
    u128 qhat = top / vn[n - 1];
    u128 rhat = top - qhat * vn[n - 1];
    while (qhat >= base || qhat * vn[n - 2] > ((rhat << 64) | un[j + n - 2])) {
      --qhat;
      rhat += vn[n - 1];
      if (rhat >= base) break;
    }
    s128 borrow = 0, t = 0;
    for (unsigned i = 0; i < n; ++i) {
      const u128 product = qhat * vn[i];
      t = static_cast<s128>(un[i + j]) - borrow - static_cast<s128>(product & (base - 1));
      un[i + j] = static_cast<unsigned long long>(t);
      borrow = static_cast<s128>(product >> 64) - (t >> 64);
    }
    t = static_cast<s128>(un[j + n]) - borrow;
    un[j + n] = static_cast<unsigned long long>(t);
    auto digit = static_cast<unsigned long long>(qhat);
    if (t < 0) {  // qhat was one too large: add the divisor back
      --digit;
      u128 carry = 0;
      for (unsigned i = 0; i < n; ++i) {
        const u128 sum = static_cast<u128>(un[i + j]) + vn[i] + carry;
        un[i + j] = static_cast<unsigned long long>(sum);
        carry = sum >> 64;
      }
      un[j + n] += static_cast<unsigned long long>(carry);
    }
    q.v[j] = digit;
  }
  q.n = m - n + 1;
  while (q.n > 1 && q.v[q.n - 1] == 0) --q.n;
  for (unsigned i = 0; i < n; ++i)
    u.v[i] = shift ? (un[i] >> shift) | (un[i + 1] << (64 - shift)) : un[i];
  u.n = n;
  while (u.n > 1 && u.v[u.n - 1] == 0) --u.n;
}

namespace {
// a >= b for magnitudes.
bool at_least(const Limbs& a, const Limbs& b) {
  if (a.n != b.n) return a.n > b.n;
  for (unsigned i = a.n; i-- > 0;)
    if (a.v[i] != b.v[i]) return a.v[i] > b.v[i];
  return true;
}
}  // namespace

bool twice_at_least(const Limbs& r, const Limbs& d) {
  Limbs twice = r;
  unsigned long long carry = 0;
  for (unsigned i = 0; i < twice.n; ++i) {
    const unsigned long long next = twice.v[i] >> 63;
    twice.v[i] = (twice.v[i] << 1) | carry;
    carry = next;
  }
  if (carry) twice.v[twice.n++] = carry;
  return at_least(twice, d);
}

#else  // no 128-bit integers: every caller takes the general route

void divide_magnitudes(Limbs&, const Limbs&, Limbs&) {}
bool twice_at_least(const Limbs&, const Limbs&) { return false; }

#endif

}  // namespace zq::detail
