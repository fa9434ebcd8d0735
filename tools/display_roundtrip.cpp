// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Runs every binary32 bit pattern through the display form and back, on
// every core. Each finite value must show what the standard library shows
// at seven significant digits (zero as "0"; reference_conversions.h), and
// its text must read back (see read_back.h). Prints the counts and the first failures.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/grading/float_bits.h"
#include "tests/grading/read_back.h"
#include "tests/grading/reference_conversions.h"

namespace {

std::string GeneralForm(float value) {
  if (value == 0.0f) return "0";
  return grading::ReferenceForm(value);
}

// The problem with one value, or an empty text; counts values whose text
// reads back as a float shown otherwise.
std::string Check(float value, std::uint64_t& moved) {
  const std::string text = grading::FormatNumber(value);
  if (text != GeneralForm(value))
    return "shows \"" + text + "\", not \"" + GeneralForm(value) + "\"";
  std::string problem = grading::ReadBackProblem(value);
  if (problem.empty() && grading::FormatNumber(grading::ParseNumber(text).value) != text) ++moved;
  return problem;
}

}  // namespace

int main() {
  std::atomic<std::uint64_t> checked{0}, moved_total{0}, failures{0};
  std::mutex print;
  auto work = [&](std::uint64_t begin, std::uint64_t end) {
    std::uint64_t n = 0, moved = 0, bad = 0;
    for (std::uint64_t bits = begin; bits < end; ++bits) {
      const float value = grading::FloatOf(static_cast<std::uint32_t>(bits));
      if (!std::isfinite(value)) continue;
      ++n;
      const std::string problem = Check(value, moved);
      if (problem.empty()) continue;
      std::lock_guard lock(print);
      if (++bad <= 20)
        std::printf("fails: bits %08llx: %s\n", (unsigned long long)bits, problem.c_str());
    }
    checked += n;
    moved_total += moved;
    failures += bad;
  };
  const std::uint64_t total = std::uint64_t{1} << 32;
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) {
    pool.emplace_back(work, total * t / threads, total * (t + 1) / threads);
  }
  for (auto& thread : pool) thread.join();
  std::printf(
      "%llu finite values checked, %llu read back as a float shown otherwise, %llu failures\n",
      (unsigned long long)checked, (unsigned long long)moved_total, (unsigned long long)failures);
  return failures == 0 ? 0 : 1;
}
