// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The fuzzers' view of libFuzzer's input: bytes taken one at a time or as a
// text of a given length, and nothing once the input is used up, so that
// every input, however short, is a complete sequence of events.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

class FuzzBytes {
 public:
  FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::optional<std::uint8_t> Next() {
    if (at_ == size_) return std::nullopt;
    return data_[at_++];
  }
  std::optional<std::string_view> Text(std::size_t length) {
    if (size_ - at_ < length) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};
