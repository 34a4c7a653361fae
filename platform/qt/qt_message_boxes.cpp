#include "platform/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace zq::qt {

void QtMessageBoxes::show(std::string_view text, std::string_view caption) {
  const std::string lines = message_lines(text);
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                  QString::fromStdString(lines), QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace zq::qt
