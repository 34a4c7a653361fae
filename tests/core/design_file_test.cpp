#include "storage/design_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "storage/comparison_log.h"
#include "storage/profile_file.h"
#include "storage_support.h"

namespace fs = std::filesystem;
using namespace zq;
using namespace zq::testing;

namespace {

class DesignFileTest : public WorkingFolderTest {};

TEST_F(DesignFileTest, SaveWritesEveryKeyInOrderAndReloads) {
  struct Case { UnitSystem units; const char* fixture; std::size_t keys; };
  for (const Case& c : {Case{UnitSystem::Imperial, "save_imperial.INI", 46},
                        Case{UnitSystem::Metric, "save_metric.INI", 45}}) {
    fs::remove_all(dir_ / "726.INI");
    CalculatorState s = sample_state(c.units);
    RecordingView view;
    ASSERT_EQ(SaveDesign(s, view), SaveOutcome::Saved);
    EXPECT_EQ(slurp(dir_ / "726.INI"), slurp(data_file(c.fixture)));
    EXPECT_EQ(ProfileFile::load(dir_ / "726.INI").keys("ZQ").size(), c.keys);
    EXPECT_EQ(s.DialogFile, "726.INI");
    EXPECT_EQ(s.DesignPath, (dir_ / "726.INI").string());
    EXPECT_EQ(metric_flag(), c.units == UnitSystem::Metric ? 1 : 0);
    // The saved design is its own window's: no message, the unit line says so.
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.keys, std::vector<HotKey>{HotKey::F3});
    EXPECT_EQ(view.events.front(), "take_screen");
    EXPECT_EQ(s.record.CT.units(), c.units == UnitSystem::Imperial ? 40 : 25);  // CT never written
    EXPECT_EQ(*s.record.text("F"), "7.15");
  }
}

TEST_F(DesignFileTest, ResaveKeepsForeignLinesAndTheirOrder) {
  fs::copy_file(data_file("hand_edited.INI"), dir_ / "726.INI");
  CalculatorState s = sample_state(UnitSystem::Imperial);
  RecordingView view;
  ASSERT_EQ(SaveDesign(s, view), SaveOutcome::Saved);
  EXPECT_EQ(slurp(dir_ / "726.INI"), slurp(data_file("hand_edited_saved.INI")));
  EXPECT_EQ(s.record.CT.units(), 25);  // the hand-set tap ratio is read back
}

TEST_F(DesignFileTest, NameBoxRules) {
  struct Case {
    const char* name;
    SaveOutcome outcome;
    const char* file;  // written file, or nullptr
    const char* caption;
  };
  const Case cases[] = {
      {"726", SaveOutcome::Saved, "726.INI", nullptr},
      {"  726  ", SaveOutcome::Saved, "  726.INI", nullptr},  // leading blanks stay
      {"M7 40m", SaveOutcome::Saved, "M7 40m.INI", nullptr},
      {"", SaveOutcome::NoName, nullptr, ""},
      {"    ", SaveOutcome::NoName, nullptr, ""},
      {"../726", SaveOutcome::NameRefused, nullptr, "ZQ Error Message"},
      {"/tmp/726", SaveOutcome::NameRefused, nullptr, "ZQ Error Message"},
      {"72\n6", SaveOutcome::NameRefused, nullptr, "ZQ Error Message"},
  };
  for (const Case& c : cases) {
    for (const auto& entry : fs::directory_iterator(dir_)) fs::remove_all(entry.path());
    spit(dir_ / "zq.ini", "[ZQ]\r\n");
    CalculatorState s = sample_state(UnitSystem::Imperial, c.name);
    RecordingView view;
    EXPECT_EQ(SaveDesign(s, view), c.outcome) << c.name;
    if (c.file) {
      EXPECT_TRUE(fs::exists(dir_ / c.file)) << c.name;
      EXPECT_FALSE(fs::exists(dir_ / "zq.ini")) << "SAVE removes the scratch file";
      EXPECT_EQ(entries_in(dir_), 2u) << c.name;  // the design and the log
    } else {
      ASSERT_EQ(view.messages.size(), 1u) << c.name;
      EXPECT_EQ(view.messages[0].caption, c.caption);
      if (c.outcome == SaveOutcome::NoName)
        EXPECT_EQ(view.messages[0].text, "You must enter a name for this file to save");
      EXPECT_EQ(view.events.back(), "focus_name_box");
      EXPECT_EQ(entries_in(dir_), 1u) << "nothing written for " << c.name;
      EXPECT_TRUE(s.DesignPath.empty());
    }
  }
}

TEST_F(DesignFileTest, ScratchFileHoldsFortyOneKeysAndKeepsTheRest) {
  CalculatorState s = sample_state(UnitSystem::Metric);
  RecordingView view;
  ASSERT_TRUE(WriteScratchDesign(s, view));
  EXPECT_EQ(slurp(dir_ / "zq.ini"), slurp(data_file("scratch.ini")));
  EXPECT_EQ(s.DesignPath, (dir_ / "zq.ini").string());
  EXPECT_EQ(view.events, std::vector<std::string>{"take_screen"});

  // Over a file that a SAVE wrote: the keys it does not write stay as they were.
  fs::copy_file(data_file("save_imperial.INI"), dir_ / "zq.ini", fs::copy_options::overwrite_existing);
  s.record.MRR = Decimal(1);
  s.record.F = Decimal::parse("14.2");
  ASSERT_TRUE(WriteScratchDesign(s, view));
  ProfileFile f = ProfileFile::load(dir_ / "zq.ini");
  EXPECT_EQ(f.get("ZQ", "F"), "14.2");
  EXPECT_EQ(f.get("ZQ", "MRR"), "98.765");
  EXPECT_EQ(f.get("ZQ", "Metric"), "0");
  EXPECT_EQ(f.get("ZQ", "ARR"), "120");
}

TEST(DesignValueReading, TextRules) {
  struct Case { const char* text; const char* value; };
  for (const Case& c : {Case{"", "0"},          Case{"7.15", "7.15"},    Case{"   7.15", "7.15"},
                        Case{"\t-3.01", "-3.01"}, Case{"3,5", "3.5"},      Case{".5", "0.5"},
                        Case{"-.5", "-0.5"},    Case{"1e3", "1000"},     Case{"2.5E-1", "0.25"},
                        Case{"12abc", "12"},    Case{"1e", "1"},         Case{"4.5.6", "4.5"},
                        Case{"abc", "0"},       Case{"-", "0"},          Case{".", "0"},
                        Case{"+5", "0"},        Case{"- 5", "0"},        Case{"1e-999999999", "0"}}) {
    EXPECT_EQ(read_design_value(c.text), Decimal::parse(c.value)) << '"' << c.text << '"';
  }
}

TEST_F(DesignFileTest, LoadingStoresWithEachValuesRules) {
  struct Case { const char* lines; const char* key; const char* want; };
  const Case cases[] = {
      {"F=7.15678", "F", "7.1568"},           // four places, halves away from zero
      {"F=", "F", "0"},                        // empty reads as 0
      {"F=1e999999999", "F", "99999.9999"},     // saturates at the value's capacity, at once
      {"CT=25.9", "CT", "25"},                 // whole part
      {"CT=0", "CT", "40"},                    // imperial default
      {"", "CT", "40"},
      {"ARR=119.7", "ARR", "119"},
      {"ARR=0", "ARR", "120"},
      {"TCC=5\r\nPCWD=5", "TCC", "0"},         // derived by ReCalc, not read
      {"metric=257", "Metric", "1"},           // low eight bits
      {"Metric=-1", "Metric", "255"},
  };
  for (const Case& c : cases) {
    spit(dir_ / "x.ini", std::string("[ZQ]\r\n") + c.lines + "\r\n");
    CalculatorState s = open_calculator(UnitSystem::Imperial);
    s.DesignPath = (dir_ / "x.ini").string();
    RecordingView view;
    auto started = std::chrono::steady_clock::now();
    LoadDesign(s, view);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    EXPECT_EQ(*s.record.text(c.key), c.want) << c.lines;
    EXPECT_EQ(view.events.back(), "F3");
  }
}

TEST_F(DesignFileTest, HostileFilesLoadWithoutHarm) {
  std::string huge(2'000'000, '9');
  const std::string files[] = {
      std::string("\x7f" "ELF\0\0\x01\xff\xfe[ZQ\0]=\r\n\0\0", 18),
      "[ZQ]\r\nF=" + huge + "\r\nCD=" + huge + "e" + huge + "\r\n",
      "F=7\r\nCD=2\r\n",                       // no section: nothing is read
      "[ZQ]\rF=7.15\rCD=2\rmetric=1\r",        // CR-only lines
  };
  for (const std::string& bytes : files) {
    spit(dir_ / "x.ini", bytes);
    CalculatorState s = open_calculator(UnitSystem::Metric);
    s.record.F = Decimal(3);
    s.DesignPath = (dir_ / "x.ini").string();
    RecordingView view;
    LoadDesign(s, view);
    EXPECT_EQ(view.keys, std::vector<HotKey>{HotKey::F3});
  }
  CalculatorState s = open_calculator(UnitSystem::Metric);
  s.DesignPath = (dir_ / "x.ini").string();
  RecordingView view;
  LoadDesign(s, view);  // the CR-only file
  EXPECT_EQ(*s.record.text("F"), "7.15");
  EXPECT_EQ(*s.record.text("CD"), "2");
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(DesignFileTest, NoDesignPathLoadsNothing) {
  CalculatorState s = open_calculator(UnitSystem::Imperial);
  RecordingView view;
  LoadDesign(s, view);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(*s.record.text("DPS"), "6");
  EXPECT_EQ(*s.record.text("CT"), "40");
}

TEST_F(DesignFileTest, ChosenFileMovesTheWorkingFolderAndFillsTheNameBox) {
  fs::create_directories(dir_ / "designs");
  fs::copy_file(data_file("save_imperial.INI"), dir_ / "designs" / "726.ini");
  for (bool fill : {false, true}) {
    fs::current_path(dir_);
    CalculatorState s = open_calculator(UnitSystem::Imperial);
    RecordingView view;
    open_chosen_design(s, view, "designs/726.ini", fill);
    EXPECT_EQ(fs::current_path(), dir_ / "designs");
    EXPECT_EQ(s.DesignPath, (dir_ / "designs" / "726.ini").string());
    EXPECT_EQ(s.DialogFile, s.DesignPath);
    EXPECT_EQ(s.record.SAVENAME, fill ? "726" : "");
    EXPECT_EQ(*s.record.text("F"), "7.15");
    EXPECT_EQ(s.unit_line, "All measurements are in inches");
  }
  EXPECT_EQ(design_name_of("/x/M7.INI"), "M7");
  EXPECT_EQ(design_name_of("/x/notes.txt"), "notes.txt");
}

// A folder the program may not write to: SAVE completes without a message and
// the design on screen is kept. Runs in a child process that gives up root,
// since root may write anywhere.
TEST_F(DesignFileTest, ReadOnlyFolderKeepsTheDesign) {
  fs::copy_file(data_file("hand_edited.INI"), dir_ / "726.INI");
  const std::string before = slurp(dir_ / "726.INI");
  ::chmod(dir_.c_str(), 0555);
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(3);
        CalculatorState s = sample_state(UnitSystem::Imperial);
        RecordingView view;
        bool ok = SaveDesign(s, view) == SaveOutcome::NotWritten && view.messages.empty() &&
                  *s.record.text("F") == "7.15" && *s.record.text("MRR") == "98.765" &&
                  view.keys.empty() && !fs::exists(dir_ / "ZQ.csv");
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ::chmod(dir_.c_str(), 0755);
  EXPECT_EQ(slurp(dir_ / "726.INI"), before);
  EXPECT_EQ(entries_in(dir_), 1u);
}

}  // namespace
