#pragma once
// What a calculator window keeps besides its design record, and the window
// effects that loading, saving and the log ask for. The windows implement
// CalculatorView; tests implement it with a recorder, so every load and save
// sequence runs without a display.
#include <string>
#include <string_view>

#include "design/design_record.h"
#include "platform/message_box.h"  // kErrorCaption

namespace zq {

enum class UnitSystem { Imperial, Metric };

// The hot keys a calculator handler may queue: F2 SAVE, F3 ReCalc, F8 forum.
enum class HotKey { F2, F3, F8 };

class CalculatorView {
 public:
  virtual ~CalculatorView() = default;
  // Copies every field on screen into the record (typed values count).
  virtual void take_screen() = 0;
  // A message box with one OK button; "|" starts a new line; caption may be "".
  virtual void show_message(std::string_view text, std::string_view caption) = 0;
  virtual void focus_name_box() = 0;
  // Puts the key into the keyboard input; it acts after the current handler.
  virtual void queue_key(HotKey key) = 0;
  // The red unit line at the foot of the Specifications tab.
  virtual void set_unit_line(std::string_view text) = 0;
  // Shows every value of the record again.
  virtual void redraw() = 0;
  // Shows the record's SAVENAME in the name box at once.
  virtual void redraw_name_box() = 0;
  // Wait cursor on (true) and off (false).
  virtual void set_busy(bool busy) = 0;
};

// A calculator window's working state.
struct CalculatorState {
  UnitSystem units = UnitSystem::Imperial;
  DesignRecord record;     // record.SAVENAME is the name box
  std::string DialogFile;  // file name last chosen in the open dialog or built by SAVE
  std::string DesignPath;  // full path of the current design file; "" until one is chosen
  std::string unit_line;   // the unit line's current text
};

// The state as a calculator window opens: every value zero, DPS 6, and in the
// imperial window CT 40; the metric flag 0; the unit line's first text.
CalculatorState open_calculator(UnitSystem units);
std::string_view initial_unit_line(UnitSystem units);

}  // namespace zq
