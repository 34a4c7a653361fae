#include "app/qt/info_windows.h"

#include "app/shell_layouts.h"

namespace zq::shell {

PicturesWindow::PicturesWindow(SettingsManager& settings)
    : LayoutWindow(pictures_layout(), std::string(kPicturesProcedure), {}, settings) {
  if (QAbstractButton* close_button = button("?OKBUTTON"))
    connect(close_button, &QAbstractButton::clicked, this, &QWidget::close);
}

AboutWindow::AboutWindow(SettingsManager& settings)
    : LayoutWindow(about_layout(), std::string(kAboutProcedure), {}, settings) {
  if (QAbstractButton* close_button = button("?OKBUTTON"))
    connect(close_button, &QAbstractButton::clicked, this, &QWidget::close);
}

void open_pictures_window() {
  PicturesWindow window;
  window.run();
}

void open_about_window() {
  AboutWindow window;
  window.run();
}

}  // namespace zq::shell
