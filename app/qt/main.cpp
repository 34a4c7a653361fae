// The zq desktop program. It takes no arguments and always exits with 0.
#include <QApplication>
#include <QLabel>

#include "build_settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window(QString("%1 %2").arg(zq::build::kProductTitle, zq::build::kVersion));
  window.setWindowTitle(QString("%1 %2").arg(zq::build::kProductTitle, zq::build::kVersion));
  window.resize(480, 160);
  window.show();
  app.exec();
  return 0;
}
