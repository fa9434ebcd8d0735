// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Calculate timed with the standard clock alone, so that one source runs
// natively and, cross-built, as a Windows program under Wine: the figures of
// the two builds compare like with like.
//   calculate_timing   ->   "Calculate: <median ns> ns (...)"
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

#include "bench/sample_sheet.h"
#include "grading/calculate.h"

namespace {

using Clock = std::chrono::steady_clock;

// Nanoseconds a call, over a batch of `calls`.
double TimeBatch(grading::SieveSheet& sheet, long calls) {
  int done = 0;
  const Clock::time_point start = Clock::now();
  for (long i = 0; i < calls; ++i) done += grading::Calculate(sheet) == grading::CalcOutcome::Done;
  const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
  if (done != calls) std::fputs("calculate_timing: the sample did not calculate\n", stderr);
  return spent.count() / static_cast<double>(calls);
}

}  // namespace

int main() {
  grading::SieveSheet sheet = SampleSheet();
  long calls = 1000;  // grown until a batch lasts 50 ms, well above the clock's grain
  while (TimeBatch(sheet, calls) * static_cast<double>(calls) < 50e6) calls *= 2;
  constexpr int kBatches = 21;
  std::array<double, kBatches> times{};
  for (double& time : times) time = TimeBatch(sheet, calls);
  std::sort(times.begin(), times.end());
  std::printf("Calculate: %.0f ns (median of %d batches of %ld calls; range %.0f to %.0f)\n",
              times[kBatches / 2], kBatches, calls, times.front(), times.back());
  return 0;
}
