#pragma once
// The starting sequences of the calculator buttons "Print/View" and
// "email Report" (both calculator windows run the same ones):
//   1. take the screen into the record;
//   2. when the metric flag is 1, the note kMetricPrintMessage (no caption);
//   3. queue F2, the SAVE key;
//   4. the email flag: 0 for "Print/View", which also sets the metric flag to
//      0 (the report sets it again from the file); 1 for "email Report";
//   5. the report: PrintZQ on DesignPath ("Print/View") or DialogFile
//      ("email Report");
//   6. redraw the window.
//
// A calculator window binds its buttons as
//   connect(print_view, &QPushButton::clicked, [this] {
//     zq::report::start_print_view(state_, view_, [this](const std::string& file) {
//       zq::report::run_print_zq(this, file);
//     });
//   });
#include <functional>
#include <string>
#include <string_view>

#include "storage/calculator_state.h"

namespace zq::report {

inline constexpr std::string_view kMetricPrintMessage =
    "You are printing a metric|antenna. Measurements will default to mm.";

// Runs the report on a design file: PrintZQ with the window's report services.
using RunReport = std::function<void(const std::string& designFile)>;

void start_print_view(CalculatorState& state, CalculatorView& view, const RunReport& run_report);
void start_email_report(CalculatorState& state, CalculatorView& view, const RunReport& run_report);

}  // namespace zq::report
