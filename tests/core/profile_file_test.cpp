#include "storage/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "storage_support.h"

namespace fs = std::filesystem;

namespace {

using zq::testing::slurp;
using zq::testing::spit;


class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("zq_profile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(ProfileFileTest, NewFileHasLinesInFirstWrittenOrderWithCrLf) {
  fs::create_directory(dir_ / "folder.ini");  // a folder in a file's place reads as empty
  EXPECT_EQ(zq::ProfileFile::load(dir_ / "folder.ini").get("ZQ", "F"), "");
  zq::ProfileFile p = zq::ProfileFile::load(dir_ / "missing.ini");
  EXPECT_EQ(p.get("ZQ", "F"), "");
  p.set("ZQ", "F", "7.15");
  p.set("ZQ", "RFR", "0");
  p.set("Other", "A", "1");
  p.set("ZQ", "SAVENAME", "test");
  ASSERT_TRUE(p.save(dir_ / "new.ini"));
  EXPECT_EQ(slurp(dir_ / "new.ini"), slurp(zq::testing::data_file("profile_new.ini")));
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(ProfileFileTest, HandEditedFileKeepsForeignLinesByteForByte) {
  fs::path file = dir_ / "edited.ini";
  fs::copy_file(zq::testing::data_file("profile_edited_in.ini"), file);
  zq::ProfileFile p = zq::ProfileFile::load(file);
  EXPECT_EQ(p.get("ZQ", "F"), "3.5");    // section and key without letter case, blanks trimmed
  EXPECT_EQ(p.get("ZQ", "RFR"), "12");   // enclosing quotes removed
  EXPECT_EQ(p.get("placement", "LEFT"), "20");
  EXPECT_EQ(p.keys("ZQ"), (std::vector<std::string>{"f", "foo", "rfr"}));
  p.set("ZQ", "F", "7.15");   // in place, the file's spelling of the key
  p.set("ZQ", "RFR", "");     // empty value deletes the line
  p.set("ZQ", "CT", "1");     // after the section's last non-blank line
  p.remove("ZQ", "nothing");
  p.set("New", "K", "v");     // new section at the end, no blank line added
  ASSERT_TRUE(p.save(file));
  EXPECT_EQ(slurp(file), slurp(zq::testing::data_file("profile_edited_out.ini")));
}

TEST(ProfileFileParse, DeletingAKeyWrittenTwiceLeavesNoOldValueBehind) {
  zq::ProfileFile p = zq::ProfileFile::parse("[Main]\r\nXPos=1\r\nx=2\r\nXPos=3\r\n[Other]\r\nXPos=4\r\n");
  p.set("Main", "XPos", "");
  EXPECT_EQ(p.get("Main", "XPos"), "");
  EXPECT_EQ(p.text(), "[Main]\r\nx=2\r\n[Other]\r\nXPos=4\r\n");  // other sections keep theirs
}

TEST(ProfileFileParse, AcceptsEveryLineEnd) {
  for (const char* text : {"[A]\rX=1\rY=2\r", "[A]\nX=1\nY=2", "[A]\r\nX=1\r\nY=2\r\n", "[A]\r\nX=1\nY=2\r"}) {
    zq::ProfileFile p = zq::ProfileFile::parse(text);
    EXPECT_EQ(p.get("a", "x"), "1") << text;
    EXPECT_EQ(p.get("A", "Y"), "2") << text;
    EXPECT_EQ(p.text(), "[A]\r\nX=1\r\nY=2\r\n") << text;
  }
}

TEST(ProfileFileParse, ReadingRules) {
  zq::ProfileFile p = zq::ProfileFile::parse(
      "X=before\r\n[ S ]\r\nA = \" spaced \" \r\nB=\"half\r\nC=\r\nD\r\n;E=comment\r\nA=second\r\n"
      "[T]\r\nA=other\r\n[s]\r\nZ=late\r\n");
  struct Case { const char* section; const char* key; const char* want; };
  for (const Case& c : {Case{"S", "A", " spaced "}, Case{"S", "B", "\"half"}, Case{"S", "C", ""},
                        Case{"S", "D", ""}, Case{"S", "E", ""}, Case{"T", "A", "other"},
                        Case{"S", "Z", ""},  // only the first section of a name is read
                        Case{"", "X", ""}, Case{"U", "A", ""}}) {
    EXPECT_EQ(p.get(c.section, c.key), c.want) << c.section << "/" << c.key;
  }
}

TEST_F(ProfileFileTest, HostileBytesLoadAndRoundTrip) {
  std::string junk(70000, 'x');
  junk += std::string("\0\x01\xff[=]\r\r\n=\n[ZQ", 14);
  junk += "]\rF=1\r";
  spit(dir_ / "junk.ini", junk);
  zq::ProfileFile p = zq::ProfileFile::load(dir_ / "junk.ini");
  EXPECT_EQ(p.get("ZQ", "F"), "1");
  p.set("ZQ", "F", "2");
  ASSERT_TRUE(p.save(dir_ / "junk.ini"));
  EXPECT_EQ(zq::read_profile_string(dir_ / "junk.ini", "zq", "f"), "2");
}

TEST_F(ProfileFileTest, FailedSaveLeavesOldFileAndNoTemporary) {
  fs::path file = dir_ / "keep.ini";
  spit(file, "[ZQ]\r\nF=1\r\n");
  // A folder in the way of the rename: the save fails and the file stays.
  fs::path blocked = dir_ / "blocked.ini";
  fs::create_directories(blocked / "inside");
  zq::ProfileFile p = zq::ProfileFile::load(file);
  p.set("ZQ", "F", "2");
  EXPECT_FALSE(p.save(blocked));
  EXPECT_FALSE(p.save(dir_ / "no such folder" / "x.ini"));
  EXPECT_EQ(slurp(file), "[ZQ]\r\nF=1\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
  EXPECT_TRUE(zq::write_profile_string(file, "ZQ", "F", "3"));
  EXPECT_EQ(slurp(file), "[ZQ]\r\nF=3\r\n");
}

}  // namespace
