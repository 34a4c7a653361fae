#pragma once
// Pictures for the report renderers. The report names its pictures by the
// resource names the program carries them under ("ZQ_logo_small.gif",
// "ZQSchematic.bmp"); a PictureSource turns a name into pixels. The desktop
// program decodes its embedded resources (output/qt/report_qt_pictures.h);
// tests hand in generated pixels.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zq::report {

// Pixels in rows from top to bottom, three bytes per pixel: red, green, blue.
// Transparent parts of a picture arrive already laid over white.
struct PictureImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  bool valid() const {
    return width > 0 && height > 0 &&
           rgb.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
  }
};

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // nullopt when the program carries no picture of that name; the renderers
  // then leave the picture's place empty.
  virtual std::optional<PictureImage> picture(const std::string& name) const = 0;
};

}  // namespace zq::report
