#pragma once
// The spreadsheet program that "Open Excel" shows the comparison log in.
// Linux: the desktop's program for CSV files, started by xdg-open; Windows:
// "Excel.Application" automation. Tests use RecordingSpreadsheet.
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zq {

struct SpreadsheetOutcome {
  bool opened = false;
  // Text for the user when the program could not be reached ("" otherwise).
  std::string problem;
};

class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;
  // Shows the file `path` as a workbook with its first sheet selected.
  // Returns without waiting for the spreadsheet program to finish.
  virtual SpreadsheetOutcome open_workbook(const std::string& path) = 0;
};

// The platform's spreadsheet program.
std::unique_ptr<Spreadsheet> make_system_spreadsheet();

#ifndef _WIN32
// Starts `program` (normally "xdg-open") with the path as its one argument,
// without a shell and without waiting for it.
class DesktopSpreadsheet : public Spreadsheet {
 public:
  explicit DesktopSpreadsheet(std::string program = "xdg-open") : program_(std::move(program)) {}
  SpreadsheetOutcome open_workbook(const std::string& path) override;

 private:
  std::string program_;
};
#endif

// Records the paths it is asked to open and answers with `outcome`.
class RecordingSpreadsheet : public Spreadsheet {
 public:
  SpreadsheetOutcome open_workbook(const std::string& path) override {
    opened.push_back(path);
    return outcome;
  }
  std::vector<std::string> opened;
  SpreadsheetOutcome outcome{true, ""};
};

}  // namespace zq
