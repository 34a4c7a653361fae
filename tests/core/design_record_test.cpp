// Storing into the design record: places, capacity and the text form.
#include <gtest/gtest.h>

#include "design/design_record.h"

namespace zq {
namespace {

Decimal dec(const char* text) { return Decimal::parse(text); }

TEST(DesignRecord, StoresRoundToEachValuesPlaces) {
  struct Case { const char* name; const char* value; const char* stored; };
  const Case cases[] = {
      {"F", "7.15", "7.15"},       {"F", "7.14995", "7.15"},  {"FAC", "1.125", "1.13"},
      {"FAC", "-1.125", "-1.13"},  {"CCL", "8.005", "8.01"},  {"SCWD", "0.0645", "0.065"},
      {"DBL", "-3.01", "-3.01"},   {"XL", "1438.13185", "1438.1319"},
  };
  for (const Case& c : cases) {
    DesignRecord r;
    ASSERT_TRUE(r.store(c.name, dec(c.value)));
    EXPECT_EQ(*r.text(c.name), c.stored) << c.name << " = " << c.value;
  }
}

TEST(DesignRecord, StoresBeyondCapacitySaturateWithTheirSign) {
  struct Case { const char* name; const char* value; const char* stored; };
  const Case cases[] = {
      {"CD", "1e7", "999999.999"},   {"CD", "-1e30", "-999999.999"}, {"WD", "123456", "999.9999"},
      {"DPS", "1e99", "9999999.99"}, {"CT", "300", "255"},           {"CT", "-5", "0"},
      {"CT", "40.9", "40"},          {"ARR", "40000", "32767"},      {"ARR", "-40000", "-32768"},
      {"ARR", "-12.7", "-12"},
  };
  for (const Case& c : cases) {
    DesignRecord r;
    ASSERT_TRUE(r.store(c.name, dec(c.value)));
    EXPECT_EQ(*r.text(c.name), c.stored) << c.name << " = " << c.value;
  }
}

TEST(DesignRecord, MetricFlagIsProcessWideAndKeepsTheLowEightBits) {
  struct Case { const char* value; int flag; };
  const Case cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"257", 1}, {"-1", 255}, {"1.9", 1}};
  for (const Case& c : cases) {
    DesignRecord r;
    r.store("Metric", dec(c.value));
    EXPECT_EQ(metric_flag(), c.flag) << c.value;
    EXPECT_EQ(*DesignRecord().text("Metric"), std::to_string(c.flag));
  }
  set_metric_flag(0);
}

TEST(DesignRecord, ValueTableDescribesEveryFieldOnce) {
  DesignRecord r;
  int members = 0;
  for (const ValueInfo& info : value_table()) {
    EXPECT_EQ(find_value(info.name), &info) << info.name;
    if (!info.member) continue;
    ++members;
    const Field& f = r.*info.member;
    EXPECT_EQ(f.places(), info.places) << info.name;
    EXPECT_EQ(f.digits(), info.digits) << info.name;
  }
  EXPECT_EQ(value_table().back().name, std::string("Metric"));
  EXPECT_EQ(members, static_cast<int>(value_table().size()) - 1);
  EXPECT_FALSE(r.store("NOPE", 1));
  EXPECT_FALSE(r.get("f"));  // names are the design's own, in upper case
}

TEST(DesignRecord, AssigningOneFieldToAnotherKeepsTheTargetsPlaces) {
  DesignRecord r;
  r.WD = dec("0.0641");
  r.SCWD = r.WD;  // 7.4 into 7.3
  EXPECT_EQ(*r.text("SCWD"), "0.064");
  EXPECT_EQ(r.SCWD.places(), 3);
}

TEST(DesignRecord, ResetClearsValuesAndName) {
  DesignRecord r;
  r.F = dec("7.15");
  r.SAVENAME = "726";
  r.reset();
  EXPECT_TRUE(r.F.is_zero());
  EXPECT_TRUE(r.SAVENAME.empty());
  EXPECT_EQ(r.F.places(), 4);
}

TEST(DesignRecord, DoubleConversions) {
  DesignRecord r;
  ASSERT_TRUE(r.store_from_double("F", 7.149999999999999));  // 15 digits give 7.15
  EXPECT_EQ(*r.text("F"), "7.15");
  EXPECT_DOUBLE_EQ(*r.as_double("F"), 7.15);
  r.store_from_double("WR", 1.0 / 0.0);
  EXPECT_EQ(*r.text("WR"), "0");
}

}  // namespace
}  // namespace zq
