// The mailings as the calculator windows and the report start them.
#include <gtest/gtest.h>

#include <filesystem>

#include "output/mail_results.h"
#include "output/print_zq.h"
#include "tests/core/mail_test_util.h"
#include "tests/core/storage_support.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

struct WindowMailing : testing::WorkingFolderTest {
  platform::RecordingAutomation automation;
  test::ScriptedRandom random{{47, 1234567890}};
  FixedClock clock{{2026, 3, 5, 9, 7}};
  MailServices services{automation, random, clock, nullptr, "designer@example.org", "Designer"};
  testing::RecordingView view;
  void TearDown() override {
    mail_state() = MailState{};
    report::set_email_flag(0);
    WorkingFolderTest::TearDown();
  }
};

TEST_F(WindowMailing, EmailResultsButtonWritesScratchFileThenMailsItWithTheLog) {
  CalculatorState window = testing::sample_state(UnitSystem::Metric);
  MailHost host;
  EmailResults(host, window, view, services);
  const std::string wf = dir_.string();
  EXPECT_TRUE(fs::exists(dir_ / "zq.ini"));
  EXPECT_EQ(window.DesignPath, wf);
  EXPECT_EQ(mail_state().results_log_path, wf + "/ZQ.csv");
  auto& t = automation.transcript;
  ASSERT_GE(t.size(), 3u);
  EXPECT_EQ(t[t.size() - 3], "call item.Attachments.Add(\"" + wf + "/ZQ.csv\")");
  EXPECT_EQ(t[t.size() - 2], "call item.Attachments.Add(\"" + wf + "/zq.ini\")");
  EXPECT_EQ(view.events.front(), "take_screen");
  EXPECT_EQ(view.events[view.events.size() - 2], "busy");
  EXPECT_EQ(view.events.back(), "not_busy");
}

TEST_F(WindowMailing, PrintZqInEmailModeComposesTheReportMail) {
  fs::copy_file(std::string(ZQ_TEST_DATA_DIR) + "/report/design.ini", dir_ / "726.INI");
  report::PrintZqServices s;
  s.mailing = mailing_for_report(services);
  report::set_email_flag(1);
  EXPECT_EQ(report::PrintZQ("726.INI", s), report::ReportOutcome::Mailed);

  const std::string kp = dir_.string() + "/KP/";
  auto& t = automation.transcript;
  ASSERT_EQ(t.size(), 10u);
  EXPECT_EQ(t[2], "call item.Attachments.Add(\"" + kp + "Report.RTF\",1,1,\"Report.rtf\")");
  EXPECT_EQ(t[3], "call item.Attachments.Add(\"\",1,1,\"\")");
  // The document holds the one report page as a picture, and only it stays
  // with the body in the mail folder.
  std::string rtf = test::read_bytes(kp + "Report.RTF");
  EXPECT_EQ(rtf.find("{\\pict"), rtf.rfind("{\\pict"));
  EXPECT_GT(rtf.size(), test::read_bytes(test::data_file("two_pages.rtf")).size());
  EXPECT_TRUE(rtf.ends_with("}}{\\insrsid13835495 \r\n\\par }}"));
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(kp)) left.push_back(e.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"Report.RTF", "kp47.html"}));
}

}  // namespace
}  // namespace zq
