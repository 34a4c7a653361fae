#pragma once
// Message boxes as QMessageBox: one OK button, no icon, "|" as line break,
// the caption as given (none: an empty title), over the active window.
#include "platform/message_box.h"

namespace zq::qt {

class QtMessageBoxes : public MessageBoxes {
 public:
  void show(std::string_view text, std::string_view caption) override;
};

}  // namespace zq::qt
