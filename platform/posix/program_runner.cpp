// Starting a helper program on Linux: posix_spawnp, no shell, so no text of
// the message (a subject, a path) is ever read as shell syntax.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/mail_standin.h"

extern char** environ;

namespace zq::platform {
namespace {

class PosixProgramRunner : public ProgramRunner {
 public:
  RunOutcome run(const std::vector<std::string>& argv) override {
    reap_finished();
    RunOutcome outcome;
    if (argv.empty()) return outcome;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return outcome;
    outcome.started = true;
    auto deadline = std::chrono::steady_clock::now() + kWait;
    for (;;) {
      int status = 0;
      pid_t done = waitpid(pid, &status, WNOHANG);
      if (done == pid) {
        outcome.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        // A shell reports a program it could not find as 127.
        if (outcome.exit_code == 127) outcome.started = false;
        return outcome;
      }
      if (done < 0 || std::chrono::steady_clock::now() >= deadline) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    outcome.still_running = true;
    running_.push_back(pid);
    return outcome;
  }

 private:
  static constexpr std::chrono::seconds kWait{4};

  // Programs left running after the wait are collected later, so none stays a zombie.
  void reap_finished() {
    std::erase_if(running_, [](pid_t pid) {
      int status = 0;
      return waitpid(pid, &status, WNOHANG) != 0;
    });
  }
  std::vector<pid_t> running_;
};

}  // namespace

ProgramRunner& system_program_runner() {
  static PosixProgramRunner runner;
  return runner;
}

}  // namespace zq::platform
