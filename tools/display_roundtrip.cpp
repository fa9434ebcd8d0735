// Runs every binary32 bit pattern through the display form and back, on
// every core: each finite value's text must read back (see read_back.h).
// Prints how many values were checked, how many show a power of ten that
// reads as the neighbouring float, and every failure.
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "tests/grading/read_back.h"

int main() {
  std::atomic<std::uint64_t> checked{0}, neighbours{0}, failures{0};
  std::mutex print;
  auto work = [&](std::uint64_t begin, std::uint64_t end) {
    std::uint64_t n = 0, moved = 0, bad = 0;
    for (std::uint64_t bits = begin; bits < end; ++bits) {
      float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
      if (!std::isfinite(value)) continue;
      ++n;
      std::string problem = grading::ReadBackProblem(value);
      if (!problem.empty()) {
        std::lock_guard lock(print);
        if (++bad <= 20)
          std::printf("fails: bits %08llx: %s\n", (unsigned long long)bits, problem.c_str());
      } else if (grading::FormatNumber(grading::ParseNumber(grading::FormatNumber(value)).value) !=
                 grading::FormatNumber(value)) {
        ++moved;
      }
    }
    checked += n;
    neighbours += moved;
    failures += bad;
  };
  const std::uint64_t total = std::uint64_t{1} << 32;
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t)
    pool.emplace_back(work, total * t / threads, total * (t + 1) / threads);
  for (auto& thread : pool) thread.join();
  std::printf(
      "%llu finite values checked, %llu read back as the neighbouring float beside a power "
      "of ten, %llu failures\n",
      (unsigned long long)checked, (unsigned long long)neighbours, (unsigned long long)failures);
  return failures == 0 ? 0 : 1;
}
