// zqcalc with the desktop library: the report's pictures come from the
// program's embedded resources, as in the desktop program.
#include <QtGlobal>

#include "cli/report_rtf.h"
#include "output/qt/report_qt_pictures.h"

// The resource file lives in the desktop library; naming it links it in.
static void register_embedded_pictures() { Q_INIT_RESOURCE(zq); }

namespace zq::cli {

void install_embedded_report_pictures() {
  register_embedded_pictures();
  static const report::ResourcePictures pictures;
  set_report_pictures(&pictures);
}

}  // namespace zq::cli
