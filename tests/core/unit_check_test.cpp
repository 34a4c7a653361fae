#include "ui/unit_check.h"

#include <gtest/gtest.h>

#include "storage/design_file.h"
#include "storage_support.h"

using namespace zq;
using namespace zq::testing;

namespace {

constexpr const char* kMetricWarning =
    "Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT "
    "save this version!";
constexpr const char* kImperialWarning =
    "Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design "
    "instead.|Do NOT save this version!";

class UnitCheckTest : public WorkingFolderTest {};

TEST_F(UnitCheckTest, FlagValuesInBothWindows) {
  struct Case {
    UnitSystem window;
    const char* flag_line;  // "" for a file without the key
    int flag;
    const char* unit_line;  // nullptr: unchanged
    const char* message;    // nullptr: none
  };
  const Case cases[] = {
      {UnitSystem::Imperial, "Metric=0", 0, "All measurements are in inches", nullptr},
      {UnitSystem::Imperial, "metric=1", 1, "Press ESC & Select Metric Option!", kMetricWarning},
      {UnitSystem::Imperial, "METRIC=2", 2, nullptr, nullptr},
      {UnitSystem::Imperial, "Metric=257", 1, "Press ESC & Select Metric Option!", kMetricWarning},
      {UnitSystem::Imperial, "", 0, "All measurements are in inches", nullptr},
      {UnitSystem::Metric, "Metric=0", 0, "Press ESC & Select Imperial Option!", kImperialWarning},
      {UnitSystem::Metric, "Metric=1", 1, "All measurements are in mm", nullptr},
      {UnitSystem::Metric, "Metric=2", 2, nullptr, nullptr},
      {UnitSystem::Metric, "Metric=257", 1, "All measurements are in mm", nullptr},
      {UnitSystem::Metric, "", 0, "Press ESC & Select Imperial Option!", kImperialWarning},
  };
  for (const Case& c : cases) {
    spit(dir_ / "d.ini", std::string("[ZQ]\r\nF=7.15\r\n") + c.flag_line + "\r\n");
    CalculatorState s = open_calculator(c.window);
    s.DesignPath = (dir_ / "d.ini").string();
    RecordingView view;
    LoadDesign(s, view);
    SCOPED_TRACE(std::string(c.window == UnitSystem::Imperial ? "imperial " : "metric ") + c.flag_line);
    EXPECT_EQ(metric_flag(), c.flag);
    EXPECT_EQ(s.unit_line, c.unit_line ? c.unit_line : std::string(initial_unit_line(c.window)));
    EXPECT_EQ(view.unit_lines.size(), c.unit_line ? 1u : 0u);
    if (c.message) EXPECT_EQ(view.messages, (std::vector<Message>{{c.message, "ZQ Error Message"}}));
    else EXPECT_TRUE(view.messages.empty());
    // The check only informs: the design stays loaded and recalculates.
    EXPECT_EQ(*s.record.text("F"), "7.15");
    EXPECT_EQ(view.events.back(), "F3");
  }
}

}  // namespace
