#pragma once
// zqcalc --report FILE: the design report of a design file, written as page
// images (FILE.wmf, one placeable metafile per page) or as PDF (FILE.pdf).
// The metafile writer is the core's own; PDF and the embedded pictures need
// Qt, which zqcalc's desktop build installs here at start-up (cli/qt/), so the
// core library never calls Qt itself.
#include <functional>
#include <iosfwd>
#include <string>

#include "output/design_report.h"
#include "output/report_page.h"
#include "output/report_pictures.h"

namespace zq::cli {

struct ReportRenderHooks {
  // Writes the report as PDF; true on success. Empty: no PDF in this build.
  std::function<bool(const report::ComposedReport&, const std::string& file)> write_pdf;
  // The embedded pictures; null: the pictures' places stay empty.
  std::function<const report::PictureSource*()> pictures;
  // Today's date in the system's short format; empty: the C library's.
  std::function<report::ReportClock()> clock;
};
void set_report_render_hooks(ReportRenderHooks hooks);
const ReportRenderHooks& report_render_hooks();

// Writes the report of `design_file` to `out_file` (".wmf" or ".pdf", any
// letter case). A metafile report of several pages writes page 1 to
// `out_file` and page N to "<stem>N.wmf" beside it. Like PrintZQ it sets the
// metric flag from the file. Returns 0, 1 when the file cannot be written,
// 2 for an unknown extension or a PDF this build cannot make.
int write_report_file(const std::string& design_file, const std::string& out_file, std::ostream& err);

}  // namespace zq::cli
