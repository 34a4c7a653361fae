#include "cli/zqcalc.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <utility>

#include "cli/report_output.h"
#include "cli/report_rtf.h"
#include "design/design_record.h"
#include "design/engine.h"
#include "storage/calculator_state.h"
#include "storage/design_file.h"

namespace zq::cli {
namespace {

constexpr const char* kUsage =
    "usage: zqcalc [--metric] [--in FILE] [--save NAME] [--report OUT] [NAME=VALUE ...]\n"
    "\n"
    "Recalculates a ZQ antenna design and prints every value as NAME=VALUE.\n"
    "\n"
    "The design starts as a calculator window opens it: all values zero, DPS 6,\n"
    "and for the imperial calculator CT 40 and the metric flag 0. Each NAME=VALUE\n"
    "is stored with that value's rounding (Metric=1 sets the metric flag); then\n"
    "the imperial ReCalc runs (with --metric, the metric one, in millimetres).\n"
    "\n"
    "Options:\n"
    "  --metric     use the metric calculator\n"
    "  --in FILE    first load the design file FILE as the calculator opens a\n"
    "               design: every key, the metric flag from the file, and for the\n"
    "               imperial calculator the CT and ARR defaults; the unit-choice\n"
    "               warning, if any, goes to standard error\n"
    "  --save NAME  after the ReCalc, save the design as SAVE does: NAME.INI in\n"
    "               the current folder and a row in ZQ.csv; then print the\n"
    "               design loaded back from NAME.INI and recalculated\n"
    "  --report OUT after that, write the design report of the design file (FILE,\n"
    "               or NAME.INI after --save) as Print/View shows it: OUT.pdf as\n"
    "               PDF, OUT.wmf as a placeable Windows metafile page image,\n"
    "               OUT.rtf as the rich-text document \"email Report\" attaches\n"
    "\n"
    "Names are the design's own, e.g. F (MHz), CD, LD, WD, SP, CCD, FAC, CT.\n"
    "Example:\n"
    "  zqcalc F=7.15 CD=2 LD=3 WD=0.125 SP=0.125 CCD=2\n"
    "\n"
    "Exit status: 0 on success, 1 when the design file or report could not be written,\n"
    "2 for a bad argument, an unknown name, a value that is not a number,\n"
    "a FILE that cannot be read or a NAME that cannot name a file.\n";

struct Assignment {
  std::string name;
  Decimal value;
};

struct Options {
  bool metric = false;
  std::optional<std::string> in_file;
  std::optional<std::string> save_name;
  std::optional<std::string> report_file;
  std::vector<Assignment> assignments;
};

// The command-line options; a new option is one more row.
struct OptionSpec {
  const char* name;
  bool takes_value;
  void (*apply)(Options&, const std::string&);
};
constexpr OptionSpec kOptions[] = {
    {"--metric", false, [](Options& o, const std::string&) { o.metric = true; }},
    {"--in", true, [](Options& o, const std::string& v) { o.in_file = v; }},
    {"--save", true, [](Options& o, const std::string& v) { o.save_name = v; }},
    {"--report", true, [](Options& o, const std::string& v) { o.report_file = v; }},
};

// The window effects of loading and saving, for a program without a window:
// messages go to standard error, a queued ReCalc is remembered.
class CommandLineView : public CalculatorView {
 public:
  explicit CommandLineView(std::ostream& err) : err_(err) {}
  void take_screen() override {}
  void show_message(std::string_view text, std::string_view) override {
    std::string line(text);
    for (char& c : line)
      if (c == '|') c = ' ';
    err_ << "zqcalc: " << line << '\n';
  }
  void focus_name_box() override {}
  void queue_key(HotKey key) override {
    if (key == HotKey::F3) recalc_queued = true;
  }
  void set_unit_line(std::string_view) override {}
  void redraw() override {}
  void redraw_name_box() override {}
  void set_busy(bool) override {}

  bool recalc_queued = false;

 private:
  std::ostream& err_;
};

void recalculate(DesignRecord& r, bool metric) {
  if (metric) recalculate_metric(r);
  else recalculate_imperial(r);
}

void print_design(const DesignRecord& r, bool metric, std::ostream& out) {
  for (const ValueInfo& info : value_table()) {
    if (metric && info.imperial_only) continue;
    out << info.name << '=' << *r.text(info.name) << '\n';
  }
}

// Parses the arguments into `o`; returns false after writing the error.
bool parse(const std::vector<std::string>& args, Options& o, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.starts_with("-")) {
      const OptionSpec* spec = nullptr;
      for (const OptionSpec& s : kOptions)
        if (arg == s.name) spec = &s;
      if (!spec) {
        err << "zqcalc: unknown argument '" << arg << "' (see zqcalc --help)\n";
        return false;
      }
      std::string value;
      if (spec->takes_value) {
        if (i + 1 >= args.size()) {
          err << "zqcalc: " << arg << " needs a value (see zqcalc --help)\n";
          return false;
        }
        value = args[++i];
      }
      spec->apply(o, value);
      continue;
    }
    auto eq = arg.find('=');
    if (eq == std::string::npos) {
      err << "zqcalc: unknown argument '" << arg << "' (see zqcalc --help)\n";
      return false;
    }
    std::string name = arg.substr(0, eq);
    std::string text = arg.substr(eq + 1);
    if (!find_value(name)) {
      err << "zqcalc: unknown value name in '" << arg << "'\n";
      return false;
    }
    auto number = scan_number(text, false);
    if (!number || number->length != text.size()) {
      err << "zqcalc: not a number in '" << arg << "'\n";
      return false;
    }
    o.assignments.push_back({std::move(name), number->value});
  }
  for (const auto& a : o.assignments) {
    if (o.metric && find_value(a.name)->imperial_only) {
      err << "zqcalc: the metric calculator has no " << a.name << " (in '" << a.name << '='
          << a.value.to_string() << "')\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return 0;
    }
  }
  Options o;
  if (!parse(args, o, err)) return 2;
  if (o.report_file && !o.in_file && !o.save_name) {
    err << "zqcalc: --report needs a design file: --in FILE or --save NAME\n";
    return 2;
  }

  CalculatorState state = open_calculator(o.metric ? UnitSystem::Metric : UnitSystem::Imperial);
  CommandLineView view(err);
  if (o.in_file) {
    if (!std::ifstream(*o.in_file, std::ios::binary)) {
      err << "zqcalc: cannot read the design file '" << *o.in_file << "'\n";
      return 2;
    }
    state.DesignPath = *o.in_file;
    LoadDesign(state, view);
  }
  for (const auto& a : o.assignments) state.record.store(a.name, a.value);
  recalculate(state.record, o.metric);

  if (o.save_name) {
    state.record.SAVENAME = *o.save_name;
    view.recalc_queued = false;
    switch (SaveDesign(state, view)) {
      case SaveOutcome::NoName:
      case SaveOutcome::NameRefused:
        return 2;
      case SaveOutcome::NotWritten:
        err << "zqcalc: could not write the design file '" << state.DesignPath << "'\n";
        return 1;
      case SaveOutcome::Saved:
        break;
    }
    // The reload queues a ReCalc, as in the window.
    if (view.recalc_queued) recalculate(state.record, o.metric);
  }
  print_design(state.record, o.metric, out);
  // The report reads the design file again, as Print/View does.
  if (o.report_file && is_rtf_report_name(*o.report_file))
    return write_report_rtf(state.DesignPath, *o.report_file, err);
  if (o.report_file) return write_report_file(state.DesignPath, *o.report_file, err);
  return 0;
}

}  // namespace zq::cli
