#include "platform/message_box.h"

#include <iostream>

#include "platform/error_manager.h"

namespace zq {

namespace {
class StderrMessageBoxes : public MessageBoxes {
 public:
  void show(std::string_view text, std::string_view caption) override {
    if (!caption.empty()) std::cerr << caption << ": ";
    std::cerr << message_lines(text) << '\n';
  }
};

StderrMessageBoxes& stderr_boxes() {
  static StderrMessageBoxes boxes;
  return boxes;
}

MessageBoxes*& installed() {
  static MessageBoxes* boxes = nullptr;
  return boxes;
}
}  // namespace

MessageBoxes& message_boxes() {
  MessageBoxes* boxes = installed();
  return boxes ? *boxes : stderr_boxes();
}

MessageBoxes* set_message_boxes(MessageBoxes* boxes) {
  MessageBoxes* previous = installed();
  installed() = boxes;
  return previous;
}

std::string message_lines(std::string_view text) {
  std::string lines(text);
  for (char& c : lines)
    if (c == '|') c = '\n';
  return lines;
}

std::string ErrorManager::report_text(std::string_view error) const {
  std::string text(error);
  text += "|Procedure: ";
  text += current_procedure();
  return text;
}

void ErrorManager::report(std::string_view error) const { message_boxes().show(report_text(error), kErrorCaption); }

ErrorManager& error_manager() {
  static ErrorManager errors;
  return errors;
}

}  // namespace zq
