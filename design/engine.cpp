#include "design/engine.h"

#include <cmath>

#include "design/formulas.h"

namespace zq {
namespace {

using namespace formulas;

const Decimal kInchInMm = Decimal::parse("25.4");
const Decimal kDefaultFactor = Decimal::parse("1.75");
const Decimal k5_08 = Decimal::parse("5.08");
const Decimal k0_0563 = Decimal::parse("0.0563");
const Decimal k0_08 = Decimal::parse("0.08");
const Decimal k1_414 = Decimal::parse("1.414");
const Decimal kInchesPerMetre = Decimal::parse("39.37");

// Working values of one run, with their own places.
struct WorkingValues {
  Field UF{ValueKind::Fixed, 9, 4};
  Field NTE{ValueKind::Fixed, 7, 2};
};

// Steps shared by the start of both engines: turns estimate, defaults, TPI aside.
void apply_defaults(DesignRecord& r, WorkingValues& w) {
  w.NTE = r.CCD.value().pow(2) * 35 / r.F;
  if (r.FAC.is_zero()) r.FAC = kDefaultFactor;
  r.PCWD = r.WD;
  r.SCWD = r.WD;
  if (r.SP.value() < r.WD.value()) r.SP = r.WD;
}

// Steps shared by the end of both engines, from the source-coil diameter on.
void finish_source_coil(DesignRecord& r, const WorkingValues& w, const Decimal& tap_ratio) {
  if (r.SCD.is_zero()) r.SCD = r.CCD;
  r.SCI = r.CI / tap_ratio;
  settle_source_coil(r, w.UF);
  r.SCWL = r.SCT * r.SCD * pi();
  r.PCNT = r.LPW / (pi() * r.PCCD);
  r.MC = matching_capacitor(r);
}

Decimal wavelength_percentage(const DesignRecord& r, const Decimal& units_per_metre) {
  return r.TL * 100 / ((300 / r.F) * units_per_metre);
}

}  // namespace

void recalculate_imperial(DesignRecord& r) {
  WorkingValues w;
  const std::uint8_t flag = metric_flag();
  r.ARR = 120;
  w.UF = flag == 1 ? kInchInMm : Decimal(1);
  apply_defaults(r, w);
  r.TPI = 1 / r.SP;
  r.CCL = r.CD * r.LD;
  if (flag == 0) r.C = cylinder_capacitance(r);
  else if (flag == 1) r.C = cylinder_capacitance(r) / w.UF;
  r.ECC = 0;
  r.CL = 2;

  // Inside the loops only CL, and what follows from it, changes; the rest is
  // taken once. Each loop's pass is a function of one value it carries (BW for
  // the bandwidth loop, CL for the turns and the outer loop), so once a pass
  // leaves that value as it found it every later pass repeats it exactly, and
  // the loop can stop there with the very same end state.
  const Decimal radius = r.CD / 2;
  const Decimal p = radius * k5_08;
  const double inverse_diameter = (1 / r.CCD).to_double();
  for (int pass = 0; pass < 5; ++pass) {
    const std::int64_t cl_in = r.CL.units();
    const Decimal qx = k0_0563 * r.CL / radius + k0_08;
    const Decimal s = radius / r.CL;
    r.ECC.store_from_double((std::sqrt(s.to_double()) * 0.38 + qx.to_double()) * p.to_double());
    r.EWC = r.ECC * r.FAC;
    r.TCC = r.C + r.EWC + r.ECC;
    r.CL = r.SP * w.NTE;
    r.XC = capacitive_reactance(r, r.TCC);
    r.BW = bandwidth_from_resistance(r, r.ARR, r.TCC);
    for (int b = 0; b < 10; ++b) {
      const std::int64_t bw_in = r.BW.units();
      r.RR = resistance_from_bandwidth(r, r.BW);
      r.BW = bandwidth_from_resistance(r, r.RR, r.TCC);
      if (r.BW.units() == bw_in) break;
    }
    r.BW = two_to_one_bandwidth(r.BW);
    r.TL = 2 * r.CCL + r.CD;
    if (r.PCCD.is_zero()) r.PCCD = r.CD;
    r.RAT = r.CL / r.CCL;
    r.CI = resonating_inductance(r, r.TCC);
    r.CL = r.SP * w.NTE;
    for (int t = 0; t < 5; ++t) {
      const std::int64_t cl_before = r.CL.units();
      const Decimal radicand = 5 * r.CI * (3 * r.CCD + 9 * r.CL);
      r.NT.store_from_double(inverse_diameter * std::sqrt(radicand.to_double()));
      r.CL = r.NT * r.SP;
      if (r.CL.units() == cl_before) break;
    }
    if (r.CL.units() == cl_in) break;
  }

  r.XL = inductive_reactance(r, r.CI);
  r.LW = coil_wire_length(r);
  r.WR.store_from_double(wire_resistance(r));
  r.MRR = resistance_from_bandwidth(r, r.BW);
  r.AE = efficiency(r, r.MRR);
  r.V = (r.ARR - r.MRR) / r.ARR * 100;
  r.Q = r.XC / r.MRR;
  r.BW = bandwidth_from_resistance(r, r.MRR, r.C);
  r.MBW = ((r.BW * k1_414).truncated() - (r.BW / k1_414).truncated()) / 2;
  r.DBL = decibel_loss(r);
  finish_source_coil(r, w, r.CT);
  if (flag == 0) r.PWL = wavelength_percentage(r, kInchesPerMetre);
  else if (flag == 1) r.PWL = wavelength_percentage(r, 1000);
  r.RF = resonant_frequency(r);
}

void recalculate_metric(DesignRecord& r) {
  WorkingValues w;
  w.UF = kInchInMm;
  apply_defaults(r, w);
  r.TPI = 1 / r.SP * 10;
  r.CCL = r.CD * r.LD;
  r.C = cylinder_capacitance(r) / w.UF;
  r.ECC = r.C / 2 * r.FAC / 5;
  r.EWC.store_from_double(0.614 / std::log10((r.CD / r.WD).to_double()) * r.LD.as_double() *
                          r.CD.as_double() / w.UF.as_double());
  r.TCC = r.C * r.FAC;
  r.CL = r.SP * w.NTE;
  r.XC = capacitive_reactance(r, r.C);
  r.BW = bandwidth_from_resistance(r, 120, r.C);
  r.RR = resistance_from_bandwidth(r, r.BW);
  r.BW = bandwidth_from_resistance(r, r.RR, r.C);
  r.MBW = two_to_one_bandwidth(r.BW);
  r.TL = 2 * r.CCL + r.CD;
  if (r.PCCD.is_zero()) r.PCCD = r.CD;
  r.RAT = r.CL / r.CCL;
  r.CI = resonating_inductance(r, r.TCC);
  r.CL = r.SP * w.NTE;
  // The turns do not depend on CL, so all five passes give the same NT and
  // one pass leaves the same end state.
  r.NT.store_from_double(wheeler_turns(r.CI, r.CCD, r.SP, w.UF));
  r.CL = r.NT * r.SP;
  r.XL = inductive_reactance(r, r.CI);
  r.LW = coil_wire_length(r);
  r.WR.store_from_double(wire_resistance(r));
  if (!r.MBW.is_zero()) {
    r.MRR = resistance_from_bandwidth(r, r.MBW);
    r.AE = efficiency(r, r.MRR);
    r.V = (r.MRR - r.RR) / r.RR * 100;
  } else {
    r.AE = efficiency(r, r.RR);
    r.V = (r.RR - 120) / (r.RR * 100);
  }
  r.Q = r.XC / r.MRR;
  r.BW = bandwidth_from_resistance(r, r.MRR, r.C);
  r.MBW = two_to_one_bandwidth(r.BW);
  r.DBL = decibel_loss(r);
  finish_source_coil(r, w, 40);
  r.PWL = wavelength_percentage(r, 1000);
  r.RF = resonant_frequency(r);
}

}  // namespace zq
