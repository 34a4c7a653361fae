#pragma once
// Automation servers reached by name, with members addressed by text, as the
// mail client is driven: "CreateItem(0)" answers a reference to a new mail
// item, and later texts start with that reference:
//   item.Attachments.Add("/home/ham/KP/Report.RTF",1,1,"Report.rtf")
// No result of any call is reported back; a server that could not be started
// simply is not there.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zq::platform {

// A property value or call argument: a whole number or a text.
using AutomationValue = std::variant<long, std::string>;

class AutomationServer {
 public:
  virtual ~AutomationServer() = default;
  // Brings the application up in its host, ready for calls.
  virtual void activate() = 0;
  // Reads the value named by the text. An object comes back as a reference
  // text that later texts start with; anything else as its text.
  virtual std::string get(const std::string& text) = 0;
  // Sets the property named by the text.
  virtual void put(const std::string& text, const AutomationValue& value) = 0;
  // Calls the method named by the text, arguments included.
  virtual void call(const std::string& text) = 0;
  // The caller has made the last call of one message. A mail client that
  // shows its messages live has nothing to do; one that can take a message
  // only once, whole, takes the messages that were displayed now.
  virtual void complete() = 0;
};

class Automation {
 public:
  virtual ~Automation() = default;
  // The server registered under the name, or nullptr when it cannot be started.
  virtual std::unique_ptr<AutomationServer> create(const std::string& name) = 0;
};

// The desktop's mail client: Outlook through COM on Windows, the program's
// own stand-in over xdg-email elsewhere.
Automation& system_automation();

// A text argument for a call text: in double quotes, an inner double quote
// doubled, so that no path can end the argument early or add arguments.
std::string quote_argument(std::string_view text);

// A call text taken apart: "item1.Attachments.Add("a",1)" gives the names
// item1, Attachments, Add and the arguments "a" and 1.
struct CallText {
  std::vector<std::string> names;
  bool has_arguments = false;
  std::vector<AutomationValue> arguments;
};
// nullopt for a text that is not a dotted name with an optional argument list
// of quoted texts and whole numbers.
std::optional<CallText> parse_call_text(std::string_view text);

// The value as a transcript shows it: numbers bare, texts quoted.
std::string value_text(const AutomationValue& value);

// Test double: records every server creation and call, in order, as lines
//   create Outlook.Application | activate | get CreateItem(0)
//   call item.Display | put item.Subject = "..." | complete
// "CreateItem(0)" answers "item"; with fail_create set no server is made.
class RecordingAutomation : public Automation {
 public:
  std::unique_ptr<AutomationServer> create(const std::string& name) override;
  std::vector<std::string> transcript;
  bool fail_create = false;
};

}  // namespace zq::platform
