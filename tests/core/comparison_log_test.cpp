#include "storage/comparison_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "storage/design_file.h"
#include "storage_support.h"

namespace fs = std::filesystem;
using namespace zq;
using namespace zq::testing;

namespace {

// A strict reader: every field quoted, "" inside a field, CR LF after each row.
std::vector<std::vector<std::string>> read_csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::size_t i = 0;
  while (i < text.size()) {
    std::vector<std::string> row;
    for (;;) {
      EXPECT_EQ(text[i], '"') << "unquoted field at " << i;
      std::string field;
      for (++i; i < text.size(); ++i) {
        if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
        else if (text[i] == '"') break;
        else field += text[i];
      }
      ++i;
      row.push_back(field);
      if (text.compare(i, 2, "\r\n") == 0) {
        i += 2;
        break;
      }
      if (i >= text.size() || text[i] != ',') {
        ADD_FAILURE() << "bad separator at " << i;
        return rows;
      }
      ++i;
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(ComparisonLogFields, QuotingRules) {
  struct Case { const char* text; const char* field; };
  for (const Case& c : {Case{"7.15", "\"7.15\""}, Case{"", "\"\""}, Case{"   ", "\"\""},
                        Case{"  a  ", "\"  a\""}, Case{"say \"hi\"", "\"say \"\"hi\"\"\""},
                        Case{"Matching Capacitoy in mfd", "\"Matching Capacitoy i\""},
                        Case{"nineteen characters x", "\"nineteen characters\""}}) {
    EXPECT_EQ(csv_field(c.text), c.field) << c.text;
  }
}

class ComparisonLogTest : public WorkingFolderTest {};

TEST_F(ComparisonLogTest, HeaderOnceThenOneRowPerSaveInEachWindowsWidth) {
  CalculatorState imperial = sample_state(UnitSystem::Imperial);
  CalculatorState metric = sample_state(UnitSystem::Metric);
  EXPECT_EQ(AppendLogRow(imperial), AppendResult::Created);
  EXPECT_EQ(AppendLogRow(metric), AppendResult::Appended);
  EXPECT_EQ(slurp(dir_ / "ZQ.csv"), slurp(data_file("log_imperial_then_metric.csv")));
  auto rows = read_csv(slurp(dir_ / "ZQ.csv"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].size(), 39u);
  EXPECT_EQ(rows[1].size(), 39u);
  EXPECT_EQ(rows[2].size(), 38u);
  EXPECT_EQ(rows[1][16], "13");  // EWC + ECC (10.5 + 2.5), not TCC 13.003

  // A log begun by the metric window has the 38-title header.
  fs::remove(dir_ / "ZQ.csv");
  AppendLogRow(metric);
  EXPECT_EQ(read_csv(slurp(dir_ / "ZQ.csv"))[0].size(), 38u);
}

TEST_F(ComparisonLogTest, EverySaveAppendsARow) {
  CalculatorState s = sample_state(UnitSystem::Imperial);
  RecordingView view;
  ASSERT_EQ(SaveDesign(s, view), SaveOutcome::Saved);
  EXPECT_EQ(read_csv(slurp(dir_ / "ZQ.csv")).size(), 2u);
  // The reload keeps what was written, so a second save adds an identical row.
  ASSERT_EQ(SaveDesign(s, view), SaveOutcome::Saved);
  auto rows = read_csv(slurp(dir_ / "ZQ.csv"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], rows[2]);
  EXPECT_EQ(rows[1][0], "7.15");
}

TEST_F(ComparisonLogTest, OpenExcelPointsDesignPathAtTheLog) {
  CalculatorState s = open_calculator(UnitSystem::Metric);
  RecordingView view;
  RecordingSpreadsheet sheet;
  EXPECT_TRUE(OpenLogInSpreadsheet(s, view, sheet).opened);
  EXPECT_EQ(s.DesignPath, (dir_ / "ZQ.csv").string());
  EXPECT_EQ(sheet.opened, std::vector<std::string>{s.DesignPath});
  EXPECT_EQ(view.events, (std::vector<std::string>{"take_screen", "busy", "not_busy"}));

  sheet.outcome = {false, "No program was found"};
  EXPECT_FALSE(OpenLogInSpreadsheet(s, view, sheet).opened);
  EXPECT_EQ(view.messages, (std::vector<Message>{{"No program was found", "ZQ Error Message"}}));
  EXPECT_EQ(view.events.back(), "message");  // after the cursor is back to normal
}

TEST_F(ComparisonLogTest, DesktopProgramGetsThePathAsItsOnlyArgument) {
  // A stand-in for xdg-open that records its arguments.
  spit(dir_ / "fake-open", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/args.tmp\"\n"
                           "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args\"\n");
  fs::permissions(dir_ / "fake-open", fs::perms::owner_all);
  DesktopSpreadsheet sheet((dir_ / "fake-open").string());
  const std::string path = (dir_ / "my log; $(rm -rf x).csv").string();
  EXPECT_TRUE(sheet.open_workbook(path).opened);
  for (int i = 0; i < 500 && !fs::exists(dir_ / "args"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(slurp(dir_ / "args"), "1\n" + path + "\n");

  DesktopSpreadsheet missing((dir_ / "no-such-program").string());
  SpreadsheetOutcome outcome = missing.open_workbook(path);
  EXPECT_FALSE(outcome.opened);
  EXPECT_NE(outcome.problem.find(path), std::string::npos);
}

}  // namespace
