#pragma once
// Where the settings file lives. Linux: $XDG_CONFIG_HOME/zq (default
// ~/.config/zq); Windows: the Windows directory. Never the working folder,
// where the calculators write their scratch design file "zq.ini".
#include <filesystem>
#include <string_view>

namespace zq {

std::filesystem::path settings_folder();
// `file_name` itself when it names a folder, else settings_folder() / file_name.
std::filesystem::path settings_file_path(std::string_view file_name);

}  // namespace zq
