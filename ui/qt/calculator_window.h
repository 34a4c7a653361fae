#pragma once
// The imperial and metric calculator windows: the layout of
// ui/calculator_layout.h built by the shell's builder, bound to a
// calculator::Calculator that holds the behaviour. The window only moves
// values between the record and its fields and turns clicks, hot keys and
// field events into the calculator's calls.
//
//   CalculatorWindow window(UnitSystem::Imperial);   // the desktop's facilities
//   window.run_calculator();                         // returns when closed
//
// Tests give their doubles in CalculatorFacilities and drive the window with
// open_calculator() and QTest, processing events for queued keys.
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/layout_window.h"
#include "ui/calculator.h"

namespace zq::qt {

// Facilities the window uses; any left null is the desktop's own (the Qt
// open dialog, the desktop's spreadsheet and browser, PrintZQ and the mailing).
struct CalculatorFacilities {
  OpenFileDialog* dialog = nullptr;
  Spreadsheet* spreadsheet = nullptr;
  Browser* browser = nullptr;
  calculator::ReportStarter* reports = nullptr;
  calculator::ResultsMailer* mailer = nullptr;
};

class CalculatorWindow : public LayoutWindow, public calculator::CalculatorScreen {
  Q_OBJECT

 public:
  explicit CalculatorWindow(UnitSystem units, CalculatorFacilities facilities = {},
                            SettingsManager& settings = settings_manager());
  ~CalculatorWindow() override;

  // Opening: the window shown at its place, then the open dialog and the
  // first load. run_calculator() then runs the window until it is closed.
  void open_calculator();
  void run_calculator();

  calculator::Calculator& calculator() { return calculator_; }
  UnitSystem unit_system() const { return calculator_.units(); }
  CalculatorState& state() { return calculator_.state(); }
  QLineEdit* entry(std::string_view name) const { return control_as<QLineEdit>(name); }
  QDoubleSpinBox* spin(std::string_view name) const { return control_as<QDoubleSpinBox>(name); }

  // CalculatorScreen
  void take_screen() override;
  void show_message(std::string_view text, std::string_view caption) override;
  void focus_name_box() override;
  void queue_key(HotKey key) override;
  void set_unit_line(std::string_view text) override;
  void redraw() override;
  void redraw_name_box() override;
  void set_busy(bool busy) override;
  void show_values(const std::vector<std::string>& names) override;
  void focus_field(std::string_view name) override;
  void take_field(std::string_view name) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void on_close() override;

 private:
  // Field events count only while the window is open and no message of its
  // own is up: the focus leaving a field as the window closes or as a
  // message box opens is not the user's doing.
  bool reacting() const { return is_open() && !in_message_; }
  void bind_fields();
  void bind_buttons();
  void show_value(std::string_view name);
  void spin_changed(const std::string& name);
  void spin_stepped(const std::string& name);
  // Runs a report starter with queued keys held until it returns, so the
  // SAVE key queued before the report reaches this window after the report.
  template <class Start>
  void run_report(Start start);

  std::unique_ptr<OpenFileDialog> own_dialog_;
  std::unique_ptr<Spreadsheet> own_spreadsheet_;
  std::unique_ptr<Browser> own_browser_;
  std::unique_ptr<calculator::ReportStarter> own_reports_;
  std::unique_ptr<calculator::ResultsMailer> own_mailer_;
  calculator::Calculator calculator_;
  std::map<QObject*, std::string> field_of_;  // watched widget → record value
  std::map<std::string, bool> step_pending_;
  bool holding_keys_ = false;
  std::vector<HotKey> held_keys_;
  bool in_message_ = false;
  int busy_depth_ = 0;
};

// Runs the calculator window of `units` with the desktop's facilities.
// Only one calculator window is open at a time: a second call while one is
// open does nothing.
void run_calculator_window(UnitSystem units);

}  // namespace zq::qt
