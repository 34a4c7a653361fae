#include "output/mail_results.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "build_settings.h"
#include "storage/calculator_state.h"
#include "storage/comparison_log.h"
#include "storage/design_file.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using platform::quote_argument;

constexpr const char* kMailServer = "Outlook.Application";
constexpr const char* kResultsSubject = "My Finished ZQ Results";
constexpr long kImportanceNormal = 1;
constexpr long kImportanceHigh = 2;

std::string clip(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// A file in a folder; a folder that cannot be named gives the bare name.
std::string in_folder(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (folder.back() == kPathSeparator) return folder + std::string(name);
  return folder + kPathSeparator + std::string(name);
}

// The comparison log's name where rows go: on Windows the letter case does
// not matter, elsewhere the log's own spelling must be used.
std::string_view log_file_name() {
#ifdef _WIN32
  return "zq.csv";
#else
  return kLogFileName;
#endif
}

class ViewCursor : public BusyCursor {
 public:
  explicit ViewCursor(CalculatorView& view) : view_(view) {}
  void show() override { view_.set_busy(true); }
  void restore() override { view_.set_busy(false); }

 private:
  CalculatorView& view_;
};

void show_busy(BusyCursor* busy) {
  if (busy) busy->show();
}
void restore_cursor(BusyCursor* busy) {
  if (busy) busy->restore();
}

// The body file's lines joined, without line breaks or trailing spaces.
bool read_joined_body(const std::string& body_file, std::string& body) {
  std::ifstream in(body_file, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    body = clip(body) + clip(line);
  }
  body = clip(body);
  return true;
}

void remove_quietly(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

}  // namespace

MailServices system_mail_services(BusyCursor* busy) {
  return MailServices{platform::system_automation(), system_random(), system_clock(), busy,
                      build::kSupportAddress, build::kRecipientFirstName};
}

std::string ReportMailSubject(std::string_view first_name) {
  return "Hi " + std::string(first_name) + ", my ZQ results are attached";
}

std::string AttachmentDisplayName(std::string_view path) {
  if (path.size() < 2) return std::string(path);
  std::size_t sep = path.rfind(kPathSeparator, path.size() - 2);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

void EmailResults(MailHost& host, const std::string& working_folder, std::string& design_path,
                  MailState& state, MailServices& services) {
  show_busy(services.busy);
  if (!host.server) host.server = services.automation.create(kMailServer);
  platform::AutomationServer* mail = host.server.get();
  if (mail) {
    mail->activate();
    mail->put("Visible", 1L);
  }
  design_path = working_folder;
  state.results_log_path = in_folder(working_folder, log_file_name());
  if (mail) {
    // The message is shown first and filled while it is open.
    std::string item = mail->get("CreateItem(0)");
    mail->call(item + ".Display");
    mail->put(item + ".To", services.recipient);
    mail->put(item + ".Subject", std::string(kResultsSubject));
    mail->put(item + ".HTMLBody", std::string());
    mail->put(item + ".Importance", kImportanceHigh);
    mail->call(item + ".Attachments.Add(" + quote_argument(state.results_log_path) + ")");
    mail->call(item + ".Attachments.Add(" + quote_argument(in_folder(working_folder, kScratchFileName)) + ")");
    mail->complete();
  }
  restore_cursor(services.busy);
}

int SendOutlookMail(const std::string& recipient, const std::string& subject, const std::string& body_file,
                    const MailState& state, platform::Automation& automation) {
  std::string body;
  if (!read_joined_body(body_file, body)) return 1;
  std::unique_ptr<platform::AutomationServer> mail = automation.create(kMailServer);
  if (!mail) return 0;
  std::string item = mail->get("CreateItem(0)");
  auto attach = [&](const std::string& path, const std::string& shown) {
    mail->call(item + ".Attachments.Add(" + quote_argument(path) + ",1,1," + quote_argument(shown) + ")");
  };
  attach(ReportAttachmentPath(state), "Report.rtf");
  for (const std::string& entry : state.extra_attachments) {
    std::string path = clip(entry);
    attach(path, AttachmentDisplayName(path));
  }
  std::size_t from = 0;
  for (;;) {
    std::size_t comma = recipient.find(',', from);
    mail->call(item + ".Recipients.Add(" + quote_argument(recipient.substr(from, comma - from)) + ")");
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  mail->put(item + ".Subject", clip(subject));
  mail->put(item + ".HTMLBody", body);
  mail->put(item + ".Importance", kImportanceNormal);
  mail->call(item + ".Display");
  mail->complete();
  return 0;
}

bool MailReport(const std::vector<std::string>& page_images, const std::string& working_folder,
                MailState& state, MailServices& services) {
  PrepareMailFolder(state, working_folder);
  state.extra_attachments = {state.results_log_path};
  show_busy(services.busy);
  state.run_number = DrawRunNumber(services.random);
  const int pages = static_cast<int>(page_images.size());
  for (int i = 1; i <= pages; ++i) {
    std::error_code ec;
    fs::copy_file(page_images[i - 1], PageCopyPath(state, i), fs::copy_options::overwrite_existing, ec);
  }
  ExportContext ctx{state, services.random, services.clock};
  WriteMailBody(MailBodyPath(state), pages, ctx);
  SendOutlookMail(services.recipient, ReportMailSubject(services.first_name), MailBodyPath(state), state,
                  services.automation);
  for (int i = 1; i <= pages; ++i) remove_quietly(PageCopyPath(state, i));
  remove_quietly(RtfDocumentPath(state));
  restore_cursor(services.busy);
  return false;
}

void EmailResults(MailHost& host, CalculatorState& window, CalculatorView& view, MailServices& services) {
  WriteScratchDesign(window, view);  // a file that cannot be written is simply not attached
  ViewCursor cursor(view);
  BusyCursor* earlier = services.busy;
  services.busy = &cursor;
  EmailResults(host, working_folder_short_path(), window.DesignPath, mail_state(), services);
  services.busy = earlier;
}

void EmailResults(MailHost& host, CalculatorState& window, CalculatorView& view) {
  MailServices services = system_mail_services();
  EmailResults(host, window, view, services);
}

ReportPagesMailing mailing_for_report(MailServices services) {
  return [services](const std::vector<fs::path>& page_images) mutable {
    std::vector<std::string> pages;
    for (const fs::path& p : page_images) pages.push_back(p.string());
    MailReport(pages, working_folder().string(), mail_state(), services);
  };
}

ReportPagesMailing system_report_mailing(BusyCursor* busy) { return mailing_for_report(system_mail_services(busy)); }

}  // namespace zq
