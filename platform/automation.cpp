#include "platform/automation.h"

#include <cctype>

namespace zq::platform {

std::string quote_argument(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string value_text(const AutomationValue& value) {
  if (const long* n = std::get_if<long>(&value)) return std::to_string(*n);
  return quote_argument(std::get<std::string>(value));
}

namespace {

class Scanner {
 public:
  explicit Scanner(std::string_view text) : s_(text) {}
  bool at_end() const { return i_ == s_.size(); }
  char peek() const { return at_end() ? '\0' : s_[i_]; }
  bool take(char c) {
    if (peek() != c) return false;
    ++i_;
    return true;
  }
  void skip_blanks() {
    while (peek() == ' ') ++i_;
  }
  std::optional<std::string> name() {
    std::size_t start = i_;
    while (!at_end() && (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_')) ++i_;
    if (i_ == start) return std::nullopt;
    return std::string(s_.substr(start, i_ - start));
  }
  std::optional<AutomationValue> argument() {
    skip_blanks();
    if (take('"')) {
      std::string text;
      for (;;) {
        if (at_end()) return std::nullopt;
        char c = s_[i_++];
        if (c == '"') {
          if (!take('"')) break;  // a doubled quote stands for one
        }
        text += c;
      }
      skip_blanks();
      return text;
    }
    std::size_t start = i_;
    take('-');
    while (std::isdigit(static_cast<unsigned char>(peek()))) ++i_;
    std::string_view digits = s_.substr(start, i_ - start);
    if (digits.empty() || digits == "-" || digits.size() > 10) return std::nullopt;
    skip_blanks();
    return std::stol(std::string(digits));
  }

 private:
  std::string_view s_;
  std::size_t i_ = 0;
};

}  // namespace

std::optional<CallText> parse_call_text(std::string_view text) {
  Scanner in(text);
  CallText call;
  do {
    auto name = in.name();
    if (!name) return std::nullopt;
    call.names.push_back(std::move(*name));
  } while (in.take('.'));
  if (in.take('(')) {
    call.has_arguments = true;
    in.skip_blanks();
    if (!in.take(')')) {
      do {
        auto arg = in.argument();
        if (!arg) return std::nullopt;
        call.arguments.push_back(std::move(*arg));
      } while (in.take(','));
      if (!in.take(')')) return std::nullopt;
    }
  }
  if (!in.at_end()) return std::nullopt;
  return call;
}

namespace {

class RecordingServer : public AutomationServer {
 public:
  explicit RecordingServer(std::vector<std::string>& transcript) : t_(transcript) {}
  void activate() override { t_.push_back("activate"); }
  std::string get(const std::string& text) override {
    t_.push_back("get " + text);
    return text == "CreateItem(0)" ? "item" : "";
  }
  void put(const std::string& text, const AutomationValue& value) override {
    t_.push_back("put " + text + " = " + value_text(value));
  }
  void call(const std::string& text) override { t_.push_back("call " + text); }
  void complete() override { t_.push_back("complete"); }

 private:
  std::vector<std::string>& t_;
};

}  // namespace

std::unique_ptr<AutomationServer> RecordingAutomation::create(const std::string& name) {
  transcript.push_back("create " + name);
  if (fail_create) return nullptr;
  return std::make_unique<RecordingServer>(transcript);
}

}  // namespace zq::platform
