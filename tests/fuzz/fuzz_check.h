#pragma once
// What the fuzz harnesses share: a check that stops the run with the failed
// condition (libFuzzer then saves the input), and a scratch file per process.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#define ZQ_FUZZ_CHECK(condition)                                                   \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (0)

namespace zq::fuzz {

// A folder of this process's own under the temporary folder, removed when
// the process ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code ec;
    dir_ = std::filesystem::temp_directory_path(ec);
    if (ec) dir_ = ".";
    dir_ /= "zq-fuzz-" + std::to_string(static_cast<long>(::getpid()));
    std::filesystem::create_directories(dir_, ec);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path file(const char* name) const { return dir_ / name; }

 private:
  std::filesystem::path dir_;
};

inline std::filesystem::path scratch_file(const char* name) {
  static const ScratchFolder folder;
  return folder.file(name);
}

}  // namespace zq::fuzz
