#include "platform/mail_standin.h"

#include "platform/message_box.h"

#include <filesystem>
#include <map>
#include <system_error>

namespace zq::platform {
namespace {

namespace fs = std::filesystem;

std::string trim_blanks(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// The text a reader of the HTML body sees: markup dropped, blanks collapsed.
std::string body_text(const std::string& html) {
  std::string text;
  bool in_tag = false;
  for (char c : html) {
    if (c == '<') in_tag = true;
    else if (c == '>') in_tag = false;
    else if (!in_tag) text += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
  }
  return trim_blanks(text);
}

bool is_file(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

std::string text_of(const AutomationValue& v) {
  if (const long* n = std::get_if<long>(&v)) return std::to_string(*n);
  return std::get<std::string>(v);
}

class StandInServer : public AutomationServer {
 public:
  StandInServer(ProgramRunner& runner, MailNotice notice) : runner_(runner), notice_(std::move(notice)) {}

  void activate() override {}

  std::string get(const std::string& text) override {
    if (text != "CreateItem(0)") return "";
    std::string ref = "item" + std::to_string(items_.size() + 1);
    items_[ref] = MailMessage{};
    return ref;
  }

  void put(const std::string& text, const AutomationValue& value) override {
    auto parsed = parse_call_text(text);
    if (!parsed || parsed->names.size() != 2 || parsed->has_arguments) return;
    MailMessage* m = item(parsed->names[0]);
    if (!m) return;
    const std::string& member = parsed->names[1];
    if (member == "To") m->recipients = {text_of(value)};
    else if (member == "Subject") m->subject = text_of(value);
    else if (member == "HTMLBody") m->html_body = text_of(value);
    else if (member == "Importance") {
      if (const long* n = std::get_if<long>(&value)) m->importance = *n;
    }
  }

  void call(const std::string& text) override {
    auto parsed = parse_call_text(text);
    if (!parsed || parsed->names.empty()) return;
    MailMessage* m = item(parsed->names[0]);
    if (!m) return;
    const auto& names = parsed->names;
    const auto& args = parsed->arguments;
    if (names.size() == 2 && names[1] == "Display") {
      m->displayed = true;
    } else if (names.size() == 3 && names[1] == "Attachments" && names[2] == "Add" && !args.empty()) {
      std::string path = text_of(args[0]);
      std::string shown = args.size() >= 4 ? text_of(args[3]) : fs::path(path).filename().string();
      if (!path.empty()) m->named_files.push_back(path);
      // The mail client refuses a file that is not there.
      if (is_file(path)) m->attachments.push_back({path, shown});
    } else if (names.size() == 3 && names[1] == "Recipients" && names[2] == "Add" && !args.empty()) {
      m->recipients.push_back(text_of(args[0]));
    }
  }

  void complete() override {
    for (auto& [ref, m] : items_) {
      if (!m.displayed || m.handed_over) continue;
      m.handed_over = true;
      RunOutcome outcome = runner_.run(xdg_email_argv(m));
      bool failed = !outcome.started || (!outcome.still_running && outcome.exit_code != 0);
      if (failed && notice_) notice_(no_mail_program_text(m));
    }
  }

 private:
  MailMessage* item(const std::string& ref) {
    auto it = items_.find(ref);
    return it == items_.end() ? nullptr : &it->second;
  }

  ProgramRunner& runner_;
  MailNotice notice_;
  std::map<std::string, MailMessage> items_;
};

void show_notice(const std::string& text) { show_message(text, kErrorCaption); }

MailNotice& notice_slot() {
  static MailNotice notice = show_notice;
  return notice;
}

}  // namespace

std::vector<std::string> xdg_email_argv(const MailMessage& message) {
  std::vector<std::string> argv{"xdg-email"};
  if (!message.subject.empty()) argv.insert(argv.end(), {"--subject", message.subject});
  std::string body = body_text(message.html_body);
  if (!body.empty()) argv.insert(argv.end(), {"--body", body});
  for (const MailAttachment& a : message.attachments) argv.insert(argv.end(), {"--attach", a.path});
  for (const std::string& r : message.recipients) {
    std::string address = trim_blanks(r);
    if (!address.empty()) argv.push_back(address);
  }
  return argv;
}

std::string no_mail_program_text(const MailMessage& message) {
  std::string text = "No mail program could be started, so the message was not opened.";
  if (!message.named_files.empty()) {
    fs::path folder = fs::path(message.named_files.front()).parent_path();
    text += "|The files for it are in the folder|" + folder.string();
  }
  return text;
}

MailClientStandIn::MailClientStandIn(ProgramRunner& runner, MailNotice notice)
    : runner_(runner), notice_(std::move(notice)) {}

std::unique_ptr<AutomationServer> MailClientStandIn::create(const std::string& name) {
  if (name != "Outlook.Application") return nullptr;
  return std::make_unique<StandInServer>(runner_, notice_);
}

void set_mail_notice(MailNotice notice) { notice_slot() = notice ? std::move(notice) : MailNotice(show_notice); }
const MailNotice& mail_notice() { return notice_slot(); }

}  // namespace zq::platform
