#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/message_box.h"

namespace fs = std::filesystem;
using Call = zq::RecordingDragSetting::Call;

namespace {

constexpr Call kQuery{false, 0};
constexpr Call kOff{true, 0};
constexpr Call kOn{true, 1};

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("zq_startup_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    old_xdg_ = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (old_xdg_.empty()) unsetenv("XDG_CONFIG_HOME");
    else setenv("XDG_CONFIG_HOME", old_xdg_.c_str(), 1);
    fs::remove_all(dir_);
  }
  fs::path settings_file() const { return dir_ / "zq" / "zq.INI"; }
  fs::path dir_;
  std::string old_xdg_;
  zq::ErrorManager errors_;
  zq::SettingsManager settings_;
};

TEST_F(StartupTest, StepsRunInOrder) {
  zq::RecordingDragSetting drag(1u);
  std::vector<std::string> log;
  errors_.push_procedure("left over");
  zq::ProgramParts parts{errors_, settings_, drag,
                         [&] {
                           log.push_back("icon");
                           EXPECT_TRUE(errors_.procedures().empty()) << "error manager made ready first";
                           EXPECT_TRUE(settings_.is_open()) << "settings opened before the icon";
                           EXPECT_TRUE(drag.calls.empty()) << "drag setting read after the icon";
                         },
                         [&] {
                           log.push_back("main window");
                           EXPECT_EQ(drag.calls, (std::vector<Call>{kQuery, kOff}));
                           EXPECT_EQ(drag.current(), 0u);
                           EXPECT_TRUE(settings_.is_open());
                         }};
  EXPECT_EQ(zq::run_program(parts), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"icon", "main window"}));
  EXPECT_EQ(drag.calls, (std::vector<Call>{kQuery, kOff, kOn}));
  EXPECT_EQ(drag.current(), 1u);
  EXPECT_FALSE(settings_.is_open());
  EXPECT_EQ(settings_.path(), settings_file());
  std::ifstream in(settings_file(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

// Only exactly 1 counts as on: then it is switched off and on again; any other
// value, a failed query or a system without the setting writes nothing.
TEST_F(StartupTest, DragSettingIsRestoredOnlyWhenSwitchedOff) {
  struct Case {
    const char* name;
    std::optional<std::uint32_t> value;
    bool available;
    std::vector<Call> calls;
  };
  const Case cases[] = {
      {"on", 1u, true, {kQuery, kOff, kOn}},
      {"off", 0u, true, {kQuery}},
      {"another value", 2u, true, {kQuery}},
      {"query fails", std::nullopt, true, {kQuery}},
      {"no such setting", 1u, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    zq::RecordingDragSetting drag(c.value, c.available);
    zq::ProgramParts parts{errors_, settings_, drag, nullptr, [] {}};
    EXPECT_EQ(zq::run_program(parts), 0);
    EXPECT_EQ(drag.calls, c.calls);
  }
}

TEST_F(StartupTest, FailureInMainWindowStillRestoresAndExitsWithZero) {
  zq::ScopedMessageRecorder messages;
  zq::RecordingDragSetting drag(1u);
  zq::ProgramParts parts{errors_, settings_, drag, nullptr, [] { throw std::runtime_error("out of memory"); }};
  EXPECT_EQ(zq::run_program(parts), 0);
  EXPECT_EQ(drag.calls, (std::vector<Call>{kQuery, kOff, kOn}));
  EXPECT_FALSE(settings_.is_open());
  ASSERT_EQ(messages.recorder.shown.size(), 1u);
  EXPECT_EQ(messages.recorder.shown[0].caption, "ZQ Error Message");
}

}  // namespace
