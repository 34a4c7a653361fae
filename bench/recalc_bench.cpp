// ReCalc speed: both decimal engines on a typical design, and a plain-double
// transcription of the imperial ReCalc as the floor they are held against.
#include <benchmark/benchmark.h>

#include <cmath>

#include "design/design_record.h"
#include "design/engine.h"

namespace {

zq::DesignRecord typical_design(bool metric) {
  zq::DesignRecord r;
  r.DPS = 6;
  if (!metric) r.CT = 40;
  r.F = zq::Decimal::parse("7.15");
  r.CD = 2;
  r.LD = 3;
  r.WD = zq::Decimal::parse("0.125");
  r.SP = zq::Decimal::parse("0.125");
  r.CCD = 2;
  return r;
}

void BM_RecalculateImperial(benchmark::State& state) {
  zq::set_metric_flag(0);
  const zq::DesignRecord start = typical_design(false);
  for (auto _ : state) {
    zq::DesignRecord r = start;
    zq::recalculate_imperial(r);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_RecalculateImperial);

void BM_RecalculateMetric(benchmark::State& state) {
  zq::set_metric_flag(0);
  const zq::DesignRecord start = typical_design(true);
  for (auto _ : state) {
    zq::DesignRecord r = start;
    zq::recalculate_metric(r);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_RecalculateMetric);

// The imperial ReCalc in plain doubles, without rounding: the floor.
struct DoubleDesign {
  double F = 7.15, CD = 2, LD = 3, WD = 0.125, SP = 0.125, CCD = 2, FAC = 0, CT = 40, DPS = 6;
  double ARR, NTE, PCWD, SCWD, TPI, CCL, C, ECC, EWC, TCC, CL, XC, BW, RR, TL, PCCD = 0, RAT, CI, NT;
  double XL, LW, WR, MRR, AE, V, Q, MBW, DBL, SCD = 0, SCI, SCT, SCL, XSC, SCWL, PCNT, LPW = 0, MC, PWL, RF;
};

void recalculate_double(DoubleDesign& d) {
  const double pi = 3.1415926535898;
  const double k = std::sqrt(std::sqrt(2.0));
  d.ARR = 120;
  d.NTE = d.CCD * d.CCD * 35 / d.F;
  if (d.FAC == 0) d.FAC = 1.75;
  d.PCWD = d.WD;
  d.SCWD = d.WD;
  if (d.SP < d.WD) d.SP = d.WD;
  d.TPI = 1 / d.SP;
  d.CCL = d.CD * d.LD;
  d.C = (0.546 * d.LD + 2.06) * d.CD;
  d.ECC = 0;
  d.CL = 2;
  for (int pass = 0; pass < 5; ++pass) {
    double r = d.CD / 2, p = r * 5.08, qx = 0.0563 * d.CL / r + 0.08, s = r / d.CL;
    d.ECC = (std::sqrt(s) * 0.38 + qx) * p;
    d.EWC = d.ECC * d.FAC;
    d.TCC = d.C + d.EWC + d.ECC;
    d.CL = d.SP * d.NTE;
    d.XC = 1e6 / (pi * 2 * d.F * d.TCC);
    d.BW = d.ARR * d.TCC * 2 * pi * d.F * d.F / 1000;
    for (int b = 0; b < 10; ++b) {
      d.RR = d.XC * d.BW / (d.F * 1000);
      d.BW = d.RR * d.TCC * 2 * pi * d.F * d.F / 1000;
    }
    d.BW = std::trunc(d.BW * k) - std::trunc(d.BW / k);
    d.TL = 2 * d.CCL + d.CD;
    if (d.PCCD == 0) d.PCCD = d.CD;
    d.RAT = d.CL / d.CCL;
    double w = pi * 2 * d.F * 1e6;
    d.CI = 1 / (w * w * d.TCC * 1e-12) * 1e6;
    d.CL = d.SP * d.NTE;
    for (int t = 0; t < 5; ++t) {
      d.NT = (1 / d.CCD) * std::sqrt(5 * d.CI * (3 * d.CCD + 9 * d.CL));
      d.CL = d.NT * d.SP;
    }
  }
  d.XL = pi * 2 * d.F * d.CI;
  d.LW = d.NT * d.CCD * pi;
  d.WR = 0.996e-6 * std::pow(d.F * 1e6, 0.5) / d.WD * d.LW / 12.0;
  d.MRR = d.XC * d.BW / (d.F * 1000);
  d.AE = d.MRR / (d.MRR + d.WR) * 100;
  d.V = (d.ARR - d.MRR) / d.ARR * 100;
  d.Q = d.XC / d.MRR;
  d.BW = d.MRR * d.C * 2 * pi * d.F * d.F / 1000;
  d.MBW = (std::trunc(d.BW * 1.414) - std::trunc(d.BW / 1.414)) / 2;
  d.DBL = 10.0 * std::log10(d.AE / 100);
  if (d.SCD == 0) d.SCD = d.CCD;
  d.SCI = d.CI / d.CT;
  double a = 10 * d.SCI * d.SP, dd = d.SCD;
  d.SCT = (a + std::pow(a * a + 4.5 * dd * dd * dd * d.SCI, 0.5)) / (dd * dd / 2);
  d.SCL = d.SCT * d.SCWD;
  d.XSC = pi * 2 * d.F * d.SCI;
  if (!(d.XSC >= 1.0 && d.XSC <= 100.0)) d.DPS = 0.1;
  d.SCWL = d.SCT * d.SCD * pi;
  d.PCNT = d.LPW / (pi * d.PCCD);
  d.MC = 1 / (2 * 3.14 * d.F * d.XSC) * 1e6;
  d.PWL = d.TL * 100 / ((300 / d.F) * 39.37);
  d.RF = 1 / (pi * 2 * d.XL * d.TCC) * 1e6;
}

void BM_RecalculateDoubleFloor(benchmark::State& state) {
  for (auto _ : state) {
    DoubleDesign d;
    benchmark::DoNotOptimize(d.F);
    recalculate_double(d);
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_RecalculateDoubleFloor);

}  // namespace
