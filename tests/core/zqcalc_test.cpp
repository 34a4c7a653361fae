// zqcalc's arguments and output.
#include <gtest/gtest.h>

#include <sstream>

#include "zqcalc_support.h"

namespace zq {
namespace {

using CliResult = testing::Outcome;
using testing::zqcalc;

TEST(Zqcalc, RefusesBadArgumentsWithoutPrintingADesign) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"FOO=1"}, {"F=abc"}, {"F=7.15x"}, {"F="}, {"F"}, {"--frobnicate"}, {"--metric", "CT=40"}}) {
    CliResult r = zqcalc(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_TRUE(r.out.empty()) << args.back();
    EXPECT_NE(r.err.find(args.back()), std::string::npos) << r.err;
  }
}

TEST(Zqcalc, PrintsEveryValueInTableOrder) {
  CliResult imperial = zqcalc({});
  ASSERT_EQ(imperial.status, 0);
  EXPECT_EQ(imperial.out.substr(0, 9), "F=0\nCD=0\n");
  EXPECT_NE(imperial.out.find("\nCT=40\n"), std::string::npos);
  EXPECT_NE(imperial.out.find("\nARR=120\n"), std::string::npos);
  EXPECT_EQ(imperial.out.substr(imperial.out.size() - 10), "\nMetric=0\n");

  CliResult metric = zqcalc({"--metric", "F=7.15"});
  EXPECT_EQ(metric.out.find("\nCT="), std::string::npos);
  EXPECT_EQ(metric.out.find("\nARR="), std::string::npos);
  EXPECT_NE(metric.out.find("F=7.15\n"), std::string::npos);

  CliResult flag = zqcalc({"Metric=257"});
  EXPECT_NE(flag.out.find("\nMetric=1\n"), std::string::npos);
  EXPECT_EQ(zqcalc({"--help"}).status, 0);
}

}  // namespace
}  // namespace zq
