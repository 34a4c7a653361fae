#pragma once
// PrintZQ with the desktop program's own windows: the progress window, the
// preview, the printer, the embedded pictures and today's date in the
// system's short date format. The calculator windows call this (through the
// button sequences of output/report_buttons.h).
#include <QWidget>
#include <string>

#include "output/print_zq.h"

namespace zq::report {

// Today as the system writes a short date (QLocale::ShortFormat).
ReportClock qt_report_clock();

// Runs PrintZQ on `designFile` with the desktop's windows, modally over
// `parent`. In e-mail mode the page images go to the installed report mailing
// (set_report_mailing).
ReportOutcome run_print_zq(QWidget* parent, const std::string& designFile);

}  // namespace zq::report
