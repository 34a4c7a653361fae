#pragma once
// E-mailing results through the mail client: "Email Results" (the scratch
// design file and the comparison log) and the report mailing (the report as a
// rich-text document). Both compose a message and leave it open in the mail
// client; the user sends it from there.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "output/mail_export.h"
#include "platform/automation.h"

namespace zq {

struct CalculatorState;
class CalculatorView;

// The busy cursor while a mailing runs; the window layer supplies it.
class BusyCursor {
 public:
  virtual ~BusyCursor() = default;
  virtual void show() = 0;
  virtual void restore() = 0;
};

// What both mailings need from outside: the mail client, the random draws,
// the clock, the cursor (may be null) and the recipient fixed at build time.
struct MailServices {
  platform::Automation& automation;
  RandomSource& random;
  Clock& clock;
  BusyCursor* busy = nullptr;
  std::string recipient;
  std::string first_name;
};
// The desktop's services with the recipient and first name of this build.
MailServices system_mail_services(BusyCursor* busy = nullptr);

// A calculator window's hidden automation host beside its "Email Results"
// button: it keeps the mail client from the first press for later ones.
struct MailHost {
  std::unique_ptr<platform::AutomationServer> server;
};

// The subject of the report mail: greets the recipient by first name.
std::string ReportMailSubject(std::string_view first_name);

// "Email Results", after the current design was written to the scratch design
// file "zq.ini" in the working folder (given by its short path). Points
// design_path at the working folder and remembers the comparison log for
// later report mailings.
void EmailResults(MailHost& host, const std::string& working_folder, std::string& design_path,
                  MailState& state, MailServices& services);

// The whole "Email Results" button of a calculator window: writes the scratch
// design file (taking the screen), then mails it with the comparison log from
// the working folder, the window's busy cursor on meanwhile.
void EmailResults(MailHost& host, CalculatorState& window, CalculatorView& view, MailServices& services);
void EmailResults(MailHost& host, CalculatorState& window, CalculatorView& view);

// The report's preview step in e-mail mode: mails the page images (placeable
// metafiles, in page order) as the report document. Answers whether to print:
// never.
bool MailReport(const std::vector<std::string>& page_images, const std::string& working_folder,
                MailState& state, MailServices& services);

// Composes the report mail: Report.RTF from the mail folder, then each extra
// attachment, the recipients, the subject, the body file's lines joined into
// one, normal importance, and shows it. 0, or 1 when the body file cannot be
// opened (no message is composed).
int SendOutlookMail(const std::string& recipient, const std::string& subject, const std::string& body_file,
                    const MailState& state, platform::Automation& automation);

// The name an attachment is shown under: the part after the last separator
// found searching backwards from the path's second-to-last character.
std::string AttachmentDisplayName(std::string_view path);

// The report mailing as the report's e-mail-mode preview step takes it
// (PrintZqServices::mailing): the page images go to MailReport with the
// working folder and the process-wide mail state.
using ReportPagesMailing = std::function<void(const std::vector<std::filesystem::path>& page_images)>;
ReportPagesMailing mailing_for_report(MailServices services);
// The same with the desktop's services and no busy cursor of its own.
ReportPagesMailing system_report_mailing(BusyCursor* busy = nullptr);

}  // namespace zq
