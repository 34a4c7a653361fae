// On Linux the mail client's automation server is the program's own stand-in.
#include "platform/automation.h"
#include "platform/mail_standin.h"

namespace zq::platform {

Automation& system_automation() {
  static MailClientStandIn automation(system_program_runner(),
                                      [](const std::string& text) { mail_notice()(text); });
  return automation;
}

}  // namespace zq::platform
