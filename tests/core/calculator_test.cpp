// The calculator windows' handlers without a window: opening, "Select
// Antenna", the capacitance-factor check, field events and the buttons that
// hand work to other facilities.
#include "ui/calculator.h"

#include <gtest/gtest.h>

#include "design/engine.h"
#include "storage/design_file.h"
#include "storage_support.h"

namespace zq::calculator {
namespace {

using zq::testing::Message;

class RecordingScreen : public CalculatorScreen {
 public:
  void take_screen() override { events.push_back("take_screen"); }
  void show_message(std::string_view text, std::string_view caption) override {
    messages.push_back({std::string(text), std::string(caption)});
    events.push_back("message");
  }
  void focus_name_box() override { events.push_back("focus_name_box"); }
  void queue_key(HotKey key) override {
    keys.push_back(key);
    events.push_back(key == HotKey::F2 ? "F2" : key == HotKey::F3 ? "F3" : "F8");
  }
  void set_unit_line(std::string_view) override { events.push_back("unit_line"); }
  void redraw() override { events.push_back("redraw"); }
  void redraw_name_box() override { events.push_back("redraw_name_box"); }
  void set_busy(bool) override {}
  void show_values(const std::vector<std::string>& names) override {
    shown.insert(shown.end(), names.begin(), names.end());
    events.push_back("show_values");
  }
  void focus_field(std::string_view name) override { events.push_back("focus " + std::string(name)); }
  void take_field(std::string_view name) override { events.push_back("take " + std::string(name)); }
  std::vector<std::string> events;
  std::vector<Message> messages;
  std::vector<HotKey> keys;
  std::vector<std::string> shown;
};

class RecordingReports : public ReportStarter {
 public:
  void start_print_view(CalculatorState& state, CalculatorView&) override { started.push_back("print " + state.DesignPath); }
  void start_email_report(CalculatorState& state, CalculatorView&) override {
    started.push_back("email " + state.DialogFile);
  }
  std::vector<std::string> started;
};

class RecordingMailer : public ResultsMailer {
 public:
  void email_results(CalculatorState&, CalculatorView&) override { ++mailings; }
  int mailings = 0;
};

class CalculatorTest : public zq::testing::WorkingFolderTest {
 protected:
  CalculatorServices services() {
    return {&dialog, &spreadsheet, &browser, &reports, &mailer, "https://forum.example.org/zq"};
  }
  // A saved imperial design as "<name>" in the working folder.
  std::string design_file(const std::string& name, const char* fixture = "save_imperial.INI") {
    std::filesystem::copy_file(zq::testing::data_file(fixture), dir_ / name);
    return (dir_ / name).string();
  }
  RecordingScreen screen;
  ScriptedOpenFileDialog dialog;
  RecordingSpreadsheet spreadsheet;
  RecordingBrowser browser;
  RecordingReports reports;
  RecordingMailer mailer;
};

TEST_F(CalculatorTest, OpeningCancelledKeepsInitialValuesAndStartsNoReCalc) {
  set_metric_flag(1);
  Calculator calc(UnitSystem::Imperial, screen, services());
  calc.choose_first_design();

  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0], (OpenFileRequest{"Choose File to Open", "Antenna Ini Files M = Metric", "*.ini", ""}));
  const DesignRecord& r = calc.state().record;
  EXPECT_EQ(r.text("DPS"), "6");
  EXPECT_EQ(r.text("CT"), "40");
  EXPECT_EQ(r.text("F"), "0");
  EXPECT_EQ(r.text("FAC"), "0");
  EXPECT_EQ(r.SAVENAME, "");
  EXPECT_EQ(metric_flag(), 0);
  EXPECT_TRUE(screen.keys.empty());
  EXPECT_EQ(calc.state().DesignPath, "");

  Calculator metric(UnitSystem::Metric, screen, services());
  EXPECT_EQ(metric.state().record.text("CT"), "0");
  EXPECT_EQ(metric.state().unit_line, "Linear measurements are in mm");
}

TEST_F(CalculatorTest, OpeningWithAChosenFileLoadsAndRecalculatesButLeavesTheNameBoxEmpty) {
  dialog.answers.push_back(design_file("726.ini"));
  Calculator calc(UnitSystem::Imperial, screen, services());
  calc.choose_first_design();

  EXPECT_EQ(calc.state().record.text("F"), "7.15");
  EXPECT_EQ(calc.state().record.SAVENAME, "");
  EXPECT_EQ(calc.state().DesignPath, (dir_ / "726.ini").string());
  EXPECT_EQ(screen.keys, std::vector<HotKey>{HotKey::F3});
}

TEST_F(CalculatorTest, SelectAntennaNamesTheDesignAfterItsFileAndCancelKeepsIt) {
  const std::string path = design_file("726.ini");
  Calculator calc(UnitSystem::Imperial, screen, services());
  dialog.answers = {path, std::nullopt};
  calc.select_antenna();
  EXPECT_EQ(calc.state().record.SAVENAME, "726");
  EXPECT_EQ(calc.state().DialogFile, path);
  EXPECT_EQ(calc.state().record.text("CD"), "2");

  calc.select_antenna();  // cancelled
  EXPECT_EQ(calc.state().record.SAVENAME, "726");
  EXPECT_EQ(dialog.requests.back().start, path) << "the dialog starts from the file last chosen";
  EXPECT_EQ(screen.events.front(), "take_screen");
}

TEST_F(CalculatorTest, TypedCapacitanceFactorIsCheckedAgainstTheWindowsMinimum) {
  struct Case {
    UnitSystem units;
    const char* fac;
    bool accepted;
  };
  const Case cases[] = {
      {UnitSystem::Imperial, "0.1", true},  {UnitSystem::Imperial, "0.09", false},
      {UnitSystem::Imperial, "0.5", true},  {UnitSystem::Imperial, "1", true},
      {UnitSystem::Metric, "0.5", false},   {UnitSystem::Metric, "0.99", false},
      {UnitSystem::Metric, "1", true},      {UnitSystem::Metric, "20", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.units == UnitSystem::Metric ? "metric " : "imperial ") + c.fac);
    RecordingScreen s;
    Calculator calc(c.units, s, services());
    calc.state().record.FAC = Decimal::parse(c.fac);
    calc.field_event("FAC", FieldTrigger::Accepted);
    if (c.accepted) {
      EXPECT_TRUE(s.messages.empty());
      EXPECT_EQ(s.keys, std::vector<HotKey>{HotKey::F3});
    } else {
      EXPECT_EQ(s.messages, (std::vector<Message>{{std::string(kFacMessage), "ZQ Error Message"}}));
      EXPECT_EQ(s.events.back(), "focus FAC");
      EXPECT_TRUE(s.keys.empty());
    }
  }
  // A step of the arrows recalculates whatever the value, without the check.
  RecordingScreen s;
  Calculator metric(UnitSystem::Metric, s, services());
  metric.state().record.FAC = Decimal::parse("0.15");
  metric.field_event("FAC", FieldTrigger::SpinStep);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_EQ(s.keys, std::vector<HotKey>{HotKey::F3});
}

TEST_F(CalculatorTest, FieldEventsRecomputeAndShowTheirValues) {
  Calculator calc(UnitSystem::Imperial, screen, services());
  DesignRecord& r = calc.state().record;
  r.CD = 2;
  r.LD = 4;
  calc.field_event("LD", FieldTrigger::Accepted);  // any-event rules also run on accept
  EXPECT_EQ(r.text("CCL"), "8");
  EXPECT_EQ(screen.shown, std::vector<std::string>{"CCL"});
  EXPECT_TRUE(screen.keys.empty());

  r.NT = 10;
  r.SP = Decimal::parse("0.125");
  calc.field_event("NT", FieldTrigger::AnyEvent);
  EXPECT_EQ(r.text("CL"), "1.25");
  EXPECT_EQ(screen.events.back(), "redraw");

  calc.field_event("CT", FieldTrigger::AnyEvent);
  calc.field_event("CT", FieldTrigger::SpinStep);
  EXPECT_EQ(screen.keys, (std::vector<HotKey>{HotKey::F3, HotKey::F3}));

  RecordingScreen metric_screen;
  Calculator metric(UnitSystem::Metric, metric_screen, services());
  metric.field_event("CT", FieldTrigger::AnyEvent);
  EXPECT_TRUE(metric_screen.keys.empty()) << "the metric window has no tap ratio";
}

TEST_F(CalculatorTest, SourceCoilInductanceFollowsFortiethOnClickAndTapRatioOnReCalc) {
  dialog.answers.push_back(design_file("726.ini"));
  Calculator calc(UnitSystem::Imperial, screen, services());
  calc.choose_first_design();
  calc.recalc();
  DesignRecord& r = calc.state().record;
  r.CT = 20;
  calc.field_event("CI", FieldTrigger::AnyEvent);
  EXPECT_EQ(r.SCI.value(), (r.CI.value() / Decimal(40)).rounded(r.SCI.places()));
  calc.recalc();
  EXPECT_EQ(r.SCI.value(), (r.CI.value() / Decimal(20)).rounded(r.SCI.places()));
}

TEST_F(CalculatorTest, ButtonsReachTheirFacilities) {
  Calculator calc(UnitSystem::Imperial, screen, services());
  calc.state().DesignPath = "a.INI";
  calc.state().DialogFile = "b.INI";
  calc.print_view();
  calc.email_report();
  EXPECT_EQ(reports.started, (std::vector<std::string>{"print a.INI", "email b.INI"}));
  calc.email_results();
  EXPECT_EQ(mailer.mailings, 1);
  calc.open_excel();
  ASSERT_EQ(spreadsheet.opened.size(), 1u);
  EXPECT_TRUE(spreadsheet.opened[0].ends_with("ZQ.csv"));

  screen.events.clear();
  calc.forum();
  EXPECT_EQ(browser.opened, std::vector<std::string>{"https://forum.example.org/zq"});
  calc.help_forum();  // queues the forum key rather than opening the browser itself
  EXPECT_EQ(screen.events, (std::vector<std::string>{"take_screen", "take_screen", "F8"}));
  EXPECT_EQ(browser.opened.size(), 1u);
}

}  // namespace
}  // namespace zq::calculator
