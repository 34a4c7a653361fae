#pragma once
// zqcalc: the command-line companion of the designer, for scripts and for
// machines without a display.
#include <iosfwd>
#include <string>
#include <vector>

namespace zq::cli {

// Runs zqcalc with its arguments (without the program name); returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zq::cli
