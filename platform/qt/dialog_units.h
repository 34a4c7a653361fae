#pragma once
// Dialog units of a window's font: x px = du × average character width / 4,
// y px = du × font height / 8. The average character width is the mean advance
// of the 52 letters A-Z, a-z.
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/layout.h"

namespace zq::qt {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(double px_per_du_x, double px_per_du_y) : x_(px_per_du_x), y_(px_per_du_y) {}

  int x_px(int du) const;
  int y_px(int du) const;
  QRect to_px(const layout::Rect& rect) const;
  QSize to_px(const layout::Size& size) const;
  // Pixels back to whole dialog units, to nearest, so du → px → du gives the same du.
  int x_du(int px) const;
  int y_du(int px) const;

  double px_per_du_x() const { return x_; }
  double px_per_du_y() const { return y_; }

 private:
  double x_ = 1;
  double y_ = 1;
};

// The QFont of a layout font; an empty family or 0 points takes `base`'s.
QFont make_font(const layout::Font& font, const QFont& base);

}  // namespace zq::qt
