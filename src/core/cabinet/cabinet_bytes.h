// Little-endian cursors over the bytes of a cabinet file. The reader never
// moves past the end: every read reports whether the bytes were there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quelt::cabinet_bytes {

class Reader {
 public:
  explicit Reader(std::string_view data, std::size_t pos = 0) : data_(data), pos_(pos) {}

  std::size_t Pos() const { return pos_; }
  std::size_t Left() const { return pos_ < data_.size() ? data_.size() - pos_ : 0; }

  bool U32(std::uint32_t& v) {
    if (Left() < 4) return false;
    v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(Byte(pos_ + i)) << (8 * i);
    pos_ += 4;
    return true;
  }
  bool U16(std::uint16_t& v) {
    if (Left() < 2) return false;
    v = std::uint16_t(Byte(pos_) | Byte(pos_ + 1) << 8);
    pos_ += 2;
    return true;
  }
  bool Bytes(std::uint8_t* out, std::size_t n) {
    if (Left() < n) return false;
    for (std::size_t i = 0; i < n; ++i) out[i] = Byte(pos_ + i);
    pos_ += n;
    return true;
  }
  // A text ended by a zero byte; false when no zero byte follows.
  bool Text(std::string& out) {
    if (pos_ >= data_.size()) return false;
    const std::size_t end = data_.find('\0', pos_);
    if (end == std::string_view::npos) return false;
    out.assign(data_.substr(pos_, end - pos_));
    pos_ = end + 1;
    return true;
  }

 private:
  std::uint8_t Byte(std::size_t i) const { return static_cast<std::uint8_t>(data_[i]); }

  std::string_view data_;
  std::size_t pos_;
};

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>(v >> (8 * i)));
  }
  void Text(std::string_view text) {
    out_.append(text);
    out_.push_back('\0');
  }
  std::size_t Size() const { return out_.size(); }

 private:
  std::string& out_;
};

}  // namespace quelt::cabinet_bytes
