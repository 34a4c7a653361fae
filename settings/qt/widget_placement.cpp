#include "settings/qt/widget_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace zq::qt {

namespace {
// A saved position from a screen that is no longer there would put the window
// out of reach; such a position is not applied.
bool on_some_screen(const QPoint& top_left, const QSize& size) {
  // The strip along the window's top, where the user takes hold of it.
  const QRect strip(top_left, QSize(qMax(size.width(), 50), 20));
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersects(strip)) return true;
  return QGuiApplication::screens().isEmpty();
}
}  // namespace

PlacementTarget::Geometry WidgetPlacement::geometry() const {
  const QPoint position = window_->pos();
  const QSize size = window_->size();
  return {units_.x_du(position.x()), units_.y_du(position.y()), units_.x_du(size.width()),
          units_.y_du(size.height())};
}

void WidgetPlacement::unmaximize() { window_->setWindowState(window_->windowState() & ~Qt::WindowMaximized); }

void WidgetPlacement::move_to(std::optional<int> x, std::optional<int> y) {
  const QPoint now = window_->pos();
  const QPoint target(x ? units_.x_px(*x) : now.x(), y ? units_.y_px(*y) : now.y());
  if (on_some_screen(target, window_->size())) window_->move(target);
}

void WidgetPlacement::resize_to(std::optional<int> width, std::optional<int> height) {
  const QSize now = window_->size();
  window_->resize(width ? units_.x_px(*width) : now.width(), height ? units_.y_px(*height) : now.height());
}

void WidgetPlacement::maximize() { window_->setWindowState(window_->windowState() | Qt::WindowMaximized); }

void restore_placement(std::string_view section, QWidget* window, const DialogUnits& units, bool resizable,
                       SettingsManager& settings) {
  WidgetPlacement placement(window, units, resizable);
  settings.restore_placement(section, placement);
}

void save_placement(std::string_view section, QWidget* window, const DialogUnits& units, bool resizable,
                    SettingsManager& settings) {
  const WidgetPlacement placement(window, units, resizable);
  settings.save_placement(section, placement);
}

}  // namespace zq::qt
