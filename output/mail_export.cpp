#include "output/mail_export.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

namespace zq {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCrLf = "\r\n";

// Ranges of the random draws.
constexpr int kRunNumberLow = 11;
constexpr int kRunNumberHigh = 99;
constexpr std::int64_t kPictureTagLow = 1111111111;
constexpr std::int64_t kPictureTagHigh = 1410065407;

// The page picture: the report page in thousandths of an inch, brought to
// hundredths of a millimetre by 2.54 (exact: × 254 / 100, fraction dropped)
// and to twips by the goal factor.
constexpr std::int64_t kPageWidth = 8000;
constexpr std::int64_t kPageHeight = 12440;
constexpr std::int64_t kMargin = 197;
constexpr int kPictureScale = 100;
constexpr double kGoalFactor = 0.5669;

constexpr std::int64_t to_hundredths_mm(std::int64_t thousandths_inch) {
  return thousandths_inch * 254 / 100;
}
constexpr std::int64_t kPictureWidth = to_hundredths_mm(kPageWidth);    // 20320
constexpr std::int64_t kPictureHeight = to_hundredths_mm(kPageHeight);  // 31597
constexpr std::int64_t kMarginTwips = to_hundredths_mm(kMargin);        // 500

std::int64_t goal(std::int64_t size) {
  return static_cast<std::int64_t>(static_cast<double>(size) * kGoalFactor);
}

// Mail body pieces; the first five carry their own line break, and every
// piece is written as a line of its own.
constexpr std::string_view kBodyPieces[] = {
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n",
    "<HTML><HEAD>\r\n",
    "<META content=\"text/html; charset=iso-8859-1\" http-equiv=Content-Type>\r\n",
    "<META content=\"MSHTML 5.00.2614.3500\" name=GENERATOR></HEAD>\r\n",
    "<BODY bgColor=#FFFFFF><DIV>\r\n",
    "</DIV></BODY></HTML>",
};

// Document start up to the creation time: character set, Times New Roman and
// its variants for other character sets, the 16 colours, the Normal styles.
constexpr std::string_view kRtfHead =
    "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\stshfdbch0\\stshfloch0\\stshfhich0\\stshfbi0"
    "\\deflang3081\\deflangfe3081"
    "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f36\\froman\\fcharset238\\fprq2 Times New Roman CE;}"
    "{\\f37\\froman\\fcharset204\\fprq2 Times New Roman Cyr;}"
    "{\\f39\\froman\\fcharset161\\fprq2 Times New Roman Greek;}"
    "{\\f40\\froman\\fcharset162\\fprq2 Times New Roman Tur;}"
    "{\\f41\\froman\\fcharset177\\fprq2 Times New Roman (Hebrew);}"
    "{\\f42\\froman\\fcharset178\\fprq2 Times New Roman (Arabic);}"
    "{\\f43\\froman\\fcharset186\\fprq2 Times New Roman Baltic;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
    "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;"
    "\\red255\\green255\\blue0;\\red255\\green255\\blue255;\\red0\\green0\\blue128;"
    "\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;"
    "\\red192\\green192\\blue192;}"
    "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 "
    "\\fs24\\lang3081\\langfe3081\\cgrid\\langnp3081\\langfenp3081 \\snext0 Normal;}"
    "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}"
    "{\\*\\ts11\\tsrowd\\trftsWidthB3\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddft3\\trpaddfb3\\trpaddfr3"
    "\\tscellwidthfts0\\tsvertalt\\tsbrdrt\\tsbrdrl\\tsbrdrb\\tsbrdrr\\tsbrdrdgl\\tsbrdrdgr\\tsbrdrh\\tsbrdrv "
    "\\ql \\li0\\ri0\\widctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 "
    "\\fs20\\lang1024\\langfe1024\\cgrid\\langnp1024\\langfenp1024 \\snext11 \\ssemihidden Normal Table;}}"
    "{\\*\\rsidtbl \\rsid13835495}"
    "{\\*\\generator ZQ Antenna Designer;}"
    "{\\info{\\title   }{\\author ZQ Antenna Designer}{\\operator ZQ Antenna Designer}";

constexpr std::string_view kRtfInfoTail =
    "{\\version1}{\\edmins4}{\\nofpages2}{\\nofwords0}"
    "{\\nofchars2}"
    "{\\*\\company ZQ Antenna Designer}"
    "{\\nofcharsws2}{\\vern16437}}\r\n";

// Document format after the paper size and the left and top margins: the
// right and bottom margins match them, everything else is a plain document.
constexpr std::string_view kRtfDocFormat =
    "\\widowctrl\\ftnbj\\aenddoc\\noxlattoyen\\expshrtn\\noultrlspc\\dntblnsbdb\\nospaceforul"
    "\\margr500\\margb500\\formshade\\horzdoc\\dgmargin\\dghspace180\\dgvspace180"
    "\\dghorigin500\\dgvorigin500\\dghshow1\\dgvshow1\\jexpand\\viewkind1\\viewscale100"
    "\\pgbrdrhead\\pgbrdrfoot\\splytwnine\\ftnlytwnine\\htmautsp\\nolnhtadjtbl\\useltbejstfyrtlcl"
    "\\lytcalctblwd\\lyttblrtgr\\lnbrkrule\\nobrkwrptbl\\snaptogridincell\\allowfieldendsel"
    "\\wrppunct\\asianbrkrule\\rsidroot13835495 \\fet0\\sectd \r\n";

constexpr std::string_view kRtfSection =
    "\\linex0\\headery708\\footery708\\colsx708\\endnhere\\sectlinegrid360\\sectdefaultcl\\sftnbj "
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}"
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}"
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}"
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang {\\pntxta )}}"
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}{\\pntxta )}}"
    "\\pard\\plain \r\n";

// The Normal paragraph, then the group that holds the pictures.
constexpr std::string_view kRtfParagraph =
    "\\ql \\li0\\ri0\\widctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 "
    "\\fs24\\lang3081\\langfe3081\\cgrid\\langnp3081\\langfenp3081 {\\insrsid13835495";

constexpr std::string_view kPictureClosing = "}}{\\insrsid13835495";
constexpr std::string_view kRtfEnding = " \r\n\\par }}";

void write_time(std::ostream& out, std::string_view group, const LocalTime& t) {
  out << '{' << group << "\\yr" << t.year << "\\mo" << t.month << "\\dy" << t.day << "\\hr" << t.hour
      << "\\min" << t.minute << '}';
}

void write_prologue(std::ostream& out, const LocalTime& t) {
  out << kRtfHead;
  write_time(out, "\\creatim", t);
  write_time(out, "\\revtim", t);
  out << kRtfInfoTail;
  out << "\\paperw11909\\paperh16834\\margl" << kMarginTwips << "\\margt" << kMarginTwips;
  out << kRtfDocFormat << kRtfSection << kRtfParagraph;
}

void write_picture_opening(std::ostream& out, std::int64_t tag) {
  out << " {\\pict{\\*\\picprop\\shplid1026{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fFlipH}{\\sv 0}}"
      << kCrLf;
  out << "{\\sp{\\sn fFlipV}{\\sv 0}}{\\sp{\\sn pibFlags}{\\sv 2}}{\\sp{\\sn fLine}{\\sv 0}}"
         "{\\sp{\\sn fLayoutInCell}{\\sv 1}}}\\picscalex"
      << kPictureScale << "\\picscaley" << kPictureScale
      << "\\piccropl0\\piccropr0\\piccropt0\\piccropb0" << kCrLf;
  out << "\\picw" << kPictureWidth << "\\pich" << kPictureHeight << "\\picwgoal" << goal(kPictureWidth)
      << "\\pichgoal" << goal(kPictureHeight) << "\\wmetafile8\\bliptag" << tag
      << "\\blipupi-58{\\*\\blipuid b09f3721717b6ae0a7a87d" << tag << '}' << kCrLf;
}

std::string run_text(const MailState& state) { return std::to_string(state.run_number); }

}  // namespace

std::int64_t SeededRandom::between(std::int64_t lo, std::int64_t hi) {
  return std::uniform_int_distribution<std::int64_t>(lo, hi)(engine_);
}

RandomSource& system_random() {
  static SeededRandom random{std::random_device{}()};
  return random;
}

namespace {
class SystemClock : public Clock {
 public:
  LocalTime now() override {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
  }
};
}  // namespace

Clock& system_clock() {
  static SystemClock clock;
  return clock;
}

MailState& mail_state() {
  static MailState state;
  return state;
}

void MakeFolderPath(const std::string& path) {
  if (path.empty()) return;
  std::error_code ec;
  fs::create_directories(fs::path(path), ec);
}

void PrepareMailFolder(MailState& state, const std::string& working_folder) {
  if (state.mail_folder.empty()) {
    state.mail_folder = working_folder;
    if (state.mail_folder.empty() || state.mail_folder.back() != kPathSeparator)
      state.mail_folder += kPathSeparator;
    state.mail_folder += "KP";
  }
  if (state.mail_folder.back() != kPathSeparator) state.mail_folder += kPathSeparator;
  MakeFolderPath(state.mail_folder);
}

int DrawRunNumber(RandomSource& random) {
  return static_cast<int>(random.between(kRunNumberLow, kRunNumberHigh));
}

std::int64_t DrawPictureTag(RandomSource& random) {
  return random.between(kPictureTagLow, kPictureTagHigh);
}

std::string PageCopyPath(const MailState& state, int page) {
  return state.mail_folder + run_text(state) + std::to_string(page) + ".wmf";
}
std::string RtfDocumentPath(const MailState& state) { return state.mail_folder + run_text(state) + ".RTF"; }
std::string ReportAttachmentPath(const MailState& state) { return state.mail_folder + "Report.RTF"; }
std::string MailBodyPath(const MailState& state) { return state.mail_folder + "kp" + run_text(state) + ".html"; }

int AppendMetafileHex(std::ostream& out, const std::string& page_copy) {
  std::ifstream in(page_copy, std::ios::binary);
  if (!in) return 1;
  constexpr int kHeaderBytes = 22;
  constexpr int kBytesPerLine = 64;
  constexpr char kDigits[] = "0123456789ABCDEF";
  long index = 0;
  int on_line = 0;
  char c;
  while (in.get(c)) {
    if (index++ < kHeaderBytes) continue;
    auto byte = static_cast<unsigned char>(c);
    out << kDigits[byte / 16] << kDigits[byte % 16];
    if (++on_line == kBytesPerLine) {
      out << kCrLf;
      on_line = 0;
    }
  }
  return 0;
}

int WriteRtfDocument(const std::string& out_file, const std::vector<std::string>& page_images,
                     std::int64_t picture_tag, const LocalTime& time) {
  if (page_images.empty()) return 2;
  std::ofstream out(out_file, std::ios::binary | std::ios::trunc);
  if (!out) return 2;
  write_prologue(out, time);
  for (const std::string& page : page_images) {
    write_picture_opening(out, picture_tag);
    if (AppendMetafileHex(out, page) != 0) return 1;
    out << kPictureClosing;
  }
  out << kRtfEnding;
  return 0;
}

int WriteReportRtf(const std::string& out_file, int page_count, const ExportContext& ctx) {
  if (page_count <= 0) return 2;
  std::int64_t tag = DrawPictureTag(ctx.random);
  LocalTime time = ctx.clock.now();
  std::vector<std::string> pages;
  for (int p = 1; p <= page_count; ++p) pages.push_back(PageCopyPath(ctx.state, p));
  return WriteRtfDocument(out_file, pages, tag, time);
}

int WriteMailBody(const std::string& body_file, int page_count, const ExportContext& ctx) {
  std::ofstream body(body_file, std::ios::binary | std::ios::trunc);
  if (!body) return 2;
  for (std::string_view piece : kBodyPieces) body << piece << kCrLf;
  body.flush();
  std::error_code ec;
  if (WriteReportRtf(RtfDocumentPath(ctx.state), page_count, ctx) == 0) {
    fs::copy_file(RtfDocumentPath(ctx.state), ReportAttachmentPath(ctx.state),
                  fs::copy_options::overwrite_existing, ec);
  } else {
    // An earlier mailing's report must not travel as this design's report:
    // without a complete document the mail carries none.
    fs::remove(ReportAttachmentPath(ctx.state), ec);
  }
  return 0;
}

}  // namespace zq
