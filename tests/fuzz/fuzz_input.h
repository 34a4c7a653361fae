#pragma once
// Reads a fuzzer's bytes as a little program: counts, flags and pieces of
// text, each taken from the front. Running out of bytes gives zeros and empty
// texts, so every input is a valid program.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zq::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : text_(reinterpret_cast<const char*>(data), size) {}

  bool empty() const { return text_.empty(); }
  std::uint8_t byte() {
    if (text_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(text_.front());
    text_.remove_prefix(1);
    return b;
  }
  // A text of up to `longest` bytes; its length comes first.
  std::string text(std::size_t longest) {
    std::size_t n = byte() % (longest + 1);
    if (n > text_.size()) n = text_.size();
    std::string out(text_.substr(0, n));
    text_.remove_prefix(n);
    return out;
  }
  // Everything not yet read.
  std::string_view rest() {
    std::string_view out = text_;
    text_ = {};
    return out;
  }

 private:
  std::string_view text_;
};

}  // namespace zq::fuzz
