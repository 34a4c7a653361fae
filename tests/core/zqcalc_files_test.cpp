// zqcalc --in and --save: the design-file round trip from the command line.
#include <gtest/gtest.h>

#include <sstream>

#include "zqcalc_support.h"
#include "cli/zqcalc.h"
#include "storage_support.h"

namespace fs = std::filesystem;
using namespace zq::testing;

namespace {

using zq::testing::Outcome;
using zq::testing::zqcalc;

class ZqcalcFilesTest : public WorkingFolderTest {};

TEST_F(ZqcalcFilesTest, SaveThenLoadRoundTripsEveryValue) {
  for (bool metric : {false, true}) {
    std::vector<std::string> design = {"F=7.15", "CD=2", "LD=3", "WD=0.125", "SP=0.125", "CCD=2"};
    if (metric) design = {"--metric", "F=7.15", "CD=50", "LD=3", "WD=3", "SP=3", "CCD=50"};
    std::vector<std::string> save = design;
    save.insert(save.end(), {"--save", "726"});
    Outcome saved = zqcalc(save);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.err, "");
    EXPECT_NE(saved.out.find(metric ? "Metric=1\n" : "Metric=0\n"), std::string::npos);

    std::vector<std::string> load = {"--in", "726.INI"};
    if (metric) load.insert(load.begin(), "--metric");
    Outcome loaded = zqcalc(load);
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.out, saved.out);
    EXPECT_EQ(saved.out, zqcalc(design).out.replace(saved.out.find("Metric="), 8,
                                                    metric ? "Metric=1" : "Metric=0"));
  }
}

TEST_F(ZqcalcFilesTest, InReadsTheFileBeforeOverridesAndWarnsOfTheOtherSystem) {
  fs::copy_file(data_file("save_metric.INI"), dir_ / "m.ini");
  Outcome r = zqcalc({"--in", "m.ini", "CT=30"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("CT=30\n"), std::string::npos);
  EXPECT_NE(r.out.find("Metric=1\n"), std::string::npos);
  EXPECT_NE(r.out.find("FAC=1.75\n"), std::string::npos);
  EXPECT_NE(r.err.find("a Metric design in error."), std::string::npos);
}

TEST_F(ZqcalcFilesTest, BadFileOrNameFails) {
  struct Case { std::vector<std::string> args; int status; };
  for (const Case& c : {Case{{"--in", "missing.ini"}, 2}, Case{{"--in"}, 2},
                        Case{{"--save", "a/b"}, 2}, Case{{"--save", " "}, 2},
                        Case{{"--bogus"}, 2}}) {
    Outcome r = zqcalc(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
  EXPECT_EQ(entries_in(dir_), 0u);
}

}  // namespace
