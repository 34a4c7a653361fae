// Recomputations that follow work on single fields.
#include <gtest/gtest.h>

#include "design/engine.h"
#include "design/field_rules.h"

namespace zq {
namespace {

Decimal dec(const char* text) { return Decimal::parse(text); }

TEST(FieldRules, EachFieldHasItsTriggerAndFollowUp) {
  struct Case { const char* field; FieldTrigger trigger; FieldFollowUp follow_up; };
  const Case cases[] = {
      {"LD", FieldTrigger::AnyEvent, FieldFollowUp::None},
      {"NT", FieldTrigger::AnyEvent, FieldFollowUp::Redraw},
      {"CT", FieldTrigger::AnyEvent, FieldFollowUp::ReCalc},
      {"WD", FieldTrigger::Accepted, FieldFollowUp::ReCalc},
      {"SCD", FieldTrigger::Accepted, FieldFollowUp::ReCalc},
      {"FAC", FieldTrigger::Accepted, FieldFollowUp::RangeCheckThenReCalc},
      {"FAC", FieldTrigger::SpinStep, FieldFollowUp::ReCalc},
      {"CCL", FieldTrigger::Accepted, FieldFollowUp::Redraw},
  };
  for (const Case& c : cases) {
    const FieldRule* rule = find_field_rule(c.field, c.trigger);
    ASSERT_NE(rule, nullptr) << c.field;
    EXPECT_EQ(rule->follow_up, c.follow_up) << c.field;
  }
  EXPECT_EQ(find_field_rule("F", FieldTrigger::Accepted), nullptr);
  EXPECT_EQ(find_field_rule("LD", FieldTrigger::Accepted), nullptr);
}

TEST(FieldRules, RatioAndCylinderLengthFollowEachOther) {
  DesignRecord r;
  r.CD = 2;
  r.LD = 4;
  find_field_rule("LD", FieldTrigger::AnyEvent)->apply(r);
  EXPECT_EQ(*r.text("CCL"), "8");
  r.CCL = 9;
  find_field_rule("CCL", FieldTrigger::Accepted)->apply(r);
  EXPECT_EQ(*r.text("LD"), "4.5");
}

TEST(FieldRules, TurnsFollowInductanceOnTheCylinderDiameter) {
  DesignRecord r;
  r.DPS = 6;
  r.CT = 20;
  r.F = dec("7.15"), r.CD = 2, r.LD = 3, r.WD = dec("0.125"), r.SP = dec("0.125"), r.CCD = 2;
  set_metric_flag(0);
  recalculate_imperial(r);
  const Decimal ci = r.CI;
  recompute_from_inductance(r);
  EXPECT_EQ(r.SCI.value(), (ci / 40).rounded(4));  // one fortieth, whatever CT says
  EXPECT_EQ(r.LW.value(), (r.NT * r.CCD * Decimal::parse("3.1415926535898")).rounded(2));
  recalculate_imperial(r);
  EXPECT_EQ(r.SCI.value(), (ci / 20).rounded(4));  // the ReCalc divides by CT

  r.NT = dec("12.5");
  recompute_from_turns(r);
  EXPECT_EQ(*r.text("CL"), "1.56");  // 12.5 × 0.125 = 1.5625
}

TEST(FieldRules, CapacitanceRuleSumsTheThreeCapacitancesAfresh) {
  DesignRecord r;
  r.F = dec("7.15"), r.CD = 2, r.SP = dec("0.125"), r.CCD = 2;
  r.C = dec("7.396"), r.EWC = dec("5.143"), r.ECC = dec("2.939");
  r.TCC = 999;  // not read
  recompute_from_capacitance(r);
  EXPECT_EQ(*r.text("CI"), "32.012");
  EXPECT_EQ(r.CL.value(), (r.NT * r.SP).rounded(2));
}

}  // namespace
}  // namespace zq
