// zqcalc's desktop part: PDF reports, the embedded pictures and the system's
// short date, installed into the command line before main() runs. Drawing text
// needs a QGuiApplication; zqcalc has no window, so it makes an offscreen one
// on first use.
#include <QDate>
#include <QGuiApplication>
#include <memory>

#include "cli/report_output.h"
#include "output/qt/print_zq_qt.h"
#include "output/qt/report_painter.h"
#include "output/qt/report_qt_pictures.h"

// The embedded files live in the desktop library; naming them here links them in.
static void init_embedded_files() { Q_INIT_RESOURCE(zq); }

namespace {

void ensure_gui_application() {
  static const bool resources = (init_embedded_files(), true);
  (void)resources;
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zqcalc";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

const zq::report::ResourcePictures& pictures() {
  static const zq::report::ResourcePictures p;
  return p;
}

const bool installed = [] {
  zq::cli::ReportRenderHooks h;
  h.write_pdf = [](const zq::report::ComposedReport& report, const std::string& file) {
    ensure_gui_application();
    return zq::report::write_report_pdf(report, QString::fromStdString(file), &pictures());
  };
  h.pictures = []() -> const zq::report::PictureSource* {
    ensure_gui_application();
    return &pictures();
  };
  h.clock = [] {
    ensure_gui_application();
    return zq::report::qt_report_clock();
  };
  zq::cli::set_report_render_hooks(std::move(h));
  return true;
}();

}  // namespace
