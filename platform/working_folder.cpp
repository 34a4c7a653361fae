#include "platform/working_folder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zq {

std::filesystem::path working_folder() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path() : p;
}

std::string working_folder_short_path() {
#ifdef _WIN32
  char long_path[MAX_PATH];
  DWORD n = GetCurrentDirectoryA(MAX_PATH, long_path);
  if (n == 0 || n >= MAX_PATH) return {};
  char short_path[MAX_PATH];
  DWORD m = GetShortPathNameA(long_path, short_path, MAX_PATH);
  if (m == 0 || m >= MAX_PATH) return std::string(long_path);
  return std::string(short_path);
#else
  return working_folder().string();
#endif
}

std::string path_in_working_folder(std::string_view name) {
  std::string path = working_folder_short_path();
  // A folder that cannot be named (removed while in use): the bare name, which
  // then fails to open rather than landing in the root folder.
  if (path.empty()) return std::string(name);
  // A root folder already ends in the separator ("/", "C:\").
  if (path.back() != kPathSeparator) path += kPathSeparator;
  path += name;
  return path;
}

bool move_working_folder_to_file(const std::filesystem::path& chosen_file) {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::absolute(chosen_file, ec).parent_path();
  if (ec || folder.empty()) return false;
  std::filesystem::current_path(folder, ec);
  return !ec;
}

}  // namespace zq
