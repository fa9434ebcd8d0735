#include <benchmark/benchmark.h>

#include <string>

#include "grading/calculate.h"
#include "grading/sieve_column.h"

namespace {

using grading::Field;

grading::SieveSheet Sample() {
  grading::SieveSheet sheet;
  const char* masses[] = {"12.3", "45.6", "78.9", "101.1", "122.2", "99.9"};
  for (std::size_t i = 0; i < grading::kSieveColumns.size(); ++i) {
    sheet.SetText(grading::kSieveColumns[i].mass, masses[i]);
  }
  return sheet;
}

void Calculate(benchmark::State& state) {
  grading::SieveSheet sheet = Sample();
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
