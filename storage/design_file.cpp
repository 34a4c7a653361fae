#include "storage/design_file.h"

#include <filesystem>
#include <system_error>

#include "platform/working_folder.h"
#include "storage/comparison_log.h"
#include "storage/profile_file.h"
#include "ui/unit_check.h"

namespace zq {
namespace {

// The order a SAVE writes; the imperial window adds ARR at the end.
constexpr const char* kSaveKeys[] = {
    "F",   "RFR", "AF",   "RR",   "MRR",  "CD",  "LD",  "C",   "XC",   "BW",   "Q",   "TL",
    "MBW", "V",   "WD",   "SP",   "TPI",  "EWC", "ECC", "TCC", "CI",   "NT",   "CL",  "LW",
    "CCL", "CCD", "PWL",  "LPW",  "PCCD", "PCNT", "PCWD", "RAT", "FAC", "AE",  "DBL", "SCT",
    "SCL", "SCI", "SCD",  "SCWL", "SCWD", "XSC", "DPS", "Metric", "MC", "ARR"};
constexpr std::size_t kImperialSaveKeys = std::size(kSaveKeys);
constexpr std::size_t kMetricSaveKeys = kImperialSaveKeys - 1;

constexpr const char* kLoadKeys[] = {
    "F",   "RFR", "AF",  "RR",  "MRR",  "CD",   "LD",  "C",   "XC",  "BW",  "Q",    "TL",
    "MBW", "V",   "WD",  "SP",  "TPI",  "EWC",  "ECC", "CI",  "NT",  "CL",  "LW",   "CCL",
    "CCD", "PWL", "LPW", "PCCD", "PCNT", "RAT", "FAC", "AE",  "DBL", "SCT", "SCL",  "SCI",
    "SCD", "SCWL", "SCWD", "XSC", "DPS", "MC"};

// The scratch file: all but DPS go to "ZQ", DPS to "zq" (the same section).
constexpr const char* kScratchKeys[] = {
    "F",   "RFR", "AF",  "RR",   "CD",   "LD",   "C",   "XC",  "BW",  "Q",   "TL",  "MBW",
    "V",   "WD",  "SP",  "TPI",  "EWC",  "ECC",  "CI",  "NT",  "CL",  "LW",  "CCL", "CCD",
    "PWL", "LPW", "PCCD", "PCNT", "PCWD", "RAT", "FAC", "AE",  "DBL", "SCT", "SCL", "SCI",
    "SCD", "SCWL", "SCWD", "XSC", "DPS"};

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view without_trailing_blanks(std::string_view s) {
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

void read_key(const ProfileFile& file, DesignRecord& record, const char* key) {
  record.store(key, read_design_value(file.get(kDesignSection, key)));
}

}  // namespace

Decimal read_design_value(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  text.remove_prefix(i);
  // Only "-" may lead a number in a design file; "+" starts no number.
  if (text.empty() || text.front() == '+') return Decimal(0);
  auto scanned = scan_number(text, /*allow_comma=*/true);
  return scanned ? scanned->value : Decimal(0);
}

std::span<const char* const> design_save_keys(UnitSystem units) {
  return {kSaveKeys, units == UnitSystem::Imperial ? kImperialSaveKeys : kMetricSaveKeys};
}
std::span<const char* const> design_load_keys() { return kLoadKeys; }
std::span<const char* const> scratch_design_keys() { return kScratchKeys; }

void read_design_values(const ProfileFile& file, DesignRecord& record, UnitSystem units) {
  for (const char* key : kLoadKeys) read_key(file, record, key);
  if (units == UnitSystem::Imperial) {
    read_key(file, record, "ARR");
    read_key(file, record, "CT");
    // CT is never written, so every design reopens with the usual tap ratio.
    if (record.CT.is_zero()) record.CT = 40;
  }
}

std::uint8_t read_metric_flag(const ProfileFile& file) {
  return metric_flag_from(read_design_value(file.get(kDesignSection, "metric")));
}

void write_design_values(ProfileFile& file, const DesignRecord& record, UnitSystem units) {
  for (const char* key : design_save_keys(units)) file.set(kDesignSection, key, *record.text(key));
}

std::optional<std::string> design_name_problem(std::string_view name) {
#ifdef _WIN32
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  constexpr const char* kMessage =
      "This name cannot be used for a design file.|A name may not contain any of"
      "|\\ / : * ? \" < > | or be a device name such as CON.|Please enter another name.";
#else
  constexpr std::string_view kForbidden = "/";
  constexpr const char* kMessage =
      "This name cannot be used for a design file.|A name may not contain / or control "
      "characters.|Please enter another name.";
#endif
  for (char c : name) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || kForbidden.find(c) != std::string_view::npos) return kMessage;
  }
#ifdef _WIN32
  // Device names stay devices whatever extension follows them.
  std::string base;
  for (char c : name.substr(0, name.find('.'))) base += lower(c);
  while (!base.empty() && is_blank(base.front())) base.erase(base.begin());
  while (!base.empty() && is_blank(base.back())) base.pop_back();
  static const char* const kDevices[] = {"con",  "prn",  "aux",  "nul",  "com1", "com2", "com3",
                                         "com4", "com5", "com6", "com7", "com8", "com9", "lpt1",
                                         "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8",
                                         "lpt9"};
  for (const char* device : kDevices)
    if (base == device) return kMessage;
#endif
  return std::nullopt;
}

std::string design_file_name(std::string_view name) {
  return std::string(without_trailing_blanks(name)) + ".INI";
}

std::string design_name_of(std::string_view chosen_path) {
  std::string name = std::filesystem::path(std::string(chosen_path)).filename().string();
  if (name.size() >= 4) {
    std::string ext;
    for (char c : name.substr(name.size() - 4)) ext += lower(c);
    if (ext == ".ini") name.resize(name.size() - 4);
  }
  return name;
}

void LoadDesign(CalculatorState& state, CalculatorView& view) {
  if (state.DesignPath.empty()) return;
  const ProfileFile file = ProfileFile::load(state.DesignPath);
  read_design_values(file, state.record, state.units);
  check_units(state, view, file);
  if (state.units == UnitSystem::Imperial && state.record.ARR.is_zero()) state.record.ARR = 120;
  view.redraw();
  view.queue_key(HotKey::F3);
}

SaveOutcome SaveDesign(CalculatorState& state, CalculatorView& view) {
  view.take_screen();
  const std::string& name = state.record.SAVENAME;
  if (without_trailing_blanks(name).empty()) {
    view.show_message("You must enter a name for this file to save", "");
    view.focus_name_box();
    return SaveOutcome::NoName;
  }
  // A separator would put the file outside the working folder.
  if (auto problem = design_name_problem(name)) {
    view.show_message(*problem, kErrorCaption);
    view.focus_name_box();
    return SaveOutcome::NameRefused;
  }
  std::error_code ec;
  std::filesystem::remove(std::string(kScratchFileName), ec);  // a failure does not matter
  state.DialogFile = design_file_name(name);
  set_metric_flag(state.units == UnitSystem::Metric ? 1 : 0);
  state.DesignPath = path_in_working_folder(state.DialogFile);

  ProfileFile file = ProfileFile::load(state.DesignPath);
  write_design_values(file, state.record, state.units);
  const bool written = file.save(state.DesignPath);
  AppendLogRow(state);
  view.redraw();
  // Reloading a file that was not written would replace the design on screen
  // with an older file or with zeros: the design stays as it is instead.
  if (!written) return SaveOutcome::NotWritten;
  LoadDesign(state, view);
  return SaveOutcome::Saved;
}

bool WriteScratchDesign(CalculatorState& state, CalculatorView& view) {
  view.take_screen();
  state.DesignPath = path_in_working_folder(kScratchFileName);
  ProfileFile file = ProfileFile::load(state.DesignPath);
  for (const char* key : kScratchKeys) {
    file.set(std::string_view(key) == "DPS" ? "zq" : kDesignSection, key, *state.record.text(key));
  }
  return file.save(state.DesignPath);
}

void open_chosen_design(CalculatorState& state, CalculatorView& view, const std::string& chosen,
                        bool fill_name_box) {
  // The path stays valid when the working folder moves to the file's folder.
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(chosen, ec);
  const std::string path = ec ? chosen : full.string();
  state.DialogFile = path;
  state.DesignPath = path;
  move_working_folder_to_file(path);
  if (fill_name_box) {
    state.record.SAVENAME = design_name_of(chosen);
    view.redraw_name_box();
  }
  LoadDesign(state, view);
  if (fill_name_box) {
    state.record.SAVENAME = design_name_of(chosen);
    view.redraw_name_box();
  }
}

}  // namespace zq
