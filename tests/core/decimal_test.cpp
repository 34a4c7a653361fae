// The decimal rules every stored value of a design relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "design/decimal.h"

namespace zq {
namespace {

Decimal dec(const char* text) { return Decimal::parse(text); }

TEST(Decimal, RoundsHalvesAwayFromZero) {
  struct Case { const char* value; int places; const char* expected; };
  const Case cases[] = {
      {"1.25", 1, "1.3"},   {"-1.25", 1, "-1.3"}, {"1.24", 1, "1.2"},   {"-1.24", 1, "-1.2"},
      {"0.005", 2, "0.01"}, {"-0.005", 2, "-0.01"}, {"2.4999", 0, "2"}, {"9.99995", 4, "10"},
      {"7.15", 4, "7.15"},  {"0.00049", 3, "0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(dec(c.value).rounded(c.places).to_string(), c.expected) << c.value << " to " << c.places;
}

TEST(Decimal, QuotientCarriesFortyPlacesAndDivisionByZeroIsZero) {
  EXPECT_EQ((Decimal(1) / 3).to_string(), "0." + std::string(40, '3'));
  EXPECT_EQ((Decimal(2) / 3).to_string(), "0." + std::string(39, '6') + "7");
  EXPECT_EQ((Decimal(-2) / 3).to_string(), "-0." + std::string(39, '6') + "7");
  EXPECT_EQ((Decimal(10) / 4).to_string(), "2.5");
  EXPECT_EQ((dec("7.15") / 1000).to_string(), "0.00715");
  EXPECT_TRUE((Decimal(5) / 0).is_zero());
  EXPECT_TRUE((dec("1.5") / dec("0.000")).is_zero());
}

TEST(Decimal, ExactSumsProductsAndPowers) {
  EXPECT_EQ((dec("0.1") + dec("0.2")).to_string(), "0.3");
  EXPECT_EQ((dec("0.546") * 3 + dec("2.06")).to_string(), "3.698");
  EXPECT_EQ(dec("1.5").pow(3).to_string(), "3.375");
  EXPECT_EQ((dec("-2.7")).truncated().to_string(), "-2");
  EXPECT_LT(dec("0.1249"), dec("0.125"));
  EXPECT_EQ(dec("2.50"), dec("2.5"));
}

TEST(Decimal, DoubleResultsKeepFifteenSignificantDigits) {
  struct Case { double x; const char* expected; };
  const Case cases[] = {
      {0.1, "0.1"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {1234567890123455.0, "1234567890123460"},   // exact binary tie: away from zero
      {-1234567890123455.0, "-1234567890123460"},
      {0.5, "0.5"},
      {123.456, "123.456"},
      {1e-7, "0.0000001"},
      {NAN, "0"},
      {INFINITY, "0"},
      {-INFINITY, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(Decimal::from_double(c.x).to_string(), c.expected) << c.x;
}

// Conversions to double round correctly (checked against the C library's
// decimal reader) and long division agrees with the plain big-integer one,
// across short and long numbers alike.
TEST(Decimal, ToDoubleAndLongDivisionAgreeWithReferences) {
  std::mt19937_64 rng(20261211);
  auto random_digits = [&](int count) {
    std::string s(1, static_cast<char>('1' + rng() % 9));
    for (int i = 1; i < count; ++i) s += static_cast<char>('0' + rng() % 10);
    return s;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string digits = random_digits(1 + static_cast<int>(rng() % 60));
    const int scale = static_cast<int>(rng() % 60);
    const Decimal value(BigInt(digits), scale);
    const std::string text = digits + "e-" + std::to_string(scale);
    ASSERT_EQ(value.to_double(), std::strtod(text.c_str(), nullptr)) << text;

    const BigInt num(random_digits(1 + static_cast<int>(rng() % 70)));
    const BigInt den(random_digits(1 + static_cast<int>(rng() % 45)));
    const Decimal quotient = Decimal(num, 0) / Decimal(den, 0);
    BigInt q, r;
    boost::multiprecision::divide_qr(BigInt(num * pow10(Decimal::kQuotientPlaces)), den, q, r);
    if (r * 2 >= den) q += 1;
    ASSERT_EQ(quotient, Decimal(q, Decimal::kQuotientPlaces)) << num << " / " << den;
  }
}

TEST(Decimal, TextFormIsShortestPlainDecimal) {
  struct Case { const char* value; const char* expected; };
  const Case cases[] = {{"7.1500", "7.15"}, {"-3.0100", "-3.01"}, {"0.000", "0"}, {"2.000", "2"},
                        {"0.125", "0.125"}, {"-0.05", "-0.05"}, {"120", "120"}, {"14.2", "14.2"}};
  for (const Case& c : cases) EXPECT_EQ(dec(c.value).to_string(), c.expected);
}

TEST(Decimal, ScansTheNumberAtTheStartOfAText) {
  struct Case { const char* text; bool comma; const char* value; std::size_t length; };
  const Case cases[] = {
      {"12abc", false, "12", 2},   {".5", false, "0.5", 2},      {"-3.01", false, "-3.01", 5},
      {"1,5", true, "1.5", 3},     {"1,5", false, "1", 1},       {"2.5e2", false, "250", 5},
      {"2.5e", false, "2.5", 3},   {"1E-3x", false, "0.001", 4}, {"00012.50", false, "12.5", 8},
      {"1e-999999999", false, "0", 12},
  };
  for (const Case& c : cases) {
    auto scanned = scan_number(c.text, c.comma);
    ASSERT_TRUE(scanned) << c.text;
    EXPECT_EQ(scanned->value.to_string(), c.value) << c.text;
    EXPECT_EQ(scanned->length, c.length) << c.text;
  }
  for (const char* text : {"", "-", ".", "abc", "e5", "-.x"}) EXPECT_FALSE(scan_number(text, true)) << text;
}

TEST(Decimal, HostileExponentSaturatesWithoutBuildingTheNumber) {
  auto scanned = scan_number("1e999999999", false);
  ASSERT_TRUE(scanned);
  EXPECT_EQ(scanned->value, Decimal(pow10(kHugeExponent), 0));
  auto negative = scan_number("-7e2147483648", false);
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->value, -Decimal(pow10(kHugeExponent), 0));
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {
TEST(Decimal, FixedTextShowsExactlyTheGivenPlaces) {
  struct Case { const char* value; int places; const char* shown; };
  const Case cases[] = {{"7.15", 3, "7.150"},  {"-3.005", 2, "-3.01"}, {"-0.004", 2, "0.00"},
                        {"99.995", 2, "100.00"}, {"0.5", 0, "1"},       {"0", 1, "0.0"}};
  for (const Case& c : cases) EXPECT_EQ(Decimal::parse(c.value).to_fixed(c.places), c.shown) << c.value;
}
}  // namespace
}  // namespace zq
