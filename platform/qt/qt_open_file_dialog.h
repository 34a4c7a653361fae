#pragma once
// The Qt open-file dialog. On Linux the dialog is Qt's own, whose filter
// matches without regard to letter case, so "*.ini" also lists the "N.INI"
// files that SAVE writes; on Windows the native dialog (case-blind anyway).
#include <QFileDialog>
#include <QPointer>
#include <QWidget>

#include "platform/open_file_dialog.h"

namespace zq::qt {

// Sets up `dialog` for `request`: title, the one filter, existing files only,
// the start file's folder and name.
void configure_open_dialog(QFileDialog& dialog, const OpenFileRequest& request);

class QtOpenFileDialog : public OpenFileDialog {
 public:
  explicit QtOpenFileDialog(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> choose(const OpenFileRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace zq::qt
