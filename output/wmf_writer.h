#pragma once
// Page images: one placeable Windows metafile per finished report page.
//
// A page image starts with the 22-byte placeable header (key 0x9AC6CDD7, the
// page's bounding box in thousandths of an inch, 1000 units per inch and the
// XOR checksum of its first ten words), then the metafile header and records:
// map mode and window, fonts, pens and brushes, text, rectangles, the pictures
// as 24-bit device-independent bitmaps, and the end record. The report mailing
// skips the 22 placeable bytes and embeds the rest as the page's picture, so
// the logical units stay thousandths of an inch throughout.
//
//   std::vector<std::filesystem::path> files =
//       zq::report::write_page_images(report, &pictures, folder, "page");
//   // folder/page1.wmf, folder/page2.wmf, ... in page order
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "output/report_page.h"
#include "output/report_pictures.h"

namespace zq::report {

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
inline constexpr int kPlaceableHeaderSize = 22;
inline constexpr int kMetafileUnitsPerInch = 1000;

// The XOR of the first ten 16-bit little-endian words of a placeable header.
std::uint16_t placeable_checksum(const std::uint8_t* header);

// The complete metafile of one page; `pictures` may be null (no pictures drawn).
std::vector<std::uint8_t> page_metafile(const Page& page, const PictureSource* pictures);

// Writes `bytes` to `file`, replacing it; false when it cannot be written
// (a partly written file is removed).
bool write_file_bytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// Writes one metafile per page as folder/<base_name><page number>.wmf, page 1
// first, and returns their paths in page order. When any page cannot be
// written, the pages already written are removed and the result is empty.
std::vector<std::filesystem::path> write_page_images(const ComposedReport& report,
                                                     const PictureSource* pictures,
                                                     const std::filesystem::path& folder,
                                                     const std::string& base_name);

}  // namespace zq::report
