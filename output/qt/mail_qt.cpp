#include "output/qt/mail_qt.h"

#include <QCursor>
#include <QGuiApplication>

#include "output/print_zq.h"

namespace zq::qt {

void QtBusyCursor::show() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
void QtBusyCursor::restore() { QGuiApplication::restoreOverrideCursor(); }

void install_report_mailing() {
  static QtBusyCursor cursor;
  report::set_report_mailing(system_report_mailing(&cursor));
}

}  // namespace zq::qt
