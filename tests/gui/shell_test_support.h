#pragma once
// Shared fixture of the window tests: a settings file in a fresh temp folder,
// opened in the program's settings manager, and recorded message boxes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/message_box.h"
#include "settings/settings_manager.h"
#include "storage/profile_file.h"

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zq_gui_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    zq::settings_manager().open((dir_ / "zq.INI").string());
  }
  void TearDown() override {
    zq::settings_manager().close();
    std::filesystem::remove_all(dir_);
    EXPECT_TRUE(messages_.recorder.shown.empty()) << "unexpected message: " << messages_.recorder.shown[0].text;
  }
  std::string setting(const char* section, const char* key) const {
    return zq::ProfileFile::load(dir_ / "zq.INI").get(section, key);
  }
  std::filesystem::path dir_;
  zq::ScopedMessageRecorder messages_;
};
