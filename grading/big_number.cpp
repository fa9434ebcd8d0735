// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/big_number.h"

#include <algorithm>

namespace grading {
namespace {

constexpr std::uint32_t kTenToTheNine = 1000000000;

unsigned BitWidth(std::uint32_t value) {
  unsigned width = 0;
  for (; value != 0; value >>= 1) ++width;
  return width;
}

}  // namespace

BigNumber::BigNumber(std::uint32_t value) {
  limbs_[0] = value;
  size_ = value != 0 ? 1 : 0;
}

void BigNumber::Trim() {
  while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

unsigned BigNumber::BitLength() const {
  if (size_ == 0) return 0;
  return static_cast<unsigned>(32 * (size_ - 1)) + BitWidth(limbs_[size_ - 1]);
}

int BigNumber::Compare(const BigNumber& other) const {
  if (size_ != other.size_) return size_ < other.size_ ? -1 : 1;
  for (std::size_t i = size_; i-- > 0;) {
    if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i] ? -1 : 1;
  }
  return 0;
}

void BigNumber::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::size_t i = 0; i < size_; ++i) {
    const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
    limbs_[i] = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0 && size_ < kLimbs) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  Trim();
}

// 10^exponent = 5^exponent * 2^exponent.
void BigNumber::MultiplyByPowerOfTen(unsigned exponent) {
  MultiplyByPowerOfFive(exponent);
  ShiftLeft(exponent);
}

void BigNumber::MultiplyByPowerOfFive(unsigned exponent) {
  constexpr std::uint32_t kFiveToThe13 = 1220703125;  // the largest power of 5 in 32 bits
  for (; exponent >= 13; exponent -= 13) MultiplyAdd(kFiveToThe13, 0);
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= 5;
  MultiplyAdd(rest, 0);
}

void BigNumber::ShiftLeft(unsigned bits) {
  if (size_ == 0) return;
  const std::size_t limbs = bits / 32;
  const unsigned within = bits % 32;
  const std::size_t grown = std::min(kLimbs, size_ + limbs + 1);
  for (std::size_t i = grown; i-- > 0;) {
    std::uint32_t value = 0;
    if (i >= limbs) {
      const std::size_t from = i - limbs;
      if (from < size_) value = limbs_[from] << within;
      if (within != 0 && from >= 1 && from - 1 < size_) value |= limbs_[from - 1] >> (32 - within);
    }
    limbs_[i] = value;
  }
  size_ = grown;
  Trim();
}

void BigNumber::Subtract(const BigNumber& other) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < size_; ++i) {
    std::int64_t difference = std::int64_t{limbs_[i]} - borrow;
    if (i < other.size_) difference -= other.limbs_[i];
    borrow = difference < 0 ? 1 : 0;
    limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
  }
  Trim();
}

std::uint32_t BigNumber::DivideSmall(std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (std::size_t i = size_; i-- > 0;) {
    const std::uint64_t part = (remainder << 32) | limbs_[i];
    limbs_[i] = static_cast<std::uint32_t>(part / divisor);
    remainder = part % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

std::string BigNumber::Digits() const {
  if (size_ == 0) return "0";
  BigNumber rest = *this;
  std::string reversed;
  while (!rest.IsZero()) {
    std::uint32_t chunk = rest.DivideSmall(kTenToTheNine);
    for (int i = 0; i < 9 && (chunk != 0 || !rest.IsZero()); ++i, chunk /= 10) {
      reversed.push_back(static_cast<char>('0' + chunk % 10));
    }
  }
  return std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace grading
