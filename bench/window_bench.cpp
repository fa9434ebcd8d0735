// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The window with a 10 MB text pasted into an input, offscreen: how long
// until the conversion error is on screen, and how long the press takes in
// all (with Qt laying out the selected 10 MB line afterwards).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "grading/sieve_column.h"
#include "window/qt/form1.h"

namespace {

void PressWithHugeInput(benchmark::State& state) {
  window::Form1 form;
  form.show();
  for (const grading::SieveColumn& column : grading::kSieveColumns) {
    form.Box(column.mass)->setText(QStringLiteral("1"));
  }
  form.Box(grading::Field::s236)->setText(QString(10 << 20, QLatin1Char('7')));
  QApplication::processEvents();
  double until_message_ms = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    // Dismiss the warning as soon as its event loop runs.
    QTimer::singleShot(0, &form, [&] {
      until_message_ms += static_cast<double>(timer.nsecsElapsed()) / 1e6;
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    form.Command1()->click();
    QApplication::processEvents();
  }
  state.counters["until_message_ms"] =
      benchmark::Counter(until_message_ms / static_cast<double>(state.iterations()));
}
BENCHMARK(PressWithHugeInput)->Unit(benchmark::kMillisecond)->Iterations(5);

// The worked example with a 5-million-character mass on the 4.75 mm sieve
// ("30." and zeros and a final 1, which reads as 30), pressed: the time of
// the press, until the results are in their boxes. bench/page_long_entry.js
// times the page the same way.
void PressWithLongEntry(benchmark::State& state) {
  window::Form1 form;
  form.show();
  const char* masses[] = {"", "80", "100", "100", "75", "85"};
  for (std::size_t i = 1; i < grading::kSieveColumns.size(); ++i) {
    form.Box(grading::kSieveColumns.at(i).mass)->setText(QString::fromLatin1(masses[i]));
  }
  QLineEdit* first = form.Box(grading::Field::s475);
  first->setText(QStringLiteral("30.") + QString(5000000 - 4, QLatin1Char('0')) + QLatin1Char('1'));
  QApplication::processEvents();
  for (auto _ : state) {
    form.Command1()->click();
    QApplication::processEvents();
  }
  if (form.Box(grading::Field::ss)->text() != QStringLiteral("30")) state.SkipWithError("not 30");
}
BENCHMARK(PressWithLongEntry)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
