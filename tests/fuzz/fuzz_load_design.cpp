// LoadDesign on any file, in both windows: it never fails or hangs, and a
// design written from what it loaded (as SAVE writes it, into the same file
// with its other lines kept) loads back value for value.
//
// The input: a byte choosing the window, then the file's bytes.
#include <cstdint>
#include <string_view>

#include "design/design_record.h"
#include "storage/calculator_state.h"
#include "storage/design_file.h"
#include "storage/profile_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

class QuietView : public zq::CalculatorView {
 public:
  void take_screen() override {}
  void show_message(std::string_view, std::string_view) override {}
  void focus_name_box() override {}
  void queue_key(zq::HotKey) override {}
  void set_unit_line(std::string_view) override {}
  void redraw() override {}
  void redraw_name_box() override {}
  void set_busy(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const zq::UnitSystem units = (data[0] & 1) ? zq::UnitSystem::Metric : zq::UnitSystem::Imperial;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  static const std::filesystem::path path = zq::fuzz::scratch_file("DESIGN.INI");
  ZQ_FUZZ_CHECK(zq::replace_file_atomically(path, bytes));

  QuietView view;
  zq::CalculatorState state = zq::open_calculator(units);
  state.DesignPath = path.string();
  zq::LoadDesign(state, view);
  const zq::DesignRecord loaded = state.record;
  const std::uint8_t flag = zq::metric_flag();

  zq::ProfileFile file = zq::ProfileFile::parse(bytes);
  zq::write_design_values(file, loaded, units);
  ZQ_FUZZ_CHECK(file.save(path));

  zq::CalculatorState again = zq::open_calculator(units);
  again.DesignPath = path.string();
  zq::LoadDesign(again, view);
  ZQ_FUZZ_CHECK(zq::metric_flag() == flag);
  for (const char* key : zq::design_load_keys())
    ZQ_FUZZ_CHECK(*again.record.get(key) == *loaded.get(key));
  if (units == zq::UnitSystem::Imperial) ZQ_FUZZ_CHECK(again.record.ARR.units() == loaded.ARR.units());
  zq::set_metric_flag(0);
  return 0;
}
