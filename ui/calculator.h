#pragma once
// The behaviour of a calculator window, without the window: every button and
// field handler in the order the window runs it, over the window's state and
// the facilities it reaches. The Qt window (ui/qt/calculator_window.h) only
// turns clicks, keys and field events into these calls; tests call them
// directly with recording doubles.
//
//   zq::calculator::Calculator calc(UnitSystem::Imperial, screen, services);
//   calc.choose_first_design();      // after the window is shown
//   calc.recalc();                   // the ReCalc button (F3)
//   calc.field_event("CL", FieldTrigger::AnyEvent);
#include <string>
#include <string_view>
#include <vector>

#include "design/field_rules.h"
#include "platform/browser.h"
#include "platform/open_file_dialog.h"
#include "platform/spreadsheet.h"
#include "storage/calculator_state.h"

namespace zq::calculator {

// What the window shows beyond the storage operations' view.
class CalculatorScreen : public CalculatorView {
 public:
  // Shows the named values of the record again (the others keep what is on screen).
  virtual void show_values(const std::vector<std::string>& names) = 0;
  // Puts the keyboard focus on the field of the named value.
  virtual void focus_field(std::string_view name) = 0;
  // Copies the one field of the named value into the record, as accepting it does.
  virtual void take_field(std::string_view name) = 0;
};

// "Print/View" and "email Report": the starting sequences of the report.
class ReportStarter {
 public:
  virtual ~ReportStarter() = default;
  virtual void start_print_view(CalculatorState& state, CalculatorView& view) = 0;
  virtual void start_email_report(CalculatorState& state, CalculatorView& view) = 0;
};

// "Email Results": the scratch design file and the log to the mail client.
class ResultsMailer {
 public:
  virtual ~ResultsMailer() = default;
  virtual void email_results(CalculatorState& state, CalculatorView& view) = 0;
};

// The facilities a calculator reaches (not owned). The dialog, spreadsheet
// and browser must be given; without reports or mailer those buttons only
// take the screen.
struct CalculatorServices {
  OpenFileDialog* dialog = nullptr;
  Spreadsheet* spreadsheet = nullptr;
  Browser* browser = nullptr;
  ReportStarter* reports = nullptr;
  ResultsMailer* mailer = nullptr;
  std::string forum_url;
};

inline constexpr std::string_view kOpenDialogTitle = "Choose File to Open";
inline constexpr std::string_view kOpenDialogFilter = "Antenna Ini Files M = Metric";
inline constexpr std::string_view kOpenDialogPattern = "*.ini";
inline constexpr std::string_view kFacMessage = "Invalid figure. Valid values are between|1 and 99. Please re-enter";

// The smallest capacitance factor the window accepts when it is typed:
// 0.1 in the imperial window, 1 in the metric window.
Decimal fac_minimum(UnitSystem units);

class Calculator {
 public:
  // Opening: the state at its initial values (metric flag 0, DPS 6, in the
  // imperial window CT 40) and the first unit line.
  Calculator(UnitSystem units, CalculatorScreen& screen, CalculatorServices services);

  CalculatorState& state() { return state_; }
  const CalculatorState& state() const { return state_; }
  UnitSystem units() const { return state_.units; }

  // Opening, once the window is shown at its place: the open dialog from
  // DialogFile; DialogFile becomes DesignPath and is loaded (nothing when
  // cancelled). The name box stays empty.
  void choose_first_design();

  // Buttons, each taking the screen first (SAVE and "Open Excel" inside
  // their storage operations).
  void select_antenna();
  void recalc();
  void save();
  void print_view();
  void email_report();
  void open_excel();
  void email_results();
  void forum();
  void help_forum();  // "Click to log onto the ZQ Forum": queues F8
  void close();

  // A field event: the rule of `field` for `trigger` (design/field_rules.h).
  // The window has already copied an accepted field into the record. Values
  // the rule stores are shown at once, so what the user sees is what the next
  // button takes from the screen.
  void field_event(std::string_view field, FieldTrigger trigger);

 private:
  OpenFileRequest dialog_request() const;
  void check_fac();

  CalculatorScreen& screen_;
  CalculatorServices services_;
  CalculatorState state_;
};

}  // namespace zq::calculator
