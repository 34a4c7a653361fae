#pragma once
// The two calculator windows as layout data: one table for the imperial
// window and a table of differences that turns it into the metric window.
// Entry formats come from the value table, so a value is shown the same way
// wherever it appears.
#include <span>
#include <string_view>

#include "platform/layout.h"
#include "storage/calculator_state.h"

namespace zq::calculator {

// Procedure names, also the settings sections of the placements.
inline constexpr std::string_view kImperialProcedure = "ZQ";
inline constexpr std::string_view kMetricProcedure = "ZQ2";
std::string_view procedure_name(UnitSystem units);

// Labels the window code refers to.
inline constexpr std::string_view kNameBox = "SAVENAME";
inline constexpr std::string_view kUnitLine = "?UNITLINE";
inline constexpr std::string_view kHelpText = "?HELPTEXT";
inline constexpr std::string_view kSelectButton = "?SELECTBUTTON";
inline constexpr std::string_view kRecalcButton = "?RECALCBUTTON";
inline constexpr std::string_view kSaveButton = "?SAVEBUTTON";
inline constexpr std::string_view kPrintButton = "?PRINTBUTTON";
inline constexpr std::string_view kEmailReportButton = "?EMAILREPORTBUTTON";
inline constexpr std::string_view kForumButton = "?FORUMBUTTON";
inline constexpr std::string_view kExcelButton = "?EXCELBUTTON";
inline constexpr std::string_view kEmailResultsButton = "?EMAILRESULTSBUTTON";
inline constexpr std::string_view kCloseButton = "?CLOSEBUTTON";
inline constexpr std::string_view kHelpForumButton = "?HELPFORUMBUTTON";
inline constexpr std::string_view kSheet = "?SHEET";

// The help text of the Help tab, set as the window opens.
std::string_view help_text();

// The window layout of either calculator (a table that lives as long as the program).
const layout::WindowLayout& calculator_layout(UnitSystem units);

// One difference of the metric window: the control `label` of the imperial
// table removed, or given another place, text, tip or format. Only the
// members that are set change.
struct ControlChange {
  std::string_view label;
  bool remove = false;
  int x = -1;
  int y = -1;
  int width = -1;
  int height = -1;
  std::string_view text{};
  std::string_view tip{};
  std::string_view format{};
};
std::span<const ControlChange> metric_changes();
// Controls the metric window has and the imperial one lacks.
std::span<const layout::Control> metric_additions();

// The record values shown in the window: entry fields, spin boxes and the
// radiation-resistance text, in table order.
std::span<const std::string_view> shown_values(UnitSystem units);

}  // namespace zq::calculator
