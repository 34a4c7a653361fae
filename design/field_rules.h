#pragma once
// Recomputations that follow work on single fields of a calculator window, so
// related values stay in step without a full ReCalc.
#include <span>
#include <string_view>

#include "design/design_record.h"

namespace zq {

// When a field's rule runs.
enum class FieldTrigger {
  AnyEvent,  // focus, click or accept: every event the window reports
  Accepted,  // the field accepts a new value from the user
  SpinStep,  // each step of the spin arrows
};

// What the window does after the rule's own stores.
enum class FieldFollowUp {
  None,    // new values show at the next redraw
  Redraw,  // show every value now
  ReCalc,  // press the ReCalc key
  RangeCheckThenReCalc,  // FAC: the window's range check first
};

struct FieldRule {
  const char* field;
  FieldTrigger trigger;
  void (*apply)(DesignRecord&);  // nullptr: no stores of its own
  FieldFollowUp follow_up;
  bool imperial_only;
};

// One row per field that has a rule.
std::span<const FieldRule> field_rules();
// The rule for `field` and `trigger`, or nullptr.
const FieldRule* find_field_rule(std::string_view field, FieldTrigger trigger);

// The stores of each rule, callable directly.
void recompute_cylinder_length(DesignRecord& r);   // LD:  CD × LD → CCL
void recompute_wire_length(DesignRecord& r);       // CL:  coil wire length → LW
void recompute_from_capacitance(DesignRecord& r);  // ECC: CI, NT, CL, LW
void recompute_from_inductance(DesignRecord& r);   // CI:  NT, LW, SCI = CI / 40
void recompute_from_turns(DesignRecord& r);        // NT:  CL, LW
void copy_wire_diameter(DesignRecord& r);          // WD:  WD → SCWD
void copy_coil_diameter(DesignRecord& r);          // CCD: CCD → SCD
void recompute_ratio(DesignRecord& r);             // CCL: CCL / CD → LD

}  // namespace zq
