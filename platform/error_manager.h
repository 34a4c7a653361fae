#pragma once
// The error manager: a process-wide stack of procedure names. Each window
// pushes its fixed procedure name ("Main", "pictures", "ZQ", ...) while it is
// open and pops it when it closes, so the name of the window below becomes
// current again. report() shows a file or window error that the platform
// detected in a message box naming the current procedure.
#include <string>
#include <string_view>
#include <vector>

namespace zq {

class ErrorManager {
 public:
  // Start-up step 1: an empty stack.
  void make_ready() { names_.clear(); }
  void push_procedure(std::string_view name) { names_.emplace_back(name); }
  // Withdraws the newest name; the one below it is current again.
  void pop_procedure() {
    if (!names_.empty()) names_.pop_back();
  }
  // "" when no window is open.
  std::string current_procedure() const { return names_.empty() ? std::string() : names_.back(); }
  const std::vector<std::string>& procedures() const { return names_; }

  // Shows `error` through the installed message boxes, caption "ZQ Error Message",
  // with a second line naming the current procedure.
  void report(std::string_view error) const;
  // The text report() shows: "error|Procedure: Main".
  std::string report_text(std::string_view error) const;

 private:
  std::vector<std::string> names_;
};

// The program's one error manager.
ErrorManager& error_manager();

// Registers a procedure name for as long as the scope lives.
class ProcedureScope {
 public:
  explicit ProcedureScope(std::string_view name, ErrorManager& errors = error_manager()) : errors_(errors) {
    errors_.push_procedure(name);
  }
  ~ProcedureScope() { errors_.pop_procedure(); }
  ProcedureScope(const ProcedureScope&) = delete;
  ProcedureScope& operator=(const ProcedureScope&) = delete;

 private:
  ErrorManager& errors_;
};

}  // namespace zq
