#pragma once
// ReCalc: derive every calculated value of a design from its inputs.
#include "design/design_record.h"

namespace zq {

// The imperial calculator's ReCalc. Reads the process-wide metric flag: 1 (a
// metric design in the imperial window) takes the metric unit factor, cylinder
// capacitance and wavelength; any value but 0 and 1 takes neither branch.
void recalculate_imperial(DesignRecord& r);

// The metric calculator's ReCalc, in millimetres.
void recalculate_metric(DesignRecord& r);

}  // namespace zq
