#include "storage/calculator_state.h"

namespace zq {

std::string_view initial_unit_line(UnitSystem units) {
  return units == UnitSystem::Imperial ? "Linear measurements are in Inches"
                                       : "Linear measurements are in mm";
}

CalculatorState open_calculator(UnitSystem units) {
  CalculatorState s;
  s.units = units;
  s.record.reset();
  set_metric_flag(0);
  s.record.DPS = 6;
  if (units == UnitSystem::Imperial) s.record.CT = 40;
  s.unit_line = std::string(initial_unit_line(units));
  return s;
}

}  // namespace zq
