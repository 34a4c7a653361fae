#pragma once
// Appending to a file that other programs may hold open (the comparison log
// is often open in the spreadsheet): the file is shared for reading and
// writing and each call adds its bytes with one write at the end.
#include <filesystem>
#include <string_view>

namespace zq {

enum class AppendResult {
  Appended,  // the file existed; `row` was added at its end
  Created,   // the file was new; `first_line` and `row` were written
  Failed,    // nothing was written
};

// Appends `row` to `file`; when `file` does not exist, creates it holding
// `first_line` followed by `row`. A write that cannot complete (a full disk)
// is undone, so the file never ends in half a row.
AppendResult append_to_file(const std::filesystem::path& file, std::string_view first_line,
                            std::string_view row);

}  // namespace zq
