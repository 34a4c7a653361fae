#include "storage/comparison_log.h"

#include "platform/working_folder.h"

namespace zq {
namespace {

// The log's own titles; they do not follow the screen labels.
constexpr LogColumn kColumns[] = {
    {"Freq", "F", nullptr},
    {"RR", "RR", nullptr},
    {"Cyl Diam", "CD", nullptr},
    {"L/D", "LD", nullptr},
    {"CylCap", "C", nullptr},
    {"XC", "XC", nullptr},
    {"BandWidth", "BW", nullptr},
    {"Q", "Q", nullptr},
    {"TotalLength", "TL", nullptr},
    {"measured BW", "MBW", nullptr},
    {"Variance", "V", nullptr},
    {"WireDiameter", "WD", nullptr},
    {"WireSpacing", "SP", nullptr},
    {"TPI", "TPI", nullptr},
    {"Cyl to Wire Cap", "EWC", nullptr},
    {"Cyl to Coil Cap", "ECC", nullptr},
    {"Total Capacitance", "EWC", "ECC"},  // the two capacitances, not TCC
    {"CoilInductance", "CI", nullptr},
    {"No.Turns", "NT", nullptr},
    {"CoilLength", "CL", nullptr},
    {"LengthCoilWire", "LW", nullptr},
    {"CylinderLength", "CCL", nullptr},
    {"CoilDiam", "CCD", nullptr},
    {"%WaveLength", "PWL", nullptr},
    {"LengthPhaseWire", "LPW", nullptr},
    {"PhCoilDiam", "PCCD", nullptr},
    {"PhCoilTurns", "PCNT", nullptr},
    {"Ratio", "RAT", nullptr},
    {"Factor", "FAC", nullptr},
    {"AntennaEfficiency", "AE", nullptr},
    {"Wire Resistance", "WR", nullptr},
    {"DB Loss", "DBL", nullptr},
    {"Sc Length", "SCT", nullptr},
    {"Sc Turns", "SCL", nullptr},
    {"SC Inductance", "SCI", nullptr},
    {"Sc Diam", "SCD", nullptr},
    {"Sc Wire Length", "SCWL", nullptr},
    {"Matching Capacitoy in mfd", "MC", nullptr},
    {"Assumed Radiation Resistance:", "ARR", nullptr},  // imperial window only
};

constexpr std::size_t kFieldWidth = 20;

template <typename Text>
std::string join_row(std::span<const LogColumn> columns, Text text_of) {
  std::string row;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i) row += ',';
    row += csv_field(text_of(columns[i]));
  }
  row += "\r\n";
  return row;
}

}  // namespace

std::span<const LogColumn> log_columns(UnitSystem units) {
  std::span<const LogColumn> all(kColumns);
  return units == UnitSystem::Imperial ? all : all.first(all.size() - 1);
}

std::string csv_field(std::string_view text) {
  text = text.substr(0, kFieldWidth);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string log_header(UnitSystem units) {
  return join_row(log_columns(units), [](const LogColumn& c) { return std::string(c.title); });
}

std::string log_row(const DesignRecord& record, UnitSystem units) {
  return join_row(log_columns(units), [&](const LogColumn& c) {
    Decimal value = *record.get(c.value);
    if (c.plus) value = value + *record.get(c.plus);
    return value_text(value);
  });
}

AppendResult append_log_row(const std::filesystem::path& log, const DesignRecord& record,
                            UnitSystem units) {
  return append_to_file(log, log_header(units), log_row(record, units));
}

AppendResult AppendLogRow(const CalculatorState& state) {
  return append_log_row(std::filesystem::path(std::string(kLogFileName)), state.record, state.units);
}

std::string log_path_in_working_folder() {
#ifdef _WIN32
  return path_in_working_folder("zq.csv");
#else
  // Names are case-sensitive here: the path must name the file rows go to.
  return path_in_working_folder(kLogFileName);
#endif
}

SpreadsheetOutcome OpenLogInSpreadsheet(CalculatorState& state, CalculatorView& view,
                                        Spreadsheet& spreadsheet) {
  view.take_screen();
  state.DesignPath = log_path_in_working_folder();
  view.set_busy(true);
  SpreadsheetOutcome outcome = spreadsheet.open_workbook(state.DesignPath);
  view.set_busy(false);
  if (!outcome.opened && !outcome.problem.empty()) view.show_message(outcome.problem, kErrorCaption);
  return outcome;
}

}  // namespace zq
