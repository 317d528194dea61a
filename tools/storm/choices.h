// Where a storm's choices come from: a seeded generator for the regular run and the soak, or
// the bytes of a fuzzer's input, so that both drive the same event decoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace storm {

class Choices {
 public:
  virtual ~Choices() = default;
  // A number in 0 .. bound - 1 (bound > 0).
  virtual std::uint32_t below(std::uint32_t bound) = 0;
  // True once a finite source has nothing left to give.
  virtual bool exhausted() const { return false; }
  // A fraction in 0 .. 1 in ten-thousandths.
  double fraction() { return below(10001) / 10000.0; }
};

class SeededChoices : public Choices {
 public:
  explicit SeededChoices(std::uint64_t seed) : engine_(seed) {}
  std::uint32_t below(std::uint32_t bound) override {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(engine_);
  }

 private:
  std::mt19937_64 engine_;
};

// Takes two bytes a choice; a spent input answers 0 from then on.
class ByteChoices : public Choices {
 public:
  ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint32_t below(std::uint32_t bound) override {
    std::uint32_t value = 0;
    for (int i = 0; i < 2 && position_ < size_; ++i) value = value << 8 | data_[position_++];
    return value % bound;
  }
  bool exhausted() const override { return position_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

}  // namespace storm
