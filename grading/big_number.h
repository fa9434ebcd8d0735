// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace grading {

// An unsigned integer of up to 768 bits, with just the steps that exact
// conversion between decimal text and binary32 takes. Enough for every
// number those steps make: the decimal digits of any float (under 380 bits)
// and a decimal of 128 significant digits scaled by the powers of two and
// ten a float's range allows (under 700 bits). Held in place, never
// allocated.
class BigNumber {
 public:
  static constexpr std::size_t kLimbs = 24;  // of 32 bits

  explicit BigNumber(std::uint32_t value = 0);

  bool IsZero() const { return size_ == 0; }
  // The number of bits up to the highest one; 0 for zero.
  unsigned BitLength() const;
  // -1, 0 or 1 as this is below, equal to or above `other`.
  int Compare(const BigNumber& other) const;

  // this = this * factor + addend.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend);
  // this = this * 10^exponent, or * 5^exponent.
  void MultiplyByPowerOfTen(unsigned exponent);
  void MultiplyByPowerOfFive(unsigned exponent);
  // this = this * 2^bits.
  void ShiftLeft(unsigned bits);
  // this = this - other; `other` is not above this.
  void Subtract(const BigNumber& other);
  // this = this / divisor; returns the remainder.
  std::uint32_t DivideSmall(std::uint32_t divisor);

  // The decimal digits, most significant first; "0" for zero.
  std::string Digits() const;

 private:
  void Trim();

  std::array<std::uint32_t, kLimbs> limbs_{};  // least significant first
  std::size_t size_ = 0;                       // limbs in use
};

}  // namespace grading
