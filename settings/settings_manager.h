#pragma once
// The settings manager: remembers where each window was. One object for the
// whole program (settings_manager()), opened at start-up with "zq.INI" and
// closed at shutdown. A window restores its placement from the section named
// after its procedure name when it opens, and saves it there when it closes.
//
// Keys of a window's section, written in this order:
//   Maximize  "Yes"/"No"        always
//   Minimize  "Yes"/"No"        always
//   XPos YPos  dialog units     only when neither maximized nor minimized (else deleted)
//   Width Height dialog units   as XPos, and only for a resizable window (else deleted)
// Close() writes "__Dont_Touch_Me__" / "Sectors" = "0".
//
// Nothing is cached: every restore reads the file, every save reads it once
// and writes it back once, atomically. Failed writes are ignored.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// A window as the settings manager sees it; every figure in dialog units of
// the window's font. The Qt binding is in settings/qt/widget_placement.h.
class PlacementTarget {
 public:
  struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };
  virtual ~PlacementTarget() = default;
  virtual bool resizable() const = 0;
  virtual bool is_maximized() const = 0;
  virtual bool is_minimized() const = 0;
  virtual Geometry geometry() const = 0;
  virtual void unmaximize() = 0;
  // Moves (or resizes) along the coordinates that have a value only.
  virtual void move_to(std::optional<int> x, std::optional<int> y) = 0;
  virtual void resize_to(std::optional<int> width, std::optional<int> height) = 0;
  virtual void maximize() = 0;
};

inline constexpr std::string_view kSettingsFileName = "zq.INI";
inline constexpr std::string_view kBookkeepingSection = "__Dont_Touch_Me__";

class SettingsManager {
 public:
  // A name without a folder lives in the settings folder (settings_location.h).
  void open(std::string_view file_name);
  bool is_open() const { return open_; }
  const std::filesystem::path& path() const { return path_; }

  // Applies the section's saved placement; a missing file or section, or a
  // "Maximize" that is neither "Yes" nor "No", leaves the window as it is.
  void restore_placement(std::string_view section, PlacementTarget& window) const;
  void save_placement(std::string_view section, const PlacementTarget& window);

  // Writes the bookkeeping entry and closes.
  void close();

 private:
  std::filesystem::path path_;
  bool open_ = false;
};

// The program's one settings manager.
SettingsManager& settings_manager();

}  // namespace zq
