#include "design/field_rules.h"

#include "design/formulas.h"

namespace zq {
namespace {

using T = FieldTrigger;
using U = FieldFollowUp;

const FieldRule kRules[] = {
    {"LD", T::AnyEvent, recompute_cylinder_length, U::None, false},
    {"CL", T::AnyEvent, recompute_wire_length, U::None, false},
    {"ECC", T::AnyEvent, recompute_from_capacitance, U::None, false},
    {"CI", T::AnyEvent, recompute_from_inductance, U::None, false},
    {"NT", T::AnyEvent, recompute_from_turns, U::Redraw, false},
    {"CT", T::AnyEvent, nullptr, U::ReCalc, true},
    {"WD", T::Accepted, copy_wire_diameter, U::ReCalc, false},
    {"CCD", T::Accepted, copy_coil_diameter, U::ReCalc, false},
    {"SP", T::Accepted, nullptr, U::ReCalc, false},
    {"MBW", T::Accepted, nullptr, U::ReCalc, false},
    {"SCWD", T::Accepted, nullptr, U::ReCalc, false},
    {"SCD", T::Accepted, nullptr, U::ReCalc, false},
    {"FAC", T::Accepted, nullptr, U::RangeCheckThenReCalc, false},
    {"FAC", T::SpinStep, nullptr, U::ReCalc, false},
    {"CCL", T::Accepted, recompute_ratio, U::Redraw, false},
};

// The turns of the field rules wind on the cylinder diameter with the entered
// dimensions as they stand (no unit divisor).
void turns_on_cylinder_diameter(DesignRecord& r) {
  r.NT.store_from_double(formulas::wheeler_turns(r.CI, r.CD, r.SP, 1));
}

}  // namespace

std::span<const FieldRule> field_rules() { return kRules; }

const FieldRule* find_field_rule(std::string_view field, FieldTrigger trigger) {
  for (const FieldRule& rule : kRules)
    if (field == rule.field && rule.trigger == trigger) return &rule;
  return nullptr;
}

void recompute_cylinder_length(DesignRecord& r) { r.CCL = r.CD * r.LD; }

void recompute_wire_length(DesignRecord& r) { r.LW = formulas::coil_wire_length(r); }

void recompute_from_capacitance(DesignRecord& r) {
  r.CI = formulas::resonating_inductance(r, r.C + r.EWC + r.ECC);
  turns_on_cylinder_diameter(r);
  r.CL = r.NT * r.SP;
  r.LW = formulas::coil_wire_length(r);
}

void recompute_from_inductance(DesignRecord& r) {
  turns_on_cylinder_diameter(r);
  r.LW = formulas::coil_wire_length(r);
  r.SCI = r.CI / 40;
}

void recompute_from_turns(DesignRecord& r) {
  r.CL = r.NT * r.SP;
  r.LW = formulas::coil_wire_length(r);
}

void copy_wire_diameter(DesignRecord& r) { r.SCWD = r.WD; }

void copy_coil_diameter(DesignRecord& r) { r.SCD = r.CCD; }

void recompute_ratio(DesignRecord& r) { r.LD = r.CCL / r.CD; }

}  // namespace zq
