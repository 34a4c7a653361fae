#pragma once
// The Linux stand-in for the mail client's automation server
// "Outlook.Application": it reads the same call texts into a message and, once
// the message has been displayed and completed, hands it to the user's own
// mail client through xdg-email, which opens a compose window. Nothing is
// ever sent from here; the user sends it from the mail client.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation.h"

namespace zq::platform {

struct MailAttachment {
  std::string path;
  std::string display_name;  // kept with the message; xdg-email shows the file's own name
};

struct MailMessage {
  std::vector<std::string> recipients;
  std::string subject;
  std::string html_body;
  long importance = 1;
  std::vector<MailAttachment> attachments;  // only files that exist
  std::vector<std::string> named_files;     // every non-empty path asked for, kept or not
  bool displayed = false;
  bool handed_over = false;
};

// Starts a program without a shell and says how it went.
struct RunOutcome {
  bool started = false;  // false: the program was not found or could not be run
  int exit_code = 0;     // when it ended while we waited
  bool still_running = false;
};
class ProgramRunner {
 public:
  virtual ~ProgramRunner() = default;
  // argv[0] is looked up on PATH.
  virtual RunOutcome run(const std::vector<std::string>& argv) = 0;
};
// Linux only. Waits up to a few seconds: xdg-email either fails at once or hands over to a
// mail client that may stay in front of it for as long as the user composes.
ProgramRunner& system_program_runner();

// xdg-email --subject S [--body TEXT] --attach F ... RECIPIENT ...
// The body is the HTML body's text without its markup, left out when empty.
std::vector<std::string> xdg_email_argv(const MailMessage& message);

// The one message shown when no mail program could be started.
std::string no_mail_program_text(const MailMessage& message);

// How the stand-in tells the user that no mail program could be started.
using MailNotice = std::function<void(const std::string& text)>;

class MailClientStandIn : public Automation {
 public:
  MailClientStandIn(ProgramRunner& runner, MailNotice notice);
  // Only "Outlook.Application" is known; other names give nullptr.
  std::unique_ptr<AutomationServer> create(const std::string& name) override;

 private:
  ProgramRunner& runner_;
  MailNotice notice_;
};

// The notice used by system_automation() on Linux; by default the installed
// message boxes (platform/message_box.h) with the caption "ZQ Error Message";
// an empty notice goes back to that.
void set_mail_notice(MailNotice notice);
const MailNotice& mail_notice();

}  // namespace zq::platform
