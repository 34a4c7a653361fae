#include "cli/zqcalc.h"

#include <ostream>
#include <utility>

#include "design/design_record.h"
#include "design/engine.h"

namespace zq::cli {
namespace {

constexpr const char* kUsage =
    "usage: zqcalc [--metric] [NAME=VALUE ...]\n"
    "\n"
    "Recalculates a ZQ antenna design and prints every value as NAME=VALUE.\n"
    "\n"
    "The design starts as a calculator window opens it: all values zero, DPS 6,\n"
    "and for the imperial calculator CT 40 and the metric flag 0. Each NAME=VALUE\n"
    "is stored with that value's rounding (Metric=1 sets the metric flag); then\n"
    "the imperial ReCalc runs (with --metric, the metric one, in millimetres).\n"
    "\n"
    "Names are the design's own, e.g. F (MHz), CD, LD, WD, SP, CCD, FAC, CT.\n"
    "Example:\n"
    "  zqcalc F=7.15 CD=2 LD=3 WD=0.125 SP=0.125 CCD=2\n"
    "\n"
    "Exit status: 0 on success, 2 for an unknown name or a value that is not a number.\n";

struct Assignment {
  std::string name;
  Decimal value;
};

// The record as the chosen calculator window starts it.
DesignRecord initial_design(bool metric) {
  DesignRecord r;
  r.DPS = 6;
  if (!metric) r.CT = 40;
  set_metric_flag(0);
  return r;
}

void print_design(const DesignRecord& r, bool metric, std::ostream& out) {
  for (const ValueInfo& info : value_table()) {
    if (metric && info.imperial_only) continue;
    out << info.name << '=' << *r.text(info.name) << '\n';
  }
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool metric = false;
  std::vector<Assignment> assignments;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return 0;
    }
    if (arg == "--metric") {
      metric = true;
      continue;
    }
    auto eq = arg.find('=');
    if (eq == std::string::npos || arg.starts_with("-")) {
      err << "zqcalc: unknown argument '" << arg << "' (see zqcalc --help)\n";
      return 2;
    }
    std::string name = arg.substr(0, eq);
    std::string text = arg.substr(eq + 1);
    if (!find_value(name)) {
      err << "zqcalc: unknown value name in '" << arg << "'\n";
      return 2;
    }
    auto number = scan_number(text, false);
    if (!number || number->length != text.size()) {
      err << "zqcalc: not a number in '" << arg << "'\n";
      return 2;
    }
    assignments.push_back({std::move(name), number->value});
  }
  for (const auto& a : assignments) {
    if (metric && find_value(a.name)->imperial_only) {
      err << "zqcalc: the metric calculator has no " << a.name << " (in '" << a.name << '='
          << a.value.to_string() << "')\n";
      return 2;
    }
  }

  DesignRecord r = initial_design(metric);
  for (const auto& a : assignments) r.store(a.name, a.value);
  if (metric) recalculate_metric(r);
  else recalculate_imperial(r);
  print_design(r, metric, out);
  return 0;
}

}  // namespace zq::cli
