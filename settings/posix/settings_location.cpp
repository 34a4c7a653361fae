#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "settings/settings_location.h"

namespace zq {

std::filesystem::path settings_folder() {
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
    return std::filesystem::path(config) / "zq";
  std::filesystem::path home;
  if (const char* env = std::getenv("HOME"); env && *env) {
    home = env;
  } else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) {
    home = user->pw_dir;
  }
  return home / ".config" / "zq";
}

}  // namespace zq
