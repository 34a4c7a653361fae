#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "platform/spreadsheet.h"

extern char** environ;

namespace zq {

SpreadsheetOutcome DesktopSpreadsheet::open_workbook(const std::string& path) {
  std::string program = program_;
  std::string argument = path;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
#ifdef POSIX_SPAWN_SETSID
  // A session of its own: the spreadsheet outlives the program and a Ctrl+C
  // in the program's terminal.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
#endif
  int rc = posix_spawnp(&pid, program.c_str(), nullptr, &attr, argv, environ);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) {
    return {false, "No program was found to open the comparison log|" + path +
                       "|Install xdg-utils or open the file with your spreadsheet program."};
  }
  // The spreadsheet runs on by itself; a thread collects the launcher's exit
  // so that it leaves no zombie behind, and the window is never held up.
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return {true, ""};
}

std::unique_ptr<Spreadsheet> make_system_spreadsheet() { return std::make_unique<DesktopSpreadsheet>(); }

}  // namespace zq
