#include "output/qt/report_painter.h"

#include <QFontMetrics>
#include <QPdfWriter>

#include "output/qt/report_qt_pictures.h"

namespace zq::report {

QFont report_qfont(const Font& font) {
  QFont f;
  QStringList families{QString::fromStdString(font.family)};
  bool bold = font.bold;
  if (font.family == "Arial Rounded MT Bold") bold = true;
  families << "Arial" << "Liberation Sans" << "DejaVu Sans";
  f.setFamilies(families);
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(font_height(font));
  f.setBold(bold);
  // Metrics at the drawn size, not snapped to screen pixels of 1/1000 inch.
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

namespace {

QRectF text_box(const QFontMetricsF& fm, const Element& e) {
  const double w = e.rect.w > 0 ? e.rect.w : fm.horizontalAdvance(QString::fromStdString(e.text)) + 1;
  const double h = e.rect.h > 0 ? e.rect.h : fm.height();
  return QRectF(e.rect.x, e.rect.y, w, h);
}

void draw_text(QPainter& p, const Element& e) {
  const QFont font = report_qfont(e.font);
  p.setFont(font);
  const QFontMetricsF fm(font, p.device());
  const QString text = QString::fromStdString(e.text);
  const Qt::Alignment align =
      Qt::AlignTop | (e.align == Align::Right && e.rect.w > 0 ? Qt::AlignRight : Qt::AlignLeft);
  // A text wider or taller than its box is still drawn whole.
  p.drawText(text_box(fm, e), align | Qt::TextDontClip | Qt::TextSingleLine, text);
}

}  // namespace

void paint_report_page(QPainter& p, const Page& page, const PictureSource* pictures, double dpi) {
  p.save();
  p.scale(dpi / 1000.0, dpi / 1000.0);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  QPen line(Qt::black);
  line.setWidthF(kFrameLineWidth);
  line.setJoinStyle(Qt::MiterJoin);
  for (const Element& e : page.elements) {
    const QRectF r(e.rect.x, e.rect.y, e.rect.w, e.rect.h);
    switch (e.kind) {
      case ElementKind::Box:
        p.setPen(line);
        p.setBrush(Qt::white);
        p.drawRect(r);
        break;
      case ElementKind::GroupFrame: {
        const int drop = group_line_drop(e.font);
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r.x(), r.y() + drop, r.width(), r.height() - drop));
        Element caption = e;
        caption.rect = {e.rect.x + kGroupCaptionIndent, e.rect.y, 0, 0};
        const QFont font = report_qfont(e.font);
        const QFontMetricsF fm(font, p.device());
        p.fillRect(text_box(fm, caption), Qt::white);
        p.setPen(Qt::black);
        draw_text(p, caption);
        break;
      }
      case ElementKind::Text:
      case ElementKind::Number:
        p.setPen(Qt::black);
        draw_text(p, e);
        break;
      case ElementKind::Picture:
        if (pictures) {
          if (auto img = pictures->picture(e.text); img && img->valid()) p.drawImage(r, qimage_from_picture(*img));
        }
        break;
    }
  }
  p.restore();
}

bool paint_report(QPagedPaintDevice& device, const ComposedReport& report, const PictureSource* pictures) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  bool first = true;
  for (const Page& page : report.pages) {
    if (!first) device.newPage();
    first = false;
    paint_report_page(painter, page, pictures, device.logicalDpiX());
  }
  return painter.end();
}

bool write_report_pdf(const ComposedReport& report, const QString& file, const PictureSource* pictures) {
  QPdfWriter pdf(file);
  pdf.setResolution(1200);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Portrait);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setTitle(QString::fromStdString(report.job_name));
  pdf.setCreator(QStringLiteral("ZQ antenna designer"));
  return paint_report(pdf, report, pictures);
}

}  // namespace zq::report
