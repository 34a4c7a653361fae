#include "output/qt/print_zq_qt.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLocale>

#include "output/qt/report_preview.h"
#include "output/qt/report_progress.h"
#include "output/qt/report_qt_pictures.h"
#include "platform/error_manager.h"
#include "platform/qt/dialog_units.h"
#include "settings/qt/widget_placement.h"

namespace zq::report {

ReportClock qt_report_clock() {
  ReportClock clock;
  clock.today = [] {
    const QDate d = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{d.year()},
                                       std::chrono::month{static_cast<unsigned>(d.month())},
                                       std::chrono::day{static_cast<unsigned>(d.day())}};
  };
  clock.short_date = [](std::chrono::year_month_day d) {
    const QDate date(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                     static_cast<int>(static_cast<unsigned>(d.day())));
    return QLocale::system().toString(date, QLocale::ShortFormat).toStdString();
  };
  return clock;
}

DeferredKeys::DeferredKeys(QWidget* window) : window_(window ? window->window() : nullptr) {
  if (window_) QCoreApplication::instance()->installEventFilter(this);
}

DeferredKeys::~DeferredKeys() {
  if (window_) QCoreApplication::instance()->removeEventFilter(this);
  for (auto& [receiver, event] : held_) {
    if (receiver) QCoreApplication::postEvent(receiver, event);
    else delete event;
  }
}

bool DeferredKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !window_ || widget->window() != window_) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  held_.emplace_back(watched, new QKeyEvent(key->type(), key->key(), key->modifiers(), key->text(),
                                            key->isAutoRepeat(), key->count()));
  return true;
}

ReportOutcome run_print_zq(QWidget* parent, const std::string& designFile) {
  const DeferredKeys keys(parent);
  ResourcePictures pictures;
  // The report's windows report errors under "PrintZQ" and keep the progress
  // window's placement in that section of the settings file.
  ProcedureScope procedure("PrintZQ");
  QtReportProgress progress(parent);
  progress.restore_placement = [](QWidget& w) {
    qt::restore_placement("PrintZQ", &w, qt::DialogUnits(w.font()), false);
  };
  progress.save_placement = [](const QWidget& w) {
    qt::save_placement("PrintZQ", const_cast<QWidget*>(&w), qt::DialogUnits(w.font()), false);
  };
  QtReportPreview preview(parent, &pictures);
  PrintZqServices s;
  s.progress = &progress;
  s.preview = &preview;
  s.printer = &preview;
  s.mailing = report_mailing();
  s.pictures = &pictures;
  s.clock = qt_report_clock();
  return PrintZQ(designFile, s);
}

}  // namespace zq::report
