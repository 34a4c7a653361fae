#pragma once
// The comparison log "ZQ.csv": one quoted comma-separated row per SAVE, so
// designs can be compared side by side in a spreadsheet. The log only ever
// grows, so it is only ever appended to.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "design/design_record.h"
#include "platform/file_append.h"
#include "platform/spreadsheet.h"
#include "storage/calculator_state.h"

namespace zq {

// The log in the working folder, by the relative name rows are appended to.
inline constexpr std::string_view kLogFileName = "ZQ.csv";

struct LogColumn {
  const char* title;  // the full title; the header cuts it to 20 characters
  const char* value;  // record value
  const char* plus;   // a second value added to it exactly, or nullptr
};
// 39 columns; the metric window writes the first 38 (no ARR).
std::span<const LogColumn> log_columns(UnitSystem units);

// One field: cut to 20 characters, trailing blanks dropped, quotes doubled,
// enclosed in quotes.
std::string csv_field(std::string_view text);
// The header and a design's row, each ended by CR LF.
std::string log_header(UnitSystem units);
std::string log_row(const DesignRecord& record, UnitSystem units);

// Appends the design's row to `log`, creating it with the header first.
AppendResult append_log_row(const std::filesystem::path& log, const DesignRecord& record,
                            UnitSystem units);
// The row of the window's record to "ZQ.csv" in the working folder. A log
// that cannot be opened or created is left alone without a message.
AppendResult AppendLogRow(const CalculatorState& state);

// The path "Open Excel" and the results e-mail give for the log: the
// working folder's short path and the log's name.
std::string log_path_in_working_folder();

// "Open Excel": takes the screen, points DesignPath at the log and asks the
// spreadsheet program to show it, with the wait cursor meanwhile. When the
// program cannot be reached, the facility's own text is shown.
SpreadsheetOutcome OpenLogInSpreadsheet(CalculatorState& state, CalculatorView& view,
                                        Spreadsheet& spreadsheet);

}  // namespace zq
