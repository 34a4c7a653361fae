#pragma once
// Design files: one design per profile file, all keys in section "ZQ".
// SAVE writes "<name>.INI" in the working folder, appends the design to the
// comparison log and loads the file back; every load ends with the
// unit-choice check and queues a ReCalc. "Email Results" writes a partial
// copy, the scratch design file "zq.ini".
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "design/decimal.h"
#include "design/design_record.h"
#include "storage/calculator_state.h"

namespace zq {

class ProfileFile;

inline constexpr std::string_view kDesignSection = "ZQ";
inline constexpr std::string_view kScratchFileName = "zq.ini";

// A value text as design files hold it: leading blanks skipped, then an
// optional "-", digits, optionally "." or "," and fraction digits, optionally
// an exponent; anything after it is ignored. Empty text, or text that does
// not start with a number, reads as 0. A hostile exponent saturates.
Decimal read_design_value(std::string_view text);

// The keys SAVE writes, in order: 46 from the imperial window (ARR last), 45
// from the metric window.
std::span<const char* const> design_save_keys(UnitSystem units);
// The keys every load reads, in order (neither TCC nor PCWD: ReCalc derives them).
std::span<const char* const> design_load_keys();
// The keys of the scratch design file, in order (DPS last, 41 in all).
std::span<const char* const> scratch_design_keys();

// Loading steps without the window: every load key into the record (missing
// or unreadable: 0), and in the imperial window ARR and CT, CT 0 becoming 40.
void read_design_values(const ProfileFile& file, DesignRecord& record, UnitSystem units);
// The design's metric flag: the key "metric", whole part, low eight bits;
// a missing key gives 0.
std::uint8_t read_metric_flag(const ProfileFile& file);
// Writes the save keys of `record` into `file`, the flag as the process holds it.
void write_design_values(ProfileFile& file, const DesignRecord& record, UnitSystem units);

// Why the name typed in the name box cannot name a design file (a path
// separator or a character no file name can hold), or nullopt when it can.
std::optional<std::string> design_name_problem(std::string_view name);
// The file name SAVE builds from the name box: trailing blanks dropped, ".INI".
std::string design_file_name(std::string_view name);
// The name box text for a chosen file: its name without folder and ".ini".
std::string design_name_of(std::string_view chosen_path);

// Reads the file at DesignPath into the record, runs the unit-choice check,
// applies the imperial ARR default, redraws and queues F3. Does nothing when
// DesignPath is empty.
void LoadDesign(CalculatorState& state, CalculatorView& view);

enum class SaveOutcome {
  Saved,       // design file written, log row appended if it could be, reloaded
  NotWritten,  // the design file could not be written; the record is kept as it is
  NoName,      // blank name box: message shown, focus on the name box
  NameRefused  // the name cannot name a file: message shown, focus on the name box
};
// The SAVE button (F2).
SaveOutcome SaveDesign(CalculatorState& state, CalculatorView& view);

// Writes the 41 scratch keys to "zq.ini" in the working folder and points
// DesignPath at it. True when the file was written.
bool WriteScratchDesign(CalculatorState& state, CalculatorView& view);

// A file chosen in the open dialog: it becomes DialogFile and DesignPath, its
// folder the working folder, and it is loaded. With `fill_name_box` ("Select
// Antenna") the name box shows the file's name before and after the load.
void open_chosen_design(CalculatorState& state, CalculatorView& view, const std::string& chosen,
                        bool fill_name_box);

}  // namespace zq
