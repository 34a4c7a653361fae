#pragma once
// A QWidget's placement through the settings manager, in dialog units of the
// window's font. Position is the window's frame position; size is its client
// area. Only a resizable window is sized.
#include <QWidget>
#include <string_view>

#include "platform/qt/dialog_units.h"
#include "settings/settings_manager.h"

namespace zq::qt {

class WidgetPlacement : public PlacementTarget {
 public:
  WidgetPlacement(QWidget* window, DialogUnits units, bool resizable)
      : window_(window), units_(units), resizable_(resizable) {}
  bool resizable() const override { return resizable_; }
  // A maximized window that was then minimized counts as minimized only.
  bool is_maximized() const override { return window_->isMaximized() && !window_->isMinimized(); }
  bool is_minimized() const override { return window_->isMinimized(); }
  Geometry geometry() const override;
  void unmaximize() override;
  void move_to(std::optional<int> x, std::optional<int> y) override;
  void resize_to(std::optional<int> width, std::optional<int> height) override;
  void maximize() override;

 private:
  QWidget* window_;
  DialogUnits units_;
  bool resizable_;
};

void restore_placement(std::string_view section, QWidget* window, const DialogUnits& units, bool resizable,
                       SettingsManager& settings = settings_manager());
void save_placement(std::string_view section, QWidget* window, const DialogUnits& units, bool resizable,
                    SettingsManager& settings = settings_manager());

}  // namespace zq::qt
