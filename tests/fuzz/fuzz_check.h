// What every fuzz target uses: a property check that stops the run with a message (libFuzzer
// then keeps the input that broke it), and a reader that takes a structured input byte by byte
// from the front, so that a seed can be written by hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

[[noreturn]] inline void Broken(const char* file, int line, const char* condition,
                                const std::string& what) {
  std::fprintf(stderr, "\n%s:%d: property broken: %s\n  (%s)\n", file, line, what.c_str(),
               condition);
  std::abort();
}

// Reads an input from its first byte on; once it is used up every read gives zeros.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
  // 0 to count - 1 (count at least 1).
  int Below(int count) { return Byte() % count; }
  bool Flag() { return (Byte() & 1) != 0; }
  // Up to `count` bytes: fewer at the end of the input.
  std::string Bytes(size_t count) {
    const size_t left = size_ - at_;
    const size_t taken = count < left ? count : left;
    if (taken == 0) return std::string();
    std::string bytes(reinterpret_cast<const char*>(data_) + at_, taken);
    at_ += taken;
    return bytes;
  }
  // A length byte, then that many bytes.
  std::string Text() { return Bytes(Byte()); }
  std::string Rest() { return Bytes(size_ - at_); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace fuzz

// Stops the run when the condition does not hold; `what` names the property in the program's
// terms.
#define FUZZ_CHECK(condition, what)                                           \
  do {                                                                        \
    if (!(condition)) ::fuzz::Broken(__FILE__, __LINE__, #condition, (what)); \
  } while (0)
