#include "output/qt/report_qt_pictures.h"

#include <QPainter>

namespace zq::report {

PictureImage picture_from_qimage(const QImage& image) {
  PictureImage out;
  if (image.isNull()) return out;
  QImage flat(image.size(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  {
    QPainter p(&flat);
    p.drawImage(0, 0, image);
  }
  out.width = flat.width();
  out.height = flat.height();
  out.rgb.reserve(static_cast<std::size_t>(out.width) * out.height * 3);
  for (int y = 0; y < flat.height(); ++y) {
    const uchar* line = flat.constScanLine(y);
    out.rgb.insert(out.rgb.end(), line, line + out.width * 3);
  }
  return out;
}

QImage qimage_from_picture(const PictureImage& picture) {
  if (!picture.valid()) return {};
  QImage image(picture.width, picture.height, QImage::Format_RGB888);
  for (int y = 0; y < picture.height; ++y)
    std::copy_n(picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3, picture.width * 3,
                image.scanLine(y));
  return image;
}

std::optional<PictureImage> ResourcePictures::picture(const std::string& name) const {
  const QString file = QString::fromStdString(name);
  for (const QString& path : {":/zq/" + file, ":/" + file}) {
    QImage image(path);
    if (!image.isNull()) return picture_from_qimage(image);
  }
  return std::nullopt;
}

}  // namespace zq::report
