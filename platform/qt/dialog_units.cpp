#include "platform/qt/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace zq::qt {

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  const double average =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
  x_ = average > 0 ? average / 4.0 : 1.0;
  const double height = std::ceil(metrics.height());
  y_ = height > 0 ? height / 8.0 : 1.0;
}

int DialogUnits::x_px(int du) const { return static_cast<int>(std::lround(du * x_)); }
int DialogUnits::y_px(int du) const { return static_cast<int>(std::lround(du * y_)); }

QRect DialogUnits::to_px(const layout::Rect& rect) const {
  return QRect(x_px(rect.x), y_px(rect.y), x_px(rect.width), y_px(rect.height));
}

QSize DialogUnits::to_px(const layout::Size& size) const {
  return QSize(x_px(size.width), y_px(size.height));
}

int DialogUnits::x_du(int px) const { return static_cast<int>(std::lround(px / x_)); }
int DialogUnits::y_du(int px) const { return static_cast<int>(std::lround(px / y_)); }

QFont make_font(const layout::Font& font, const QFont& base) {
  QFont result = base;
  if (!font.family.empty()) {
    const QString family = QString::fromUtf8(font.family.data(), static_cast<qsizetype>(font.family.size()));
    result.setFamily(family);
    // Families this system may lack fall back to the closest installed sans.
    result.setStyleHint(QFont::SansSerif);
    if (family.contains(QLatin1String("Bold"))) result.setBold(true);
  }
  if (font.points > 0) result.setPointSize(font.points);
  if (font.bold) result.setBold(true);
  return result;
}

}  // namespace zq::qt
