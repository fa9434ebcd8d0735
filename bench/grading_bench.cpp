// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include <benchmark/benchmark.h>

#include <string>

#include "bench/sample_sheet.h"
#include "grading/calculate.h"

namespace {

using grading::Field;

void Calculate(benchmark::State& state) {
  grading::SieveSheet sheet = SampleSheet();
  for (auto _ : state) {
    benchmark::DoNotOptimize(grading::Calculate(sheet));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(Calculate);

void ReadNumber(benchmark::State& state) {
  grading::SieveSheet sheet;
  sheet.SetText(Field::s118, "101.1");
  for (auto _ : state) benchmark::DoNotOptimize(grading::ReadNumber(sheet, Field::s118));
}
BENCHMARK(ReadNumber);

void WriteNumber(benchmark::State& state) {
  grading::SieveSheet sheet;
  for (auto _ : state) {
    grading::WriteNumber(sheet, Field::ms, 2.442485f);
    benchmark::DoNotOptimize(sheet.Text(Field::ms).data());
  }
}
BENCHMARK(WriteNumber);

// A pasted 10 MB text must fail in time linear in its length.
void ReadHugeText(benchmark::State& state) {
  grading::SieveSheet sheet;
  std::string text(static_cast<std::size_t>(state.range(0)), '1');
  text.back() = 'x';
  sheet.SetText(Field::s475, text);
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(grading::ReadNumber(sheet, Field::s475));
    } catch (const grading::ConversionError&) {
    }
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadHugeText)->Range(1 << 10, 10 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
