#pragma once
// The main window: the menu bar over the information page. Procedure "Main".
#include <functional>

#include "platform/qt/layout_window.h"

namespace zq::shell {

// What the menu entries open. Each runs its window to the end and returns.
// An empty entry opens nothing. The calculator windows connect here
// (app/qt/window_openers.cpp).
struct MainWindowCommands {
  std::function<void()> open_imperial_calculator;  // ?ZQANTENNA
  std::function<void()> open_metric_calculator;    // ?DESIGNZQMETRIC
  std::function<void()> open_pictures;             // ?PICTURES
  std::function<void()> open_about;                // ?ABOUTTHISPROGRAM
};

// The commands the program runs with.
MainWindowCommands program_commands();

class MainWindow : public qt::LayoutWindow {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowCommands commands, SettingsManager& settings = settings_manager());

 protected:
  void on_open() override;

 private:
  void connect_entry(std::string_view label, const std::function<void()>& command);
  MainWindowCommands commands_;
};

// Opens the main window and returns when it has been closed.
void run_main_window(const MainWindowCommands& commands);

}  // namespace zq::shell
