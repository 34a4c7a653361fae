#include "settings/settings_manager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/settings_location.h"

#include "storage_support.h"

namespace fs = std::filesystem;

namespace {

using zq::testing::slurp;
using zq::testing::spit;

// A window whose placement the settings manager reads and changes; every
// change is logged so a restore's steps can be checked in order.
struct FakeWindow : zq::PlacementTarget {
  bool can_resize = false;
  bool maximized = false;
  bool minimized = false;
  Geometry at{10, 20, 300, 200};
  std::vector<std::string> log;

  bool resizable() const override { return can_resize; }
  bool is_maximized() const override { return maximized; }
  bool is_minimized() const override { return minimized; }
  Geometry geometry() const override { return at; }
  void unmaximize() override {
    maximized = false;
    log.push_back("unmaximize");
  }
  void move_to(std::optional<int> x, std::optional<int> y) override {
    if (x) at.x = *x;
    if (y) at.y = *y;
    log.push_back("move " + std::to_string(at.x) + "," + std::to_string(at.y));
  }
  void resize_to(std::optional<int> w, std::optional<int> h) override {
    if (w) at.width = *w;
    if (h) at.height = *h;
    log.push_back("resize " + std::to_string(at.width) + "x" + std::to_string(at.height));
  }
  void maximize() override {
    maximized = true;
    log.push_back("maximize");
  }
};

class SettingsManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("zq_settings_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    file_ = dir_ / "cfg" / "zq.INI";
    settings_.open(file_.string());
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  fs::path file_;
  zq::SettingsManager settings_;
};

TEST_F(SettingsManagerTest, FirstRunWritesMainThenBookkeepingInOrder) {
  FakeWindow main_window;
  main_window.at = {40, 30, 527, 319};
  settings_.save_placement("Main", main_window);
  settings_.close();
  EXPECT_EQ(slurp(file_),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=40\r\nYPos=30\r\n"
            "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

// Each row: the window's state when it closes, the keys it leaves.
struct SaveCase {
  const char* name;
  bool resizable, maximized, minimized;
  const char* expected;
};

TEST_F(SettingsManagerTest, SaveTable) {
  const SaveCase cases[] = {
      {"fixed size, normal", false, false, false, "[ZQ]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\n"},
      {"resizable, normal", true, false, false,
       "[ZQ]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\nWidth=300\r\nHeight=200\r\n"},
      {"resizable, maximized", true, true, false, "[ZQ]\r\nMaximize=Yes\r\nMinimize=No\r\n"},
      {"resizable, minimized", true, false, true, "[ZQ]\r\nMaximize=No\r\nMinimize=Yes\r\n"},
      {"fixed size, minimized", false, false, true, "[ZQ]\r\nMaximize=No\r\nMinimize=Yes\r\n"},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Every save starts from a section holding all six keys, so deletions show.
    spit(file_, "[ZQ]\r\nMaximize=No\r\nMinimize=No\r\nXPos=1\r\nYPos=2\r\nWidth=3\r\nHeight=4\r\n");
    FakeWindow window;
    window.can_resize = c.resizable;
    window.maximized = c.maximized;
    window.minimized = c.minimized;
    settings_.save_placement("ZQ", window);
    EXPECT_EQ(slurp(file_), c.expected);
  }
}

// Each row: the section's text, whether the window is resizable and starts
// maximized, and the restore's steps.
struct RestoreCase {
  const char* name;
  const char* file;
  bool resizable, maximized;
  std::vector<std::string> steps;
};

TEST_F(SettingsManagerTest, RestoreTable) {
  const RestoreCase cases[] = {
      {"no file", nullptr, true, false, {}},
      {"other section only", "[pictures]\r\nMaximize=No\r\nXPos=5\r\nYPos=6\r\n", true, false, {}},
      {"Maximize removed by hand", "[Main]\r\nMinimize=No\r\nXPos=5\r\nYPos=6\r\n", true, false, {}},
      {"Maximize neither Yes nor No", "[Main]\r\nMaximize=yes\r\nXPos=5\r\nYPos=6\r\n", true, false, {}},
      {"normal, fixed size ignores a size", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=5\r\nYPos=6\r\nWidth=7\r\nHeight=8\r\n",
       false, false, {"move 5,6"}},
      {"normal, resizable", "[Main]\r\nMaximize=No\r\nXPos=5\r\nYPos=6\r\nWidth=400\r\nHeight=250\r\n", true, false,
       {"move 5,6", "resize 400x250"}},
      {"only YPos has a value", "[Main]\r\nMaximize=No\r\nXPos=abc\r\nYPos=-6\r\n", false, false, {"move 10,-6"}},
      {"maximized", "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n", true, false, {"maximize"}},
      {"saved normal, window maximized", "[Main]\r\nMaximize=No\r\nXPos=5\r\nYPos=6\r\n", false, true,
       {"unmaximize", "move 5,6"}},
      {"minimized reopens normal at its layout place", "[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n", true, false, {}},
  };
  for (const RestoreCase& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(file_);
    if (c.file) spit(file_, c.file);
    FakeWindow window;
    window.can_resize = c.resizable;
    window.maximized = c.maximized;
    settings_.restore_placement("Main", window);
    EXPECT_EQ(window.log, c.steps);
    EXPECT_FALSE(window.minimized);
  }
}

TEST_F(SettingsManagerTest, ClosedWhileMaximizedReopensMaximized) {
  FakeWindow closing;
  closing.can_resize = true;
  closing.maximized = true;
  settings_.save_placement("ZQ2", closing);
  FakeWindow opening;
  opening.can_resize = true;
  settings_.restore_placement("ZQ2", opening);
  EXPECT_TRUE(opening.maximized);
  EXPECT_EQ(opening.log, std::vector<std::string>{"maximize"});
}

TEST_F(SettingsManagerTest, EveryShutdownWritesSectorsZeroAndKeepsTheRest) {
  spit(file_, "; my notes\r\n[Main]\r\nMaximize=No\r\n[__Dont_Touch_Me__]\r\nSectors=7\r\n");
  settings_.close();
  EXPECT_EQ(slurp(file_), "; my notes\r\n[Main]\r\nMaximize=No\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");
  EXPECT_FALSE(settings_.is_open());

  // A second run that opens no window still writes the entry.
  fs::remove(file_);
  settings_.open(file_.string());
  settings_.close();
  EXPECT_EQ(slurp(file_), "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(SettingsManagerTest, UnwritableFileIsIgnored) {
  fs::create_directories(file_);  // a folder where the file should be
  FakeWindow window;
  settings_.save_placement("Main", window);
  settings_.close();
  EXPECT_TRUE(fs::is_directory(file_));
}

class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~EnvVar() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsLocation, XdgConfigHomeElseHomeConfig) {
  EnvVar home("HOME", "/home/ham");
  {
    EnvVar xdg("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(zq::settings_file_path("zq.INI"), fs::path("/tmp/cfg/zq/zq.INI"));
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/cfg"}) {
    EnvVar xdg("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(zq::settings_file_path("zq.INI"), fs::path("/home/ham/.config/zq/zq.INI"));
  }
  // Never the working folder's scratch file: a bare name always gets the folder.
  EXPECT_NE(zq::settings_file_path("zq.INI"), fs::path("zq.INI"));
}

}  // namespace
