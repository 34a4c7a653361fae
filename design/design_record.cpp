#include "design/design_record.h"

#include <algorithm>
#include <limits>

namespace zq {
namespace {

using K = ValueKind;
using R = Role;
using DR = DesignRecord;

// name, kind, digits, places, display, metric display, role, imperial only, member
const ValueInfo kValues[] = {
    {"F", K::Fixed, 9, 4, "n11.3", nullptr, R::Input, false, &DR::F},
    {"CD", K::Fixed, 9, 3, "n7.3", nullptr, R::Input, false, &DR::CD},
    {"LD", K::Fixed, 9, 3, "n9.3", "n6.3", R::Input, false, &DR::LD},
    {"WD", K::Fixed, 7, 4, "n6.3", nullptr, R::Input, false, &DR::WD},
    {"SP", K::Fixed, 7, 4, "n6.3", nullptr, R::Input, false, &DR::SP},
    {"CCD", K::Fixed, 9, 3, "n8.3", nullptr, R::Input, false, &DR::CCD},
    {"FAC", K::Fixed, 9, 2, "n5.2", nullptr, R::InputSpin, false, &DR::FAC},
    {"CT", K::UInt8, 3, 0, "n2", nullptr, R::InputSpin, true, &DR::CT},

    {"CCL", K::Fixed, 9, 2, "n-10.3", nullptr, R::Calculated, false, &DR::CCL},
    {"C", K::Fixed, 9, 3, "n10.2", nullptr, R::Calculated, false, &DR::C},
    {"EWC", K::Fixed, 9, 3, "n10.2", nullptr, R::Calculated, false, &DR::EWC},
    {"ECC", K::Fixed, 9, 3, "n-10.2", nullptr, R::Calculated, false, &DR::ECC},
    {"TCC", K::Fixed, 9, 3, "n-12.3", nullptr, R::Editable, false, &DR::TCC},
    {"XC", K::Fixed, 9, 3, "n-10.2", nullptr, R::Calculated, false, &DR::XC},
    {"BW", K::Fixed, 9, 3, "n10", nullptr, R::Calculated, false, &DR::BW},
    {"MBW", K::Fixed, 9, 3, "n-10", nullptr, R::Calculated, false, &DR::MBW},
    {"Q", K::Fixed, 9, 3, "n10.2", nullptr, R::Calculated, false, &DR::Q},
    {"ARR", K::Int16, 5, 0, "n-8.2", nullptr, R::Calculated, true, &DR::ARR},
    {"RR", K::Fixed, 9, 3, "n-8.2", nullptr, R::Calculated, false, &DR::RR},
    {"MRR", K::Fixed, 9, 3, "n-10.2", nullptr, R::Calculated, false, &DR::MRR},
    {"V", K::Fixed, 9, 4, "n-8.2", nullptr, R::Calculated, false, &DR::V},
    {"AE", K::Fixed, 9, 4, "n-9.2", nullptr, R::Calculated, false, &DR::AE},
    {"DBL", K::Fixed, 7, 4, "n-9.2", nullptr, R::Calculated, false, &DR::DBL},
    {"TL", K::Fixed, 9, 3, "n-10.2", nullptr, R::Calculated, false, &DR::TL},
    {"PWL", K::Fixed, 7, 4, "n-8.2", nullptr, R::Calculated, false, &DR::PWL},

    {"TPI", K::Fixed, 7, 2, "n8.2", nullptr, R::Calculated, false, &DR::TPI},
    {"CI", K::Fixed, 9, 3, "n-10.2", nullptr, R::Calculated, false, &DR::CI},
    {"XL", K::Fixed, 11, 4, "n-15.4", nullptr, R::Editable, false, &DR::XL},
    {"NT", K::Fixed, 9, 2, "n-10.2", nullptr, R::Calculated, false, &DR::NT},
    {"CL", K::Fixed, 9, 2, "n-10.2", nullptr, R::Calculated, false, &DR::CL},
    {"LW", K::Fixed, 9, 2, "n-10.2", nullptr, R::Calculated, false, &DR::LW},
    {"WR", K::Fixed, 9, 4, "n-11.4", nullptr, R::Calculated, false, &DR::WR},
    {"RF", K::Fixed, 11, 3, "n-15.2", nullptr, R::Editable, false, &DR::RF},

    {"SCD", K::Fixed, 7, 3, "n-10.3", nullptr, R::Calculated, false, &DR::SCD},
    {"SCWD", K::Fixed, 7, 3, "n-8.3", nullptr, R::Hidden, false, &DR::SCWD},
    {"SCI", K::Fixed, 9, 4, "n-10.4", nullptr, R::Calculated, false, &DR::SCI},
    {"SCT", K::Fixed, 9, 3, "n-11.3", nullptr, R::Calculated, false, &DR::SCT},
    {"SCL", K::Fixed, 7, 2, "n-10.2", nullptr, R::Hidden, false, &DR::SCL},
    {"SCWL", K::Fixed, 7, 2, "n-10.2", nullptr, R::Hidden, false, &DR::SCWL},
    {"XSC", K::Fixed, 7, 3, "n-10.3", nullptr, R::Calculated, false, &DR::XSC},
    {"MC", K::Fixed, 9, 3, "n-11.3", nullptr, R::Editable, false, &DR::MC},

    {"RFR", K::Fixed, 9, 3, nullptr, nullptr, R::Kept, false, &DR::RFR},
    {"AF", K::Fixed, 9, 3, nullptr, nullptr, R::Kept, false, &DR::AF},
    {"LPW", K::Fixed, 9, 3, nullptr, nullptr, R::Kept, false, &DR::LPW},
    {"PCCD", K::Fixed, 9, 3, nullptr, nullptr, R::Kept, false, &DR::PCCD},
    {"PCNT", K::Fixed, 9, 3, nullptr, nullptr, R::Kept, false, &DR::PCNT},
    {"PCWD", K::Fixed, 7, 3, nullptr, nullptr, R::Kept, false, &DR::PCWD},
    {"RAT", K::Fixed, 9, 2, nullptr, nullptr, R::Kept, false, &DR::RAT},
    {"DPS", K::Fixed, 9, 2, nullptr, nullptr, R::Kept, false, &DR::DPS},
    {"Metric", K::Flag, 3, 0, nullptr, nullptr, R::Kept, false, nullptr},
};

std::uint8_t g_metric_flag = 0;

// The largest magnitude a value can hold, in units of its last place.
std::int64_t capacity(ValueKind kind, int digits) {
  switch (kind) {
    case ValueKind::Int16: return std::numeric_limits<std::int16_t>::max();
    case ValueKind::UInt8: return std::numeric_limits<std::uint8_t>::max();
    default: break;
  }
  std::int64_t cap = 1;
  for (int i = 0; i < digits; ++i) cap *= 10;
  return cap - 1;
}

}  // namespace

Field& Field::operator=(const Decimal& value) {
  // Whole-number values keep the whole part; decimals round to their places.
  const std::int64_t high = capacity(kind_, digits_);
  const std::int64_t low = kind_ == ValueKind::UInt8   ? 0
                           : kind_ == ValueKind::Int16 ? std::numeric_limits<std::int16_t>::min()
                                                       : -high;
  units_ = kind_ == ValueKind::Fixed ? value.rounded_units(places_, low, high)
                                     : value.truncated().rounded_units(0, low, high);
  return *this;
}

std::uint8_t metric_flag() { return g_metric_flag; }
void set_metric_flag(std::uint8_t flag) { g_metric_flag = flag; }

std::uint8_t metric_flag_from(const Decimal& value) {
  BigInt whole = value.truncated().mantissa() % 256;
  if (whole.sign() < 0) whole += 256;
  return whole.convert_to<std::uint8_t>();
}

DesignRecord::DesignRecord() {
  for (const ValueInfo& info : kValues)
    if (info.member) (this->*info.member).set_format(info.kind, info.digits, info.places);
}

void DesignRecord::reset() { *this = DesignRecord(); }

std::span<const ValueInfo> value_table() { return kValues; }

const ValueInfo* find_value(std::string_view name) {
  for (const ValueInfo& info : kValues)
    if (name == info.name) return &info;
  return nullptr;
}

bool DesignRecord::store(std::string_view name, const Decimal& value) {
  const ValueInfo* info = find_value(name);
  if (!info) return false;
  if (info->member) this->*info->member = value;
  else set_metric_flag(metric_flag_from(value));
  return true;
}

std::optional<Decimal> DesignRecord::get(std::string_view name) const {
  const ValueInfo* info = find_value(name);
  if (!info) return std::nullopt;
  if (!info->member) return Decimal(static_cast<int>(metric_flag()));
  return (this->*info->member).value();
}

std::optional<double> DesignRecord::as_double(std::string_view name) const {
  auto v = get(name);
  if (!v) return std::nullopt;
  return v->to_double();
}

bool DesignRecord::store_from_double(std::string_view name, double x) {
  return store(name, Decimal::from_double(x));
}

std::optional<std::string> DesignRecord::text(std::string_view name) const {
  auto v = get(name);
  if (!v) return std::nullopt;
  return value_text(*v);
}

std::string value_text(const Decimal& value) { return value.to_string(); }

}  // namespace zq
