#pragma once
// Message boxes: one OK button, no icon; a "|" in the text starts a new line.
// The program's own error messages carry the caption "ZQ Error Message", its
// notes no caption (""). The desktop program installs the Qt implementation
// (platform/qt/qt_message_boxes.h); tests install RecordingMessageBoxes.
#include <string>
#include <string_view>
#include <vector>

namespace zq {

inline constexpr std::string_view kErrorCaption = "ZQ Error Message";

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the message and returns when the user has pressed OK.
  virtual void show(std::string_view text, std::string_view caption) = 0;
};

// The installed message boxes. Until one is installed, messages go to the
// standard error stream.
MessageBoxes& message_boxes();
// Installs `boxes` (not owned; nullptr goes back to the standard error stream)
// and returns the previous one.
MessageBoxes* set_message_boxes(MessageBoxes* boxes);

// Shows a message through the installed message boxes.
inline void show_message(std::string_view text, std::string_view caption = {}) {
  message_boxes().show(text, caption);
}

// The message's text as shown: every "|" becomes a line break.
std::string message_lines(std::string_view text);

// Test double: records every message and answers OK at once.
class RecordingMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    friend bool operator==(const Shown&, const Shown&) = default;
  };
  void show(std::string_view text, std::string_view caption) override {
    shown.push_back({std::string(text), std::string(caption)});
  }
  std::vector<Shown> shown;
};

// Installs a recorder for as long as the scope lives.
class ScopedMessageRecorder {
 public:
  ScopedMessageRecorder() : previous_(set_message_boxes(&recorder)) {}
  ~ScopedMessageRecorder() { set_message_boxes(previous_); }
  ScopedMessageRecorder(const ScopedMessageRecorder&) = delete;
  ScopedMessageRecorder& operator=(const ScopedMessageRecorder&) = delete;
  RecordingMessageBoxes recorder;

 private:
  MessageBoxes* previous_;
};

}  // namespace zq
