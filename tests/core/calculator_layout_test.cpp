// The calculator layouts: the imperial rows and the metric window that the
// differences table makes of them.
#include "ui/calculator_layout.h"

#include <gtest/gtest.h>

#include "design/design_record.h"

namespace zq::calculator {
namespace {

using layout::Control;
using layout::Kind;

const Control* in(UnitSystem units, std::string_view label) {
  return layout::find_control(calculator_layout(units).controls, label);
}

// Every value row: field x and y in each window (metric x 0: absent there).
struct Row {
  const char* field;
  int x, y;
  int metric_x, metric_y;
  bool bold, tab_stop;
};
constexpr Row kRows[] = {
    {"F", 242, 49, 242, 49, true, true},      {"CD", 242, 60, 242, 60, true, true},
    {"LD", 242, 71, 242, 71, true, true},     {"CCL", 242, 82, 242, 82, true, false},
    {"C", 242, 93, 242, 93, false, false},    {"TL", 242, 105, 242, 148, false, false},
    {"PWL", 242, 115, 242, 159, false, false}, {"BW", 242, 126, 242, 115, false, false},
    {"MBW", 242, 137, 242, 126, true, false}, {"Q", 242, 148, 242, 137, false, false},
    {"MRR", 242, 170, 242, 170, false, false}, {"V", 242, 181, 242, 181, false, false},
    {"AE", 242, 192, 242, 192, false, false}, {"DBL", 242, 203, 242, 203, false, false},
    {"SCWD", 240, 216, 241, 240, false, false}, {"SCD", 242, 240, 242, 229, true, false},
    {"CT", 257, 251, 0, 0, false, true},      {"SCI", 242, 262, 241, 252, false, false},
    {"SCT", 242, 274, 241, 263, false, false}, {"MC", 242, 285, 241, 274, false, true},
    {"XSC", 242, 296, 241, 285, false, false}, {"WD", 445, 49, 445, 54, true, true},
    {"SP", 445, 60, 445, 65, true, true},     {"CCD", 445, 71, 445, 76, true, true},
    {"TPI", 445, 82, 445, 87, false, false},  {"EWC", 445, 93, 445, 98, false, false},
    {"ECC", 445, 104, 445, 109, false, false}, {"FAC", 460, 115, 460, 120, false, true},
    {"TCC", 445, 126, 445, 132, false, true}, {"XC", 445, 137, 242, 104, false, false},
    {"CI", 445, 148, 445, 144, false, false}, {"XL", 445, 159, 445, 156, false, true},
    {"NT", 445, 170, 445, 168, false, false}, {"CL", 445, 180, 445, 180, false, false},
    {"LW", 445, 192, 445, 192, false, false}, {"WR", 445, 203, 445, 204, false, false},
    {"RF", 445, 214, 445, 216, false, true},
};

TEST(CalculatorLayout, ValueRowsInBothWindows) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.field);
    const Control* imperial = in(UnitSystem::Imperial, row.field);
    ASSERT_NE(imperial, nullptr);
    EXPECT_EQ(imperial->rect.x, row.x);
    EXPECT_EQ(imperial->rect.y, row.y);
    EXPECT_EQ(imperial->font.bold, row.bold);
    EXPECT_EQ(imperial->tab_stop, row.tab_stop);
    EXPECT_EQ(imperial->format, find_value(row.field)->display);
    // The field's prompt sits on the same row, bold with the bold inputs
    // (not MBW's) and with FAC.
    const Control* prompt = in(UnitSystem::Imperial, imperial->name_from);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->rect.y, row.y);
    EXPECT_EQ(prompt->font.bold, (row.bold && std::string_view(row.field) != "MBW") ||
                                     std::string_view(row.field) == "FAC");

    const Control* metric = in(UnitSystem::Metric, row.field);
    if (row.metric_x == 0) {
      EXPECT_EQ(metric, nullptr);
      continue;
    }
    ASSERT_NE(metric, nullptr);
    EXPECT_EQ(metric->rect.x, row.metric_x);
    EXPECT_EQ(metric->rect.y, row.metric_y);
    EXPECT_EQ(metric->tab_stop, row.tab_stop);
    const Control* metric_prompt = in(UnitSystem::Metric, metric->name_from);
    ASSERT_NE(metric_prompt, nullptr);
    EXPECT_EQ(metric_prompt->rect.y, row.metric_y);
    EXPECT_EQ(metric_prompt->rect.x, row.metric_x < 300 ? row.metric_x - 136 : 319);
  }
}

TEST(CalculatorLayout, MetricTextsAndRadiationResistance) {
  const std::pair<const char*, const char*> texts[] = {
      {"?TITLE", "ZQ Antenna Calculations... Metric"},   {"?UNITLINE", "Linear measurements are in mm"},
      {"?P_XC", "Reactance (Xc) in Ohms"},                {"?P_TCC", "Total Calculated Capacitance:"},
      {"?P_EWC", "Cylinders to Coil Capacitance in pFd"}, {"?P_ECC", "Estimated Coil Capacitance in pFd"},
      {"?P_LW", "Length of wire required in mm"},         {"?TPIUNIT", "cm"},
      {"?P_FAC", "Spin Capacitance Factor (try 1.75)"},   {"?P_RR", "Radiation Resistance based on:"},
  };
  for (auto [label, text] : texts) {
    ASSERT_NE(in(UnitSystem::Metric, label), nullptr) << label;
    EXPECT_EQ(in(UnitSystem::Metric, label)->text, text) << label;
  }
  EXPECT_EQ(in(UnitSystem::Imperial, "?TITLE")->text, "ZQ Antenna Calculations... Imperial");
  EXPECT_EQ(in(UnitSystem::Imperial, "?TPIUNIT")->rect, (layout::Rect{388, 82, 30, 10}));
  EXPECT_EQ(in(UnitSystem::Metric, "?TPIUNIT")->rect, (layout::Rect{394, 87, 30, 10}));

  const Control* rr = in(UnitSystem::Metric, "RR");
  ASSERT_NE(rr, nullptr);
  EXPECT_EQ(rr->kind, Kind::Text);
  EXPECT_EQ(rr->rect, (layout::Rect{201, 170, 40, 10}));
  EXPECT_EQ(rr->format, "n-8.2");
  EXPECT_EQ(in(UnitSystem::Metric, "MRR")->name_from, "?P_RR");
  for (const char* gone : {"ARR", "?P_ARR", "?P_MRR", "CT", "?P_CT"}) EXPECT_EQ(in(UnitSystem::Metric, gone), nullptr);
  EXPECT_EQ(in(UnitSystem::Imperial, "ARR")->rect, (layout::Rect{261, 158, 40, 10}));
  EXPECT_EQ(in(UnitSystem::Imperial, "LD")->format, "n9.3");
  EXPECT_EQ(in(UnitSystem::Metric, "LD")->format, "n6.3");
  EXPECT_EQ(in(UnitSystem::Metric, "FAC")->tip.substr(0, 20), "Option to change the");
  EXPECT_EQ(in(UnitSystem::Metric, "?CYLHEADING")->rect.height, 13);

  // Every change names a control that the imperial window has.
  for (const ControlChange& change : metric_changes())
    EXPECT_NE(in(UnitSystem::Imperial, change.label), nullptr) << change.label;
}

TEST(CalculatorLayout, SpinsHiddenRowsAndHotKeys) {
  for (UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
    const Control* fac = in(units, "FAC");
    EXPECT_EQ(fac->kind, Kind::Spin);
    EXPECT_EQ(fac->spin.minimum, 0.1);
    EXPECT_EQ(fac->spin.maximum, 20);
    EXPECT_EQ(fac->spin.step, 0.05);
    for (const char* label : {"SCL", "SCWL", "SCWD", "?P_SCL", "?P_SCWL", "?P_SCWD"})
      EXPECT_TRUE(in(units, label)->hidden) << label;
    EXPECT_EQ(in(units, kSaveButton)->key, "F2");
    EXPECT_EQ(in(units, kRecalcButton)->key, "F3");
    EXPECT_EQ(in(units, kForumButton)->key, "F8");
    EXPECT_EQ(in(units, kNameBox)->format, "s20");
    EXPECT_EQ(calculator_layout(units).size, (layout::Size{529, 324}));
  }
  const Control* ct = in(UnitSystem::Imperial, "CT");
  EXPECT_EQ(ct->spin.minimum, 1);
  EXPECT_EQ(ct->spin.maximum, 50);
  EXPECT_EQ(ct->spin.step, 1);
  EXPECT_EQ(help_text().size(), 1107u);
}

}  // namespace
}  // namespace zq::calculator
