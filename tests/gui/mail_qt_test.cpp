// "email Report" from the button sequence to the mail client, with the
// desktop's report windows and a fake xdg-email first on PATH.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "output/mail_export.h"
#include "output/print_zq.h"
#include "output/qt/mail_qt.h"
#include "output/qt/print_zq_qt.h"
#include "output/report_buttons.h"
#include "platform/mail_standin.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

class NullView : public CalculatorView {
 public:
  void take_screen() override {}
  void show_message(std::string_view, std::string_view) override {}
  void focus_name_box() override {}
  void queue_key(HotKey) override {}
  void set_unit_line(std::string_view) override {}
  void redraw() override {}
  void redraw_name_box() override {}
  void set_busy(bool) override {}
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EmailReportButton, ComposesTheReportMailInTheUsersMailProgram) {
  const fs::path old_cwd = fs::current_path();
  const std::string old_path = getenv("PATH") ? getenv("PATH") : "";
  const char* old_config = getenv("XDG_CONFIG_HOME");
  const std::string saved_config = old_config ? old_config : "";
  const fs::path wf = fs::temp_directory_path() / "zq_gui_email_report";
  fs::remove_all(wf);
  fs::create_directories(wf / "bin");
  fs::current_path(wf);
  {
    std::ofstream script(wf / "bin/xdg-email");
    script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " << (wf / "argv").string() << "\n";
  }
  fs::permissions(wf / "bin/xdg-email", fs::perms::owner_all);
  setenv("PATH", ((wf / "bin").string() + ":" + old_path).c_str(), 1);
  setenv("XDG_CONFIG_HOME", (wf / "config").string().c_str(), 1);  // window placements stay here
  fs::copy_file(fs::path(ZQ_TEST_DATA_DIR) / "report/design.ini", wf / "726.INI");

  std::vector<std::string> notices;
  platform::set_mail_notice([&](const std::string& text) { notices.push_back(text); });
  qt::install_report_mailing();
  CalculatorState state = open_calculator(UnitSystem::Imperial);
  state.DialogFile = "726.INI";
  NullView view;
  report::start_email_report(state, view, [](const std::string& file) { report::run_print_zq(nullptr, file); });

  const std::string kp = (wf / "KP").string() + "/";
  EXPECT_EQ(slurp(wf / "argv"), "--subject\nHi Designer, my ZQ results are attached\n--attach\n" + kp +
                                    "Report.RTF\ndesigner@example.org\n");
  EXPECT_TRUE(slurp(kp + "Report.RTF").starts_with("{\\rtf1"));
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "busy cursor restored";

  report::set_email_flag(0);
  report::set_report_mailing(nullptr);
  platform::set_mail_notice(nullptr);
  mail_state() = MailState{};
  setenv("PATH", old_path.c_str(), 1);
  if (old_config) setenv("XDG_CONFIG_HOME", saved_config.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
  fs::current_path(old_cwd);
  fs::remove_all(wf);
}

}  // namespace
}  // namespace zq
