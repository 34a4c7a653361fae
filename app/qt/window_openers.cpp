// The windows the main window's menu opens.
#include "app/qt/info_windows.h"
#include "app/qt/main_window.h"
#include "ui/qt/calculator_window.h"

namespace zq::shell {

MainWindowCommands program_commands() {
  MainWindowCommands commands;
  commands.open_imperial_calculator = [] { qt::run_calculator_window(UnitSystem::Imperial); };
  commands.open_metric_calculator = [] { qt::run_calculator_window(UnitSystem::Metric); };
  commands.open_pictures = open_pictures_window;
  commands.open_about = open_about_window;
  return commands;
}

}  // namespace zq::shell
