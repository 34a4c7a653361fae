#include "output/report_buttons.h"

#include "output/print_zq.h"

namespace zq::report {
namespace {

enum class Mode { PrintView, EmailReport };

void start_report(Mode mode, CalculatorState& state, CalculatorView& view, const RunReport& run_report) {
  view.take_screen();
  if (metric_flag() == 1) view.show_message(kMetricPrintMessage, "");
  // The queued SAVE acts when a window next reads keys; the report reads the
  // file as it stands now.
  view.queue_key(HotKey::F2);
  if (mode == Mode::PrintView) {
    set_email_flag(0);
    set_metric_flag(0);
  } else {
    set_email_flag(1);
  }
  if (run_report) run_report(mode == Mode::PrintView ? state.DesignPath : state.DialogFile);
  view.redraw();
}

}  // namespace

void start_print_view(CalculatorState& state, CalculatorView& view, const RunReport& run_report) {
  start_report(Mode::PrintView, state, view, run_report);
}

void start_email_report(CalculatorState& state, CalculatorView& view, const RunReport& run_report) {
  start_report(Mode::EmailReport, state, view, run_report);
}

}  // namespace zq::report
