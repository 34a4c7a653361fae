#include "design/short_arithmetic.h"

#include <algorithm>

namespace zq::detail {

#if defined(__SIZEOF_INT128__)

bool load_limbs(const BigInt& m, Limbs& out) {
  const auto& be = m.backend();
  if (be.size() > Limbs::kMax) return false;
  out.n = be.size();
  std::copy(be.limbs(), be.limbs() + out.n, out.v);
  out.negative = m.sign() < 0;
  return true;
}

BigInt store_limbs(Limbs& l) {
  while (l.n > 1 && l.v[l.n - 1] == 0) --l.n;
  BigInt r;
  auto& be = r.backend();
  be.resize(l.n, l.n);
  std::copy(l.v, l.v + l.n, be.limbs());
  be.normalize();
  if (l.negative && !(l.n == 1 && l.v[0] == 0)) be.negate();
  return r;
}

namespace {

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

}  // namespace

// Divides the magnitude in place; returns the remainder.
unsigned long long divide_limbs(Limbs& l, unsigned long long d) {
  unsigned long long rem = 0;
  for (unsigned i = l.n; i-- > 0;) l.v[i] = divide_wide(rem, l.v[i], d, &rem);
  while (l.n > 1 && l.v[l.n - 1] == 0) --l.n;
  return rem;
}

void increment_limbs(Limbs& l) {
  for (unsigned i = 0; i < l.n; ++i)
    if (++l.v[i] != 0) return;
  if (l.n < Limbs::kMax) l.v[l.n++] = 1;
}
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

bool load_limbs(const BigInt&, Limbs&) { return false; }
BigInt store_limbs(Limbs&) { return BigInt(); }
unsigned long long divide_limbs(Limbs&, unsigned long long) { return 0; }
void increment_limbs(Limbs&) {}
void divide_magnitudes(Limbs&, const Limbs&, Limbs&) {}
bool twice_at_least(const Limbs&, const Limbs&) { return false; }

#endif

}  // namespace zq::detail
