#include "ui/unit_check.h"

#include "storage/design_file.h"
#include "storage/profile_file.h"

namespace zq {

UnitCheckResult unit_check(UnitSystem units, std::uint8_t flag) {
  if (units == UnitSystem::Imperial) {
    if (flag == 0) return {"All measurements are in inches", std::nullopt};
    if (flag == 1)
      return {"Press ESC & Select Metric Option!",
              "Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design "
              "instead.|Do NOT save this version!"};
  } else {
    if (flag == 1) return {"All measurements are in mm", std::nullopt};
    if (flag == 0)
      return {"Press ESC & Select Imperial Option!",
              "Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial "
              "Design instead.|Do NOT save this version!"};
  }
  return {};  // a flag of neither system: nothing to say
}

void check_units(CalculatorState& state, CalculatorView& view, const ProfileFile& design) {
  std::uint8_t flag = read_metric_flag(design);
  set_metric_flag(flag);
  UnitCheckResult r = unit_check(state.units, flag);
  if (r.unit_line) {
    state.unit_line = std::string(*r.unit_line);
    view.set_unit_line(*r.unit_line);
  }
  if (r.message) view.show_message(*r.message, kErrorCaption);
}

}  // namespace zq
