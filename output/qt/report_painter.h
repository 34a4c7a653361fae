#pragma once
// QPainter drawing of finished report pages, for the preview, the printer and
// PDF. Coordinates stay in thousandths of an inch: the painter is scaled to the
// device's resolution.
#include <QFont>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QString>

#include "output/report_page.h"
#include "output/report_pictures.h"

namespace zq::report {

// The report font as Qt draws it, its pixel size in thousandths of an inch.
// "Arial" falls back to Liberation Sans (the same widths); "Arial Rounded MT
// Bold", a bold face by nature, to the closest sans in bold.
QFont report_qfont(const Font& font);

// Draws one page with its top-left corner at the painter's origin, scaled
// from thousandths of an inch by `dots_per_inch`.
void paint_report_page(QPainter& painter, const Page& page, const PictureSource* pictures,
                       double dots_per_inch);

// Draws every page onto a paged device (a QPrinter or QPdfWriter) that the
// caller has set up: full page, portrait. False when painting could not start.
bool paint_report(QPagedPaintDevice& device, const ComposedReport& report, const PictureSource* pictures);

// The report as a PDF file: A4 portrait, one PDF page per report page,
// titled with the job name. False when the file cannot be written.
bool write_report_pdf(const ComposedReport& report, const QString& file, const PictureSource* pictures);

}  // namespace zq::report
