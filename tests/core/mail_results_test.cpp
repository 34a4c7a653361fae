// The two mailings as call transcripts of the mail client, and the report
// mailing's working files.
#include "output/mail_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/core/mail_test_util.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using Transcript = std::vector<std::string>;

struct CountingCursor : BusyCursor {
  void show() override { ++shown; }
  void restore() override { ++restored; }
  int shown = 0, restored = 0;
};

struct MailingFixture : ::testing::Test {
  platform::RecordingAutomation automation;
  test::ScriptedRandom random{{47, 1234567890}};
  FixedClock clock{{2026, 3, 5, 9, 7}};
  CountingCursor cursor;
  MailServices services{automation, random, clock, &cursor, "designer@example.org", "Designer"};
  MailState state;
  test::TempFolder tmp;
  std::vector<std::string> pages{test::data_file("one_line.wmf"), test::data_file("header_only.wmf")};

  std::string wf() const { return tmp.str(); }
};

Transcript results_mail(const std::string& folder) {
  return {
      "get CreateItem(0)",
      "call item.Display",
      "put item.To = \"designer@example.org\"",
      "put item.Subject = \"My Finished ZQ Results\"",
      "put item.HTMLBody = \"\"",
      "put item.Importance = 2",
      "call item.Attachments.Add(\"" + folder + "/ZQ.csv\")",
      "call item.Attachments.Add(\"" + folder + "/zq.ini\")",
      "complete",
  };
}

Transcript report_mail(const std::string& mail_folder, const std::string& log_call) {
  return {
      "create Outlook.Application",
      "get CreateItem(0)",
      "call item.Attachments.Add(\"" + mail_folder + "Report.RTF\",1,1,\"Report.rtf\")",
      log_call,
      "call item.Recipients.Add(\"designer@example.org\")",
      "put item.Subject = \"Hi Designer, my ZQ results are attached\"",
      "put item.HTMLBody = \"<!DOCTYPE HTML PUBLIC \"\"-//W3C//DTD HTML 4.0 Transitional//EN\"\">"
      "<HTML><HEAD><META content=\"\"text/html; charset=iso-8859-1\"\" http-equiv=Content-Type>"
      "<META content=\"\"MSHTML 5.00.2614.3500\"\" name=GENERATOR></HEAD><BODY bgColor=#FFFFFF>"
      "<DIV></DIV></BODY></HTML>\"",
      "put item.Importance = 1",
      "call item.Display",
      "complete",
  };
}

TEST_F(MailingFixture, EmailResultsShowsMessageFirstThenFillsIt) {
  MailHost host;
  std::string design_path = "/w/726.INI";
  EmailResults(host, "/w", design_path, state, services);
  Transcript expected{"create Outlook.Application", "activate", "put Visible = 1"};
  for (auto& line : results_mail("/w")) expected.push_back(line);
  EXPECT_EQ(automation.transcript, expected);
  EXPECT_EQ(design_path, "/w");
  EXPECT_EQ(state.results_log_path, "/w/ZQ.csv");
  EXPECT_EQ(cursor.shown, 1);
  EXPECT_EQ(cursor.restored, 1);

  // A second press reuses the mail client the host already holds.
  automation.transcript.clear();
  EmailResults(host, "/w", design_path, state, services);
  expected = {"activate", "put Visible = 1"};
  for (auto& line : results_mail("/w")) expected.push_back(line);
  EXPECT_EQ(automation.transcript, expected);
}

TEST_F(MailingFixture, EmailResultsWithoutMailClientStillEnds) {
  automation.fail_create = true;
  MailHost host;
  std::string design_path;
  EmailResults(host, "/w", design_path, state, services);
  EXPECT_EQ(automation.transcript, Transcript{"create Outlook.Application"});
  EXPECT_EQ(design_path, "/w");
  EXPECT_EQ(state.results_log_path, "/w/ZQ.csv");
  EXPECT_EQ(cursor.restored, 1);
}

TEST_F(MailingFixture, ReportMailBeforeAnyEmailResultsNamesAnEmptyAttachment) {
  EXPECT_FALSE(MailReport(pages, wf(), state, services));
  std::string kp = wf() + "/KP/";
  EXPECT_EQ(automation.transcript, report_mail(kp, "call item.Attachments.Add(\"\",1,1,\"\")"));

  // The report document embeds both pages; only the body and Report.RTF stay.
  EXPECT_EQ(test::read_bytes(kp + "Report.RTF"), test::read_bytes(test::data_file("two_pages.rtf")));
  EXPECT_EQ(test::read_bytes(kp + "kp47.html"), test::read_bytes(test::data_file("mail_body.html")));
  for (const char* gone : {"471.wmf", "472.wmf", "47.RTF"}) EXPECT_FALSE(fs::exists(kp + gone)) << gone;
  EXPECT_EQ(cursor.shown, 1);
  EXPECT_EQ(cursor.restored, 1);
  const std::pair<std::int64_t, std::int64_t> run_range{11, 99};
  EXPECT_EQ(random.ranges.at(0), run_range);
}

TEST_F(MailingFixture, ReportMailAttachesLogRememberedFromTheOtherWindow) {
  MailHost metric_window, imperial_window;
  std::string metric_path, imperial_path;
  EmailResults(metric_window, "/metric/work", metric_path, state, services);
  automation.transcript.clear();
  MailReport(pages, wf(), state, services);
  EXPECT_EQ(automation.transcript,
            report_mail(wf() + "/KP/", "call item.Attachments.Add(\"/metric/work/ZQ.csv\",1,1,\"ZQ.csv\")"));
  EXPECT_EQ(state.extra_attachments, std::vector<std::string>{"/metric/work/ZQ.csv"});
  EXPECT_TRUE(imperial_path.empty());
}

TEST_F(MailingFixture, UnreadableBodyComposesNoMailButCleansUp) {
  state.mail_folder = tmp.file("not-a-folder");
  test::write_bytes(state.mail_folder, "a file where the mail folder should be");
  MailReport(pages, wf(), state, services);
  EXPECT_EQ(automation.transcript, Transcript{});
  EXPECT_EQ(cursor.restored, 1);
  EXPECT_EQ(SendOutlookMail("a@b", "s", tmp.file("missing.html"), state, automation), 1);
  EXPECT_EQ(automation.transcript, Transcript{});
}

TEST_F(MailingFixture, RecipientTextSplitAtCommasAsItStands) {
  test::write_bytes(tmp.file("body.html"), "<p>  \r\n\r\nx");
  ASSERT_EQ(SendOutlookMail("a@x, b@y,c@z", "Subject   ", tmp.file("body.html"), state, automation), 0);
  Transcript& t = automation.transcript;
  auto has = [&](const std::string& line) { return std::find(t.begin(), t.end(), line) != t.end(); };
  EXPECT_TRUE(has("call item.Recipients.Add(\"a@x\")"));
  EXPECT_TRUE(has("call item.Recipients.Add(\" b@y\")"));
  EXPECT_TRUE(has("call item.Recipients.Add(\"c@z\")"));
  EXPECT_TRUE(has("put item.Subject = \"Subject\""));
  EXPECT_TRUE(has("put item.HTMLBody = \"<p>x\""));
}

TEST(AttachmentDisplayName, PartAfterLastSeparatorBeforeTheLastCharacter) {
  struct {
    const char* path;
    const char* shown;
  } cases[] = {
      {"/home/ham/zq.csv", "zq.csv"}, {"", ""},      {"zq.csv", "zq.csv"},
      {"/home/ham/KP/", "KP/"},       {"/a", "a"},   {"x", "x"},
  };
  for (auto& c : cases) EXPECT_EQ(AttachmentDisplayName(c.path), c.shown) << c.path;
}

}  // namespace
}  // namespace zq
