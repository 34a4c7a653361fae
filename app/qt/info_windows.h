#pragma once
// The two information windows: pictures ("pictures") and about ("AboutZQ").
// Each has one button, which closes it.
#include "platform/qt/layout_window.h"

namespace zq::shell {

class PicturesWindow : public qt::LayoutWindow {
  Q_OBJECT
 public:
  explicit PicturesWindow(SettingsManager& settings = settings_manager());
};

class AboutWindow : public qt::LayoutWindow {
  Q_OBJECT
 public:
  explicit AboutWindow(SettingsManager& settings = settings_manager());
};

// Each runs its window until it is closed.
void open_pictures_window();
void open_about_window();

}  // namespace zq::shell
