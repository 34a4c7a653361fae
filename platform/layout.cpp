#include "platform/layout.h"

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
  std::string_view digits = value;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  const std::size_t point = digits.find('.');
  std::string whole(digits.substr(0, point));
  std::string fraction(point == std::string_view::npos ? std::string_view() : digits.substr(point + 1));
  const auto all_digits = [](const std::string& text) {
    return text.find_first_not_of("0123456789") == std::string::npos;
  };
  if (whole.empty() || !all_digits(whole) || !all_digits(fraction)) return std::string(value);

  const auto places = static_cast<std::size_t>(format.places);
  bool carry = fraction.size() > places && fraction[places] >= '5';
  fraction.resize(places, '0');
  // Adds the carry from the right, through the decimals into the whole part.
  for (std::size_t i = fraction.size(); carry && i-- > 0;) {
    carry = fraction[i] == '9';
    fraction[i] = carry ? '0' : static_cast<char>(fraction[i] + 1);
  }
  for (std::size_t i = whole.size(); carry && i-- > 0;) {
    carry = whole[i] == '9';
    whole[i] = carry ? '0' : static_cast<char>(whole[i] + 1);
  }
  if (carry) whole.insert(whole.begin(), '1');
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));

  std::string shown = whole;
  if (places > 0) shown += "." + fraction;
  const bool zero = shown.find_first_not_of("0.") == std::string::npos;
  return negative && !zero ? "-" + shown : shown;
}

}  // namespace zq::layout
