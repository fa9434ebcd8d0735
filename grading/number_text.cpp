// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/number_text.h"

#include <array>
#include <cstdint>

#include "grading/exact_decimal.h"
#include "grading/fast_decimal.h"

namespace grading {
namespace {

// What may stand around a number, in UTF-8: space and tab; the line break
// (CR, LF) a cell copied from a spreadsheet ends with; the no-break space
// (U+00A0); the ideographic space (U+3000) of a Chinese input method.
constexpr std::array<std::string_view, 6> kBlanks = {" ",  "\t",       "\r",
                                                     "\n", "\xC2\xA0", "\xE3\x80\x80"};

// Length of the blank starting at text[i], or 0 when none starts there.
std::size_t BlankAt(std::string_view text, std::size_t i) {
  for (std::string_view blank : kBlanks) {
    if (text.substr(i).starts_with(blank)) return blank.size();
  }
  return 0;
}

// Length of the blank ending just before text[end], or 0 when none ends there.
std::size_t BlankBefore(std::string_view text, std::size_t end) {
  for (std::string_view blank : kBlanks) {
    if (text.substr(0, end).ends_with(blank)) return blank.size();
  }
  return 0;
}

std::string_view TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t n = BlankAt(text, begin);
    if (n == 0) break;
    begin += n;
  }
  std::size_t end = text.size();
  while (end > begin) {
    std::size_t n = BlankBefore(text, end);
    if (n == 0) break;
    end -= n;
  }
  return text.substr(begin, end - begin);
}

// The ASCII character that a Chinese input method's form at text[i] stands
// for (writing its length to `length`), or 0 when there is none: the
// fullwidth digits, point, signs and E (U+FF01..U+FF3F are EF BC 81..BF,
// U+FF40..U+FF5F are EF BD 80..9F), and the ideographic full stop U+3002
// (E3 80 82), the point typed in Chinese punctuation mode.
char InputMethodFormAt(std::string_view text, std::size_t i, std::size_t& length) {
  if (text.size() - i < 3) return 0;
  length = 3;
  if (text.compare(i, 3, "\xE3\x80\x82") == 0) return '.';
  if (text[i] != '\xEF') return 0;
  unsigned char lead = static_cast<unsigned char>(text[i + 1]);
  unsigned char last = static_cast<unsigned char>(text[i + 2]);
  if (lead == 0xBC) {
    if (last >= 0x90 && last <= 0x99) return static_cast<char>('0' + (last - 0x90));
    if (last == 0x8E) return '.';
    if (last == 0x8B) return '+';
    if (last == 0x8D) return '-';
    if (last == 0xA5) return 'E';
  }
  if (lead == 0xBD && last == 0x85) return 'e';
  return 0;
}

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
}

// Copies the text into `out` as ASCII, so that "１２．５" and "12。5" become
// "12.5"; returns where the first character the grammar cannot use
// stands, or npos when there is none.
std::size_t ToAscii(std::string_view text, char* out, std::size_t& out_length) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    std::size_t length = 1;
    if (static_cast<unsigned char>(c) >= 0x80) c = InputMethodFormAt(text, i, length);
    if (!IsNumberChar(c)) return i;
    out[n++] = c;
    i += length;
  }
  out_length = n;
  return std::string_view::npos;
}

// Why a text that ToAscii refused is no number, from the first character it
// could not use on (all before it are the number's): a comma, or a character
// beyond ASCII other than the input method's forms above, is a number
// written in another convention ("12,5", "１，５", "12、5"), where the user
// needs to know the point.
ParseStatus WhyNotANumber(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    if (text[i] == ',') return ParseStatus::kForeignCharacter;
    if (static_cast<unsigned char>(text[i]) >= 0x80 && !InputMethodFormAt(text, i, length)) {
      return ParseStatus::kForeignCharacter;
    }
    i += length;
  }
  return ParseStatus::kNotANumber;
}

struct Shape {
  std::string_view integer;   // digits before the point
  std::string_view fraction;  // digits after the point
  std::string_view exponent;  // digits after E, without their sign
  bool negative_exponent = false;
};

std::size_t CountDigits(std::string_view s, std::size_t from) {
  std::size_t i = from;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  return i - from;
}

// Checks the grammar on the ASCII form; the sign, if any, is at s[0].
bool Match(std::string_view s, Shape& shape) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  std::size_t n = CountDigits(s, i);
  shape.integer = s.substr(i, n);
  i += n;
  if (i < s.size() && s[i] == '.') {
    n = CountDigits(s, ++i);
    shape.fraction = s.substr(i, n);
    i += n;
  }
  if (shape.integer.empty() && shape.fraction.empty()) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) shape.negative_exponent = s[i++] == '-';
    n = CountDigits(s, i);
    if (n == 0) return false;
    shape.exponent = s.substr(i, n);
    i += n;
  }
  return i == s.size();
}

// The exponent's digits as a number, saturated: exponents of any length
// are safe, and any beyond the cap already puts the number far out of
// range (or at zero).
std::int64_t ExponentOf(const Shape& shape) {
  constexpr std::int64_t kCap = std::int64_t{1} << 60;
  std::int64_t exponent = 0;
  for (char c : shape.exponent) {
    if (exponent > kCap / 10) break;
    exponent = exponent * 10 + (c - '0');
  }
  return shape.negative_exponent ? -exponent : exponent;
}

ParsedNumber Convert(std::string_view ascii) {
  Shape shape;
  if (!Match(ascii, shape)) return {ParseStatus::kNotANumber, 0.0f};
  const NearestFloat nearest =
      NearestFloatTo(shape.integer, shape.fraction, ExponentOf(shape), ascii[0] == '-');
  if (nearest.too_large) return {ParseStatus::kOutOfRange, 0.0f};
  return {ParseStatus::kOk, nearest.value};
}

}  // namespace

ParsedNumber ParseNumber(std::string_view text) {
  if (std::optional<float> value = ReadShortDecimal(text)) return {ParseStatus::kOk, *value};
  std::string_view trimmed = TrimBlanks(text);
  // Field texts are short; only an unusually long one costs an allocation.
  constexpr std::size_t kShort = 64;
  std::array<char, kShort> small;
  std::string large;
  char* out = small.data();
  if (trimmed.size() > kShort) {
    large.resize(trimmed.size());
    out = large.data();
  }
  std::size_t length = 0;
  if (std::size_t bad = ToAscii(trimmed, out, length); bad != std::string_view::npos) {
    return {WhyNotANumber(trimmed.substr(bad)), 0.0f};
  }
  return Convert(std::string_view(out, length));
}

std::string FormatNumber(float value) {
  if (value == 0.0f) return "0";  // never "-0"
  std::array<char, 32> buffer;
  if (std::size_t length = WritePlainDecimal(value, buffer.data())) {
    return std::string(buffer.data(), length);
  }
  return std::string(buffer.data(), WriteSevenDigits(value, buffer.data()));
}

}  // namespace grading
