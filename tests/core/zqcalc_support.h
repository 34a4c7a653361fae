#pragma once
// Runs zqcalc in the test process and keeps what it said.
#include <sstream>
#include <string>
#include <vector>

#include "cli/zqcalc.h"
#include "design/design_record.h"

namespace zq::testing {

struct Outcome {
  int status;
  std::string out, err;
};

// The metric flag is process-wide; each run leaves it as a window opening would.
inline Outcome zqcalc(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = cli::run(args, out, err);
  set_metric_flag(0);
  return {status, out.str(), err.str()};
}

}  // namespace zq::testing
