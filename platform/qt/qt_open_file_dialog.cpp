#include "platform/qt/qt_open_file_dialog.h"

#include <QDir>
#include <QFileInfo>

namespace zq::qt {

namespace {
QString text_of(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

void configure_open_dialog(QFileDialog& dialog, const OpenFileRequest& request) {
  dialog.setWindowTitle(text_of(request.title));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
#ifndef _WIN32
  // Native dialogs on Linux match patterns by letter case.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
#endif
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setNameFilter(text_of(request.filter_description) + " (" + text_of(request.pattern) + ")");
  if (!request.start.empty()) {
    const QFileInfo start(text_of(request.start));
    if (start.isDir()) {
      dialog.setDirectory(start.absoluteFilePath());
    } else {
      dialog.setDirectory(start.absolutePath());
      dialog.selectFile(start.fileName());
    }
  } else {
    dialog.setDirectory(QDir::currentPath());
  }
}

std::optional<std::string> QtOpenFileDialog::choose(const OpenFileRequest& request) {
  QFileDialog dialog(parent_);
  configure_open_dialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(files.front()).toStdString();
}

}  // namespace zq::qt
