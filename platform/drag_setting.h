#pragma once
// The system setting that shows a window's contents while it is dragged.
// Windows has it (SystemParametersInfoA, SPI_GET/SETDRAGFULLWINDOWS); the
// Linux desktop has no such setting, so there available() is false and
// start-up leaves it alone.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zq {

class DragSetting {
 public:
  virtual ~DragSetting() = default;
  virtual bool available() const = 0;
  // The current value; nullopt when the query fails.
  virtual std::optional<std::uint32_t> query() = 0;
  // Writes the value, stored in the user's profile and announced to every
  // window. The result is not reported.
  virtual void set(std::uint32_t value) = 0;
};

// This system's setting.
std::unique_ptr<DragSetting> make_system_drag_setting();

// Test double: answers `value` (nullopt: the query fails) and records calls.
class RecordingDragSetting : public DragSetting {
 public:
  struct Call {
    bool is_set = false;       // false: a query
    std::uint32_t value = 0;   // the value written by a set
    friend bool operator==(const Call&, const Call&) = default;
  };
  explicit RecordingDragSetting(std::optional<std::uint32_t> value, bool available = true)
      : value_(value), available_(available) {}
  bool available() const override { return available_; }
  std::optional<std::uint32_t> query() override {
    calls.push_back({false, 0});
    return value_;
  }
  void set(std::uint32_t value) override {
    calls.push_back({true, value});
    value_ = value;
  }
  std::optional<std::uint32_t> current() const { return value_; }
  std::vector<Call> calls;

 private:
  std::optional<std::uint32_t> value_;
  bool available_;
};

}  // namespace zq
