#include "cli/report_rtf.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/report_output.h"
#include "output/mail_export.h"
#include "output/print_zq.h"
#include "output/wmf_writer.h"

namespace zq::cli {
namespace {

namespace fs = std::filesystem;

// A folder of this run's own for the page images.
fs::path fresh_folder() {
  std::error_code ec;
  fs::path base = fs::temp_directory_path(ec);
  if (ec) return {};
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path folder = base / ("zqcalc-rtf-" + std::to_string(system_random().between(0, 999999999)));
    if (fs::create_directory(folder, ec) && !ec) return folder;
  }
  return {};
}

}  // namespace

bool is_rtf_report_name(const std::string& file) {
  std::string ext = fs::path(file).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == ".rtf";
}

int write_report_rtf(const std::string& design_file, const std::string& rtf_file, std::ostream& err) {
  const ReportRenderHooks& hooks = report_render_hooks();
  const report::ReportClock clock = hooks.clock ? hooks.clock() : report::system_report_clock();
  const report::PictureSource* pictures = hooks.pictures ? hooks.pictures() : nullptr;
  const report::ComposedReport composed = report::design_report(design_file, clock);
  fs::path folder = fresh_folder();
  std::vector<fs::path> images;
  if (!folder.empty()) images = report::write_page_images(composed, pictures, folder, "page");
  std::vector<std::string> pages;
  for (const fs::path& p : images) pages.push_back(p.string());
  int result = pages.empty() ? 1
               : WriteRtfDocument(rtf_file, pages, DrawPictureTag(system_random()), system_clock().now());
  std::error_code ec;
  if (!folder.empty()) fs::remove_all(folder, ec);
  if (pages.empty()) {
    err << "zqcalc: could not write the report's page images\n";
    return 1;
  }
  if (result != 0) {
    err << "zqcalc: could not write the report document '" << rtf_file << "'\n";
    return 1;
  }
  return 0;
}

}  // namespace zq::cli
