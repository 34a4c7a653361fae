// The windows the main window's menu opens. The two calculator entries stay
// empty until the calculator windows exist; connect them here.
#include "app/qt/info_windows.h"
#include "app/qt/main_window.h"

namespace zq::shell {

MainWindowCommands program_commands() {
  MainWindowCommands commands;
  commands.open_imperial_calculator = nullptr;
  commands.open_metric_calculator = nullptr;
  commands.open_pictures = open_pictures_window;
  commands.open_about = open_about_window;
  return commands;
}

}  // namespace zq::shell
