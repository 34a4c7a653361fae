#include "output/print_zq.h"

#include <random>
#include <system_error>

#include "design/design_record.h"
#include "output/wmf_writer.h"
#include "storage/profile_file.h"

namespace zq::report {
namespace {

std::uint8_t g_email_flag = 0;
ReportMailing& installed_mailing() {
  static ReportMailing mailing;
  return mailing;
}

// A folder of this run's own for the page images, so that two reports never
// share files and discarding them removes nothing else.
std::filesystem::path fresh_page_image_folder() {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) return {};
  std::random_device seed;
  std::mt19937_64 rng(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::filesystem::path folder = base / ("zq-report-" + std::to_string(rng() % 1000000000ULL));
    if (std::filesystem::create_directory(folder, ec) && !ec) return folder;
  }
  return {};
}

// Step 6: the page images are discarded with the report.
void discard_page_images(const std::vector<std::filesystem::path>& files,
                         const std::filesystem::path& own_folder) {
  std::error_code ec;
  for (const auto& f : files) std::filesystem::remove(f, ec);
  if (!own_folder.empty()) std::filesystem::remove_all(own_folder, ec);
}

}  // namespace

std::uint8_t email_flag() { return g_email_flag; }
void set_email_flag(std::uint8_t flag) { g_email_flag = flag; }
void set_report_mailing(ReportMailing mailing) { installed_mailing() = std::move(mailing); }
const ReportMailing& report_mailing() { return installed_mailing(); }

ReportValues read_design_report_values(const std::filesystem::path& design_file,
                                       const ReportClock& clock) {
  // A missing or unreadable file reads as an empty profile: every key is
  // empty. So does the bare working folder that DesignPath names after
  // "Email Results".
  const ProfileFile file = ProfileFile::load(design_file);
  return read_report_values([&](std::string_view key) { return file.get("ZQ", key); }, clock);
}

ComposedReport design_report(const std::filesystem::path& design_file, const ReportClock& clock) {
  const ReportValues values = read_design_report_values(design_file, clock);
  set_metric_flag(values.metric);
  return compose_pages(design_report_layout(values), 1);
}

ReportOutcome PrintZQ(const std::string& designFile, PrintZqServices& s) {
  auto advance = [&](int percent, const std::string& text) {
    return !s.progress || s.progress->advance(percent, text);
  };
  std::vector<std::filesystem::path> page_images;
  std::filesystem::path own_folder;
  auto close_down = [&](ReportOutcome outcome) {
    if (s.progress) s.progress->close();
    discard_page_images(page_images, own_folder);
    return outcome;
  };

  // 1. The progress window, its text line empty.
  if (s.progress) s.progress->open();

  // 2. and 3. Every value again from the file, before the progress window
  // first lets events through: a SAVE key queued by the calculator cannot
  // change the file under the report. The metric flag follows the file.
  const ReportValues values = read_design_report_values(designFile, s.clock);
  set_metric_flag(values.metric);
  if (!advance(25, "")) return close_down(ReportOutcome::Cancelled);

  // 4. The page header and the single detail band make one page.
  const ComposedReport report = compose_pages(design_report_layout(values), 1);
  if (!advance(50, "Page 1")) return close_down(ReportOutcome::Cancelled);

  std::filesystem::path folder = s.page_image_folder;
  if (folder.empty()) folder = own_folder = fresh_page_image_folder();
  if (!folder.empty()) page_images = write_page_images(report, s.pictures, folder, "page");
  if (!advance(100, "Page 1")) return close_down(ReportOutcome::Cancelled);

  // 5. The preview step.
  const PreviewRequest request;
  ReportOutcome outcome = ReportOutcome::Closed;
  PreviewAnswer answer = PreviewAnswer::Close;
  if (s.preview_step) {
    answer = s.preview_step(report, page_images, request);
  } else if (email_flag() == 0) {
    if (s.preview) answer = s.preview->show(report, request);
  } else if (!s.mailing) {
    outcome = ReportOutcome::MailingUnavailable;
  } else if (page_images.size() != report.pages.size()) {
    // A mailing of missing pages would send a document without the report.
    outcome = ReportOutcome::PageImagesFailed;
  } else {
    s.mailing(page_images);
    outcome = ReportOutcome::Mailed;
  }
  if (answer == PreviewAnswer::Printed) outcome = ReportOutcome::Printed;
  if (answer == PreviewAnswer::Print && s.printer && s.printer->print(report))
    outcome = ReportOutcome::Printed;

  // 6. Close down.
  return close_down(outcome);
}

}  // namespace zq::report
