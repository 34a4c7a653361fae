#include "platform/file_append.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zq {
namespace {

#ifdef _WIN32

HANDLE open_for_append(const std::filesystem::path& file, DWORD disposition) {
  // Write access (not append-only) so that a failed row can be cut back.
  return CreateFileW(file.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool write_all(HANDLE h, std::string_view bytes) {
  LARGE_INTEGER before{};
  GetFileSizeEx(h, &before);
  DWORD written = 0;
  OVERLAPPED at_end{};  // both offsets all ones: write at the end of the file
  at_end.Offset = 0xFFFFFFFF;
  at_end.OffsetHigh = 0xFFFFFFFF;
  BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &at_end);
  if (ok && written == bytes.size()) {
    FlushFileBuffers(h);
    return true;
  }
  if (written > 0) {  // take back the part of the row that got in
    FILE_END_OF_FILE_INFO eof{};
    eof.EndOfFile = before;
    SetFileInformationByHandle(h, FileEndOfFileInfo, &eof, sizeof eof);
  }
  return false;
}

#else

// One write() of the whole text. A short write (a full disk) is cut back to
// where the file ended, so no half row stays behind.
bool write_all(int fd, std::string_view bytes) {
  ssize_t n;
  do {
    n = ::write(fd, bytes.data(), bytes.size());
  } while (n < 0 && errno == EINTR);
  if (n == static_cast<ssize_t>(bytes.size())) {
    ::fsync(fd);
    return true;
  }
  if (n > 0) {
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size >= n) (void)::ftruncate(fd, st.st_size - n);
  }
  return false;
}

#endif

}  // namespace

AppendResult append_to_file(const std::filesystem::path& file, std::string_view first_line,
                            std::string_view row) {
  std::string both;
  both.reserve(first_line.size() + row.size());
  both.append(first_line).append(row);
#ifdef _WIN32
  HANDLE h = open_for_append(file, OPEN_EXISTING);
  bool created = false;
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
    h = open_for_append(file, CREATE_NEW);
    created = h != INVALID_HANDLE_VALUE;
    if (!created && GetLastError() == ERROR_FILE_EXISTS) h = open_for_append(file, OPEN_EXISTING);
  }
  if (h == INVALID_HANDLE_VALUE) return AppendResult::Failed;
  bool ok = write_all(h, created ? std::string_view(both) : row);
  CloseHandle(h);
#else
  int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  bool created = false;
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created = fd >= 0;
    // Another program created it a moment ago: append to it as it stands.
    if (!created && errno == EEXIST) fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  }
  if (fd < 0) return AppendResult::Failed;
  bool ok = write_all(fd, created ? std::string_view(both) : row);
  ::close(fd);
#endif
  if (!ok) {
    // A log created here that holds nothing is removed again.
    if (created) {
      std::error_code ec;
      if (std::filesystem::file_size(file, ec) == 0 && !ec) std::filesystem::remove(file, ec);
    }
    return AppendResult::Failed;
  }
  return created ? AppendResult::Created : AppendResult::Appended;
}

}  // namespace zq
