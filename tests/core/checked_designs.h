#pragma once
// Whole designs whose every value was checked against a second implementation
// written independently with Python's decimal module (tests/reference), the
// leading values also by hand. Each names its fixture under tests/data/design.
#include <string>
#include <vector>

namespace zq::testing {

struct CheckedDesign {
  const char* file;
  std::vector<std::string> args;  // zqcalc's arguments for it
};

inline const std::vector<CheckedDesign>& checked_designs() {
  static const std::vector<CheckedDesign> designs = {
      {"typical_imperial", {"F=7.15", "CD=2", "LD=3", "WD=0.125", "SP=0.125", "CCD=2"}},
      {"typical_metric", {"--metric", "F=7.15", "CD=50", "LD=3", "WD=3", "SP=3", "CCD=50"}},
      {"forty_metres", {"F=7.1", "CD=3.5", "LD=4", "WD=0.0641", "SP=0.1", "CCD=3", "FAC=2.2", "CT=25"}},
      {"metric_design_in_imperial", {"F=14.2", "CD=50", "LD=3", "WD=2", "SP=2.5", "CCD=40", "Metric=1"}},
  };
  return designs;
}

}  // namespace zq::testing
