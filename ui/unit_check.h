#pragma once
// The unit-choice check that ends every load of a design: the file's metric
// flag goes into the process-wide flag, the unit line says which system the
// design uses, and a design of the other window's system is warned about.
// The check informs only; the design stays loaded.
#include <cstdint>
#include <optional>
#include <string_view>

#include "storage/calculator_state.h"

namespace zq {

class ProfileFile;

struct UnitCheckResult {
  std::optional<std::string_view> unit_line;  // new text, or none: unchanged
  std::optional<std::string_view> message;    // shown with kErrorCaption
};

// What the check does in a window of `units` for a file whose flag is `flag`.
UnitCheckResult unit_check(UnitSystem units, std::uint8_t flag);

// Reads the "metric" key of the loaded design file (missing: 0), sets the
// metric flag to its low eight bits, and applies unit_check to the window.
void check_units(CalculatorState& state, CalculatorView& view, const ProfileFile& design);

}  // namespace zq
