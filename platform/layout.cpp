#include "platform/layout.h"

#include "design/decimal.h"

#include <algorithm>
#include <charconv>

namespace zq::layout {

const Control* find_control(std::span<const Control> controls, std::string_view label) {
  for (const Control& control : controls)
    if (control.label == label) return &control;
  return nullptr;
}

namespace {
// Reads a whole number of at most three digits at the front of `text`.
std::optional<int> take_number(std::string_view& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() || end - text.data() > 3) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}
}  // namespace

std::optional<DisplayFormat> parse_display_format(std::string_view text) {
  if (text.empty()) return std::nullopt;
  DisplayFormat format;
  const char type = text.front();
  text.remove_prefix(1);
  if (type == 's' || type == 'S') {
    auto width = take_number(text);
    if (!width || *width == 0 || !text.empty()) return std::nullopt;
    format.width = *width;
    return format;
  }
  if (type != 'n' && type != 'N') return std::nullopt;
  format.numeric = true;
  if (!text.empty() && text.front() == '-') {
    format.is_signed = true;
    text.remove_prefix(1);
  }
  auto width = take_number(text);
  if (!width || *width == 0) return std::nullopt;
  format.width = *width;
  if (!text.empty() && text.front() == '.') {
    text.remove_prefix(1);
    auto places = take_number(text);
    if (!places || *places >= format.width) return std::nullopt;
    format.places = *places;
  }
  if (!text.empty()) return std::nullopt;
  return format;
}

std::string format_display(std::string_view value, const DisplayFormat& format) {
  if (!format.numeric) return std::string(value.substr(0, static_cast<std::size_t>(format.width)));
  const auto number = scan_number(value, false);
  if (!number || number->length != value.size()) return std::string(value);
  return number->value.to_fixed(format.places);
}

}  // namespace zq::layout
