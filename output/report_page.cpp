#include "output/report_page.h"

#include <algorithm>
#include <cctype>

namespace zq::report {

const Band* ReportLayout::band(BandKind kind) const {
  for (const Band& b : bands)
    if (b.kind == kind) return &b;
  return nullptr;
}

namespace {

void place(const Band& band, int origin_x, int origin_y, Page& page) {
  for (Element e : band.elements) {
    e.rect.x += origin_x;
    e.rect.y += origin_y;
    page.elements.push_back(std::move(e));
  }
}

Page new_page(const ReportLayout& layout) {
  Page page{layout.page_width, layout.page_height, {}};
  // The page form lies under everything else, so it is drawn first.
  for (BandKind kind : {BandKind::PageForm, BandKind::PageHeader})
    if (const Band* b = layout.band(kind)) place(*b, b->area.x, b->area.y, page);
  return page;
}

void finish_page(const ReportLayout& layout, Page& page) {
  if (const Band* b = layout.band(BandKind::PageFooter)) place(*b, b->area.x, b->area.y, page);
}

}  // namespace

ComposedReport compose_pages(const ReportLayout& layout, int detail_count) {
  ComposedReport report{layout.job_name, {}};
  const Band* detail = layout.band(BandKind::Detail);
  Page page = new_page(layout);
  if (detail) {
    const int height = std::max(detail->detail_height, 0);
    const int per_page = height > 0 ? std::max(detail->area.h / height, 1) : detail_count;
    int on_page = 0;
    for (int i = 0; i < detail_count; ++i) {
      if (on_page == per_page) {
        finish_page(layout, page);
        report.pages.push_back(std::move(page));
        page = new_page(layout);
        on_page = 0;
      }
      place(*detail, detail->area.x, detail->area.y + on_page * height, page);
      ++on_page;
    }
  }
  finish_page(layout, page);
  report.pages.push_back(std::move(page));
  return report;
}

int number_advance(char c, const Font& font) {
  int per_mille = 556;
  if (c == '.' || c == ',' || c == ' ') per_mille = 278;
  else if (c == '-') per_mille = 333;
  return (font_height(font) * per_mille + 500) / 1000;
}

DisplayPicture parse_display_picture(const std::string& picture) {
  DisplayPicture p;
  std::size_t i = 0;
  if (i < picture.size() && (picture[i] == 'n' || picture[i] == 'N')) ++i;
  else return p;
  if (i < picture.size() && picture[i] == '-') {
    p.signed_value = true;
    ++i;
  }
  auto digits = [&](int& out) {
    out = 0;
    while (i < picture.size() && std::isdigit(static_cast<unsigned char>(picture[i])) && out < 1000)
      out = out * 10 + (picture[i++] - '0');
  };
  digits(p.width);
  if (i < picture.size() && picture[i] == '.') {
    ++i;
    digits(p.places);
  }
  p.places = std::min(p.places, 30);
  return p;
}

std::string format_number(const Decimal& value, const DisplayPicture& picture) {
  return value.to_fixed(picture.places);
}

}  // namespace zq::report
