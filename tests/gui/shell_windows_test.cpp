// The main window, the pictures window and the about window: their tables,
// their texts, and placement remembered across openings.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/qt/info_windows.h"
#include "app/qt/main_window.h"
#include "app/shell_layouts.h"
#include "build_settings.h"
#include "platform/error_manager.h"
#include "shell_test_support.h"

namespace {

using zq::layout::Kind;
using zq::layout::Rect;

struct Row {
  const char* label;
  Kind kind;
  const char* text;  // nullptr: not checked here
  Rect rect;
};

void expect_table(const zq::layout::WindowLayout& layout, const std::vector<Row>& rows) {
  ASSERT_EQ(layout.controls.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].label);
    const auto& control = layout.controls[i];
    EXPECT_EQ(control.label, rows[i].label);
    EXPECT_EQ(control.kind, rows[i].kind);
    if (rows[i].text) EXPECT_EQ(control.text, rows[i].text);
    EXPECT_EQ(control.rect, rows[i].rect);
  }
}

// Every control of a built window sits at its rectangle converted from
// dialog units of the window's font.
void expect_built_at_rectangles(const zq::qt::LayoutWindow& window) {
  for (const auto& control : window.window_layout().controls) {
    SCOPED_TRACE(std::string(control.label));
    QWidget* widget = window.control(control.label);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName().toStdString(), control.label);
    const QRect px = window.units().to_px(control.rect);
    EXPECT_EQ(widget->pos(), px.topLeft());
    if (control.rect.width > 0) EXPECT_EQ(widget->size(), px.size());
  }
}

TEST(MainWindowTables, MenuBarAsTheTableSays) {
  zq::ScopedMessageRecorder messages;
  zq::shell::MainWindow window({});
  QMenuBar* bar = window.menu_bar();
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> on_bar;
  for (QAction* action : bar->actions()) on_bar.push_back(action->text().toStdString());
  EXPECT_EQ(on_bar, (std::vector<std::string>{"Shutdown", "   Antenna Design", "   Pictures", "    AboutThisProgram"}));
  QMenu* design = window.menu_action("?ANTENNADESIGN")->menu();
  ASSERT_NE(design, nullptr);
  std::vector<std::string> in_design;
  for (QAction* action : design->actions()) in_design.push_back(action->text().toStdString());
  EXPECT_EQ(in_design, (std::vector<std::string>{"   Imperial ZQ Antenna", "   Metric ZQ antenna"}));
  for (const char* label : {"?SHUTDOWN", "?ANTENNADESIGN", "?ZQANTENNA", "?DESIGNZQMETRIC", "?PICTURES",
                            "?ABOUTTHISPROGRAM"}) {
    QAction* action = window.menu_action(label);
    ASSERT_NE(action, nullptr) << label;
    EXPECT_TRUE(action->shortcut().isEmpty()) << label;
  }
}

TEST(MainWindowTables, LayoutAsTheTableSays) {
  const auto& layout = zq::shell::main_layout();
  EXPECT_EQ(layout.size, (zq::layout::Size{527, 319}));
  EXPECT_EQ(layout.font.family, "Arial");
  EXPECT_EQ(layout.font.points, 8);
  EXPECT_EQ(layout.icon, "MILNM.ICO");
  expect_table(layout, {
                           {"?IMAGE2", Kind::Picture, "mt_business_top.jpg", {-25, 0, 552, 61}},
                           {"?PANEL2", Kind::Panel, nullptr, {5, 67, 107, 146}},
                           {"?IMAGE3", Kind::Picture, "zqantenna1.jpg", {8, 69, 101, 142}},
                           {"?PROMPT2", Kind::Text, "Prompt 2", {113, 67, 156, 163}},
                           {"?PROMPT3", Kind::Text, "Prompt 3", {307, 67, 200, 31}},
                           {"?PROMPT1", Kind::Text, "", {116, 252, 374, 65}},
                           {"?PANEL1", Kind::Panel, nullptr, {305, 101, 204, 150}},
                           {"?IMAGE4", Kind::Picture, "van.jpg", {307, 103, 199, 146}},
                           {"?PANEL3", Kind::Panel, nullptr, {39, 234, 73, 82}},
                           {"?IMAGE5", Kind::Picture, "portrait.jpg", {42, 236, 67, 78}},
                           {"?STRING1", Kind::Text, nullptr, {116, 235, 0, 0}},
                       });
  EXPECT_TRUE(zq::layout::find_control(layout.controls, "?STRING1")->font.bold);
}

TEST(InformationWindowTables, PicturesAndAboutAsTheirTablesSay) {
  const auto& pictures = zq::shell::pictures_layout();
  EXPECT_EQ(pictures.caption, "Pictures of ZQ Antennas");
  EXPECT_EQ(pictures.size, (zq::layout::Size{529, 312}));
  EXPECT_EQ(pictures.icon, "");
  expect_table(pictures, {
                             {"?IMAGE1", Kind::Picture, "zq_008.jpg", {13, 9, 241, 164}},
                             {"?PROMPT1", Kind::Text, nullptr, {276, 10, 131, 56}},
                             {"?IMAGE2", Kind::Picture, "ex2.jpg", {421, 9, 95, 164}},
                             {"?IMAGE8", Kind::Picture, "station1.jpg", {293, 67, 89, 106}},
                             {"?IMAGE7", Kind::Picture, "station2.jpg", {325, 185, 87, 101}},
                             {"?IMAGE5", Kind::Picture, "ex5.jpg", {221, 185, 87, 101}},
                             {"?IMAGE4", Kind::Picture, "ex6.jpg", {117, 185, 87, 101}},
                             {"?IMAGE3", Kind::Picture, "ex3.jpg", {13, 185, 87, 101}},
                             {"?IMAGE6", Kind::Picture, "ex7.jpg", {429, 185, 87, 101}},
                             {"?PANEL1", Kind::Panel, nullptr, {5, 3, 521, 307}},
                             {"?OKBUTTON", Kind::Button, "Close", {430, 291, 84, 14}},
                         });
  const auto& about = zq::shell::about_layout();
  EXPECT_EQ(about.caption, std::string("About ZQ Antenna Designer ") + zq::build::kVersion);
  EXPECT_EQ(about.size, (zq::layout::Size{185, 92}));
  EXPECT_EQ(about.icon, "AGENT.ICO");
  expect_table(about, {
                          {"?PROMPT1", Kind::Text, nullptr, {4, 4, 179, 42}},
                          {"?PROMPT2", Kind::Text,
                           "used to arrive at a working antenna. Please complete and email the details to us for "
                           "analysis.",
                           {4, 44, 179, 26}},
                          {"?OKBUTTON", Kind::Button, "Close and return...", {92, 76, 91, 14}},
                      });
}

TEST_F(ShellFixture, EveryWindowBuildsAtItsRectanglesWithItsPictures) {
  zq::shell::MainWindow main_window({});
  zq::shell::PicturesWindow pictures;
  zq::shell::AboutWindow about;
  for (const zq::qt::LayoutWindow* window :
       std::initializer_list<const zq::qt::LayoutWindow*>{&main_window, &pictures, &about}) {
    SCOPED_TRACE(window->procedure_name());
    expect_built_at_rectangles(*window);
    EXPECT_EQ(window->canvas()->size(), window->units().to_px(window->window_layout().size));
    for (const auto& control : window->window_layout().controls)
      if (control.kind == Kind::Picture) {
        auto* picture = window->control_as<QLabel>(control.label);
        EXPECT_FALSE(picture->pixmap().isNull()) << control.text;
      }
  }
  EXPECT_FALSE(about.windowIcon().isNull());
  // None of the three can be resized by the user.
  for (zq::qt::LayoutWindow* window : std::initializer_list<zq::qt::LayoutWindow*>{&main_window, &pictures, &about}) {
    window->open();
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << window->procedure_name();
    window->close();
  }
  // The TearDown check finds no "could not be loaded" report.
}

TEST_F(ShellFixture, MainWindowAssignsItsTextsAndCaptionAndRegistersMain) {
  zq::shell::MainWindow window({});
  EXPECT_EQ(window.windowTitle().toStdString(), std::string("ZQ Antenna Designer ") + zq::build::kVersion);
  window.open();
  EXPECT_EQ(zq::error_manager().current_procedure(), "Main");
  EXPECT_EQ(window.control_as<QLabel>("?PROMPT3")->text().toStdString(),
            "Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy "
            "this information and the use of the antennas you build. There are an untold number already on the "
            "air and many more added every day.");
  EXPECT_EQ(window.control_as<QLabel>("?PROMPT1")->text().toStdString(), zq::shell::biography_text());
  EXPECT_EQ(window.control_as<QLabel>("?PROMPT2")->text().toStdString(), zq::shell::welcome_text());
  // About the lengths the roles ask for: 564 and 619 characters.
  EXPECT_NEAR(static_cast<double>(zq::shell::biography_text().size()), 564, 25);
  EXPECT_NEAR(static_cast<double>(zq::shell::welcome_text().size()), 619, 25);
  window.close();
  EXPECT_EQ(zq::error_manager().current_procedure(), "");
}

// Opening, moving, closing, opening again: the second opening shows the
// window where the first was closed, and the section holds no size (these
// windows have a fixed size).
TEST_F(ShellFixture, EachWindowReopensWhereItWasClosed) {
  struct Case {
    const char* section;
    std::function<std::unique_ptr<zq::qt::LayoutWindow>()> make;
  };
  const Case cases[] = {
      {"Main", [] { return std::make_unique<zq::shell::MainWindow>(zq::shell::MainWindowCommands{}); }},
      {"pictures", [] { return std::make_unique<zq::shell::PicturesWindow>(); }},
      {"AboutZQ", [] { return std::make_unique<zq::shell::AboutWindow>(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    auto first = c.make();
    first->open();
    const QPoint first_run_place = first->pos();
    const auto& units = first->units();
    first->move(units.x_px(30), units.y_px(20));
    first->close();
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(setting(c.section, "Maximize"), "No");
    EXPECT_EQ(setting(c.section, "Minimize"), "No");
    EXPECT_EQ(setting(c.section, "XPos"), "30");
    EXPECT_EQ(setting(c.section, "YPos"), "20");
    EXPECT_EQ(setting(c.section, "Width"), "");
    EXPECT_EQ(setting(c.section, "Height"), "");

    auto second = c.make();
    second->open();
    EXPECT_NE(second->pos(), first_run_place);
    EXPECT_EQ(second->pos(), QPoint(units.x_px(30), units.y_px(20)));
    second->close();
  }
}

TEST_F(ShellFixture, WindowClosedMaximizedReopensMaximizedAndMinimizedReopensNormal) {
  {
    zq::shell::PicturesWindow window;
    window.open();
    window.showMaximized();
    window.close();
  }
  EXPECT_EQ(setting("pictures", "Maximize"), "Yes");
  EXPECT_EQ(setting("pictures", "XPos"), "");
  {
    zq::shell::PicturesWindow window;
    window.open();
    EXPECT_TRUE(window.isMaximized());
    window.showMinimized();
    window.close();
  }
  EXPECT_EQ(setting("pictures", "Maximize"), "No");
  EXPECT_EQ(setting("pictures", "Minimize"), "Yes");
  EXPECT_EQ(setting("pictures", "XPos"), "");
  zq::shell::PicturesWindow window;
  window.open();
  EXPECT_FALSE(window.isMinimized());
  EXPECT_FALSE(window.isMaximized());
  window.close();
}

TEST_F(ShellFixture, ButtonClosesEachInformationWindowAndReturnsToMain) {
  zq::error_manager().push_procedure("Main");
  for (const char* section : {"pictures", "AboutZQ"}) {
    SCOPED_TRACE(section);
    std::string current_while_open;
    QTimer::singleShot(0, [&] {
      current_while_open = zq::error_manager().current_procedure();
      for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<zq::qt::LayoutWindow*>(top); window && window->is_open())
          window->button("?OKBUTTON")->click();
    });
    // Runs the window's own loop; returns once the button has closed it.
    if (std::string(section) == "pictures") zq::shell::open_pictures_window();
    else zq::shell::open_about_window();
    EXPECT_EQ(current_while_open, section);
    EXPECT_EQ(zq::error_manager().current_procedure(), "Main");
    EXPECT_EQ(setting(section, "Maximize"), "No");
  }
  zq::error_manager().pop_procedure();
}

TEST_F(ShellFixture, MenuEntriesRunTheirCommandsAndShutdownClosesMain) {
  std::vector<std::string> ran;
  zq::shell::MainWindowCommands commands;
  commands.open_imperial_calculator = [&] { ran.push_back("imperial"); };
  commands.open_pictures = [&] { ran.push_back("pictures"); };
  zq::shell::MainWindow window(commands);
  window.open();
  window.menu_action("?ZQANTENNA")->trigger();
  window.menu_action("?DESIGNZQMETRIC")->trigger();  // not connected yet: opens nothing
  window.menu_action("?PICTURES")->trigger();
  window.menu_action("?ZQANTENNA")->trigger();       // the same entry again
  QApplication::processEvents();
  EXPECT_EQ(ran, (std::vector<std::string>{"imperial", "pictures", "imperial"}));
  EXPECT_TRUE(window.is_open());
  EXPECT_EQ(setting("Main", "Maximize"), "") << "no command touches the settings";

  window.menu_action("?SHUTDOWN")->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(window.is_open());
  EXPECT_EQ(setting("Main", "Maximize"), "No");
}

TEST_F(ShellFixture, ClosingMainBySystemMeansSavesLikeShutdown) {
  zq::shell::MainWindow window({});
  // The window system's close, as from the title bar; run() returns after it.
  QTimer::singleShot(0, [&] { window.windowHandle()->close(); });
  window.run();
  EXPECT_FALSE(window.is_open());
  EXPECT_EQ(setting("Main", "Maximize"), "No");
  EXPECT_FALSE(setting("Main", "XPos").empty());
}

}  // namespace
