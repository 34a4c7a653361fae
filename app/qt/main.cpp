// The zq desktop program. It takes no arguments and always exits with 0.
#include <QApplication>

#include "app/qt/main_window.h"
#include "app/startup.h"
#include "output/qt/mail_qt.h"
#include "platform/qt/layout_builder.h"
#include "platform/qt/qt_message_boxes.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zq"));
  QApplication::setDesktopFileName(QStringLiteral("zq"));
  // Windows are closed one by one inside their own loops; closing the main
  // window ends the program through the shutdown steps, not through Qt.
  QApplication::setQuitOnLastWindowClosed(false);

  zq::qt::QtMessageBoxes boxes;
  zq::set_message_boxes(&boxes);
  zq::qt::install_report_mailing();
  auto drag = zq::make_system_drag_setting();
  zq::ProgramParts parts{
      zq::error_manager(),
      zq::settings_manager(),
      *drag,
      [] { QApplication::setWindowIcon(zq::qt::embedded_icon("MILNM.ICO")); },
      [] { zq::shell::run_main_window(zq::shell::program_commands()); },
  };
  zq::run_program(parts);
  zq::set_message_boxes(nullptr);
  return 0;
}
