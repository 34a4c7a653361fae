// Windows: SystemParametersInfoA with SPI_GETDRAGFULLWINDOWS and
// SPI_SETDRAGFULLWINDOWS; writes are stored in the user's profile and
// announced to every window.
#include <windows.h>

#include "platform/drag_setting.h"

namespace zq {

namespace {
class WindowsDragSetting : public DragSetting {
 public:
  bool available() const override { return true; }
  std::optional<std::uint32_t> query() override {
    BOOL value = FALSE;
    if (!SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &value, 0)) return std::nullopt;
    return static_cast<std::uint32_t>(value);
  }
  void set(std::uint32_t value) override {
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, value, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
};
}  // namespace

std::unique_ptr<DragSetting> make_system_drag_setting() { return std::make_unique<WindowsDragSetting>(); }

}  // namespace zq
