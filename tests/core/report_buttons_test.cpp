// "Print/View" and "email Report": the order of their steps, the flags they
// set and the file each hands to the report.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/print_zq.h"
#include "output/report_buttons.h"
#include "storage_support.h"

namespace zq::report {
namespace {

using ::testing::ElementsAre;

struct ReportCall {
  std::vector<std::string> files;
  std::uint8_t email_flag_seen = 255;
  std::uint8_t metric_flag_seen = 255;
};

TEST(ReportButtons, StepsInOrderWithFlagsAndFile) {
  struct Case {
    bool email;
    std::uint8_t metric_before;
    std::vector<std::string> events;
    std::uint8_t email_flag;
    std::uint8_t metric_at_report;
    const char* file;
  };
  const Case cases[] = {
      {false, 0, {"take_screen", "F2", "report", "redraw"}, 0, 0, "/w/726.INI"},
      {false, 1, {"take_screen", "message", "F2", "report", "redraw"}, 0, 0, "/w/726.INI"},
      {true, 0, {"take_screen", "F2", "report", "redraw"}, 1, 0, "726.INI"},
      {true, 1, {"take_screen", "message", "F2", "report", "redraw"}, 1, 1, "726.INI"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.email ? "email Report" : "Print/View") + " metric " +
                 std::to_string(c.metric_before));
    CalculatorState state = open_calculator(UnitSystem::Imperial);
    state.DesignPath = "/w/726.INI";
    state.DialogFile = "726.INI";
    zq::testing::RecordingView view;
    set_metric_flag(c.metric_before);
    set_email_flag(c.email ? 0 : 1);
    ReportCall run;
    RunReport report = [&](const std::string& file) {
      view.events.push_back("report");
      run.files.push_back(file);
      run.email_flag_seen = email_flag();
      run.metric_flag_seen = metric_flag();
    };
    if (c.email) start_email_report(state, view, report);
    else start_print_view(state, view, report);
    EXPECT_EQ(view.events, c.events);
    EXPECT_THAT(run.files, ElementsAre(c.file));
    EXPECT_EQ(run.email_flag_seen, c.email_flag);
    EXPECT_EQ(run.metric_flag_seen, c.metric_at_report);
    if (c.metric_before == 1)
      EXPECT_THAT(view.messages, ElementsAre(zq::testing::Message{std::string(kMetricPrintMessage), ""}));
  }
  set_metric_flag(0);
  set_email_flag(0);
}

TEST(ReportButtons, MetricDesignReportedMakesTheNextPressShowTheNote) {
  const auto file = std::filesystem::temp_directory_path() / "zq-buttons-metric.INI";
  zq::testing::spit(file, "[ZQ]\r\nF=7\r\nMetric=1\r\n");
  CalculatorState state = open_calculator(UnitSystem::Metric);
  state.DesignPath = file.string();
  zq::testing::RecordingView view;
  set_metric_flag(0);
  PrintZqServices s;  // no windows: the report only reads the file and sets the flag
  RunReport report = [&](const std::string& f) { PrintZQ(f, s); };
  start_print_view(state, view, report);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(metric_flag(), 1);
  start_print_view(state, view, report);
  EXPECT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(metric_flag(), 1);
  std::filesystem::remove(file);
  set_metric_flag(0);
}

}  // namespace
}  // namespace zq::report
