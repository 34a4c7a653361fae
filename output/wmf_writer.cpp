#include "output/wmf_writer.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>
#include <tuple>

namespace zq::report {
namespace {

// Record functions of the metafile format.
enum : std::uint16_t {
  kEof = 0x0000,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetTextAlign = 0x012E,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kRectangle = 0x041B,
  kExtTextOut = 0x0A32,
  kStretchDib = 0x0F43,
};

constexpr std::uint16_t kMapModeAnisotropic = 8;
constexpr std::uint16_t kTransparent = 1;
constexpr std::uint16_t kOpaque = 2;
constexpr std::uint16_t kAlignLeftTop = 0;
constexpr std::uint16_t kPenSolid = 0;
constexpr std::uint16_t kPenNull = 5;
constexpr std::uint16_t kBrushSolid = 0;
constexpr std::uint16_t kBrushNull = 1;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

void put16(std::vector<std::uint8_t>& out, int v) {
  const auto u = static_cast<std::uint16_t>(v);
  out.push_back(static_cast<std::uint8_t>(u & 0xFF));
  out.push_back(static_cast<std::uint8_t>(u >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, static_cast<int>(v & 0xFFFF));
  put16(out, static_cast<int>(v >> 16));
}

// A coordinate as the format holds it: a signed 16-bit number.
int coord(int v) { return std::clamp(v, -32768, 32767); }

// The texts of the program are UTF-8; a metafile holds Windows-1252 (ANSI)
// text. Characters outside Latin-1 become "?".
std::string to_ansi(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    std::uint32_t cp = 0;
    int extra = 0;
    if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
    else { out.push_back('?'); ++i; continue; }
    ++i;
    for (int k = 0; k < extra && i < text.size(); ++k, ++i)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    out.push_back(cp >= 0xA0 && cp <= 0xFF ? static_cast<char>(cp) : '?');
  }
  return out;
}

class MetafileBuilder {
 public:
  explicit MetafileBuilder(const Page& page) : page_(page) {}

  std::vector<std::uint8_t> finish() {
    for (int handle = 0; handle < object_count_; ++handle) record(kDeleteObject, {handle});
    record(kEof, {});
    std::vector<std::uint8_t> out;
    out.reserve(kPlaceableHeaderSize + 18 + body_.size());
    // Placeable header: bounding box of the whole page, 1000 units per inch.
    put32(out, kPlaceableKey);
    put16(out, 0);  // handle, always 0 in a file
    put16(out, 0);
    put16(out, 0);
    put16(out, coord(page_.width));
    put16(out, coord(page_.height));
    put16(out, kMetafileUnitsPerInch);
    put32(out, 0);
    put16(out, placeable_checksum(out.data()));
    // Metafile header: a memory metafile of version 3.
    const std::size_t words = (18 + body_.size()) / 2;
    put16(out, 1);
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, static_cast<std::uint32_t>(words));
    put16(out, object_count_);
    put32(out, max_record_words_);
    put16(out, 0);
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
  }

  void begin_page() {
    record(kSetMapMode, {kMapModeAnisotropic});
    record(kSetWindowOrg, {0, 0});
    record(kSetWindowExt, {coord(page_.height), coord(page_.width)});
    record(kSetBkMode, {kTransparent});
    record32(kSetTextColor, kBlack);
    record(kSetTextAlign, {kAlignLeftTop});
  }

  void box(const Rect& r, bool fill) {
    select_pen(true);
    select_brush(fill);
    rectangle(r.x, r.y, r.x + r.w, r.y + r.h);
  }

  void group_frame(const Element& e) {
    const int drop = group_line_drop(e.font);
    select_pen(true);
    select_brush(false);
    rectangle(e.rect.x, e.rect.y + drop, e.rect.x + e.rect.w, e.rect.y + e.rect.h);
    // The caption stands on a white ground that breaks the top edge.
    record(kSetBkMode, {kOpaque});
    record32(kSetBkColor, kWhite);
    text(e.rect.x + kGroupCaptionIndent, e.rect.y, e.text, e.font);
    record(kSetBkMode, {kTransparent});
  }

  void page_ground() {
    select_pen(false);
    select_brush(true);
    rectangle(0, 0, page_.width, page_.height);
  }

  // A text with its top-left corner at (x, y). With `advances` (one per
  // character) every character is placed exactly, whatever font the viewer
  // substitutes.
  void text(int x, int y, const std::string& utf8, const Font& font,
            const std::vector<int>& advances = {}) {
    const std::string s = to_ansi(utf8).substr(0, 8000);
    if (s.empty()) return;
    select_font(font);
    std::vector<std::uint8_t> params;
    put16(params, coord(y));
    put16(params, coord(x));
    put16(params, static_cast<int>(s.size()));
    put16(params, 0);  // no clipping rectangle, no opaque rectangle
    params.insert(params.end(), s.begin(), s.end());
    if (params.size() % 2) params.push_back(0);
    if (advances.size() == s.size())
      for (int dx : advances) put16(params, dx);
    raw_record(kExtTextOut, params);
  }

  // A number right-aligned at `right`: its width comes from the character
  // advances, not from the viewer's measuring, so the right edges of a
  // column of values line up in every viewer.
  void number(int right, int y, const std::string& s, const Font& font) {
    std::vector<int> advances;
    int width = 0;
    for (char c : s) {
      advances.push_back(number_advance(c, font));
      width += advances.back();
    }
    text(right - width, y, s, font, advances);
  }

  void picture(const Rect& r, const PictureImage& image) {
    const int row_bytes = (image.width * 3 + 3) & ~3;
    std::vector<std::uint8_t> params;
    put32(params, kSourceCopy);
    put16(params, 0);  // colours are RGB values, not palette indices
    put16(params, image.height);
    put16(params, image.width);
    put16(params, 0);
    put16(params, 0);
    put16(params, coord(r.h));
    put16(params, coord(r.w));
    put16(params, coord(r.y));
    put16(params, coord(r.x));
    // BITMAPINFOHEADER of a bottom-up 24-bit bitmap.
    put32(params, 40);
    put32(params, static_cast<std::uint32_t>(image.width));
    put32(params, static_cast<std::uint32_t>(image.height));
    put16(params, 1);
    put16(params, 24);
    put32(params, 0);
    put32(params, static_cast<std::uint32_t>(row_bytes * image.height));
    put32(params, 3780);  // 96 pixels per inch
    put32(params, 3780);
    put32(params, 0);
    put32(params, 0);
    for (int row = image.height - 1; row >= 0; --row) {
      const std::uint8_t* px = image.rgb.data() + static_cast<std::size_t>(row) * image.width * 3;
      for (int col = 0; col < image.width; ++col, px += 3) {
        params.push_back(px[2]);
        params.push_back(px[1]);
        params.push_back(px[0]);
      }
      for (int pad = image.width * 3; pad < row_bytes; ++pad) params.push_back(0);
    }
    raw_record(kStretchDib, params);
  }

 private:
  void rectangle(int left, int top, int right, int bottom) {
    record(kRectangle, {coord(bottom), coord(right), coord(top), coord(left)});
  }

  void record(std::uint16_t function, std::initializer_list<int> words) {
    std::vector<std::uint8_t> params;
    for (int w : words) put16(params, w);
    raw_record(function, params);
  }
  void record32(std::uint16_t function, std::uint32_t value) {
    std::vector<std::uint8_t> params;
    put32(params, value);
    raw_record(function, params);
  }
  void raw_record(std::uint16_t function, const std::vector<std::uint8_t>& params) {
    const auto words = static_cast<std::uint32_t>(3 + params.size() / 2);
    put32(body_, words);
    put16(body_, function);
    body_.insert(body_.end(), params.begin(), params.end());
    max_record_words_ = std::max(max_record_words_, words);
  }

  // Each distinct font, pen and brush is created once and selected by handle;
  // handles are numbered in order of creation.
  int create(std::uint16_t function, const std::vector<std::uint8_t>& params) {
    raw_record(function, params);
    return object_count_++;
  }
  void select(int handle, int& current) {
    if (handle == current) return;
    record(kSelectObject, {handle});
    current = handle;
  }

  void select_font(const Font& font) {
    const auto key = std::make_tuple(font.family, font.points, font.bold);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
      std::vector<std::uint8_t> p;
      put16(p, -font_height(font));  // negative: the character height, not the cell
      put16(p, 0);
      put16(p, 0);
      put16(p, 0);
      // A face that is bold by name ("Arial Rounded MT Bold") is asked for bold,
      // so a viewer that substitutes it picks a bold face too.
      const bool bold = font.bold || font.family.ends_with(" Bold");
      put16(p, bold ? 700 : 400);
      p.insert(p.end(), {0, 0, 0, 0 /*ANSI*/, 0, 0, 2 /*proof quality*/, 0x22 /*swiss, variable*/});
      std::string face = font.family.substr(0, 31);
      face.resize(32, '\0');
      p.insert(p.end(), face.begin(), face.end());
      it = fonts_.emplace(key, create(kCreateFontIndirect, p)).first;
    }
    select(it->second, current_font_);
  }
  void select_pen(bool visible) {
    int& handle = visible ? pen_solid_ : pen_null_;
    if (handle < 0) {
      std::vector<std::uint8_t> p;
      put16(p, visible ? kPenSolid : kPenNull);
      put16(p, visible ? kFrameLineWidth : 0);
      put16(p, 0);
      put32(p, kBlack);
      handle = create(kCreatePenIndirect, p);
    }
    select(handle, current_pen_);
  }
  void select_brush(bool white) {
    int& handle = white ? brush_white_ : brush_null_;
    if (handle < 0) {
      std::vector<std::uint8_t> p;
      put16(p, white ? kBrushSolid : kBrushNull);
      put32(p, kWhite);
      put16(p, 0);
      handle = create(kCreateBrushIndirect, p);
    }
    select(handle, current_brush_);
  }

  const Page& page_;
  std::vector<std::uint8_t> body_;
  int object_count_ = 0;
  std::uint32_t max_record_words_ = 0;
  std::map<std::tuple<std::string, int, bool>, int> fonts_;
  int pen_solid_ = -1, pen_null_ = -1, brush_white_ = -1, brush_null_ = -1;
  int current_font_ = -1, current_pen_ = -1, current_brush_ = -1;
};

}  // namespace

std::uint16_t placeable_checksum(const std::uint8_t* header) {
  std::uint16_t sum = 0;
  for (int i = 0; i < 10; ++i)
    sum ^= static_cast<std::uint16_t>(header[2 * i] | (header[2 * i + 1] << 8));
  return sum;
}

std::vector<std::uint8_t> page_metafile(const Page& page, const PictureSource* pictures) {
  MetafileBuilder mf(page);
  mf.begin_page();
  // A white page: viewers that size a metafile by what it draws then show
  // the whole page, not just the area the content covers.
  mf.page_ground();
  for (const Element& e : page.elements) {
    switch (e.kind) {
      case ElementKind::Box: mf.box(e.rect, true); break;
      case ElementKind::GroupFrame: mf.group_frame(e); break;
      case ElementKind::Text:
      case ElementKind::Number:
        if (e.align == Align::Right && e.rect.w > 0) mf.number(e.rect.x + e.rect.w, e.rect.y, e.text, e.font);
        else mf.text(e.rect.x, e.rect.y, e.text, e.font);
        break;
      case ElementKind::Picture:
        if (pictures) {
          auto image = pictures->picture(e.text);
          if (image && image->valid() && image->width <= 32767 && image->height <= 32767)
            mf.picture(e.rect, *image);
        }
        break;
    }
  }
  return mf.finish();
}

bool write_file_bytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      out.close();
      if (out) return true;
    }
  }
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return false;
}

std::vector<std::filesystem::path> write_page_images(const ComposedReport& report,
                                                     const PictureSource* pictures,
                                                     const std::filesystem::path& folder,
                                                     const std::string& base_name) {
  std::vector<std::filesystem::path> files;
  int number = 0;
  for (const Page& page : report.pages) {
    std::filesystem::path file = folder / (base_name + std::to_string(++number) + ".wmf");
    if (!write_file_bytes(file, page_metafile(page, pictures))) {
      std::error_code ec;
      for (const auto& written : files) std::filesystem::remove(written, ec);
      return {};
    }
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace zq::report
