// The profile-file reader and writer on any bytes: parsing never fails, the
// text of a parsed file parses back to itself, and every key written reads
// back as written, before and after a save and a load.
//
// The input: a flags byte, a count of writes, the writes (section, key, value
// texts), then the file's original text.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "storage/profile_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using zq::ProfileFile;

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string s) {
  for (char& c : s) c = lower(c);
  return s;
}

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(std::string s) {
  while (!s.empty() && blank(s.back())) s.pop_back();
  std::size_t i = 0;
  while (i < s.size() && blank(s[i])) ++i;
  return s.substr(i);
}

// Line ends cannot be held inside one line.
std::string one_line(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

// A section name the header line can hold: one line, trimmed, not empty.
std::string section_name(std::string s) {
  s = trimmed(one_line(std::move(s)));
  return s.empty() ? "S" : s;
}

// A key name a key line can hold: no "=", not a comment or a header.
std::string key_name(std::string s) {
  s = one_line(std::move(s));
  for (char& c : s)
    if (c == '=') c = '_';
  s = trimmed(s);
  if (s.empty() || s.front() == ';' || s.front() == '[') s.insert(s.begin(), 'k');
  return s;
}

// A value that reads back unchanged: one line, trimmed, not in quotes.
std::string value_text(std::string s) {
  s = trimmed(one_line(std::move(s)));
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s.push_back('.');
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zq::fuzz::FuzzInput in(data, size);
  const std::uint8_t flags = in.byte();
  const int writes = in.byte() % 16;
  std::map<std::pair<std::string, std::string>, std::string> written;  // lowered names
  std::vector<std::pair<std::pair<std::string, std::string>, std::string>> order;
  for (int i = 0; i < writes; ++i) {
    std::string section = section_name(in.text(12));
    std::string key = key_name(in.text(12));
    std::string value = value_text(in.text(24));
    order.push_back({{section, key}, value});
  }
  const std::string original(in.rest());

  ProfileFile file = ProfileFile::parse(original);
  const std::string text = file.text();
  ZQ_FUZZ_CHECK(ProfileFile::parse(text).text() == text);

  for (const auto& [name, value] : order) {
    file.set(name.first, name.second, value);
    written[{lowered(name.first), lowered(name.second)}] = value;
  }
  const ProfileFile reread = ProfileFile::parse(file.text());
  for (const auto& [name, value] : order) {
    const std::string expected = written[{lowered(name.first), lowered(name.second)}];
    ZQ_FUZZ_CHECK(file.get(name.first, name.second) == expected);
    ZQ_FUZZ_CHECK(reread.get(name.first, name.second) == expected);
  }

  // Now and then through a real file: the atomic save and the load.
  if ((flags & 7) == 0) {
    static const std::filesystem::path path = zq::fuzz::scratch_file("profile.ini");
    ZQ_FUZZ_CHECK(file.save(path));
    ZQ_FUZZ_CHECK(ProfileFile::load(path).text() == file.text());
  }
  return 0;
}
