// Call texts of the mail client, and the Linux stand-in that turns them into
// an xdg-email call.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "output/mail_results.h"
#include "platform/automation.h"
#include "platform/mail_standin.h"
#include "tests/core/mail_test_util.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using platform::AutomationValue;
using Argv = std::vector<std::string>;

TEST(CallText, QuotedPathWithDoubleQuoteStaysOneArgument) {
  std::string path = "/home/ham/my \"ZQ\",1,1,\"x/zq.csv";
  std::string text = "item1.Attachments.Add(" + platform::quote_argument(path) + ",1,1,\"zq.csv\")";
  EXPECT_EQ(text, "item1.Attachments.Add(\"/home/ham/my \"\"ZQ\"\",1,1,\"\"x/zq.csv\",1,1,\"zq.csv\")");
  auto call = platform::parse_call_text(text);
  ASSERT_TRUE(call);
  EXPECT_EQ(call->names, (std::vector<std::string>{"item1", "Attachments", "Add"}));
  ASSERT_EQ(call->arguments.size(), 4u);
  EXPECT_EQ(call->arguments[0], AutomationValue(path));
  EXPECT_EQ(call->arguments[1], AutomationValue(1L));
  EXPECT_EQ(call->arguments[3], AutomationValue(std::string("zq.csv")));
}

TEST(CallText, Shapes) {
  auto create = platform::parse_call_text("CreateItem(0)");
  ASSERT_TRUE(create);
  EXPECT_EQ(create->names, std::vector<std::string>{"CreateItem"});
  EXPECT_EQ(create->arguments, std::vector<AutomationValue>{0L});
  auto display = platform::parse_call_text("item1.Display");
  ASSERT_TRUE(display);
  EXPECT_FALSE(display->has_arguments);
  for (const char* bad : {"", "item1.", "a.Add(\"open", "a.Add(1", "a.Add(1) x", "a.Add(x)", ".Display"})
    EXPECT_FALSE(platform::parse_call_text(bad)) << bad;
}

// Records the argv instead of starting anything.
struct RecordingRunner : platform::ProgramRunner {
  platform::RunOutcome run(const Argv& argv) override {
    runs.push_back(argv);
    return outcome;
  }
  std::vector<Argv> runs;
  platform::RunOutcome outcome{true, 0, false};
};

struct StandInFixture : ::testing::Test {
  RecordingRunner runner;
  std::vector<std::string> notices;
  platform::MailClientStandIn standin{runner, [this](const std::string& t) { notices.push_back(t); }};
  test::ScriptedRandom random{{47, 1234567890}};
  FixedClock clock{{2026, 3, 5, 9, 7}};
  MailServices services{standin, random, clock, nullptr, "designer@example.org", "Designer"};
  MailState state;
  test::TempFolder tmp;

  void SetUp() override {
    test::write_bytes(tmp.file("ZQ.csv"), "\"F\"\r\n");
    test::write_bytes(tmp.file("zq.ini"), "[ZQ]\r\n");
  }
};

TEST_F(StandInFixture, ResultsMailHandedOverOnlyOnceComplete) {
  MailHost host;
  std::string design_path;
  EmailResults(host, tmp.str(), design_path, state, services);
  ASSERT_EQ(runner.runs.size(), 1u);
  EXPECT_EQ(runner.runs[0], (Argv{"xdg-email", "--subject", "My Finished ZQ Results", "--attach",
                                  tmp.file("ZQ.csv"), "--attach", tmp.file("zq.ini"), "designer@example.org"}));
  EXPECT_TRUE(notices.empty());
  // The next press composes a new message; the first is not handed over again.
  EmailResults(host, tmp.str(), design_path, state, services);
  EXPECT_EQ(runner.runs.size(), 2u);
}

TEST_F(StandInFixture, ReportMailLeavesOutRefusedAttachments) {
  std::vector<std::string> pages{test::data_file("header_only.wmf")};
  MailReport(pages, tmp.str(), state, services);  // no "Email Results" yet: empty log path
  ASSERT_EQ(runner.runs.size(), 1u);
  EXPECT_EQ(runner.runs[0], (Argv{"xdg-email", "--subject", "Hi Designer, my ZQ results are attached",
                                  "--attach", tmp.file("KP/Report.RTF"), "designer@example.org"}));

  state.results_log_path = tmp.file("gone.csv");  // named but missing
  MailReport(pages, tmp.str(), state, services);
  ASSERT_EQ(runner.runs.size(), 2u);
  EXPECT_EQ(runner.runs[1].size(), 6u);
}

TEST_F(StandInFixture, NoMailProgramGivesOneMessageNamingTheFolder) {
  for (platform::RunOutcome outcome : {platform::RunOutcome{false, 0, false}, platform::RunOutcome{true, 3, false}}) {
    notices.clear();
    runner.outcome = outcome;
    MailHost host;
    std::string design_path;
    EmailResults(host, tmp.str(), design_path, state, services);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "No mail program could be started, so the message was not opened."
                          "|The files for it are in the folder|" + tmp.str());
  }
  // A mail client still in front of the user after the wait counts as started.
  notices.clear();
  runner.outcome = {true, 0, true};
  MailHost host;
  std::string design_path;
  EmailResults(host, tmp.str(), design_path, state, services);
  EXPECT_TRUE(notices.empty());
}

TEST(StandIn, KnowsOnlyTheMailClient) {
  RecordingRunner runner;
  platform::MailClientStandIn standin(runner, nullptr);
  EXPECT_EQ(standin.create("Excel.Application"), nullptr);
  EXPECT_NE(standin.create("Outlook.Application"), nullptr);
}

TEST(StandIn, BodyTextWithoutMarkupGoesToBody) {
  platform::MailMessage m;
  m.subject = "S";
  m.html_body = "<HTML><BODY><DIV>73 de  VK3</DIV></BODY></HTML>";
  m.recipients = {" a@x "};
  EXPECT_EQ(platform::xdg_email_argv(m), (Argv{"xdg-email", "--subject", "S", "--body", "73 de  VK3", "a@x"}));
}

// The real runner against a fake xdg-email first on PATH.
class FakeXdgEmail : public ::testing::Test {
 protected:
  void SetUp() override {
    old_path_ = getenv("PATH") ? getenv("PATH") : "";
    bin_ = tmp_.file("bin");
    fs::create_directories(bin_);
  }
  void TearDown() override { setenv("PATH", old_path_.c_str(), 1); }
  void install(int exit_code) {
    std::string script = bin_ + "/xdg-email";
    test::write_bytes(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + tmp_.file("argv") +
                                  "\"\nexit " + std::to_string(exit_code) + "\n");
    fs::permissions(script, fs::perms::owner_all);
    setenv("PATH", (bin_ + ":" + old_path_).c_str(), 1);
  }
  test::TempFolder tmp_;
  std::string bin_, old_path_;
};

TEST_F(FakeXdgEmail, ArgumentsArriveUnchangedWithoutAShell) {
  install(0);
  Argv argv{"xdg-email", "--subject", "It's $HOME; `x` \"q\"", "--attach", "/tmp/a b.csv", "designer@example.org"};
  platform::RunOutcome outcome = platform::system_program_runner().run(argv);
  EXPECT_TRUE(outcome.started);
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(test::read_bytes(tmp_.file("argv")),
            "--subject\nIt's $HOME; `x` \"q\"\n--attach\n/tmp/a b.csv\ndesigner@example.org\n");
}

TEST_F(FakeXdgEmail, ResultsMailReachesXdgEmail) {
  install(0);
  test::write_bytes(tmp_.file("ZQ.csv"), "x");
  test::write_bytes(tmp_.file("zq.ini"), "x");
  std::vector<std::string> notices;
  platform::MailClientStandIn standin(platform::system_program_runner(),
                                      [&](const std::string& t) { notices.push_back(t); });
  test::ScriptedRandom random{{}};
  FixedClock clock{{2026, 3, 5, 9, 7}};
  MailServices services{standin, random, clock, nullptr, "designer@example.org", "Designer"};
  MailState state;
  MailHost host;
  std::string design_path;
  EmailResults(host, tmp_.str(), design_path, state, services);
  EXPECT_EQ(test::read_bytes(tmp_.file("argv")), "--subject\nMy Finished ZQ Results\n--attach\n" +
                                                     tmp_.file("ZQ.csv") + "\n--attach\n" + tmp_.file("zq.ini") +
                                                     "\ndesigner@example.org\n");
  EXPECT_TRUE(notices.empty());
}

TEST_F(FakeXdgEmail, FailureAndAbsenceAreReported) {
  install(3);
  EXPECT_EQ(platform::system_program_runner().run({"xdg-email"}).exit_code, 3);
  setenv("PATH", tmp_.file("empty").c_str(), 1);
  EXPECT_FALSE(platform::system_program_runner().run({"xdg-email"}).started);
}

}  // namespace
}  // namespace zq
