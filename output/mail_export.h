#pragma once
// The report's mail export: the mail folder and its working files, the HTML
// mail body and the rich-text document that embeds every report page as a
// Windows metafile picture.
#include <cstdint>
#include <iosfwd>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/working_folder.h"

namespace zq {

// Random whole numbers: the run number of a mailing and the picture tag of a document.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A whole number from lo to hi, both included.
  virtual std::int64_t between(std::int64_t lo, std::int64_t hi) = 0;
};

class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  std::int64_t between(std::int64_t lo, std::int64_t hi) override;

 private:
  std::mt19937_64 engine_;
};

// The process-wide source, seeded once from the system's entropy.
RandomSource& system_random();

// Local date and time to the minute, as the document's creation and revision times.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;
  int hour = 0;  // 0..23
  int minute = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() = 0;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalTime t) : time_(t) {}
  LocalTime now() override { return time_; }

 private:
  LocalTime time_;
};

// The computer's clock in local time.
Clock& system_clock();

// Process-wide mail state, shared by both calculator windows. Only one window
// acts at a time, so these are plain values.
struct MailState {
  // Empty until the first report mailing, then the working folder's path and
  // "KP" with a separator after each; it stays there for the rest of the run.
  std::string mail_folder;
  int run_number = 0;  // 11..99, drawn afresh for each report mailing
  // The comparison log as "Email Results" last named it; empty until then.
  std::string results_log_path;
  // Files attached to the report mail besides the report document.
  std::vector<std::string> extra_attachments;
};
MailState& mail_state();

// Makes sure the folder exists, creating missing parents; failures are ignored.
void MakeFolderPath(const std::string& path);
// Fixes the mail folder at the first call (working folder, "KP") and creates it.
void PrepareMailFolder(MailState& state, const std::string& working_folder);

// Draws the run number of a new report mailing.
int DrawRunNumber(RandomSource& random);
// Draws the tag that every picture of one document carries.
std::int64_t DrawPictureTag(RandomSource& random);

// Working files in the mail folder. Each name has one spelling, used by every
// step that touches it, so letter case never splits one file into two.
std::string PageCopyPath(const MailState& state, int page);  // run number, page, ".wmf"
std::string RtfDocumentPath(const MailState& state);         // run number, ".RTF"
std::string ReportAttachmentPath(const MailState& state);    // "Report.RTF"
std::string MailBodyPath(const MailState& state);            // "kp", run number, ".html"

// Everything the document writers need from outside the files.
struct ExportContext {
  const MailState& state;
  RandomSource& random;
  Clock& clock;
};

// Writes the HTML mail body, then builds the rich-text document and, when that
// succeeds, copies it to Report.RTF; when it fails, an earlier Report.RTF is
// removed so that no stale report is mailed. 2 when the body file cannot be
// created (nothing else is done), otherwise 0, also when the document failed.
int WriteMailBody(const std::string& body_file, int page_count, const ExportContext& ctx);

// Writes the rich-text document from the page copies of the current run.
// 0 on success; 1 when a page copy cannot be opened (the document stays
// incomplete); 2 when the page count is 0 or the file cannot be created.
int WriteReportRtf(const std::string& out_file, int page_count, const ExportContext& ctx);

// The same document over any list of page images, with a given tag and time;
// same results (2 for an empty list).
int WriteRtfDocument(const std::string& out_file, const std::vector<std::string>& page_images,
                     std::int64_t picture_tag, const LocalTime& time);

// Appends the hexadecimal text of one page copy (its 22-byte placeable header
// skipped) to the open document. 0, or 1 when the file cannot be opened.
int AppendMetafileHex(std::ostream& out, const std::string& page_copy);

}  // namespace zq
