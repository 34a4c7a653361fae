#pragma once
// The working folder is the process's current directory: design files, the
// scratch design file, the comparison log and the mail folder live in it.
#include <filesystem>
#include <string>
#include <string_view>

namespace zq {

// The separator between folder and file in the paths the program builds.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

std::filesystem::path working_folder();
// The working folder as the program names it in paths: on Windows its short
// (8.3) form, elsewhere the path as it is. "" when it cannot be found.
std::string working_folder_short_path();
// `name` in the working folder: the short path, the separator and the name.
std::string path_in_working_folder(std::string_view name);
// Makes the folder of `chosen_file` the working folder, as choosing a file in
// the open dialog does. False when the folder cannot be entered.
bool move_working_folder_to_file(const std::filesystem::path& chosen_file);

}  // namespace zq
