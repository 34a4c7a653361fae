#pragma once
// Layouts of the main window, the pictures window and the about window, and
// the main window's menu bar, as data (platform/layout.h).
#include <span>
#include <string>
#include <string_view>

#include "platform/layout.h"

namespace zq::shell {

inline constexpr std::string_view kMainProcedure = "Main";
inline constexpr std::string_view kPicturesProcedure = "pictures";
inline constexpr std::string_view kAboutProcedure = "AboutZQ";

const layout::WindowLayout& main_layout();
std::span<const layout::MenuEntry> main_menu();
const layout::WindowLayout& pictures_layout();
const layout::WindowLayout& about_layout();

// The three texts the main window assigns when it opens.
std::string_view biography_text();  // ?PROMPT1
std::string_view welcome_text();    // ?PROMPT2
std::string_view usage_text();      // ?PROMPT3

// "ZQ Antenna Designer 1.0.0" and "About ZQ Antenna Designer 1.0.0".
std::string main_caption();
std::string about_caption();

}  // namespace zq::shell
