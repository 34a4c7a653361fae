#pragma once
// Start-up and shutdown of the program, in this order:
//   1 the error manager is made ready
//   2 the settings manager opens "zq.INI"
//   3 the application icon is set
//   4 the drag-full-windows setting is read; exactly 1 is switched off (0)
//   5 the main window runs until it is closed
//   6 only if step 4 switched it off, the setting is switched on again (1)
//   7 the settings manager is closed (its bookkeeping entry is written)
//   8 exit code 0
// Where the system has no drag setting, steps 4 and 6 are left out.
#include <cstdint>
#include <functional>

#include "platform/drag_setting.h"
#include "platform/error_manager.h"
#include "settings/settings_manager.h"

namespace zq {

struct ProgramParts {
  ErrorManager& errors;
  SettingsManager& settings;
  DragSetting& drag;
  std::function<void()> set_application_icon;
  std::function<void()> run_main_window;
};

// Runs the program through the steps above; always returns 0.
int run_program(ProgramParts& parts);

}  // namespace zq
