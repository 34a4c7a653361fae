#include "cli/report_output.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "output/print_zq.h"
#include "output/wmf_writer.h"

namespace zq::cli {
namespace {

ReportRenderHooks& hooks() {
  static ReportRenderHooks h;
  return h;
}

std::string lower_extension(const std::string& file) {
  std::string ext = std::filesystem::path(file).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

}  // namespace

void set_report_render_hooks(ReportRenderHooks h) { hooks() = std::move(h); }
const ReportRenderHooks& report_render_hooks() { return hooks(); }

int write_report_file(const std::string& design_file, const std::string& out_file, std::ostream& err) {
  const std::string ext = lower_extension(out_file);
  if (ext != ".wmf" && ext != ".pdf") {
    err << "zqcalc: --report writes a .pdf or a .wmf file, not '" << out_file << "'\n";
    return 2;
  }
  if (ext == ".pdf" && !hooks().write_pdf) {
    err << "zqcalc: this zqcalc was built without the desktop program, so it writes no PDF; use a .wmf file\n";
    return 2;
  }
  const report::ReportClock clock = hooks().clock ? hooks().clock() : report::system_report_clock();
  const report::ComposedReport report = report::design_report(design_file, clock);
  if (ext == ".pdf") {
    if (hooks().write_pdf(report, out_file)) return 0;
    err << "zqcalc: could not write the report '" << out_file << "'\n";
    return 1;
  }
  const report::PictureSource* pictures = hooks().pictures ? hooks().pictures() : nullptr;
  const std::filesystem::path out(out_file);
  for (std::size_t page = 0; page < report.pages.size(); ++page) {
    std::filesystem::path file = out;
    if (page > 0) file.replace_filename(out.stem().string() + std::to_string(page + 1) + out.extension().string());
    if (!report::write_file_bytes(file, report::page_metafile(report.pages[page], pictures))) {
      err << "zqcalc: could not write the report '" << file.string() << "'\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace zq::cli
