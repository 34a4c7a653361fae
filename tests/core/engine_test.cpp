// Both ReCalc engines: whole designs, the defaults they fill in, and the
// designs on which a careless engine divides by zero or never returns.
#include <gtest/gtest.h>

#include <sstream>

#include "checked_designs.h"
#include "cli/zqcalc.h"
#include "design/engine.h"
#include "design/formulas.h"
#include "storage_support.h"

namespace zq {
namespace {

Decimal dec(const char* text) { return Decimal::parse(text); }

DesignRecord imperial_start() {
  DesignRecord r;
  r.DPS = 6;
  r.CT = 40;
  set_metric_flag(0);
  return r;
}

DesignRecord typical(bool metric) {
  DesignRecord r = imperial_start();
  if (metric) {
    r.CT = 0;
    r.F = dec("7.15"), r.CD = 50, r.LD = 3, r.WD = 3, r.SP = 3, r.CCD = 50;
  } else {
    r.F = dec("7.15"), r.CD = 2, r.LD = 3, r.WD = dec("0.125"), r.SP = dec("0.125"), r.CCD = 2;
  }
  return r;
}


TEST(Engine, WholeDesignsMatchTheirCheckedValues) {
  for (const testing::CheckedDesign& c : testing::checked_designs()) {
    std::ostringstream out, err;
    ASSERT_EQ(cli::run(c.args, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), testing::slurp(std::string(ZQ_TEST_DATA_DIR) + "/design/" + c.file + ".txt")) << c.file;
  }
  set_metric_flag(0);
}

TEST(Engine, FillsInDefaults) {
  DesignRecord r = typical(false);
  r.SP = dec("0.1");  // below WD
  recalculate_imperial(r);
  EXPECT_EQ(r.SP.value(), dec("0.125"));
  EXPECT_EQ(r.TPI.value(), Decimal(8));
  EXPECT_EQ(r.FAC.value(), dec("1.75"));
  EXPECT_EQ(r.SCD.value(), r.CCD.value());
  EXPECT_EQ(r.PCCD.value(), r.CD.value());
  EXPECT_EQ(r.ARR.value(), Decimal(120));

  DesignRecord m = typical(true);
  m.FAC = dec("2.5");
  m.SP = 2;
  m.WD = 1;
  recalculate_metric(m);
  EXPECT_EQ(m.FAC.value(), dec("2.5"));  // only 0 becomes 1.75
  EXPECT_EQ(m.TPI.value(), Decimal(5));  // turns per centimetre
  EXPECT_EQ(m.TCC.value(), (m.C * m.FAC).rounded(3));
}

TEST(Engine, FormulaEdgeCases) {
  EXPECT_EQ(formulas::two_to_one_bandwidth(100), Decimal(34));  // 118 - 84
  DesignRecord r;
  r.AE = 50;
  EXPECT_EQ(formulas::decibel_loss(r), dec("-3.01"));
  r.AE = 0;
  EXPECT_TRUE(formulas::decibel_loss(r).is_zero());
  r.AE = -20;
  EXPECT_TRUE(formulas::decibel_loss(r).is_zero());
}

TEST(Engine, ZeroFrequencyAndZeroDiametersGiveZerosNotFaults) {
  for (bool metric : {false, true}) {
    DesignRecord r = metric ? DesignRecord() : imperial_start();
    r.DPS = 6;
    if (metric) recalculate_metric(r);
    else recalculate_imperial(r);
    EXPECT_TRUE(r.NT.is_zero());
    EXPECT_TRUE(r.XC.is_zero());
    EXPECT_TRUE(r.CI.is_zero());
    EXPECT_TRUE(r.WR.is_zero());   // wire resistance divides by WD in double
    EXPECT_TRUE(r.SCT.is_zero());  // Wheeler turns divide by SCD in double
    EXPECT_TRUE(r.EWC.is_zero());  // log10 of CD / WD = 0
    EXPECT_EQ(r.DPS.value(), dec("0.1"));  // XSC = 0 is out of range
  }
}

TEST(Engine, EqualDiametersLeaveNoInfiniteCapacitance) {
  DesignRecord r = typical(true);
  r.WD = r.CD;
  recalculate_metric(r);
  EXPECT_TRUE(r.EWC.is_zero());
}

// The source coil can only leave its loop when XSC is in range; out of range
// every pass repeats itself, so DPS falls to its floor and the run returns.
TEST(Engine, SourceCoilLoopEndsAtTheFloorOfDps) {
  struct Case { int ct; const char* dps; const char* expected_dps; };
  const Case cases[] = {{40, "6", "6"},  // in range: one pass, DPS kept
                        {0, "6", "0.1"},
                        {0, "0.15", "0.1"},
                        {0, "9999999.99", "0.1"},
                        {0, "-5", "0.1"},
                        {255, "0.2", "0.2"}};
  for (const Case& c : cases) {
    DesignRecord r = typical(false);
    r.CT = c.ct;
    r.DPS = dec(c.dps);
    recalculate_imperial(r);
    EXPECT_EQ(r.DPS.value(), dec(c.expected_dps)) << "CT " << c.ct << " DPS " << c.dps;
  }
}

TEST(Engine, SecondRunReproducesTheFirst) {
  for (bool metric : {false, true})
    for (int ct : {40, 0}) {
      DesignRecord first = typical(metric);
      first.CT = metric ? 0 : ct;
      if (metric) recalculate_metric(first);
      else recalculate_imperial(first);
      DesignRecord second = first;
      if (metric) recalculate_metric(second);
      else recalculate_imperial(second);
      for (const ValueInfo& info : value_table())
        EXPECT_EQ(*first.text(info.name), *second.text(info.name)) << info.name << (metric ? " metric" : "");
    }
}

TEST(Engine, MetricFlagSelectsTheImperialBranches) {
  DesignRecord inches = typical(false);
  recalculate_imperial(inches);

  DesignRecord as_mm = typical(false);
  set_metric_flag(1);
  recalculate_imperial(as_mm);
  EXPECT_EQ(as_mm.C.value(), (formulas::cylinder_capacitance(as_mm) / dec("25.4")).rounded(3));
  EXPECT_EQ(as_mm.PWL.value(), (as_mm.TL * 100 / ((300 / as_mm.F) * 1000)).rounded(4));

  // Any other flag takes neither branch: C and PWL keep what they held.
  DesignRecord neither = typical(false);
  set_metric_flag(2);
  neither.C = dec("12.5");
  neither.PWL = dec("3.25");
  recalculate_imperial(neither);
  EXPECT_EQ(neither.C.value(), dec("12.5"));
  EXPECT_EQ(neither.PWL.value(), dec("3.25"));
  set_metric_flag(0);
  EXPECT_NE(inches.C.value(), as_mm.C.value());
}

TEST(Engine, MetricKeepsMrrWhenTheFirstVswrBandwidthIsZero) {
  DesignRecord r = typical(true);
  r.F = dec("0.3");  // a bandwidth of a few kHz: both truncations agree
  r.MRR = dec("33.333");
  recalculate_metric(r);
  ASSERT_LT(r.BW.as_double(), 10.0);
  EXPECT_EQ(r.MRR.value(), dec("33.333"));
  EXPECT_EQ(r.AE.value(), (r.RR / (r.RR + r.WR) * 100).rounded(4));
}

}  // namespace
}  // namespace zq
