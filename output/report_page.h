#pragma once
// The report facility's page model: band reports laid out in thousandths of an
// inch, with no drawing code in them. A ReportLayout describes the bands (page
// header, detail, page footer, page form) and the elements inside each band;
// compose_pages() runs the band engine over it and gives finished pages whose
// elements sit at absolute page positions. The renderers (the metafile writer
// in wmf_writer.h, the QPainter renderer in output/qt/) only draw finished pages.
#include <cstdint>
#include <string>
#include <vector>

#include "design/decimal.h"

namespace zq::report {

// A rectangle in thousandths of an inch. A width or height of 0 means the
// element takes the natural size of its text.
struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
  std::string family = "Arial";
  int points = 10;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class ElementKind : std::uint8_t {
  Text,        // a text at its top-left corner, or aligned in its rectangle
  Number,      // a value formatted by its display picture, right-aligned in its field
  Box,         // a rectangle with a black border and a white fill
  GroupFrame,  // a frame with its caption breaking the top edge at the left
  Picture,     // an embedded picture by resource name, stretched to its rectangle
};

enum class Align : std::uint8_t { Left, Right };

struct Element {
  ElementKind kind = ElementKind::Text;
  Rect rect;
  std::string text;     // the text, the caption, or the picture's resource name
  Font font;
  Align align = Align::Left;
  std::string picture;  // Number only: the display picture it was formatted with, "n-10.3"
  friend bool operator==(const Element&, const Element&) = default;
};

enum class BandKind : std::uint8_t { PageHeader, Detail, PageFooter, PageForm };

struct Band {
  BandKind kind = BandKind::PageHeader;
  // Where the band sits on the page. For the detail band this is the detail
  // area, which the band engine fills with one band of `detail_height` per record.
  Rect area;
  int detail_height = 0;
  std::vector<Element> elements;  // positions relative to the band's top-left corner
};

struct ReportLayout {
  std::string job_name;  // the print job's name
  int page_width = 0;    // the page, portrait, thousandths of an inch
  int page_height = 0;
  std::vector<Band> bands;

  const Band* band(BandKind kind) const;
};

// How the renderers draw the element kinds, so that every renderer gives the
// same page. Sizes in thousandths of an inch.
inline constexpr int kFrameLineWidth = 10;     // borders of boxes and group frames
inline constexpr int kGroupCaptionIndent = 80; // caption start, from the frame's left edge
// A font's character height (the em) for its point size.
inline int font_height(const Font& font) { return (font.points * 1000 + 36) / 72; }
// How far below its top a group frame's border runs: through the caption's middle.
inline int group_line_drop(const Font& font) { return (font_height(font) * 23 + 20) / 40; }

// The advance of a character of a number, in thousandths of an inch: Arial's
// widths (digits 0.556 em, point and comma 0.278, minus 0.333, regular and
// bold alike), which the metafile writer gives with every number so that
// right-aligned values do not depend on the viewer's font.
int number_advance(char c, const Font& font);

// One finished page: every element at its absolute position on the page.
struct Page {
  int width = 0;
  int height = 0;
  std::vector<Element> elements;
};

struct ComposedReport {
  std::string job_name;
  std::vector<Page> pages;
};

// The band engine: page form, page header and page footer on every page, and
// `detail_count` detail bands stacked down the detail area, starting a new page
// when the next band would not fit. At least one page is produced.
ComposedReport compose_pages(const ReportLayout& layout, int detail_count);

// A display picture "n-W.P": W characters wide, P decimals ("n-10" has none),
// "-" allowing a leading minus sign.
struct DisplayPicture {
  int width = 0;
  int places = 0;
  bool signed_value = false;
};
// A picture that does not parse reads as width 0, places 0.
DisplayPicture parse_display_picture(const std::string& picture);

// The value as its picture shows it: rounded to the picture's places (halves
// away from zero), exactly that many decimals, a leading "-" when negative.
// A value too wide for its field is still shown whole: the field only fixes
// where the right edge goes, and a cut number would be a wrong number.
std::string format_number(const Decimal& value, const DisplayPicture& picture);

}  // namespace zq::report
