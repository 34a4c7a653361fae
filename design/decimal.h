#pragma once
// Fixed-point decimal numbers for the design calculations.
//
// A Decimal is an exact value mantissa / 10^scale. Sums, differences, products
// and whole powers are exact; a quotient carries kQuotientPlaces places, rounded
// half away from zero, and a quotient by zero is 0. Rounding to a value's own
// places happens only when a result is stored (see design_record.h).
#include <boost/multiprecision/cpp_int.hpp>

#include <compare>
#include <iosfwd>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// Expression templates off: every intermediate is a plain value, which reads
// clearly and is faster for the short numbers of a design.
using BigInt = boost::multiprecision::number<
    boost::multiprecision::cpp_int_backend<256, 0, boost::multiprecision::signed_magnitude,
                                           boost::multiprecision::unchecked, std::allocator<boost::multiprecision::limb_type>>,
                                            boost::multiprecision::et_off>;

class Decimal {
 public:
  static constexpr int kQuotientPlaces = 40;

  Decimal() = default;
  Decimal(int whole) : mantissa_(whole) {}                          // NOLINT: literals read naturally
  Decimal(long long whole) : mantissa_(whole) {}                    // NOLINT
  Decimal(BigInt mantissa, int scale);

  // Exact value of a plain decimal text such as "0.546", "-3.01" or "1e-12";
  // for constants written in code. Throws std::invalid_argument on bad text.
  static Decimal parse(std::string_view text);

  // The nearest 15-significant-digit decimal to the exact binary value of x,
  // halves away from zero. A value that is not finite gives 0.
  static Decimal from_double(double x);

  const BigInt& mantissa() const { return mantissa_; }
  int scale() const { return scale_; }
  int sign() const { return mantissa_.sign(); }
  bool is_zero() const { return mantissa_.is_zero(); }

  // Rounded to `places` digits after the point, halves away from zero.
  Decimal rounded(int places) const;
  // The whole-number part, fraction dropped toward zero.
  Decimal truncated() const;
  // The nearest double (correctly rounded).
  double to_double() const;
  // Shortest plain text: "7.15", "-3.01", "0", no exponent, no trailing zeros.
  std::string to_string() const;
  // Rounded to `places` and shown with exactly that many: "7.150", "-3.01";
  // a value that rounds to zero shows no sign. What screens and reports show.
  std::string to_fixed(int places) const;
  // mantissa scaled to `places` places (value must already hold no more places).
  BigInt scaled_to(int places) const;
  // Rounded to `places` as a count of its last place, held within [low, high]
  // (high >= 0 >= low); what lies beyond saturates.
  std::int64_t rounded_units(int places, std::int64_t low, std::int64_t high) const;

  Decimal pow(unsigned exponent) const;

  friend Decimal operator+(const Decimal& a, const Decimal& b);
  friend Decimal operator-(const Decimal& a, const Decimal& b);
  friend Decimal operator*(const Decimal& a, const Decimal& b);
  friend Decimal operator/(const Decimal& a, const Decimal& b);
  friend Decimal operator-(const Decimal& a);
  friend bool operator==(const Decimal& a, const Decimal& b);
  friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

 private:
  BigInt mantissa_;
  int scale_ = 0;  // digits after the point; never negative
};

// Also declared here so that fields, which read as Decimals, combine directly.
Decimal operator+(const Decimal& a, const Decimal& b);
Decimal operator-(const Decimal& a, const Decimal& b);
Decimal operator*(const Decimal& a, const Decimal& b);
Decimal operator/(const Decimal& a, const Decimal& b);
Decimal operator-(const Decimal& a);
bool operator==(const Decimal& a, const Decimal& b);
std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

// Writes the text form, e.g. for test messages.
std::ostream& operator<<(std::ostream& out, const Decimal& value);

// 10^n, from a table for the exponents the calculations use.
const BigInt& pow10(int n);

// A decimal number at the start of `text`, read as design files are read:
// optional "-" (or "+"), digits, optionally "." (or "," when allowed) and
// fraction digits, optionally an exponent. `length` receives how many
// characters form the number. No number at the start: nullopt.
// An exponent that would make the value larger than any stored value can be
// gives a value of 10^kHugeExponent with the sign, so a hostile text never
// builds a huge number; one that makes it smaller than any place reads as 0.
struct ScannedNumber {
  Decimal value;
  std::size_t length = 0;
};
inline constexpr int kHugeExponent = 40;
std::optional<ScannedNumber> scan_number(std::string_view text, bool allow_comma);

}  // namespace zq
