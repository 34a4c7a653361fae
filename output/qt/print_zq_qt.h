#pragma once
// PrintZQ with the desktop program's own windows: the progress window, the
// preview, the printer, the embedded pictures and today's date in the
// system's short date format. The calculator windows call this (through the
// button sequences of output/report_buttons.h).
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "output/print_zq.h"

namespace zq::report {

// Today as the system writes a short date (QLocale::ShortFormat).
ReportClock qt_report_clock();

// Holds back the keys that reach `window` (the calculator that started the
// report) while it lives, and puts them into the keyboard input again, in
// order, when it ends. The F2 that "Print/View" and "email Report" queue would
// otherwise run SAVE inside the report's own event loops; held back, the
// calculator takes it after the report has closed.
class DeferredKeys : public QObject {
 public:
  explicit DeferredKeys(QWidget* window);
  ~DeferredKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  std::vector<std::pair<QPointer<QObject>, QEvent*>> held_;
};

// Runs PrintZQ on `designFile` with the desktop's windows, modally over
// `parent`. In e-mail mode the page images go to the installed report mailing
// (set_report_mailing).
ReportOutcome run_print_zq(QWidget* parent, const std::string& designFile);

}  // namespace zq::report
