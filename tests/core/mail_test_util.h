#pragma once
// Helpers for the mail tests: a scratch folder, whole-file reads, scripted draws.
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "output/mail_export.h"

namespace zq::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("zq-mail-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string data_file(const std::string& name) {
  return std::string(ZQ_TEST_DATA_DIR) + "/mail/" + name;
}

// Answers each draw with the next scripted value and remembers the ranges asked for.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<std::int64_t> values) : values_(values.begin(), values.end()) {}
  std::int64_t between(std::int64_t lo, std::int64_t hi) override {
    ranges.emplace_back(lo, hi);
    std::int64_t v = values_.empty() ? lo : values_.front();
    if (!values_.empty()) values_.pop_front();
    return v;
  }
  std::vector<std::pair<std::int64_t, std::int64_t>> ranges;

 private:
  std::deque<std::int64_t> values_;
};

}  // namespace zq::test
