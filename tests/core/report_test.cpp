// The design report: values read again from the design file, the page model's
// layout, the band engine and the PrintZQ run in both modes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "design/design_record.h"
#include "output/design_report.h"
#include "output/print_zq.h"

namespace zq::report {
namespace {

namespace fs = std::filesystem;

const fs::path kDesign = fs::path(ZQ_TEST_DATA_DIR) / "report" / "design.ini";

ReportClock fixed_clock() {
  using namespace std::chrono;
  return {[] { return year_month_day{year{2026}, month{3}, day{5}}; },
          [](year_month_day d) {
            return std::to_string(static_cast<unsigned>(d.day())) + "/" +
                   std::to_string(static_cast<unsigned>(d.month())) + "/" +
                   std::to_string(static_cast<int>(d.year()));
          }};
}

const Element* find_text(const std::vector<Element>& elements, const std::string& text) {
  for (const Element& e : elements)
    if (e.text == text) return &e;
  return nullptr;
}

const Element* value_right_of(const std::vector<Element>& elements, const Element& label) {
  for (const Element& e : elements)
    if (e.kind == ElementKind::Number && (e.rect.y == label.rect.y || e.rect.y == label.rect.y - 10) &&
        e.rect.x > label.rect.x)
      return &e;
  return nullptr;
}

TEST(DisplayPicture, FormatsRoundedToItsPlacesWithSign) {
  struct Case {
    const char* value;
    const char* picture;
    const char* shown;
  };
  const Case cases[] = {
      {"7.15", "n-12.4", "7.1500"},  {"2", "n-8.3", "2.000"},        {"24.5", "n-10", "25"},
      {"-24.5", "n-10", "-25"},      {"0.046", "n-10.2", "0.05"},    {"-0.004", "n-10.2", "0.00"},
      {"0", "n-11.3", "0.000"},      {"1017.46", "n-11.3", "1017.460"},
      {"123456789.5", "n-10.2", "123456789.50"},  // too wide: still shown whole
  };
  for (const Case& c : cases)
    EXPECT_EQ(format_number(Decimal::parse(c.value), parse_display_picture(c.picture)), c.shown)
        << c.value << " " << c.picture;
}

TEST(DesignReport, EveryLabelAndValueAtItsPlace) {
  const ReportValues v = read_design_report_values(kDesign, fixed_clock());
  const ReportLayout layout = design_report_layout(v);
  const Band* header = layout.band(BandKind::PageHeader);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->area, (Rect{490, 1021, 7000, 8385}));
  const auto& h = header->elements;

  struct Row {
    const char* label;
    int lx, ly;
    const char* shown;
    const char* picture;
    int vx, vy;
  };
  // The fixture holds values with more places than the report keeps (CCL, C,
  // MRR, ECC, SCI, MC), a negative value, a comma as the point (WD) and a half (BW).
  const Row rows[] = {
      {"Cylinder Diameter", 4771, 865, "2.000", "n-10.3", 6021, 865},
      {"Length to Diameter Ratio", 4344, 1052, "3.000", "n-10.3", 6021, 1052},
      {"Cylinder Length", 4906, 1240, "6.001", "n-10.3", 6021, 1240},
      {"Cylinder Spacing", 4823, 1427, "2.000", "n-8.3", 6146, 1427},
      {"Cylinder Capacitance in pFd", 4146, 1615, "5.877", "n-11.3", 5938, 1615},
      {"Reactance (XC) Ohms", 4500, 1802, "-3811.250", "n-11.3", 5938, 1802},
      {"Radiation Resistance Ohms", 4156, 1979, "0.05", "n-10.2", 6010, 1979},
      {"+/- 3db Bandwidth in kHz", 4323, 2156, "25", "n-10", 5990, 2156},
      {"Antenna 'Q'", 5156, 2333, "291.833", "n-11.3", 5938, 2333},
      {"Antenna Length", 4896, 2510, "14.000", "n-11.3", 5938, 2510},
      {"Tuning Coil Diameter", 4563, 2938, "2.000", "n-11.3", 5938, 2938},
      {"Tuning Coil Inductance uH", 4240, 3146, "19.876", "n-11.3", 5938, 3146},
      {"Number of Turns", 4823, 3354, "21.300", "n-11.3", 5938, 3354},
      {"Coil Length", 5135, 3563, "4.020", "n-11.3", 5938, 3563},
      {"Coil Wire Length", 4813, 3771, "161.450", "n-11.3", 5938, 3771},
      {"Variable Capacitor in pFd", 4292, 3979, "12.100", "n-11.3", 5938, 3979},
      {"Total Capacitance", 4729, 4177, "25.317", "n-11.3", 5938, 4177},
      {"Source Coil Diameter", 4531, 4688, "2.000", "n-11.3", 5938, 4688},
      {"Source Coil Tap Position:", 4260, 4896, "0.533", "n-11.3", 5938, 4896},
      {"Source Coil Inductance in uH:", 4021, 5083, "0.497", "n-10.3", 6021, 5083},
      {"Source Capacitor in pFd:", 4313, 5292, "1017.460", "n-11.3", 5938, 5292},
      {"Wire diameter for all Coils", 396, 4677, "0.1250", "n-9.4", 2104, 4667},
      {"Wire Spacing for Coils", 396, 4854, "0.1875", "n-9.4", 2104, 4854},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label);
    const Element* label = find_text(h, r.label);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->rect.x, r.lx);
    EXPECT_EQ(label->rect.y, r.ly);
    EXPECT_EQ(label->font, (Font{"Arial", 10, false}));
    const Element* value = value_right_of(h, *label);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text, r.shown);
    EXPECT_EQ(value->picture, r.picture);
    EXPECT_EQ(value->rect.x, r.vx);
    EXPECT_EQ(value->rect.y, r.vy);
    EXPECT_EQ(value->align, Align::Right);
    EXPECT_EQ(value->font, (Font{"Arial", 10, true}));
  }
  // The main columns of each group share one right edge.
  EXPECT_NEAR(value_right_of(h, *find_text(h, "Cylinder Diameter"))->rect.x +
                value_right_of(h, *find_text(h, "Cylinder Diameter"))->rect.w,
            value_right_of(h, *find_text(h, "Antenna Length"))->rect.x +
                value_right_of(h, *find_text(h, "Antenna Length"))->rect.w,
              10);
  // ... and stay inside the narrower Tuning Coil and Source Coil frames.
  for (const Element& e : h)
    if (e.kind == ElementKind::Number && e.rect.x > 3885) EXPECT_LT(e.rect.x + e.rect.w, 3885 + 2958 - 20) << e.picture;

  const Element* headline = find_text(h, "ZQ Antenna designed for");
  ASSERT_NE(headline, nullptr);
  EXPECT_EQ(headline->rect, (Rect{323, 177, 0, 0}));
  EXPECT_EQ(headline->font, (Font{"Arial Rounded MT Bold", 18, true}));
  const Element* f = find_text(h, "7.1500");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->rect, (Rect{3656, 177, 1448, 333}));
  EXPECT_EQ(find_text(h, "Mhz")->rect, (Rect{5260, 177, 688, 333}));
  EXPECT_EQ(find_text(h, "All linear measurements are in")->rect, (Rect{813, 719, 0, 0}));
  EXPECT_EQ(find_text(h, "inches")->rect, (Rect{2635, 719, 604, 208}));
  EXPECT_EQ(find_text(h, "inches")->font, (Font{"Arial", 8, true}));
  EXPECT_EQ(find_text(h, "ZQ_logo_small.gif")->rect, (Rect{1458, 1510, 958, 1313}));
  EXPECT_EQ(find_text(h, "ZQSchematic.bmp")->rect, (Rect{135, 2833, 3302, 1771}));
  EXPECT_EQ(find_text(h, "Cylinders")->rect, (Rect{3885, 677, 2990, 2052}));
  EXPECT_EQ(find_text(h, "Tuning Coil")->rect, (Rect{3885, 2729, 2958, 1719}));
  EXPECT_EQ(find_text(h, "Source Coil")->rect, (Rect{3885, 4479, 2958, 1042}));
  EXPECT_EQ(find_text(h, "Cylinders")->kind, ElementKind::GroupFrame);
  EXPECT_EQ(h.front().kind, ElementKind::Box);
  EXPECT_EQ(h.front().rect, (Rect{115, 31, 6740, 594}));

  const Element* freg = find_text(
      h, "Suggestion is to set initial Freq around 5% higher than required. Variable Cap will lower  Freg to suit.");
  ASSERT_NE(freg, nullptr);
  EXPECT_EQ(freg->rect, (Rect{385, 7365, 0, 0}));
  EXPECT_EQ(find_text(h, kClosingNote)->rect, (Rect{385, 8156, 0, 0}));

  const Band* detail = layout.band(BandKind::Detail);
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(find_text(detail->elements, "Print Date:")->rect, (Rect{281, -10, 646, 208}));
  EXPECT_EQ(find_text(detail->elements, "5/3/2026")->rect, (Rect{1104, -10, 740, 208}));
}

TEST(DesignReport, ClosingNoteNamesTheBookAndNoPerson) {
  const std::string note = kClosingNote;
  EXPECT_THAT(note, testing::HasSubstr("book"));
  EXPECT_THAT(note, testing::HasSubstr("VSWR"));
}

TEST(DesignReport, MissingOrEmptyFileGivesZerosAndInches) {
  const fs::path dir = fs::temp_directory_path() / "zq-report-test-empty";
  fs::create_directories(dir);
  std::ofstream(dir / "empty.ini").close();
  std::ofstream(dir / "other.ini") << "[Other]\r\nF=7\r\n";
  for (const fs::path& file : {dir / "missing.ini", dir / "empty.ini", dir / "other.ini", dir}) {
    SCOPED_TRACE(file.string());
    set_metric_flag(1);
    const ComposedReport report = design_report(file, fixed_clock());
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(metric_flag(), 0);
    const auto& els = report.pages[0].elements;
    EXPECT_NE(find_text(els, "inches"), nullptr);
    EXPECT_NE(find_text(els, "0.0000"), nullptr);  // F
    for (const Element& e : els)
      if (e.kind == ElementKind::Number) EXPECT_THAT(e.text, testing::MatchesRegex("0\\.?0*")) << e.picture;
  }
  fs::remove_all(dir);
}

TEST(DesignReport, MetricOneGivesMillimetresAndSetsTheFlag) {
  const fs::path file = fs::temp_directory_path() / "zq-report-test-metric.ini";
  for (const auto& [text, units, flag] :
       {std::tuple{"1", "mm", 1}, std::tuple{"1.9", "mm", 1}, std::tuple{"2", "inches", 2},
        std::tuple{"0", "inches", 0}}) {
    std::ofstream(file, std::ios::binary) << "[zq]\r\nF=3.5\r\nmetric=" << text << "\r\n";
    set_metric_flag(0);
    const ComposedReport report = design_report(file, fixed_clock());
    EXPECT_NE(find_text(report.pages[0].elements, units), nullptr) << text;
    EXPECT_EQ(metric_flag(), flag) << text;
  }
  fs::remove(file);
}

TEST(BandEngine, PlacesBandsOnThePageAndStacksDetailBands) {
  ReportValues v;
  v.print_date = "today";
  ReportLayout layout = design_report_layout(v);
  const ComposedReport one = compose_pages(layout, 1);
  ASSERT_EQ(one.pages.size(), 1u);
  EXPECT_EQ(one.job_name, "Print from queue");
  const auto& els = one.pages[0].elements;
  EXPECT_EQ(find_text(els, "ZQ Antenna designed for")->rect, (Rect{490 + 323, 1021 + 177, 0, 0}));
  EXPECT_EQ(find_text(els, "Print Date:")->rect, (Rect{500 + 281, 9677 - 10, 646, 208}));
  EXPECT_EQ(std::count_if(els.begin(), els.end(), [](const Element& e) { return e.text == "Print Date:"; }), 1);

  // The detail area holds one 208-high band; a second record starts page 2.
  const ComposedReport two = compose_pages(layout, 2);
  ASSERT_EQ(two.pages.size(), 2u);
  EXPECT_NE(find_text(two.pages[1].elements, "ZQ Antenna designed for"), nullptr);
  EXPECT_EQ(find_text(two.pages[1].elements, "Print Date:")->rect.y, 9677 - 10);
}

// Records what PrintZQ asks of its windows.
struct Recorder : ReportProgress, ReportPreviewWindow, ReportPrinter {
  std::vector<std::string> calls;
  int cancel_at = -1;
  PreviewAnswer answer = PreviewAnswer::Close;
  void open() override { calls.push_back("open"); }
  bool advance(int percent, const std::string& text) override {
    calls.push_back("advance " + std::to_string(percent) + " " + text);
    return percent != cancel_at;
  }
  void close() override { calls.push_back("close"); }
  PreviewAnswer show(const ComposedReport& r, const PreviewRequest& q) override {
    calls.push_back("preview " + std::to_string(r.pages.size()) + " zoom " + std::to_string(q.zoom_percent));
    return answer;
  }
  bool print(const ComposedReport& r) override {
    calls.push_back("print " + r.job_name);
    return true;
  }
};

class PrintZqRun : public testing::Test {
 protected:
  void SetUp() override {
    s.progress = &rec;
    s.preview = &rec;
    s.printer = &rec;
    s.clock = fixed_clock();
    set_email_flag(0);
  }
  void TearDown() override { set_email_flag(0); }
  Recorder rec;
  PrintZqServices s;
};

TEST_F(PrintZqRun, PreviewModeShowsOnePageAndPrintsOnlyWhenAsked) {
  EXPECT_EQ(PrintZQ(kDesign.string(), s), ReportOutcome::Closed);
  EXPECT_THAT(rec.calls, testing::ElementsAre("open", "advance 25 ", "advance 50 Page 1",
                                              "advance 100 Page 1", "preview 1 zoom 100", "close"));
  rec.calls.clear();
  rec.answer = PreviewAnswer::Print;
  EXPECT_EQ(PrintZQ(kDesign.string(), s), ReportOutcome::Printed);
  EXPECT_THAT(rec.calls, testing::Contains("print Print from queue"));
}

TEST_F(PrintZqRun, ReadsTheFileBeforeAnyQueuedKeyCanRewriteIt) {
  const fs::path file = fs::temp_directory_path() / "zq-report-test-rewrite.INI";
  fs::copy_file(kDesign, file, fs::copy_options::overwrite_existing);
  // A progress window that lets the queued SAVE run while it waits.
  struct SavingProgress : ReportProgress {
    fs::path file;
    void open() override {}
    bool advance(int, const std::string&) override {
      std::ofstream(file, std::ios::binary) << "[ZQ]\r\nF=99\r\n";
      return true;
    }
    void close() override {}
  } progress;
  progress.file = file;
  s.progress = &progress;
  std::string headline;
  s.preview_step = [&](const ComposedReport& r, const std::vector<fs::path>&, const PreviewRequest&) {
    for (const Element& e : r.pages[0].elements)
      if (e.picture == "n-12.4") headline = e.text;
    return PreviewAnswer::Close;
  };
  PrintZQ(file.string(), s);
  EXPECT_EQ(headline, "7.1500");
  fs::remove(file);
}

TEST_F(PrintZqRun, CancelEndsTheReportWithoutPreviewPrintOrMail) {
  bool mailed = false;
  s.mailing = [&](const std::vector<fs::path>&) { mailed = true; };
  for (std::uint8_t mode : {0, 1}) {
    for (int cancel_at : {25, 50, 100}) {
      set_email_flag(mode);
      rec.calls.clear();
      rec.cancel_at = cancel_at;
      rec.answer = PreviewAnswer::Print;
      EXPECT_EQ(PrintZQ(kDesign.string(), s), ReportOutcome::Cancelled);
      EXPECT_EQ(rec.calls.back(), "close");
      for (const auto& c : rec.calls) EXPECT_FALSE(c.starts_with("preview") || c.starts_with("print")) << c;
    }
  }
  EXPECT_FALSE(mailed);
}

TEST_F(PrintZqRun, EmailModeHandsPageImagesToTheMailingThenDiscardsThem) {
  set_email_flag(1);
  std::vector<fs::path> seen;
  std::uintmax_t size = 0;
  s.mailing = [&](const std::vector<fs::path>& files) {
    seen = files;
    for (const auto& f : files) size += fs::file_size(f);
  };
  EXPECT_EQ(PrintZQ(kDesign.string(), s), ReportOutcome::Mailed);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].extension(), ".wmf");
  EXPECT_GT(size, 22u);
  EXPECT_FALSE(fs::exists(seen[0]));
  EXPECT_FALSE(fs::exists(seen[0].parent_path()));
  for (const auto& c : rec.calls) EXPECT_FALSE(c.starts_with("preview") || c.starts_with("print")) << c;
}

TEST_F(PrintZqRun, EmailModeWithoutMailingIsNotASuccess) {
  set_email_flag(1);
  EXPECT_EQ(PrintZQ(kDesign.string(), s), ReportOutcome::MailingUnavailable);
  for (const auto& c : rec.calls) EXPECT_FALSE(c.starts_with("preview")) << c;
}

TEST_F(PrintZqRun, UnwritablePageImagesAreNotMailed) {
  set_email_flag(1);
  bool mailed = false;
  s.mailing = [&](const std::vector<fs::path>&) { mailed = true; };
  s.page_image_folder = "/nonexistent/zq/folder";
  EXPECT_EQ(PrintZQ(kDesign.string(), s), ReportOutcome::PageImagesFailed);
  EXPECT_FALSE(mailed);
}

}  // namespace
}  // namespace zq::report
