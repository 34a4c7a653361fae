#include "ui/qt/calculator_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

#include "build_settings.h"
#include "output/mail_results.h"
#include "output/qt/print_zq_qt.h"
#include "output/report_buttons.h"
#include "platform/message_box.h"
#include "platform/qt/qt_open_file_dialog.h"
#include "storage/design_file.h"
#include "ui/calculator_layout.h"

namespace zq::qt {

namespace {

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int qt_key_of(HotKey key) {
  switch (key) {
    case HotKey::F2: return Qt::Key_F2;
    case HotKey::F3: return Qt::Key_F3;
    case HotKey::F8: return Qt::Key_F8;
  }
  return 0;
}

// A button text wider than its button is broken into lines at blanks, as
// the ReCalc button's long text needs.
void wrap_button_text(QAbstractButton* button) {
  const QFontMetrics metrics(button->font());
  const int room = button->width() - 8;
  const QStringList words = button->text().split(' ');
  if (room <= 0 || metrics.horizontalAdvance(button->text()) <= room) return;
  QString wrapped;
  QString line;
  for (const QString& word : words) {
    const QString longer = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
      wrapped += line + '\n';
      line = word;
    } else {
      line = longer;
    }
  }
  button->setAccessibleName(button->text());  // read as one line
  button->setText(wrapped + line);
}

// "Print/View" and "email Report": the report's starting sequences with
// PrintZQ in the desktop's windows, over this window.
class DesktopReportStarter : public calculator::ReportStarter {
 public:
  explicit DesktopReportStarter(QWidget* window) : window_(window) {}
  void start_print_view(CalculatorState& state, CalculatorView& view) override {
    report::start_print_view(state, view, [this](const std::string& file) { report::run_print_zq(window_, file); });
  }
  void start_email_report(CalculatorState& state, CalculatorView& view) override {
    report::start_email_report(state, view, [this](const std::string& file) { report::run_print_zq(window_, file); });
  }

 private:
  QWidget* window_;
};

// "Email Results" through the window's own mail host, which keeps the mail
// client from the first press for later ones.
class DesktopResultsMailer : public calculator::ResultsMailer {
 public:
  void email_results(CalculatorState& state, CalculatorView& view) override { EmailResults(host_, state, view); }

 private:
  MailHost host_;
};

const layout::Control* control_of(UnitSystem units, std::string_view label) {
  return layout::find_control(calculator::calculator_layout(units).controls, label);
}

}  // namespace

CalculatorWindow::CalculatorWindow(UnitSystem units, CalculatorFacilities facilities, SettingsManager& settings)
    : LayoutWindow(calculator::calculator_layout(units), std::string(calculator::procedure_name(units)), {},
                   settings),
      own_dialog_(facilities.dialog ? nullptr : std::make_unique<QtOpenFileDialog>(this)),
      own_spreadsheet_(facilities.spreadsheet ? nullptr : make_system_spreadsheet()),
      own_browser_(facilities.browser ? nullptr : make_system_browser()),
      own_reports_(facilities.reports ? nullptr : std::make_unique<DesktopReportStarter>(this)),
      own_mailer_(facilities.mailer ? nullptr : std::make_unique<DesktopResultsMailer>()),
      calculator_(units, *this,
                  calculator::CalculatorServices{
                      .dialog = facilities.dialog ? facilities.dialog : own_dialog_.get(),
                      .spreadsheet = facilities.spreadsheet ? facilities.spreadsheet : own_spreadsheet_.get(),
                      .browser = facilities.browser ? facilities.browser : own_browser_.get(),
                      .reports = facilities.reports ? facilities.reports : own_reports_.get(),
                      .mailer = facilities.mailer ? facilities.mailer : own_mailer_.get(),
                      .forum_url = zq::build::kForumUrl,
                  }) {
  if (auto* name_box = entry(calculator::kNameBox)) name_box->setAccessibleName(QStringLiteral("Design name"));
  // The help text is read as its own contents under the frame's caption.
  if (QWidget* help = control(calculator::kHelpText)) help->setAccessibleName(QStringLiteral("General Help File"));
  // Pictures are named by what they show.
  if (QWidget* logo = control("?LOGO")) logo->setAccessibleName(QStringLiteral("ZQ logo"));
  if (QWidget* schematic = control("?SCHEMATIC")) schematic->setAccessibleName(QStringLiteral("ZQ schematic"));
  // The forum button is a link to the forum: it shows the hand cursor.
  if (QAbstractButton* forum = button(calculator::kForumButton)) forum->setCursor(Qt::PointingHandCursor);
  if (QAbstractButton* recalc = button(calculator::kRecalcButton)) wrap_button_text(recalc);
  bind_fields();
  bind_buttons();
  redraw();
}

CalculatorWindow::~CalculatorWindow() {
  // The fields outlive this part of the window (the base class destroys
  // them): their last focus change must not reach the calculator.
  for (const auto& [widget, name] : field_of_) {
    widget->removeEventFilter(this);
    QObject::disconnect(widget, nullptr, this, nullptr);
  }
  field_of_.clear();
  while (busy_depth_ > 0) set_busy(false);
}

void CalculatorWindow::bind_fields() {
  for (std::string_view name : calculator::shown_values(unit_system())) {
    QWidget* widget = control(name);
    if (!widget) continue;
    const std::string value(name);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      field_of_[line] = value;
      line->installEventFilter(this);
      connect(line, &QLineEdit::editingFinished, this, [this, value] {
        if (!reacting()) return;
        take_field(value);
        calculator_.field_event(value, FieldTrigger::Accepted);
      });
    } else if (auto* box = qobject_cast<QDoubleSpinBox*>(widget)) {
      field_of_[box] = value;
      box->installEventFilter(this);
      box->setKeyboardTracking(false);
      if (value == "FAC") {
        // Typed factors outside the arrows' range reach the window's own
        // range check instead of being silently corrected.
        box->setRange(0, 99.99);
      }
      connect(box, &QDoubleSpinBox::valueChanged, this, [this, value] { spin_changed(value); });
      connect(box, &QAbstractSpinBox::editingFinished, this, [this, value] {
        step_pending_[value] = false;  // the change was typed, not stepped
        if (!reacting()) return;
        take_field(value);
        calculator_.field_event(value, FieldTrigger::Accepted);
      });
    }
  }
}

void CalculatorWindow::bind_buttons() {
  using namespace calculator;
  const auto on_click = [this](std::string_view label, auto handler) {
    if (QAbstractButton* b = button(label)) connect(b, &QAbstractButton::clicked, this, handler);
  };
  on_click(kSelectButton, [this] { calculator_.select_antenna(); });
  on_click(kRecalcButton, [this] { calculator_.recalc(); });
  on_click(kSaveButton, [this] { calculator_.save(); });
  on_click(kPrintButton, [this] { run_report([this] { calculator_.print_view(); }); });
  on_click(kEmailReportButton, [this] { run_report([this] { calculator_.email_report(); }); });
  on_click(kForumButton, [this] { calculator_.forum(); });
  on_click(kExcelButton, [this] { calculator_.open_excel(); });
  on_click(kEmailResultsButton, [this] { calculator_.email_results(); });
  on_click(kHelpForumButton, [this] { calculator_.help_forum(); });
  // Closing takes the screen on the way out (on_close), whatever closes it.
  on_click(kCloseButton, [this] { QWidget::close(); });
}

template <class Start>
void CalculatorWindow::run_report(Start start) {
  holding_keys_ = true;
  start();
  holding_keys_ = false;
  std::vector<HotKey> keys;
  keys.swap(held_keys_);
  for (HotKey key : keys) queue_key(key);
}

void CalculatorWindow::open_calculator() {
  open();
  calculator_.choose_first_design();
}

void CalculatorWindow::run_calculator() {
  open_calculator();
  run();
}

void CalculatorWindow::on_close() { calculator_.close(); }

// Escape leaves the window as "Close" does (the unit line's advice after a
// design of the other system was opened: "Press ESC & Select ... Option!").
void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    QWidget::close();
    return;
  }
  LayoutWindow::keyPressEvent(event);
}

// Spin boxes report every change of value; a change that ends with
// editingFinished was typed, any other was a step of the arrows (or keys).
void CalculatorWindow::spin_changed(const std::string& name) {
  step_pending_[name] = true;
  QTimer::singleShot(0, this, [this, name] {
    if (!step_pending_[name] || !reacting()) return;
    step_pending_[name] = false;
    spin_stepped(name);
  });
}

void CalculatorWindow::spin_stepped(const std::string& name) {
  QDoubleSpinBox* box = spin(name);
  const layout::Control* control = control_of(unit_system(), name);
  if (box && control) {
    // The arrows stay within the layout's range even where typing may not.
    const double held = std::clamp(box->value(), control->spin.minimum, control->spin.maximum);
    if (held != box->value()) {
      const QSignalBlocker quiet(box);
      box->setValue(held);
    }
  }
  take_field(name);
  calculator_.field_event(name, FieldTrigger::SpinStep);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
    auto it = field_of_.find(watched);
    if (it != field_of_.end() && reacting()) {
      const std::string name = it->second;
      calculator_.field_event(name, FieldTrigger::AnyEvent);
    }
  }
  return LayoutWindow::eventFilter(watched, event);
}

void CalculatorWindow::take_field(std::string_view name) {
  QWidget* widget = control(name);
  QString text;
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    text = line->text();
  } else if (auto* box = qobject_cast<QDoubleSpinBox*>(widget)) {
    text = box->cleanText();
  } else {
    return;
  }
  // A typed value reads as in a design file: an unreadable text gives 0.
  state().record.store(name, read_design_value(text.toStdString()));
}

void CalculatorWindow::take_screen() {
  for (std::string_view name : calculator::shown_values(unit_system())) take_field(name);
  if (auto* name_box = entry(calculator::kNameBox)) state().record.SAVENAME = name_box->text().toStdString();
}

void CalculatorWindow::show_value(std::string_view name) {
  QWidget* widget = control(name);
  const layout::Control* control = control_of(unit_system(), name);
  const std::optional<std::string> value = state().record.text(name);
  if (!widget || !control || !value) return;
  const auto format = layout::parse_display_format(control->format);
  const std::string shown = format ? layout::format_display(*value, *format) : *value;
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    const QSignalBlocker quiet(line);
    line->setText(text_of(shown));
    line->setCursorPosition(0);
  } else if (auto* box = qobject_cast<QDoubleSpinBox*>(widget)) {
    const QSignalBlocker quiet(box);
    box->setValue(state().record.as_double(name).value_or(0));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text_of(shown));
  }
}

void CalculatorWindow::redraw() {
  for (std::string_view name : calculator::shown_values(unit_system())) show_value(name);
  redraw_name_box();
  set_unit_line(state().unit_line);
}

void CalculatorWindow::show_values(const std::vector<std::string>& names) {
  for (const std::string& name : names) show_value(name);
}

void CalculatorWindow::redraw_name_box() {
  if (auto* name_box = entry(calculator::kNameBox)) {
    const QSignalBlocker quiet(name_box);
    name_box->setText(QString::fromStdString(state().record.SAVENAME));
  }
}

void CalculatorWindow::set_unit_line(std::string_view text) {
  if (auto* line = control_as<QLabel>(calculator::kUnitLine)) line->setText(text_of(text));
}

void CalculatorWindow::show_message(std::string_view text, std::string_view caption) {
  // Focus moving to the message box must not count as the field's next event.
  in_message_ = true;
  zq::show_message(text, caption);
  in_message_ = false;
}

void CalculatorWindow::focus_name_box() {
  if (QWidget* name_box = control(calculator::kNameBox)) name_box->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::focus_field(std::string_view name) {
  if (QWidget* widget = control(name)) {
    in_message_ = true;  // putting the focus back is not a new event of the field
    widget->setFocus(Qt::OtherFocusReason);
    in_message_ = false;
  }
}

void CalculatorWindow::queue_key(HotKey key) {
  if (holding_keys_) {
    held_keys_.push_back(key);
    return;
  }
  LayoutWindow::queue_key(qt_key_of(key));
}

void CalculatorWindow::set_busy(bool busy) {
  if (busy) {
    ++busy_depth_;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else if (busy_depth_ > 0) {
    --busy_depth_;
    QGuiApplication::restoreOverrideCursor();
  }
}

void run_calculator_window(UnitSystem units) {
  static bool running = false;
  if (running) return;
  running = true;
  {
    CalculatorWindow window(units);
    window.run_calculator();
  }
  running = false;
}

}  // namespace zq::qt
