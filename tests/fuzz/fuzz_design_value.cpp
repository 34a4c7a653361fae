// The design-file value reader on any text: it never fails, and what it reads
// survives the write-then-read of a design file: the value's text reads back
// as the same number, and so does every field's stored form of it.
#include <cstdint>
#include <string_view>

#include "design/design_record.h"
#include "storage/design_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zq::Decimal value = zq::read_design_value(text);
  ZQ_FUZZ_CHECK(zq::read_design_value(zq::value_text(value)) == value);

  // Into a field (the input's length picks which, so every kind and size
  // gets its share): stored, written as its file text, read back and stored
  // again gives the same stored number.
  const std::uint8_t saved_flag = zq::metric_flag();
  zq::DesignRecord record;
  const auto table = zq::value_table();
  {
    const zq::ValueInfo& info = table[size % table.size()];
    ZQ_FUZZ_CHECK(record.store(info.name, value));
    const std::string written = *record.text(info.name);
    const zq::Decimal stored = *record.get(info.name);
    ZQ_FUZZ_CHECK(zq::read_design_value(written) == stored);
    ZQ_FUZZ_CHECK(record.store(info.name, zq::read_design_value(written)));
    ZQ_FUZZ_CHECK(*record.get(info.name) == stored);
  }
  zq::set_metric_flag(saved_flag);
  return 0;
}
