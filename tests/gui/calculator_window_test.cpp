// The calculator windows driven as a user drives them: typing, buttons, hot
// keys queued by handlers, field events, the capacitance-factor check, Tab
// order, the metric differences and what a screen reader is told.
#include "ui/qt/calculator_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

#include "build_settings.h"
#include "design/engine.h"
#include "platform/error_manager.h"
#include "platform/qt/qt_open_file_dialog.h"
#include "shell_test_support.h"
#include "output/mail_results.h"
#include "storage/design_file.h"
#include "storage/profile_file.h"
#include "ui/calculator_layout.h"

namespace {

using namespace zq;
using zq::qt::CalculatorWindow;
namespace calc = zq::calculator;

class RecordingReports : public calc::ReportStarter {
 public:
  void start_print_view(CalculatorState& state, CalculatorView& view) override {
    view.take_screen();
    view.queue_key(HotKey::F2);
    started.push_back("print " + state.DesignPath);
    log_lines_at_start = count_lines("ZQ.csv");
  }
  void start_email_report(CalculatorState& state, CalculatorView& view) override {
    view.take_screen();
    view.queue_key(HotKey::F2);
    started.push_back("email " + state.DialogFile);
  }
  static int count_lines(const char* path) {
    std::ifstream in(path);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines;
  }
  std::vector<std::string> started;
  int log_lines_at_start = -1;
};

// "Email Results" as the desktop runs it, with the mail client recorded.
class RecordingMailer : public calc::ResultsMailer {
 public:
  void email_results(CalculatorState& state, CalculatorView& view) override {
    EmailResults(host, state, view, services);
  }
  platform::RecordingAutomation automation;
  SeededRandom random{7};
  FixedClock clock{{2026, 12, 11, 12, 0}};
  MailServices services{automation, random, clock, nullptr, "designer@example.org", "Designer"};
  MailHost host;
};

class CalculatorWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    std::filesystem::create_directories(dir_ / "designs");
    old_cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_ / "designs");
  }
  void TearDown() override {
    std::filesystem::current_path(old_cwd_);
    ShellFixture::TearDown();
  }
  qt::CalculatorFacilities facilities() { return {&dialog, &spreadsheet, &browser, &reports, &mailer}; }
  std::unique_ptr<CalculatorWindow> open_window(UnitSystem units) {
    auto window = std::make_unique<CalculatorWindow>(units, facilities());
    window->open_calculator();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    settle();
    return window;
  }
  static void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  static void type_into(QLineEdit* line, const QString& text) {
    ASSERT_NE(line, nullptr);
    line->setFocus(Qt::OtherFocusReason);
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
    settle();
  }
  static void type_into(QDoubleSpinBox* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    settle();
  }
  static std::string shown(const CalculatorWindow& w, const char* name) {
    if (auto* line = w.entry(name)) return line->text().toStdString();
    if (auto* box = w.spin(name)) return box->cleanText().toStdString();
    return {};
  }
  // The text a value shows in its window's format.
  static std::string displayed(const CalculatorWindow& w, const DesignRecord& r, const char* name) {
    const auto* control = layout::find_control(calc::calculator_layout(w.unit_system()).controls, name);
    return layout::format_display(*r.text(name), *layout::parse_display_format(control->format));
  }
  std::string fixture(const char* name, const std::string& as) {
    const auto target = dir_ / "designs" / as;
    std::filesystem::copy_file(std::filesystem::path(ZQ_TEST_DATA_DIR) / "storage" / name, target);
    return target.string();
  }

  ScriptedOpenFileDialog dialog;
  RecordingSpreadsheet spreadsheet;
  RecordingBrowser browser;
  RecordingReports reports;
  RecordingMailer mailer;
  std::filesystem::path old_cwd_;
};

TEST_F(CalculatorWindowTest, TypicalUseFromTypingToMailing) {
  auto w = open_window(UnitSystem::Imperial);  // the dialog is cancelled
  const std::pair<const char*, const char*> inputs[] = {{"F", "7.15"}, {"CD", "2"},   {"LD", "3"},
                                                        {"WD", "0.125"}, {"SP", "0.125"}, {"CCD", "1.5"}};
  for (auto [name, text] : inputs) type_into(w->entry(name), text);
  type_into(w->spin("FAC"), "2");
  QTest::mouseClick(w->button(calc::kRecalcButton), Qt::LeftButton);
  settle();

  DesignRecord expected = open_calculator(UnitSystem::Imperial).record;
  for (auto [name, text] : inputs) expected.store(name, Decimal::parse(text));
  expected.FAC = 2;
  expected.SCWD = expected.WD;
  expected.SCD = expected.CCD;
  recalculate_imperial(expected);
  for (const char* name : {"C", "TCC", "CI", "NT", "CL", "LW", "RF", "MC", "XSC"})
    EXPECT_EQ(shown(*w, name), displayed(*w, expected, name)) << name;
  EXPECT_NE(shown(*w, "NT"), displayed(*w, open_calculator(UnitSystem::Imperial).record, "NT"));

  type_into(w->entry(calc::kNameBox), "726");
  QTest::mouseClick(w->button(calc::kSaveButton), Qt::LeftButton);
  settle();
  const auto saved = dir_ / "designs" / "726.INI";
  ASSERT_TRUE(std::filesystem::exists(saved));
  EXPECT_EQ(ProfileFile::load(saved).get("ZQ", "F"), "7.15");
  EXPECT_EQ(ProfileFile::load(saved).get("ZQ", "Metric"), "0");
  EXPECT_EQ(RecordingReports::count_lines("ZQ.csv"), 2) << "header and one row";
  EXPECT_EQ(w->state().DesignPath, saved.string());
  EXPECT_EQ(w->control_as<QLabel>(calc::kUnitLine)->text().toStdString(), "All measurements are in inches");

  // Reopened with "Select Antenna": the same design, named after its file.
  type_into(w->entry("F"), "1");
  dialog.answers.push_back(saved.string());
  QTest::mouseClick(w->button(calc::kSelectButton), Qt::LeftButton);
  settle();
  EXPECT_EQ(shown(*w, "F"), "7.150");
  EXPECT_EQ(shown(*w, "NT"), displayed(*w, expected, "NT"));
  EXPECT_EQ(w->entry(calc::kNameBox)->text(), "726");

  // "Print/View": the report starts on the saved file; the SAVE key it
  // queues reaches this window once the report has returned.
  QTest::mouseClick(w->button(calc::kPrintButton), Qt::LeftButton);
  ASSERT_EQ(reports.started, std::vector<std::string>{"print " + saved.string()});
  EXPECT_EQ(reports.log_lines_at_start, 2);
  settle();
  EXPECT_EQ(RecordingReports::count_lines("ZQ.csv"), 3) << "the queued F2 saved after the report";

  QTest::mouseClick(w->button(calc::kEmailResultsButton), Qt::LeftButton);
  EXPECT_EQ(ProfileFile::load("zq.ini").get("ZQ", "F"), "7.15");
  const auto& transcript = mailer.automation.transcript;
  ASSERT_FALSE(transcript.empty());
  EXPECT_EQ(transcript.front(), "create Outlook.Application");
  const std::string folder = std::filesystem::current_path().string();
  for (const std::string attached : {folder + "/ZQ.csv", folder + "/zq.ini"})
    EXPECT_NE(std::find(transcript.begin(), transcript.end(), "call item.Attachments.Add(\"" + attached + "\")"),
              transcript.end())
        << attached;
  EXPECT_EQ(w->state().DesignPath, folder) << "the mailing points DesignPath at the working folder";

  // The Help tab's forum button queues F8, which clicks "ZQ Forum".
  QTest::mouseClick(w->button(calc::kHelpForumButton), Qt::LeftButton);
  EXPECT_TRUE(browser.opened.empty());
  settle();
  EXPECT_EQ(browser.opened, std::vector<std::string>{zq::build::kForumUrl});

  QTest::mouseClick(w->button(calc::kCloseButton), Qt::LeftButton);
  EXPECT_FALSE(w->is_open());
  EXPECT_FALSE(setting("ZQ", "XPos").empty()) << "placement kept under ZQ";
  EXPECT_EQ(error_manager().current_procedure(), "");
}

TEST_F(CalculatorWindowTest, OpeningWithAFileFillsAndRecalculatesWithAnEmptyNameBox) {
  const std::string path = fixture("save_imperial.INI", "726.ini");
  dialog.answers.push_back(path);
  auto w = open_window(UnitSystem::Imperial);
  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].title, "Choose File to Open");
  EXPECT_EQ(shown(*w, "F"), "7.150");
  EXPECT_EQ(w->entry(calc::kNameBox)->text(), "");
  DesignRecord expected = w->state().record;
  recalculate_imperial(expected);
  EXPECT_EQ(shown(*w, "NT"), displayed(*w, expected, "NT")) << "the load queued a ReCalc";
  EXPECT_EQ(error_manager().current_procedure(), "ZQ");
}

TEST_F(CalculatorWindowTest, CancelledOpeningShowsInitialValues) {
  auto w = open_window(UnitSystem::Metric);
  EXPECT_EQ(error_manager().current_procedure(), "ZQ2");
  EXPECT_EQ(shown(*w, "F"), "0.000");
  EXPECT_EQ(w->entry(calc::kNameBox)->text(), "");
  EXPECT_EQ(w->control_as<QLabel>(calc::kUnitLine)->text(), "Linear measurements are in mm");
  EXPECT_EQ(w->control_as<QPlainTextEdit>(calc::kHelpText)->toPlainText().size(), 1107);
}

TEST_F(CalculatorWindowTest, TabStopsOnlyInTheMarkedFields) {
  for (UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
    auto w = open_window(units);
    w->entry("F")->setFocus(Qt::OtherFocusReason);
    settle();
    std::vector<std::string> visited;
    for (int i = 0; i < 40; ++i) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      if (focus->objectName().startsWith("qt_spinbox")) focus = focus->parentWidget();
      const std::string name = focus->objectName().toStdString();
      if (find_value(name) && (visited.empty() || visited.back() != name)) visited.push_back(name);
      QTest::keyClick(focus, Qt::Key_Tab);
      settle();
    }
    visited.resize(units == UnitSystem::Imperial ? 12 : 11);
    const std::vector<std::string> imperial{"F", "CD", "LD", "CT", "MC", "WD", "SP", "CCD", "FAC", "TCC", "XL", "RF"};
    const std::vector<std::string> metric{"F", "CD", "LD", "MC", "WD", "SP", "CCD", "FAC", "TCC", "XL", "RF"};
    EXPECT_EQ(visited, units == UnitSystem::Imperial ? imperial : metric);
    messages_.recorder.shown.clear();  // Tab through FAC accepts its 0
    w->close();
  }
}

TEST_F(CalculatorWindowTest, ClickingAResultFieldRecomputesItsNeighbours) {
  struct Case {
    const char* clicked;
    const char* preset;  // a value changed in the record first
    const char* to;
    const char* follows;  // a field that must show the recomputed value
  };
  const Case cases[] = {
      {"CL", "NT", "10", "LW"},   {"NT", "NT", "12", "CL"}, {"LD", "LD", "4", "CCL"},
      {"CI", "CI", "40", "SCI"}, {"ECC", "ECC", "9", "CI"},
  };
  dialog.answers.push_back(fixture("save_imperial.INI", "726.ini"));
  auto w = open_window(UnitSystem::Imperial);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicked);
    w->state().record.store(c.preset, Decimal::parse(c.to));
    const std::string before = shown(*w, c.follows);
    QTest::mouseClick(w->entry(c.clicked), Qt::LeftButton);
    settle();
    EXPECT_NE(shown(*w, c.follows), before);
    EXPECT_EQ(shown(*w, c.follows), displayed(*w, w->state().record, c.follows));
  }
  EXPECT_EQ(shown(*w, "CCL"), "8.000");
}

TEST_F(CalculatorWindowTest, TypedCapacitanceFactorLimitsInBothWindows) {
  struct Case {
    UnitSystem units;
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {{UnitSystem::Imperial, "0.09", false}, {UnitSystem::Imperial, "0.1", true},
                        {UnitSystem::Imperial, "0.5", true},   {UnitSystem::Metric, "0.5", false},
                        {UnitSystem::Metric, "1", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    auto w = open_window(c.units);
    w->entry("C")->setText("999");  // stands until the next ReCalc
    type_into(w->spin("FAC"), c.typed);
    if (c.accepted) {
      EXPECT_TRUE(messages_.recorder.shown.empty());
      EXPECT_NE(w->entry("C")->text(), "999");
    } else {
      ASSERT_EQ(messages_.recorder.shown.size(), 1u);
      EXPECT_EQ(messages_.recorder.shown[0].text, "Invalid figure. Valid values are between|1 and 99. Please re-enter");
      EXPECT_EQ(messages_.recorder.shown[0].caption, "ZQ Error Message");
      EXPECT_EQ(w->entry("C")->text(), "999");
      QWidget* focus = QApplication::focusWidget();
      EXPECT_TRUE(focus == w->spin("FAC") || (focus && focus->parentWidget() == w->spin("FAC")));
    }
    messages_.recorder.shown.clear();
    w->close();
  }
}

TEST_F(CalculatorWindowTest, EachSpinStepRecalculatesWithinTheArrowsRange) {
  for (UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
    auto w = open_window(units);
    QDoubleSpinBox* fac = w->spin("FAC");
    {
      const QSignalBlocker quiet(fac);
      fac->setValue(0.1);
    }
    w->entry("C")->setText("999");
    fac->stepBy(1);
    settle();
    EXPECT_EQ(w->state().record.text("FAC"), "0.15");
    EXPECT_NE(w->entry("C")->text(), "999") << "the step queued a ReCalc";
    EXPECT_TRUE(messages_.recorder.shown.empty()) << "a step below the typed minimum is not checked";
    fac->stepBy(-1);
    fac->stepBy(-1);
    settle();
    EXPECT_EQ(w->state().record.text("FAC"), "0.1");
    {
      const QSignalBlocker quiet(fac);
      fac->setValue(20);
    }
    fac->stepBy(1);
    settle();
    EXPECT_EQ(w->state().record.text("FAC"), "20");
    w->close();
  }
}

TEST_F(CalculatorWindowTest, MetricDesignInTheImperialWindowIsReportedAndKept) {
  dialog.answers.push_back(fixture("save_metric.INI", "M726.ini"));
  auto w = open_window(UnitSystem::Imperial);
  ASSERT_EQ(messages_.recorder.shown.size(), 1u);
  EXPECT_EQ(messages_.recorder.shown[0].text,
            "Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save "
            "this version!");
  EXPECT_EQ(messages_.recorder.shown[0].caption, "ZQ Error Message");
  messages_.recorder.shown.clear();
  EXPECT_EQ(w->control_as<QLabel>(calc::kUnitLine)->text(), "Press ESC & Select Metric Option!");
  EXPECT_EQ(metric_flag(), 1);
  DesignRecord expected = w->state().record;
  recalculate_imperial(expected);  // with the metric unit factor, as the flag says
  EXPECT_EQ(shown(*w, "NT"), displayed(*w, expected, "NT"));

  // As the unit line says: Escape leaves the window, nothing saved.
  QTest::keyClick(w->entry("F"), Qt::Key_Escape);
  EXPECT_FALSE(w->is_open());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "designs"), {}), 1);
}

TEST_F(CalculatorWindowTest, ImperialDesignInTheMetricWindowIsReportedAndRecalculatedInMillimetres) {
  dialog.answers.push_back(fixture("save_imperial.INI", "726.ini"));
  auto w = open_window(UnitSystem::Metric);
  ASSERT_EQ(messages_.recorder.shown.size(), 1u);
  EXPECT_EQ(messages_.recorder.shown[0].text,
            "Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.|Do NOT "
            "save this version!");
  messages_.recorder.shown.clear();
  EXPECT_EQ(w->control_as<QLabel>(calc::kUnitLine)->text(), "Press ESC & Select Imperial Option!");
  EXPECT_EQ(shown(*w, "F"), "7.150") << "the design stays loaded";
  DesignRecord expected = w->state().record;
  recalculate_metric(expected);
  EXPECT_EQ(shown(*w, "NT"), displayed(*w, expected, "NT"));
  EXPECT_EQ(shown(*w, "LD"), "3.000");
}

TEST_F(CalculatorWindowTest, ScreenReadersHearPromptsTipsAndButtonTexts) {
  for (UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
    CalculatorWindow w(units, facilities());
    const auto controls = calc::calculator_layout(units).controls;
    for (const auto& control : controls) {
      QWidget* widget = w.control(control.label);
      ASSERT_NE(widget, nullptr) << control.label;
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(a, nullptr) << control.label;
      if (control.kind == layout::Kind::Entry || control.kind == layout::Kind::Spin) {
        if (control.label == calc::kNameBox) {
          EXPECT_EQ(a->text(QAccessible::Name), "Design name");
          continue;
        }
        const auto* prompt = layout::find_control(controls, control.name_from);
        ASSERT_NE(prompt, nullptr) << control.label;
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), QString::fromUtf8(prompt->text.data(), prompt->text.size()).trimmed().toStdString());
        EXPECT_EQ(a->text(QAccessible::Description).toStdString(), control.tip) << control.label;
      }
      if (control.kind == layout::Kind::Button)
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), control.text);
    }
    EXPECT_EQ(w.entry("F")->accessibleName(), "Enter the Frequency in Megahertz");
    EXPECT_EQ(w.entry("CI")->accessibleName(), "Coil Inductance in uH");
    EXPECT_EQ(w.control("?PANEL1")->accessibleName(), "") << "a frame says nothing";
    EXPECT_EQ(w.control(calc::kHelpText)->accessibleName(), "General Help File");
  }
}

TEST_F(CalculatorWindowTest, ControlsSitAtTheirRectangles) {
  for (UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
    auto w = open_window(units);
    const auto& controls = calc::calculator_layout(units).controls;
    auto* sheet = w->control_as<QTabWidget>(calc::kSheet);
    for (int page = 0; page < 2; ++page) {
      sheet->setCurrentIndex(page);  // a tab's page is laid out when it is shown
      settle();
      const std::string_view tab = page == 0 ? "?SPECTAB" : "?HELPTAB";
      for (const auto& control : controls) {
        if (control.kind == layout::Kind::Tab || (!control.parent.empty() && control.parent != tab)) continue;
        SCOPED_TRACE(std::string(control.label));
        QWidget* widget = w->control(control.label);
        const QRect px = w->units().to_px(control.rect);
        EXPECT_EQ(widget->mapTo(w->canvas(), QPoint(0, 0)), px.topLeft());
        if (!control.hidden && control.rect.width > 0) EXPECT_EQ(widget->size(), px.size());
      }
    }
    EXPECT_EQ(w->canvas()->size(), w->units().to_px(layout::Size{529, 324}));
    w->close();
  }
}

TEST(OpenDialog, ListsIniFilesInAnyLetterCaseStartingFromTheLastFile) {
  const auto dir = std::filesystem::temp_directory_path() / "zq_open_dialog";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const char* name : {"726.INI", "a.ini", "b.Ini", "notes.txt"}) std::ofstream(dir / name) << "[ZQ]\n";
  QFileDialog dialog;
  zq::qt::configure_open_dialog(dialog, {"Choose File to Open", "Antenna Ini Files M = Metric", "*.ini",
                                         (dir / "726.INI").string()});
  EXPECT_EQ(dialog.windowTitle(), "Choose File to Open");
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog.nameFilters(), QStringList{"Antenna Ini Files M = Metric (*.ini)"});
  EXPECT_EQ(QDir(dialog.directory()).absolutePath().toStdString(), std::filesystem::canonical(dir).string());
  // What the dialog's filter lets through, with the dialog's own letter-case setting.
  QDir listing(dialog.directory().absolutePath(), "*.ini", QDir::Name, dialog.filter() | QDir::Files);
  EXPECT_EQ(listing.entryList(QDir::Files), (QStringList{"726.INI", "a.ini", "b.Ini"}));
  std::filesystem::remove_all(dir);
}

}  // namespace
