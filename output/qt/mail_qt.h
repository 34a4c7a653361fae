#pragma once
// The mailings with the desktop program's busy cursor.
//
// "Email Results" (both calculator windows), after nothing else:
//   zq::EmailResults(window.mail_host, window.state, view);   // output/mail_results.h
// "email Report" runs PrintZQ in e-mail mode (output/qt/print_zq_qt.h); its page
// images reach the report mailing installed at start-up by install_report_mailing().
#include "output/mail_results.h"

namespace zq::qt {

// QGuiApplication's override cursor, Qt::WaitCursor.
class QtBusyCursor : public zq::BusyCursor {  // the mailings' interface, not the scope guard qt::BusyCursor
 public:
  void show() override;
  void restore() override;
};

// Installs the report mailing into PrintZQ's e-mail mode, with the busy cursor.
void install_report_mailing();

}  // namespace zq::qt
