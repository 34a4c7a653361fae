#pragma once
// The default web browser, for the "ZQ Forum" buttons. The desktop program
// uses QDesktopServices (xdg-open on Linux, ShellExecute on Windows); tests
// use RecordingBrowser so no browser is ever started.
#include <memory>
#include <string>
#include <vector>

namespace zq {

class Browser {
 public:
  virtual ~Browser() = default;
  // Opens `url` in the default browser without waiting for it. False when no
  // browser could be started.
  virtual bool open_url(const std::string& url) = 0;
};

// The desktop's browser (defined with the window layer).
std::unique_ptr<Browser> make_system_browser();

// Records the addresses it is asked to open.
class RecordingBrowser : public Browser {
 public:
  bool open_url(const std::string& url) override {
    opened.push_back(url);
    return true;
  }
  std::vector<std::string> opened;
};

}  // namespace zq
