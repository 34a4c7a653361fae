#include <windows.h>

#include "settings/settings_location.h"

namespace zq {

std::filesystem::path settings_folder() {
  char folder[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return std::filesystem::path("C:\\Windows");
  return std::filesystem::path(folder);
}

}  // namespace zq
