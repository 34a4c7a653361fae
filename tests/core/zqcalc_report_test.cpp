// zqcalc --report: the design report of a design file as page image or PDF.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "zqcalc_support.h"
#include "cli/zqcalc.h"
#include "design/design_record.h"
#include "output/wmf_writer.h"
#include "storage_support.h"

namespace fs = std::filesystem;

namespace {

using zq::testing::Outcome;
using zq::testing::zqcalc;

std::string file_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const std::string kDesign = std::string(ZQ_TEST_DATA_DIR) + "/report/design.ini";

class ZqcalcReportTest : public zq::testing::WorkingFolderTest {};

TEST_F(ZqcalcReportTest, WritesThePageImageOfTheDesignFile) {
  const Outcome r = zqcalc({"--in", kDesign, "--report", "page.WMF"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string wmf = file_text("page.WMF");
  ASSERT_GT(wmf.size(), 22u);
  EXPECT_EQ(wmf.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4));
  // The report shows the file's values with its own places (MC to two, shown with three).
  EXPECT_THAT(wmf, testing::HasSubstr("1017.460"));
  EXPECT_THAT(wmf, testing::HasSubstr("ZQ Antenna designed for"));
}

TEST_F(ZqcalcReportTest, ReportsTheFileJustSaved) {
  const Outcome r = zqcalc({"F=14.2", "CD=2", "LD=3", "WD=0.125", "SP=0.125", "CCD=2", "--save", "726",
                            "--report", "726.wmf"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(file_text("726.wmf"), testing::HasSubstr("14.2000"));
}

TEST_F(ZqcalcReportTest, RefusesWhatItCannotWrite) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{"--report", "x.wmf"}, 2, "needs a design file"},
      {{"--in", kDesign, "--report", "x.txt"}, 2, ".pdf or a .wmf"},
      {{"--in", kDesign, "--report", "/nonexistent/zq/x.wmf"}, 1, "could not write"},
      // The core library alone has no PDF renderer; the desktop build's zqcalc does.
      {{"--in", kDesign, "--report", "x.pdf"}, 2, "without the desktop program"},
  };
  for (const Case& c : cases) {
    const Outcome r = zqcalc(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back();
    EXPECT_THAT(r.err, testing::HasSubstr(c.message)) << c.args.back();
  }
}

TEST_F(ZqcalcReportTest, DesktopBuildWritesAOnePagePdf) {
  const std::string cmd = std::string("'") + ZQCALC_PATH + "' --in '" + kDesign + "' --report r.pdf >/dev/null 2>err.txt";
  const int rc = std::system(cmd.c_str());
  if (rc != 0) {
    EXPECT_THAT(file_text("err.txt"), testing::HasSubstr("without the desktop program"));
    GTEST_SKIP() << "zqcalc built without the desktop program";
  }
  const std::string pdf = file_text("r.pdf");
  EXPECT_EQ(pdf.substr(0, 4), "%PDF");
  std::size_t pages = 0;
  for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  EXPECT_EQ(pages, 1u);
}

}  // namespace
