#include <iostream>
#include <string>
#include <vector>

#include "cli/report_rtf.h"
#include "cli/zqcalc.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef ZQ_CLI_WITH_GUI
  zq::cli::install_embedded_report_pictures();
#endif
  return zq::cli::run(args, std::cout, std::cerr);
}
