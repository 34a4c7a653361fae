#pragma once
// The formulas that the imperial and metric ReCalc and the field
// recomputations share. Each returns the exact (unrounded) result; the caller
// stores it, which rounds it to the target's places.
#include "design/design_record.h"

namespace zq::formulas {

// pi as the calculations use it, and the coarser one of the matching capacitor.
const Decimal& pi();
const Decimal& pi_coarse();
// The fourth root of 2, as the square root of the square root of 2.0.
double fourth_root_of_two();

// (1) cylinder capacitance (0.546 × LD + 2.06) × CD, pF
Decimal cylinder_capacitance(const DesignRecord& r);
// (2) capacitive reactance of cx at F: 10^6 / (π × 2 × F × cx)
Decimal capacitive_reactance(const DesignRecord& r, const Decimal& cx);
// (3) bandwidth in kHz from resistance and capacitance: R × cx × 2 × π × F² / 1000
Decimal bandwidth_from_resistance(const DesignRecord& r, const Decimal& resistance, const Decimal& cx);
// (4) resistance from bandwidth: XC × B / (F × 1000)
Decimal resistance_from_bandwidth(const DesignRecord& r, const Decimal& bandwidth);
// (5) two-to-one bandwidth: trunc(B × k) − trunc(B / k), in double; a whole number
Decimal two_to_one_bandwidth(const Decimal& bandwidth);
// (6) resonating inductance for cx, µH
Decimal resonating_inductance(const DesignRecord& r, const Decimal& cx);
// (7) Wheeler turns for inductance, winding diameter, spacing and unit divisor
double wheeler_turns(const Decimal& inductance, const Decimal& diameter, const Decimal& spacing,
                     const Decimal& unit_divisor);
// (8) inductive reactance π × 2 × F × L
Decimal inductive_reactance(const DesignRecord& r, const Decimal& inductance);
// (9) coil wire length NT × CCD × π
Decimal coil_wire_length(const DesignRecord& r);
// (10) high-frequency wire resistance, wholly in double
double wire_resistance(const DesignRecord& r);
// (11) efficiency R / (R + WR) × 100
Decimal efficiency(const DesignRecord& r, const Decimal& resistance);
// (12) loss in dB, 10 × log10(AE / 100), rounded to two places; 0 when AE ≤ 0
Decimal decibel_loss(const DesignRecord& r);
// (13) matching capacitor 1 / (2 × 3.14 × F × XSC) × 10^6
Decimal matching_capacitor(const DesignRecord& r);
// (14) resonant frequency 1 / (π × 2 × XL × TCC) × 10^6
Decimal resonant_frequency(const DesignRecord& r);

// The source-coil loop of both engines, for the given tap ratio and unit factor.
void settle_source_coil(DesignRecord& r, const Decimal& unit_factor);

}  // namespace zq::formulas
