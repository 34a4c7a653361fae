#include "design/formulas.h"

#include <cmath>

namespace zq::formulas {
namespace {

const Decimal kPi = Decimal::parse("3.1415926535898");
const Decimal kPiCoarse = Decimal::parse("3.14");
const Decimal k0_546 = Decimal::parse("0.546");
const Decimal k2_06 = Decimal::parse("2.06");
const Decimal kMega = 1000000;
const Decimal kPico = Decimal::parse("0.000000000001");
const Decimal k4_5 = Decimal::parse("4.5");
const Decimal kWireFactor = Decimal::parse("0.996") * Decimal::parse("0.000001");
const Decimal kDpsFloor = Decimal::parse("0.1");

}  // namespace

const Decimal& pi() { return kPi; }
const Decimal& pi_coarse() { return kPiCoarse; }

double fourth_root_of_two() { return std::sqrt(std::sqrt(2.0)); }

Decimal cylinder_capacitance(const DesignRecord& r) { return (k0_546 * r.LD + k2_06) * r.CD; }

Decimal capacitive_reactance(const DesignRecord& r, const Decimal& cx) {
  return kMega / (kPi * 2 * r.F * cx);
}

Decimal bandwidth_from_resistance(const DesignRecord& r, const Decimal& resistance, const Decimal& cx) {
  return resistance * cx * 2 * kPi * r.F.value().pow(2) / 1000;
}

Decimal resistance_from_bandwidth(const DesignRecord& r, const Decimal& bandwidth) {
  return r.XC * bandwidth / (r.F * 1000);
}

Decimal two_to_one_bandwidth(const Decimal& bandwidth) {
  const double k = fourth_root_of_two();
  const double b = bandwidth.to_double();
  return Decimal::from_double(std::trunc(b * k) - std::trunc(b / k));
}

Decimal resonating_inductance(const DesignRecord& r, const Decimal& cx) {
  return 1 / ((kPi * 2 * r.F * kMega).pow(2) * cx * kPico) * kMega;
}

double wheeler_turns(const Decimal& inductance, const Decimal& diameter, const Decimal& spacing,
                     const Decimal& unit_divisor) {
  const Decimal a = 10 * inductance * spacing / unit_divisor;
  const Decimal d = diameter / unit_divisor;
  const Decimal radicand = a.pow(2) + k4_5 * d.pow(3) * inductance;
  const Decimal half_d_squared = d.pow(2) / 2;
  return (a.to_double() + std::pow(radicand.to_double(), 0.5)) / half_d_squared.to_double();
}

Decimal inductive_reactance(const DesignRecord& r, const Decimal& inductance) {
  return kPi * 2 * r.F * inductance;
}

Decimal coil_wire_length(const DesignRecord& r) { return r.NT * r.CCD * kPi; }

double wire_resistance(const DesignRecord& r) {
  const double factor = kWireFactor.to_double();
  const double root_f = std::pow((r.F * kMega).to_double(), 0.5);
  return factor * root_f / r.WD.as_double() * r.LW.as_double() / 12.0;
}

Decimal efficiency(const DesignRecord& r, const Decimal& resistance) {
  return resistance / (resistance + r.WR) * 100;
}

Decimal decibel_loss(const DesignRecord& r) {
  // log10 is undefined for no efficiency at all; such a design loses nothing
  // it could report, so the loss shows as 0.
  if (r.AE.value().sign() <= 0) return Decimal();
  const double ratio = (r.AE / Decimal(100)).to_double();
  return Decimal::from_double(10.0 * std::log10(ratio)).rounded(2);
}

Decimal matching_capacitor(const DesignRecord& r) {
  return 1 / (2 * kPiCoarse * r.F * r.XSC) * kMega;
}

Decimal resonant_frequency(const DesignRecord& r) {
  return 1 / (kPi * 2 * r.XL * r.TCC) * kMega;
}

void settle_source_coil(DesignRecord& r, const Decimal& unit_factor) {
  r.SCT.store_from_double(wheeler_turns(r.SCI, r.SCD, r.SP, unit_factor));
  r.SCL = r.SCT * r.SCWD;
  r.XSC = inductive_reactance(r, r.SCI);
  const double reactance = r.XSC.as_double();
  if (reactance >= 1.0 && reactance <= 100.0) return;
  // Out of range. XSC depends only on F and SCI, which a further pass does not
  // change, so every further pass repeats these values while lowering DPS by
  // 0.1 down to its floor of 0.1; the loop ends with the pass that reaches the
  // floor. Taking that end state at once keeps a ReCalc instant for any DPS.
  r.DPS = kDpsFloor;
}

}  // namespace zq::formulas
