#pragma once
// Helpers for the design-file, log and unit-check tests: a window that
// records what it is asked to do, and a fresh working folder per test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "design/decimal.h"
#include "storage/calculator_state.h"

namespace zq::testing {

struct Message {
  std::string text, caption;
  bool operator==(const Message&) const = default;
};

class RecordingView : public CalculatorView {
 public:
  void take_screen() override { events.push_back("take_screen"); }
  void show_message(std::string_view text, std::string_view caption) override {
    messages.push_back({std::string(text), std::string(caption)});
    events.push_back("message");
  }
  void focus_name_box() override { events.push_back("focus_name_box"); }
  void queue_key(HotKey key) override {
    keys.push_back(key);
    events.push_back(key == HotKey::F2 ? "F2" : key == HotKey::F3 ? "F3" : "F8");
  }
  void set_unit_line(std::string_view text) override {
    unit_lines.emplace_back(text);
    events.push_back("unit_line");
  }
  void redraw() override { events.push_back("redraw"); }
  void redraw_name_box() override { events.push_back("redraw_name_box"); }
  void set_busy(bool busy) override { events.push_back(busy ? "busy" : "not_busy"); }

  std::vector<std::string> events;
  std::vector<Message> messages;
  std::vector<HotKey> keys;
  std::vector<std::string> unit_lines;
};

inline std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void spit(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

inline std::filesystem::path data_file(const char* name) {
  return std::filesystem::path(ZQ_TEST_DATA_DIR) / "storage" / name;
}

inline std::size_t entries_in(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

// The design behind the save fixtures (every value distinct from its neighbours).
inline constexpr std::pair<const char*, const char*> kSample[] = {
    {"F", "7.15"},     {"RFR", "1.5"},   {"AF", "0"},        {"RR", "120"},      {"MRR", "98.765"},
    {"CD", "2"},       {"LD", "3"},      {"C", "10.123"},    {"XC", "-1234.5"},  {"BW", "150"},
    {"Q", "47.25"},    {"TL", "14.25"},  {"MBW", "0"},       {"V", "-0.05"},     {"WD", "0.125"},
    {"SP", "0.13"},    {"TPI", "7.69"},  {"EWC", "10.5"},    {"ECC", "2.5"},     {"TCC", "13.003"},
    {"CI", "12.345"},  {"NT", "25.5"},   {"CL", "3.32"},     {"LW", "160.22"},   {"CCL", "6"},
    {"CCD", "1.5"},    {"PWL", "0.8765"}, {"LPW", "0"},      {"PCCD", "2"},      {"PCNT", "0"},
    {"PCWD", "0.125"}, {"RAT", "0.55"},  {"FAC", "1.75"},    {"AE", "45.6789"},  {"DBL", "-3.01"},
    {"SCT", "4.123"},  {"SCL", "0.33"},  {"SCI", "0.3086"},  {"SCD", "1.5"},     {"SCWL", "12.5"},
    {"SCWD", "0.125"}, {"XSC", "13.863"}, {"DPS", "5.5"},    {"MC", "1234.567"}, {"ARR", "120"},
    {"CT", "25"},      {"WR", "1.2345"}, {"XL", "98.1234"},  {"RF", "7.2"}};

inline CalculatorState sample_state(UnitSystem units, const char* name = "726") {
  CalculatorState s = open_calculator(units);
  for (auto [key, text] : kSample) s.record.store(key, Decimal::parse(text));
  s.record.SAVENAME = name;
  return s;
}

// Each test runs in an empty working folder of its own.
class WorkingFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = std::filesystem::temp_directory_path() / ("zq_wf_" + name);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    dir_ = std::filesystem::current_path();  // as the process sees it
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path old_;
  std::filesystem::path dir_;
};

}  // namespace zq::testing
