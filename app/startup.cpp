#include "app/startup.h"

#include <exception>

namespace zq {

int run_program(ProgramParts& parts) {
  parts.errors.make_ready();
  parts.settings.open(kSettingsFileName);
  if (parts.set_application_icon) parts.set_application_icon();

  // Only the value 1 counts as on; a failed query leaves the saved value 0.
  std::uint32_t saved_drag = 0;
  if (parts.drag.available()) {
    saved_drag = parts.drag.query().value_or(0);
    if (saved_drag == 1) parts.drag.set(0);
  }

  // A failure inside the main window is shown, and the shutdown steps still
  // run: the drag setting must not stay switched off.
  try {
    if (parts.run_main_window) parts.run_main_window();
  } catch (const std::exception& error) {
    parts.errors.report(error.what());
  }

  if (saved_drag == 1) parts.drag.set(1);
  parts.settings.close();
  return 0;
}

}  // namespace zq
