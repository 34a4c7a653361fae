#pragma once
// PrintZQ: the design report of one design file, previewed and printed or
// handed to the report mailing as page images.
//
// How callers use it
// ------------------
// The calculator windows start it through report_buttons.h, with
// zq::report::run_print_zq(window, file) (output/qt/print_zq_qt.h), which
// supplies the desktop's windows and the installed report mailing: the mail
// facility calls set_report_mailing(...) once at start-up. PrintZQ itself
// takes its windows through the interfaces below, so tests and zqcalc run it
// without a display:
//
//   zq::report::PrintZqServices s;
//   s.progress = &progress_window;     // "Process...", may be null
//   s.preview = &preview_window;       // preview mode (email flag 0)
//   s.printer = &printer;              // when the preview answers Print
//   s.mailing = [](const std::vector<std::filesystem::path>& page_images) {
//     // e-mail mode (email flag not 0): the report mailing receives one
//     // placeable metafile per page, page 1 first. The files are removed when
//     // PrintZQ returns, so the mailing copies what it keeps before returning.
//   };
//   s.pictures = &pictures;            // the embedded logo and schematic
//   zq::report::PrintZQ("726.INI", s);
//
// The preview step
// ----------------
// After the page images are written, PrintZQ runs the preview step with
// PreviewRequest{100 % zoom, page 1, 1 page across, 1 down}. By default that is:
//   - email flag 0: preview->show(report, request); on PreviewAnswer::Print the
//     pages go to printer->print(report);
//   - email flag not 0: mailing(page_images); nothing is shown or printed. With
//     no mailing installed the outcome is MailingUnavailable (never a pretended
//     success).
// A replacement step (PrintZqServices::preview_step) takes over both modes.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "output/design_report.h"
#include "output/report_page.h"
#include "output/report_pictures.h"

namespace zq::report {

// The process-wide email flag: 1 while the report runs for e-mail, 0 for
// preview and print. Set only by the two calculator buttons.
std::uint8_t email_flag();
void set_email_flag(std::uint8_t flag);

// The progress window "Process...".
class ReportProgress {
 public:
  virtual ~ReportProgress() = default;
  // Shows the window at the placement kept under "PrintZQ", its text line empty.
  virtual void open() = 0;
  // Shows how far the report has come; false when the user has pressed Cancel.
  virtual bool advance(int percent, const std::string& text) = 0;
  // Saves the placement under "PrintZQ" and closes the window.
  virtual void close() = 0;
};

struct PreviewRequest {
  int zoom_percent = 100;
  int first_page = 1;
  int pages_across = 1;
  int pages_down = 1;
};

enum class PreviewAnswer : std::uint8_t {
  Close,    // nothing is printed
  Print,    // PrintZQ sends the pages to the printer
  Printed,  // the preview window printed them from its own Print button
};

class ReportPreviewWindow {
 public:
  virtual ~ReportPreviewWindow() = default;
  virtual PreviewAnswer show(const ComposedReport& report, const PreviewRequest& request) = 0;
};

class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;
  // True when the job was handed to the printer.
  virtual bool print(const ComposedReport& report) = 0;
};

using ReportMailing = std::function<void(const std::vector<std::filesystem::path>& page_images)>;
using PreviewStep = std::function<PreviewAnswer(
    const ComposedReport& report, const std::vector<std::filesystem::path>& page_images,
    const PreviewRequest& request)>;

// The report mailing that e-mail mode hands its page images to; the mail
// facility installs it once at start-up. Empty until then.
void set_report_mailing(ReportMailing mailing);
const ReportMailing& report_mailing();

struct PrintZqServices {
  ReportProgress* progress = nullptr;
  ReportPreviewWindow* preview = nullptr;
  ReportPrinter* printer = nullptr;
  ReportMailing mailing;
  PreviewStep preview_step;  // replaces the standard step when set
  const PictureSource* pictures = nullptr;
  ReportClock clock = system_report_clock();
  // Where the page images are written; empty: a fresh folder in the system's
  // temporary folder, removed again when PrintZQ returns.
  std::filesystem::path page_image_folder;
};

enum class ReportOutcome : std::uint8_t {
  Closed,              // previewed, nothing printed
  Printed,             // previewed and printed
  Mailed,              // the page images went to the report mailing
  Cancelled,           // Cancel in the progress window: no preview, print or mail
  MailingUnavailable,  // e-mail mode with no report mailing installed
  PageImagesFailed,    // e-mail mode, but the page images could not be written
};

// The values PrintZQ shows for a design file, read as its step 2 reads them.
ReportValues read_design_report_values(const std::filesystem::path& design_file,
                                       const ReportClock& clock);

// The finished report of a design file: sets the metric flag from the file,
// as PrintZQ does, and composes the page. For zqcalc and tests.
ComposedReport design_report(const std::filesystem::path& design_file, const ReportClock& clock);

// Runs the report of `designFile` (a path without a folder is taken in the
// working folder). The callers use no result; the outcome is for tests and logs.
ReportOutcome PrintZQ(const std::string& designFile, PrintZqServices& services);

}  // namespace zq::report
