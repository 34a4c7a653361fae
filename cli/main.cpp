#include <iostream>
#include <string>
#include <vector>

#include "cli/zqcalc.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zq::cli::run(args, std::cout, std::cerr);
}
