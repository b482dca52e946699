// A set over a small enumeration, as the class library's set types (font styles, shift
// states, grid options) are used: include, exclude, test, union and intersection.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename E>
class Set {
 public:
  constexpr Set() = default;
  constexpr Set(E e) : bits_(Bit(e)) {}
  constexpr Set(std::initializer_list<E> list) {
    for (E e : list) bits_ |= Bit(e);
  }

  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr Set& operator<<(E e) { bits_ |= Bit(e); return *this; }
  constexpr Set& operator>>(E e) { bits_ &= ~Bit(e); return *this; }
  constexpr Set operator+(Set o) const { return FromBits(bits_ | o.bits_); }
  constexpr Set operator-(Set o) const { return FromBits(bits_ & ~o.bits_); }
  constexpr Set operator*(Set o) const { return FromBits(bits_ & o.bits_); }
  constexpr bool operator==(const Set&) const = default;

  constexpr uint64_t Bits() const { return bits_; }
  static constexpr Set FromBits(uint64_t bits) { Set s; s.bits_ = bits; return s; }

 private:
  static constexpr uint64_t Bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t bits_ = 0;
};
