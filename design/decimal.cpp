#include "design/decimal.h"

#include "design/short_arithmetic.h"

#include <cmath>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace zq {
namespace {

using detail::Limbs;
using detail::load_limbs;
using detail::store_limbs;
using detail::divide_limbs;
using detail::increment_limbs;
using detail::divide_magnitudes;
using detail::twice_at_least;

// Powers of ten and five are kept once: every alignment, quotient and
// conversion needs them, and recomputing them dominated the cost of a ReCalc.
class PowerTable {
 public:
  explicit PowerTable(unsigned base) : base_(base) { powers_.emplace_back(1); }
  const BigInt& operator[](int n) {
    while (static_cast<int>(powers_.size()) <= n) powers_.push_back(powers_.back() * base_);
    return powers_[static_cast<std::size_t>(n)];
  }

 private:
  unsigned base_;
  std::vector<BigInt> powers_;
};

PowerTable& tens() {
  static PowerTable table(10);
  return table;
}

const BigInt& pow5(int n) {
  static PowerTable table(5);
  return table[n];
}

// q = num / den rounded half away from zero; den != 0. Short numbers take
// the limb-wise division, which rounds the same way.
BigInt divide_rounded(const BigInt& num, const BigInt& den) {
  Limbs u, v;
  if (load_limbs(num, u) && load_limbs(den, v)) {
    Limbs q;
    if (v.n == 1) {
      const unsigned long long d = v.v[0];
      const unsigned long long rem = divide_limbs(u, d);
      if (rem >= d - rem) increment_limbs(u);
      q = u;
    } else {
      divide_magnitudes(u, v, q);
      if (!(u.n == 1 && u.v[0] == 0) && twice_at_least(u, v)) increment_limbs(q);
    }
    q.negative = (num.sign() < 0) != (den.sign() < 0);
    return store_limbs(q);
  }
  BigInt q, r;
  boost::multiprecision::divide_qr(num, den, q, r);
  if (!r.is_zero()) {
    BigInt twice = abs(r) * 2;
    if (twice >= abs(den)) q += (num.sign() == den.sign()) ? 1 : -1;
  }
  return q;
}

constexpr unsigned long long kTenPowers[] = {1ULL,
                                             10ULL,
                                             100ULL,
                                             1000ULL,
                                             10000ULL,
                                             100000ULL,
                                             1000000ULL,
                                             10000000ULL,
                                             100000000ULL,
                                             1000000000ULL,
                                             10000000000ULL,
                                             100000000000ULL,
                                             1000000000000ULL,
                                             10000000000000ULL,
                                             100000000000000ULL,
                                             1000000000000000ULL,
                                             10000000000000000ULL,
                                             100000000000000000ULL,
                                             1000000000000000000ULL,
                                             10000000000000000000ULL};

// |l| / 10^k truncated; true when any dropped digit was not zero.
bool truncate_limbs(Limbs& l, int k) {
  bool inexact = false;
  while (k > 0) {
    int step = k < 19 ? k : 19;
    if (divide_limbs(l, kTenPowers[step]) != 0) inexact = true;
    k -= step;
  }
  return inexact;
}

// m / 10^k truncated toward zero. `inexact` is set when any digit dropped was
// not zero.
BigInt truncate_pow10(const BigInt& m, int k, bool* inexact = nullptr) {
  Limbs l;
  if (load_limbs(m, l)) {
    bool dropped = truncate_limbs(l, k);
    if (inexact && dropped) *inexact = true;
    return store_limbs(l);
  }
  BigInt q, r;
  boost::multiprecision::divide_qr(m, pow10(k), q, r);
  if (inexact && !r.is_zero()) *inexact = true;
  return q;
}

// m / 10^k rounded half away from zero: only the first dropped digit decides.
BigInt round_pow10(const BigInt& m, int k) {
  if (k <= 0) return m;
  Limbs l;
  if (load_limbs(m, l)) {
    truncate_limbs(l, k - 1);
    if (divide_limbs(l, 10) >= 5) increment_limbs(l);
    return store_limbs(l);
  }
  return divide_rounded(m, pow10(k));
}

// Number of decimal digits of |n| (0 has one digit).
int digit_count(const BigInt& n) {
  if (n.backend().size() == 1) {
    unsigned long long v = *n.backend().limbs();
    int digits = 1;
    while (digits < 20 && v >= kTenPowers[digits]) ++digits;
    return digits;
  }
  // |n| lies in [2^(bits-1), 2^bits): its digit count is one of two values.
  const auto bits = static_cast<int>(boost::multiprecision::msb(abs(n))) + 1;
  const int low = static_cast<int>((bits - 1) * 0.30102999566398120) + 1;
  const int high = static_cast<int>(bits * 0.30102999566398120) + 1;
  if (low == high) return low;
  return abs(n) >= pow10(high - 1) ? high : low;
}

// The nearest double to m / 10^scale, through the 64-bit mantissa of long
// double when that is enough to decide the rounding; nullopt when it is not.
std::optional<double> to_double_extended(const BigInt& m, int scale) {
  if constexpr (std::numeric_limits<long double>::digits < 64) {
    return std::nullopt;
  } else {
    int drop = digit_count(m) - 19;
    if (drop < 0) drop = 0;
    bool inexact = false;
    BigInt head = truncate_pow10(abs(m), drop, &inexact);  // < 10^19 < 2^64
    int power = scale - drop;                              // value = head / 10^power
    if (power > 27 || power < -27) return std::nullopt;   // 10^27 is the largest exact one
    auto whole = static_cast<long double>(head.convert_to<unsigned long long>());
    long double ten = 1.0L;
    for (int i = 0; i < (power < 0 ? -power : power); ++i) ten *= 10.0L;
    long double x = power >= 0 ? whole / ten : whole * ten;
    // The 64-bit result is within a few of its last units of the true value;
    // converting to double is correct unless the 11 bits it drops lie that
    // close to a half.
    int exponent = 0;
    long double fraction = std::frexp(x, &exponent);
    auto bits = static_cast<unsigned long long>(std::ldexp(fraction, 64));
    long long low = static_cast<long long>(bits & 0x7FF);
    if (low > 0x400 - 40 && low < 0x400 + 40) return std::nullopt;
    (void)inexact;
    double result = static_cast<double>(x);
    return m.sign() < 0 ? -result : result;
  }
}

}  // namespace

const BigInt& pow10(int n) { return tens()[n]; }

Decimal::Decimal(BigInt mantissa, int scale) : mantissa_(std::move(mantissa)), scale_(scale) {
  if (scale_ < 0) {
    mantissa_ *= pow10(-scale_);
    scale_ = 0;
  }
}

Decimal Decimal::parse(std::string_view text) {
  auto scanned = scan_number(text, false);
  if (!scanned || scanned->length != text.size())
    throw std::invalid_argument("not a decimal number: " + std::string(text));
  return scanned->value;
}

std::int64_t Decimal::rounded_units(int places, std::int64_t low, std::int64_t high) const {
  Limbs l;
  if (places < scale_ && load_limbs(mantissa_, l)) {
    truncate_limbs(l, scale_ - places - 1);
    if (divide_limbs(l, 10) >= 5) increment_limbs(l);
    if (l.n > 1 || l.v[0] > static_cast<unsigned long long>(high)) return l.negative ? low : high;
    const auto magnitude = static_cast<std::int64_t>(l.v[0]);
    return l.negative ? std::max(low, -magnitude) : magnitude;
  }
  const BigInt scaled = scaled_to(places);
  if (scaled > high) return high;
  if (scaled < low) return low;
  return scaled.convert_to<std::int64_t>();
}

BigInt Decimal::scaled_to(int places) const {
  if (places >= scale_) return mantissa_ * pow10(places - scale_);
  return round_pow10(mantissa_, scale_ - places);
}

Decimal Decimal::rounded(int places) const {
  if (places >= scale_) return *this;
  return Decimal(round_pow10(mantissa_, scale_ - places), places);
}

Decimal Decimal::truncated() const {
  if (scale_ == 0) return *this;
  return Decimal(truncate_pow10(mantissa_, scale_), 0);
}

double Decimal::to_double() const {
  // Exact fast path: both operands are exact doubles, and one IEEE division
  // rounds correctly.
  static const BigInt kExactLimit = BigInt(1) << 53;
  if (scale_ <= 22 && abs(mantissa_) < kExactLimit) {
    static const double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return static_cast<double>(mantissa_.convert_to<long long>()) / kTens[scale_];
  }
  if (auto fast = to_double_extended(mantissa_, scale_)) return *fast;
  // strtod rounds the decimal text correctly.
  std::string text = mantissa_.str() + "e-" + std::to_string(scale_);
  return std::strtod(text.c_str(), nullptr);
}

Decimal Decimal::from_double(double x) {
  if (!std::isfinite(x) || x == 0.0) return Decimal();
  int binary_exponent = 0;
  double fraction = std::frexp(x, &binary_exponent);  // x = fraction * 2^binary_exponent
  auto bits = static_cast<std::int64_t>(std::ldexp(fraction, 53));
  int exponent = binary_exponent - 53;
  while ((bits & 1) == 0 && exponent < 0) {
    bits >>= 1;
    ++exponent;
  }
  // The exact value as an integer over a power of ten.
  BigInt exact;
  int scale = 0;
  if (exponent >= 0) {
    exact = BigInt(bits) << exponent;
  } else {
    exact = BigInt(bits) * pow5(-exponent);
    scale = -exponent;
  }
  int drop = digit_count(exact) - 15;
  if (drop > 0) {
    exact = round_pow10(exact, drop);
    scale -= drop;
  }
  return Decimal(std::move(exact), scale);
}

std::string Decimal::to_string() const {
  BigInt m = mantissa_;
  int scale = scale_;
  while (scale > 0 && (m % 10).is_zero()) {
    m /= 10;
    --scale;
  }
  bool negative = m.sign() < 0;
  std::string digits = abs(m).str();
  if (scale > 0) {
    if (static_cast<int>(digits.size()) <= scale)
      digits.insert(0, static_cast<std::size_t>(scale + 1) - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(scale), ".");
  }
  return negative ? "-" + digits : digits;
}

std::string Decimal::to_fixed(int places) const {
  BigInt units = abs(scaled_to(places));
  std::string digits = units.str();
  const auto shown_places = static_cast<std::size_t>(places);
  if (digits.size() <= shown_places) digits = std::string(shown_places + 1 - digits.size(), '0') + digits;
  if (shown_places > 0) {
    const std::size_t point = digits.size() - shown_places;
    digits = digits.substr(0, point) + "." + digits.substr(point);
  }
  return sign() < 0 && !units.is_zero() ? "-" + digits : digits;
}

Decimal Decimal::pow(unsigned exponent) const {
  return Decimal(BigInt(boost::multiprecision::pow(mantissa_, exponent)),
                 scale_ * static_cast<int>(exponent));
}

Decimal operator+(const Decimal& a, const Decimal& b) {
  if (a.scale_ == b.scale_) return Decimal(a.mantissa_ + b.mantissa_, a.scale_);
  if (a.scale_ > b.scale_)
    return Decimal(a.mantissa_ + b.mantissa_ * pow10(a.scale_ - b.scale_), a.scale_);
  return Decimal(a.mantissa_ * pow10(b.scale_ - a.scale_) + b.mantissa_, b.scale_);
}

Decimal operator-(const Decimal& a) { return Decimal(BigInt(-a.mantissa_), a.scale_); }

Decimal operator-(const Decimal& a, const Decimal& b) { return a + (-b); }

Decimal operator*(const Decimal& a, const Decimal& b) {
  return Decimal(a.mantissa_ * b.mantissa_, a.scale_ + b.scale_);
}

namespace {
// k when |m| is 10^k, else -1.
int power_of_ten_exponent(const BigInt& m) {
  if (m.backend().size() != 1) return -1;  // divisors of the formulas are short
  unsigned long long v = *m.backend().limbs();
  for (int k = 0; k < 20; ++k)
    if (v == kTenPowers[k]) return k;
  return -1;
}
}  // namespace

Decimal operator/(const Decimal& a, const Decimal& b) {
  if (b.mantissa_.is_zero()) return Decimal();
  // Dividing by a power of ten only moves the point: exact, no long division.
  if (int k = power_of_ten_exponent(b.mantissa_); k >= 0) {
    BigInt m = b.mantissa_.sign() < 0 ? BigInt(-a.mantissa_) : a.mantissa_;
    int scale = a.scale_ + k - b.scale_;
    if (scale > Decimal::kQuotientPlaces)
      return Decimal(round_pow10(m, scale - Decimal::kQuotientPlaces), Decimal::kQuotientPlaces);
    return Decimal(std::move(m), scale);
  }
  // a/b * 10^40 = a.m * 10^(40 - a.s + b.s) / b.m
  int shift = Decimal::kQuotientPlaces - a.scale_ + b.scale_;
  BigInt q = shift >= 0 ? divide_rounded(a.mantissa_ * pow10(shift), b.mantissa_)
                        : divide_rounded(a.mantissa_, b.mantissa_ * pow10(-shift));
  return Decimal(std::move(q), Decimal::kQuotientPlaces);
}

std::ostream& operator<<(std::ostream& out, const Decimal& value) { return out << value.to_string(); }

bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
  int s = std::max(a.scale_, b.scale_);
  BigInt lhs = a.scale_ == s ? a.mantissa_ : BigInt(a.mantissa_ * pow10(s - a.scale_));
  BigInt rhs = b.scale_ == s ? b.mantissa_ : BigInt(b.mantissa_ * pow10(s - b.scale_));
  int c = lhs.compare(rhs);
  return c < 0 ? std::strong_ordering::less
               : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

std::optional<ScannedNumber> scan_number(std::string_view text, bool allow_comma) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::string digits;
  std::size_t whole_digits = 0, fraction_digits = 0;
  auto is_digit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  while (is_digit(i)) {
    digits += text[i++];
    ++whole_digits;
  }
  if (i < text.size() && (text[i] == '.' || (allow_comma && text[i] == ',')) &&
      (whole_digits > 0 || is_digit(i + 1))) {
    ++i;
    while (is_digit(i)) {
      digits += text[i++];
      ++fraction_digits;
    }
  }
  if (whole_digits + fraction_digits == 0) return std::nullopt;
  std::size_t end = i;

  // Exponent: kept as a saturated count, never expanded into a huge number.
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool exp_negative = false;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) exp_negative = text[j++] == '-';
    if (is_digit(j)) {
      while (is_digit(j)) {
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
        ++j;
      }
      if (exp_negative) exponent = -exponent;
      end = j;
    }
  }

  // Leading zeros carry no value; dropping them keeps the size check honest.
  std::size_t first = digits.find_first_not_of('0');
  ScannedNumber result;
  result.length = end;
  if (first == std::string::npos) return result;  // zero
  std::size_t significant = digits.size() - first;
  long long point_shift = exponent - static_cast<long long>(fraction_digits);
  long long magnitude = static_cast<long long>(significant) + point_shift;  // digits before the point
  if (magnitude > kHugeExponent) {
    result.value = Decimal(negative ? BigInt(-pow10(kHugeExponent)) : pow10(kHugeExponent), 0);
    return result;
  }
  if (magnitude < -kHugeExponent) return result;  // far below any place: 0
  // Keep a bounded number of significant digits: beyond 80 they cannot reach
  // any stored place or change a rounding half (values hold at most 11 digits).
  std::string kept = digits.substr(first);
  if (kept.size() > 80) {
    point_shift += static_cast<long long>(kept.size() - 80);
    bool any_beyond = kept.find_first_not_of('0', 80) != std::string::npos;
    kept.resize(80);
    if (any_beyond) {  // a sticky digit so a cut tail still rounds a half up
      kept += '1';
      point_shift -= 1;
    }
  }
  BigInt m(kept);
  if (negative) m = -m;
  result.value = point_shift >= 0 ? Decimal(m * pow10(static_cast<int>(point_shift)), 0)
                                  : Decimal(std::move(m), static_cast<int>(-point_shift));
  return result;
}

}  // namespace zq
