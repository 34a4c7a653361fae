#pragma once
// The report's pictures from the program's embedded resources, decoded by Qt.
#include <QImage>

#include "output/report_pictures.h"

namespace zq::report {

// Looks a picture up among the embedded files (":/zq/<name>"), lays transparent parts over white and gives its pixels.
class ResourcePictures : public PictureSource {
 public:
  std::optional<PictureImage> picture(const std::string& name) const override;
};

// Pixels of a QImage (transparent parts over white), and back.
PictureImage picture_from_qimage(const QImage& image);
QImage qimage_from_picture(const PictureImage& picture);

}  // namespace zq::report
