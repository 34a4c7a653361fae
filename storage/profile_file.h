#pragma once
// Profile files ("[section]" headers and "key=value" lines): the design files,
// the scratch design file and the settings file. Reading matches sections and
// keys without letter case and trims blanks; writing changes only the lines it
// must and keeps every other line as it was. A save replaces the file
// atomically, so a crash or a full disk never leaves half a file behind.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

class ProfileFile {
 public:
  // A missing or unreadable file gives an empty profile.
  static ProfileFile load(const std::filesystem::path& file);
  // Parses text read from a file (lines end in CR LF, LF or CR).
  static ProfileFile parse(std::string_view text);

  // The key's value, blanks trimmed and one pair of enclosing double quotes
  // removed; "" when the section or key is missing.
  std::string get(std::string_view section, std::string_view key) const;
  // Replaces the key's line in place (keeping the key's spelling), or adds it
  // after the section's last non-blank line, or appends the section at the end.
  // An empty value deletes the key's line.
  void set(std::string_view section, std::string_view key, std::string_view value);
  // Deletes the key's line from the section, and any repeat of it there.
  void remove(std::string_view section, std::string_view key);
  // Key names of the section, in file order.
  std::vector<std::string> keys(std::string_view section) const;

  // The file's text: every line followed by CR LF.
  std::string text() const;
  // Writes a temporary file beside `file`, flushes it and renames it over
  // `file`. False on failure; the old file is then left as it was.
  bool save(const std::filesystem::path& file) const;

 private:
  struct Line {
    std::string text;  // as read, without its line end
  };
  // Index of the first header line of the section, or npos.
  std::size_t find_section(std::string_view section) const;
  // Index of the key's line in the section starting at `header`, or npos.
  std::size_t find_key(std::size_t header, std::string_view key) const;
  // One past the section's last line.
  std::size_t section_end(std::size_t header) const;

  std::vector<Line> lines_;
};

// One-shot helpers: one read, or one read and one atomic write.
std::string read_profile_string(const std::filesystem::path& file, std::string_view section,
                                std::string_view key);
bool write_profile_string(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view value);

// Replaces `file` with `bytes` atomically (temporary file beside it, flush,
// rename). False on failure, the old file untouched.
bool replace_file_atomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace zq
