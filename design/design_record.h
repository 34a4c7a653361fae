#pragma once
// The design record: every value of one antenna design, described once in
// kValueTable (name, digits, places, display format, role). The table drives
// the design-file keys, the log columns, the screen fields and zqcalc.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "design/decimal.h"

namespace zq {

enum class ValueKind : std::uint8_t {
  Fixed,   // fixed-point decimal with digits and places
  Int16,   // signed 16-bit whole number (ARR)
  UInt8,   // unsigned 8-bit whole number (CT)
  Flag,    // the process-wide metric flag (Metric): low eight bits
};

enum class Role : std::uint8_t { Input, InputSpin, Calculated, Editable, Hidden, Kept };

// One stored value. Assigning a Decimal stores it with the value's rounding:
// to its places, halves away from zero, saturated at its capacity.
class Field {
 public:
  Field() = default;
  Field(ValueKind kind, int digits, int places) : kind_(kind), digits_(digits), places_(places) {}
  Field(const Field&) = default;
  // Assigning one field to another stores the value, keeping this field's places.
  Field& operator=(const Field& other) { return *this = other.value(); }
  Field& operator=(const Decimal& value);

  Decimal value() const { return Decimal(BigInt(units_), places_); }
  operator Decimal() const { return value(); }  // NOLINT: formulas read fields as numbers
  double as_double() const { return value().to_double(); }
  // Rule for results taken in double: 15 significant digits, then the store;
  // a result that is not finite stores 0.
  void store_from_double(double x) { *this = Decimal::from_double(x); }
  bool is_zero() const { return units_ == 0; }
  // Gives an empty field its kind, digits and places (copying a field keeps them).
  void set_format(ValueKind kind, int digits, int places) {
    kind_ = kind;
    digits_ = static_cast<std::uint8_t>(digits);
    places_ = static_cast<std::uint8_t>(places);
    units_ = 0;
  }

  // value × 10^places, the exact stored number.
  std::int64_t units() const { return units_; }
  int places() const { return places_; }
  int digits() const { return digits_; }
  ValueKind kind() const { return kind_; }

 private:
  std::int64_t units_ = 0;
  ValueKind kind_ = ValueKind::Fixed;
  std::uint8_t digits_ = 9;
  std::uint8_t places_ = 0;
};

// The process-wide metric flag: 0 imperial design, 1 metric design.
std::uint8_t metric_flag();
void set_metric_flag(std::uint8_t flag);
// The flag as a design file or zqcalc gives it: whole part, low eight bits.
std::uint8_t metric_flag_from(const Decimal& value);

struct DesignRecord {
  DesignRecord();
  DesignRecord(const DesignRecord&) = default;
  DesignRecord& operator=(const DesignRecord&) = default;

  // Inputs
  Field F, CD, LD, WD, SP, CCD, FAC, CT;
  std::string SAVENAME;
  // Cylinders, capacitance, bandwidth and radiation resistance
  Field CCL, C, EWC, ECC, TCC, XC, BW, MBW, Q, ARR, RR, MRR, V, AE, DBL, TL, PWL;
  // Tuning coil
  Field TPI, CI, XL, NT, CL, LW, WR, RF;
  // Source coil and matching capacitor
  Field SCD, SCWD, SCI, SCT, SCL, SCWL, XSC, MC;
  // Kept with the design, not shown
  Field RFR, AF, LPW, PCCD, PCNT, PCWD, RAT, DPS;

  // All values zero, texts blank.
  void reset();

  // By name (exact upper-case name; "Metric" is the process-wide flag).
  // Return false for an unknown name.
  bool store(std::string_view name, const Decimal& value);
  std::optional<Decimal> get(std::string_view name) const;
  std::optional<double> as_double(std::string_view name) const;
  bool store_from_double(std::string_view name, double x);
  // The value's text form as written to files: "7.15", "-3.01", "0", "120".
  std::optional<std::string> text(std::string_view name) const;
};

struct ValueInfo {
  const char* name;
  ValueKind kind;
  int digits;
  int places;
  const char* display;         // imperial window's format, e.g. "n11.3"
  const char* metric_display;  // metric window's, where it differs (else nullptr)
  Role role;
  bool imperial_only;          // CT and ARR
  Field DesignRecord::*member; // nullptr for the metric flag
};

// Every numeric value, in the order of the record's tables: inputs, cylinders
// and bandwidth, tuning coil, source coil, kept values, Metric last.
std::span<const ValueInfo> value_table();
const ValueInfo* find_value(std::string_view name);

// Text form of a decimal value: shortest plain decimal text.
std::string value_text(const Decimal& value);

}  // namespace zq
