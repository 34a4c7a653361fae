// The default browser through QDesktopServices: xdg-open on Linux,
// ShellExecute's default action on Windows.
#include <QDesktopServices>
#include <QUrl>

#include "platform/browser.h"

namespace zq {

namespace {
class DesktopBrowser : public Browser {
 public:
  bool open_url(const std::string& url) override {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
  }
};
}  // namespace

std::unique_ptr<Browser> make_system_browser() { return std::make_unique<DesktopBrowser>(); }

}  // namespace zq
