#include "storage/profile_file.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zq {
namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

bool is_blank_char(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_blank_char(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank_char(s.back())) s.remove_suffix(1);
  return s;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

// "[name]" (blanks allowed around the brackets and the name): the section name.
bool header_name(std::string_view line, std::string_view& name) {
  std::string_view t = trim(line);
  if (t.empty() || t.front() != '[') return false;
  std::size_t close = t.rfind(']');
  if (close == std::string_view::npos || close == 0) return false;
  name = trim(t.substr(1, close - 1));
  return true;
}

// "key=value": the trimmed key (non-empty, not a ";" comment) and raw value.
bool key_line(std::string_view line, std::string_view& key, std::string_view& value) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = trim(line.substr(0, eq));
  if (key.empty() || key.front() == ';' || key.front() == '[') return false;
  value = line.substr(eq + 1);
  return true;
}

std::string read_value(std::string_view raw) {
  std::string_view v = trim(raw);
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return std::string(v);
}

bool is_blank_line(std::string_view line) { return trim(line).empty(); }

}  // namespace

ProfileFile ProfileFile::parse(std::string_view text) {
  ProfileFile p;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      p.lines_.push_back({std::string(text.substr(start))});
      break;
    }
    p.lines_.push_back({std::string(text.substr(start, end - start))});
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return p;
}

ProfileFile ProfileFile::load(const std::filesystem::path& file) {
  // Only a regular file is read: a folder or a pipe in its place reads as
  // empty, like a missing file, instead of failing or blocking.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  try {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {};
    return parse(bytes);
  } catch (const std::ios_base::failure&) {  // the stream library reports read errors this way
    return {};
  }
}

std::size_t ProfileFile::find_section(std::string_view section) const {
  std::string_view want = trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (header_name(lines_[i].text, name) && same_name(name, want)) return i;
  }
  return npos;
}

std::size_t ProfileFile::section_end(std::size_t header) const {
  std::size_t i = header + 1;
  std::string_view name;
  while (i < lines_.size() && !header_name(lines_[i].text, name)) ++i;
  return i;
}

std::size_t ProfileFile::find_key(std::size_t header, std::string_view key) const {
  std::string_view want = trim(key);
  std::size_t end = section_end(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (key_line(lines_[i].text, k, v) && same_name(k, want)) return i;
  }
  return npos;
}

std::string ProfileFile::get(std::string_view section, std::string_view key) const {
  std::size_t header = find_section(section);
  if (header == npos) return {};
  std::size_t at = find_key(header, key);
  if (at == npos) return {};
  std::string_view k, v;
  key_line(lines_[at].text, k, v);
  return read_value(v);
}

std::vector<std::string> ProfileFile::keys(std::string_view section) const {
  std::vector<std::string> out;
  std::size_t header = find_section(section);
  if (header == npos) return out;
  std::size_t end = section_end(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (key_line(lines_[i].text, k, v)) out.emplace_back(k);
  }
  return out;
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
  if (value.empty()) {
    remove(section, key);
    return;
  }
  std::string_view want = trim(key);
  std::size_t header = find_section(section);
  if (header == npos) {
    std::string header_line(1, '[');
    header_line.append(trim(section));
    header_line.push_back(']');
    lines_.push_back({std::move(header_line)});
    lines_.push_back({std::string(want) + "=" + std::string(value)});
    return;
  }
  std::size_t at = find_key(header, key);
  if (at != npos) {
    std::string_view k, v;
    key_line(lines_[at].text, k, v);
    lines_[at].text = std::string(k) + "=" + std::string(value);
    return;
  }
  std::size_t last = header;
  std::size_t end = section_end(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (!is_blank_line(lines_[i].text)) last = i;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                {std::string(want) + "=" + std::string(value)});
}

void ProfileFile::remove(std::string_view section, std::string_view key) {
  std::size_t header = find_section(section);
  if (header == npos) return;
  // Every line of the key goes: a hand-edited file may hold it twice, and a
  // second line left behind would read as the deleted key's value.
  for (std::size_t at = find_key(header, key); at != npos; at = find_key(header, key))
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string ProfileFile::text() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

bool ProfileFile::save(const std::filesystem::path& file) const {
  return replace_file_atomically(file, text());
}

std::string read_profile_string(const std::filesystem::path& file, std::string_view section,
                                std::string_view key) {
  return ProfileFile::load(file).get(section, key);
}

bool write_profile_string(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view value) {
  ProfileFile p = ProfileFile::load(file);
  p.set(section, key, value);
  return p.save(file);
}

bool replace_file_atomically(const std::filesystem::path& file, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::path target = file;
  // Replace what a symbolic link points to, not the link itself.
  if (std::filesystem::is_symlink(target, ec)) {
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
#ifdef _WIN32
  std::filesystem::path temp = target;
  temp += ".~" + std::to_string(_getpid());
  std::FILE* f = _wfopen(temp.c_str(), L"wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = _commit(_fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok) {
    std::filesystem::rename(temp, target, ec);  // replaces an existing file
    ok = !ec;
  }
  if (!ok) std::filesystem::remove(temp, ec);
  return ok;
#else
  std::filesystem::path temp = target;
  temp += ".~" + std::to_string(::getpid());
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  bool ok = true;
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (ok && left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
#endif
}

}  // namespace zq
