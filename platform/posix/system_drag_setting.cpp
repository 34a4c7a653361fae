// The Linux desktop has no "show window contents while dragging" setting.
#include "platform/drag_setting.h"

namespace zq {

namespace {
class NoDragSetting : public DragSetting {
 public:
  bool available() const override { return false; }
  std::optional<std::uint32_t> query() override { return std::nullopt; }
  void set(std::uint32_t) override {}
};
}  // namespace

std::unique_ptr<DragSetting> make_system_drag_setting() { return std::make_unique<NoDragSetting>(); }

}  // namespace zq
