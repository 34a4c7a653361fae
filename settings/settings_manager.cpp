#include "settings/settings_manager.h"

#include <charconv>
#include <ios>
#include <system_error>

#include "settings/settings_location.h"
#include "storage/profile_file.h"

namespace zq {

namespace {
// A whole number at the start of the value; nullopt when there is none.
std::optional<int> whole_number(const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

const char* yes_no(bool flag) { return flag ? "Yes" : "No"; }

// An unreadable settings file (a folder in its place, a read error) counts as
// empty: placement is then simply not restored, and the user sees no message.
ProfileFile read_settings(const std::filesystem::path& path) {
  try {
    return ProfileFile::load(path);
  } catch (const std::ios_base::failure&) {
    return ProfileFile();
  }
}
}  // namespace

std::filesystem::path settings_file_path(std::string_view file_name) {
  const std::filesystem::path name(file_name);
  if (name.has_parent_path()) return name;
  return settings_folder() / name;
}

void SettingsManager::open(std::string_view file_name) {
  path_ = settings_file_path(file_name);
  std::error_code ignored;
  std::filesystem::create_directories(path_.parent_path(), ignored);
  open_ = true;
}

void SettingsManager::restore_placement(std::string_view section, PlacementTarget& window) const {
  if (!open_) return;
  const ProfileFile file = read_settings(path_);
  const std::string maximize = file.get(section, "Maximize");
  if (maximize != "Yes" && maximize != "No") return;
  const auto x = whole_number(file.get(section, "XPos"));
  const auto y = whole_number(file.get(section, "YPos"));
  const auto width = whole_number(file.get(section, "Width"));
  const auto height = whole_number(file.get(section, "Height"));
  if (maximize == "No" && window.is_maximized()) window.unmaximize();
  if (x || y) window.move_to(x, y);
  if (window.resizable() && (width || height)) window.resize_to(width, height);
  if (maximize == "Yes" && !window.is_maximized()) window.maximize();
}

void SettingsManager::save_placement(std::string_view section, const PlacementTarget& window) {
  if (!open_) return;
  const bool maximized = window.is_maximized();
  const bool minimized = window.is_minimized();
  const bool normal = !maximized && !minimized;
  const bool sized = normal && window.resizable();
  const PlacementTarget::Geometry geometry = window.geometry();

  ProfileFile file = read_settings(path_);
  file.set(section, "Maximize", yes_no(maximized));
  file.set(section, "Minimize", yes_no(minimized));
  // An empty value deletes the key.
  file.set(section, "XPos", normal ? std::to_string(geometry.x) : std::string());
  file.set(section, "YPos", normal ? std::to_string(geometry.y) : std::string());
  file.set(section, "Width", sized ? std::to_string(geometry.width) : std::string());
  file.set(section, "Height", sized ? std::to_string(geometry.height) : std::string());
  file.save(path_);
}

void SettingsManager::close() {
  if (!open_) return;
  ProfileFile file = read_settings(path_);
  file.set(kBookkeepingSection, "Sectors", "0");
  file.save(path_);
  open_ = false;
}

SettingsManager& settings_manager() {
  static SettingsManager manager;
  return manager;
}

}  // namespace zq
