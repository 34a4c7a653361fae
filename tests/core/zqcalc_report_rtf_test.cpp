// zqcalc --report FILE.rtf: the report mail's document for a word processor.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/zqcalc.h"
#include "tests/core/mail_test_util.h"

namespace zq {
namespace {

TEST(ZqcalcReportRtf, WritesTheReportPageAsOneMetafilePicture) {
  test::TempFolder tmp;
  std::ostringstream out, err;
  const std::string design = std::string(ZQ_TEST_DATA_DIR) + "/report/design.ini";
  ASSERT_EQ(cli::run({"--in", design, "--report", tmp.file("726.rtf")}, out, err), 0) << err.str();
  std::string rtf = test::read_bytes(tmp.file("726.rtf"));
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
  EXPECT_TRUE(rtf.ends_with(" \r\n\\par }}"));
  std::size_t pict = rtf.find("{\\pict");
  ASSERT_NE(pict, std::string::npos);
  EXPECT_EQ(pict, rtf.rfind("{\\pict")) << "one page, one picture";
  // The picture's data starts with the metafile header itself (type 1, 9 words,
  // version 3.0), the placeable header left out.
  std::size_t data = rtf.find("}\r\n", rtf.find("\\blipuid", pict)) + 3;
  EXPECT_EQ(rtf.substr(data, 12), "010009000003");
}

TEST(ZqcalcReportRtf, RefusedWithoutDesignFileOrIntoMissingFolder) {
  std::ostringstream out, err;
  const std::string design = std::string(ZQ_TEST_DATA_DIR) + "/report/design.ini";
  EXPECT_EQ(cli::run({"--report", "x.rtf"}, out, err), 2);
  EXPECT_EQ(cli::run({"--in", design, "--report", "/no/such/folder/x.RTF"}, out, err), 1);
}

}  // namespace
}  // namespace zq
