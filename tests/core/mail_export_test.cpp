// The mail folder, the HTML body and the rich-text document with its metafile pictures.
#include "output/mail_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/core/mail_test_util.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using test::data_file;
using test::read_bytes;

constexpr std::int64_t kTag = 1234567890;
const LocalTime kNineOSeven{2026, 3, 5, 9, 7};

// A mail folder in a temp folder with run number 47 and page copies 471.wmf, 472.wmf.
struct MailFolderFixture : ::testing::Test {
  test::TempFolder tmp;
  MailState state;
  test::ScriptedRandom random{{kTag}};
  FixedClock clock{kNineOSeven};
  ExportContext ctx{state, random, clock};

  void SetUp() override {
    PrepareMailFolder(state, tmp.str());
    state.run_number = 47;
  }
  void copy_page(const std::string& fixture, int page) {
    fs::copy_file(data_file(fixture), PageCopyPath(state, page));
  }
};

TEST(AppendMetafileHex, SkipsPlaceableHeaderAndBreaksLineAfter128Digits) {
  struct Case {
    const char* page;
    std::string expected;
  } cases[] = {
      {"header_only.wmf", ""},
      {"one_line.wmf", read_bytes(data_file("one_line.hex"))},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    EXPECT_EQ(AppendMetafileHex(out, data_file(c.page)), 0) << c.page;
    EXPECT_EQ(out.str(), c.expected) << c.page;
  }
}

TEST(AppendMetafileHex, MissingPageWritesNothingAndAnswers1) {
  std::ostringstream out;
  EXPECT_EQ(AppendMetafileHex(out, data_file("no_such_page.wmf")), 1);
  EXPECT_EQ(out.str(), "");
}

TEST_F(MailFolderFixture, TwoPageDocumentMatchesFixtureByteForByte) {
  copy_page("one_line.wmf", 1);
  copy_page("header_only.wmf", 2);
  ASSERT_EQ(WriteReportRtf(RtfDocumentPath(state), 2, ctx), 0);
  EXPECT_EQ(read_bytes(tmp.file("KP/47.RTF")), read_bytes(data_file("two_pages.rtf")));
  ASSERT_EQ(random.ranges.size(), 1u) << "one tag for the whole document";
  const std::pair<std::int64_t, std::int64_t> tag_range{1111111111, 1410065407};
  EXPECT_EQ(random.ranges[0], tag_range);
}

TEST_F(MailFolderFixture, MidnightWritesHourAndMinuteAsZero) {
  copy_page("header_only.wmf", 1);
  FixedClock midnight{{2027, 12, 31, 0, 0}};
  ExportContext at_midnight{state, random, midnight};
  ASSERT_EQ(WriteReportRtf(RtfDocumentPath(state), 1, at_midnight), 0);
  std::string rtf = read_bytes(RtfDocumentPath(state));
  EXPECT_NE(rtf.find("{\\creatim\\yr2027\\mo12\\dy31\\hr0\\min0}{\\revtim\\yr2027\\mo12\\dy31\\hr0\\min0}"),
            std::string::npos);
}

TEST_F(MailFolderFixture, DocumentResultCodes) {
  // No pages: nothing drawn, nothing written.
  EXPECT_EQ(WriteReportRtf(RtfDocumentPath(state), 0, ctx), 2);
  EXPECT_TRUE(random.ranges.empty());
  EXPECT_FALSE(fs::exists(RtfDocumentPath(state)));
  // The document cannot be created.
  copy_page("one_line.wmf", 1);
  EXPECT_EQ(WriteReportRtf(tmp.file("missing/folder/x.RTF"), 1, ctx), 2);
  // Page 2 missing: the document stops after the first picture's opening of page 2.
  EXPECT_EQ(WriteReportRtf(RtfDocumentPath(state), 2, ctx), 1);
  std::string rtf = read_bytes(RtfDocumentPath(state));
  EXPECT_EQ(rtf.rfind("\\blipuid b09f3721717b6ae0a7a87d1111111111}\r\n"),
            rtf.size() - std::string("\\blipuid b09f3721717b6ae0a7a87d1111111111}\r\n").size());
  EXPECT_EQ(rtf.find("\\par }}"), std::string::npos);
}

TEST_F(MailFolderFixture, MailBodyThenDocumentThenReportCopy) {
  copy_page("one_line.wmf", 1);
  copy_page("header_only.wmf", 2);
  ASSERT_EQ(WriteMailBody(MailBodyPath(state), 2, ctx), 0);
  EXPECT_EQ(read_bytes(tmp.file("KP/kp47.html")), read_bytes(data_file("mail_body.html")));
  EXPECT_EQ(read_bytes(tmp.file("KP/Report.RTF")), read_bytes(data_file("two_pages.rtf")));
}

TEST_F(MailFolderFixture, FailedDocumentLeavesNoStaleReportToMail) {
  test::write_bytes(ReportAttachmentPath(state), "an earlier design's report");
  // No page copies at all: the document fails, the body is still written and the result is 0.
  EXPECT_EQ(WriteMailBody(MailBodyPath(state), 1, ctx), 0);
  EXPECT_TRUE(fs::exists(MailBodyPath(state)));
  EXPECT_FALSE(fs::exists(ReportAttachmentPath(state)));
}

TEST_F(MailFolderFixture, BodyThatCannotBeCreatedStopsEverything) {
  copy_page("one_line.wmf", 1);
  EXPECT_EQ(WriteMailBody(tmp.file("missing/kp47.html"), 1, ctx), 2);
  EXPECT_FALSE(fs::exists(RtfDocumentPath(state)));
  EXPECT_FALSE(fs::exists(ReportAttachmentPath(state)));
  EXPECT_TRUE(random.ranges.empty());
}

TEST(MailFolder, FixedAtFirstUseAndCreatedInsideWorkingFolder) {
  test::TempFolder first, second;
  MailState state;
  PrepareMailFolder(state, first.str());
  std::string expected = first.str() + kPathSeparator + "KP" + kPathSeparator;
  EXPECT_EQ(state.mail_folder, expected);
  EXPECT_TRUE(fs::is_directory(expected));
  PrepareMailFolder(state, second.str());  // a later change of working folder does not move it
  EXPECT_EQ(state.mail_folder, expected);
  EXPECT_FALSE(fs::exists(second.file("KP")));

  state.mail_folder = first.file("other");  // a folder given without its separator gets one
  PrepareMailFolder(state, second.str());
  EXPECT_EQ(state.mail_folder, first.file("other") + kPathSeparator);
  EXPECT_TRUE(fs::is_directory(first.file("other")));
}

TEST(MailFolder, MakeFolderPathCreatesMissingParentsAndIgnoresFailure) {
  test::TempFolder tmp;
  MakeFolderPath(tmp.file("a/b/c/"));
  EXPECT_TRUE(fs::is_directory(tmp.file("a/b/c")));
  test::write_bytes(tmp.file("plain"), "x");
  MakeFolderPath(tmp.file("plain/sub"));  // a file in the way: no folder, no crash
  EXPECT_FALSE(fs::exists(tmp.file("plain/sub")));
}

TEST(MailFolder, WorkingFileNamesOfOneRun) {
  MailState state;
  state.mail_folder = "/w/KP/";
  state.run_number = 47;
  EXPECT_EQ(PageCopyPath(state, 1), "/w/KP/471.wmf");
  EXPECT_EQ(PageCopyPath(state, 12), "/w/KP/4712.wmf");
  EXPECT_EQ(RtfDocumentPath(state), "/w/KP/47.RTF");
  EXPECT_EQ(ReportAttachmentPath(state), "/w/KP/Report.RTF");
  EXPECT_EQ(MailBodyPath(state), "/w/KP/kp47.html");
}

TEST(RandomDraws, StayInTheirRangesAndReachBothEnds) {
  SeededRandom random(7);
  int low = 99, high = 11;
  for (int i = 0; i < 5000; ++i) {
    int run = DrawRunNumber(random);
    ASSERT_GE(run, 11);
    ASSERT_LE(run, 99);
    low = std::min(low, run);
    high = std::max(high, run);
    std::int64_t tag = DrawPictureTag(random);
    ASSERT_GE(tag, 1111111111);
    ASSERT_LE(tag, 1410065407);
  }
  EXPECT_EQ(low, 11);
  EXPECT_EQ(high, 99);
}

}  // namespace
}  // namespace zq
