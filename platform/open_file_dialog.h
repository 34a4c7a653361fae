#pragma once
// The open-file dialog of the calculator windows: a title, one filter, only
// existing files, starting from the file last chosen. The desktop program
// uses platform/qt/qt_open_file_dialog.h; tests script the answers with
// ScriptedOpenFileDialog so no dialog ever blocks.
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zq {

struct OpenFileRequest {
  std::string title;               // "Choose File to Open"
  std::string filter_description;  // "Antenna Ini Files M = Metric"
  std::string pattern;             // "*.ini", matched in any letter case
  std::string start;               // the file (or folder) the dialog starts from; "" for the working folder
  friend bool operator==(const OpenFileRequest&, const OpenFileRequest&) = default;
};

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  // The chosen existing file's path, or nullopt when the user cancelled.
  virtual std::optional<std::string> choose(const OpenFileRequest& request) = 0;
};

// Answers each request with the next scripted answer (nullopt: cancel);
// with no answer left it cancels. Records every request.
class ScriptedOpenFileDialog : public OpenFileDialog {
 public:
  std::optional<std::string> choose(const OpenFileRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<std::string>> answers;
  std::vector<OpenFileRequest> requests;
};

}  // namespace zq
