// Calculator window timings, offscreen: one FAC spin step (the queued F3,
// taking the screen, ReCalc and redrawing every field) and opening a window
// (layout built, placement restored, no dialog).
#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/message_box.h"
#include "settings/settings_manager.h"
#include "ui/qt/calculator_window.h"

namespace {

using zq::UnitSystem;

// A design worth recalculating, typed as a user would have it.
void fill(zq::qt::CalculatorWindow& window) {
  const std::pair<const char*, const char*> inputs[] = {{"F", "7.15"}, {"CD", "2"},   {"LD", "3"},
                                                        {"WD", "0.125"}, {"SP", "0.125"}, {"CCD", "1.5"}};
  for (auto [name, text] : inputs) window.entry(name)->setText(text);
  window.spin("FAC")->setValue(2);
  window.calculator().recalc();
}

void BM_FacSpinStep(benchmark::State& state) {
  const auto units = static_cast<UnitSystem>(state.range(0));
  zq::ScriptedOpenFileDialog dialog;
  zq::RecordingSpreadsheet spreadsheet;
  zq::RecordingBrowser browser;
  zq::qt::CalculatorWindow window(units, {&dialog, &spreadsheet, &browser, nullptr, nullptr});
  window.open_calculator();
  fill(window);
  QDoubleSpinBox* fac = window.spin("FAC");
  int direction = 1;
  for (auto _ : state) {
    if (fac->value() >= 19.9) direction = -1;
    if (fac->value() <= 0.2) direction = 1;
    fac->stepBy(direction);
    // The step handler runs on the next turn of the loop and queues F3,
    // which runs ReCalc on the turn after.
    QApplication::processEvents();
    QApplication::processEvents();
  }
  // One more step as timed: its ReCalc must have redrawn a typed-over result.
  window.entry("C")->setText("999");
  fac->stepBy(direction);
  QApplication::processEvents();
  QApplication::processEvents();
  if (window.entry("C")->text() == "999") state.SkipWithError("the step did not recalculate within the timing");
  window.close();
}
BENCHMARK(BM_FacSpinStep)->Arg(static_cast<int>(UnitSystem::Imperial))->Arg(static_cast<int>(UnitSystem::Metric))
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_WindowOpen(benchmark::State& state) {
  const auto units = static_cast<UnitSystem>(state.range(0));
  for (auto _ : state) {
    zq::ScriptedOpenFileDialog dialog;
    zq::RecordingSpreadsheet spreadsheet;
    zq::RecordingBrowser browser;
    zq::qt::CalculatorWindow window(units, {&dialog, &spreadsheet, &browser, nullptr, nullptr});
    window.open();
    QApplication::processEvents();
    state.PauseTiming();
    window.close();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowOpen)->Arg(static_cast<int>(UnitSystem::Imperial))->Arg(static_cast<int>(UnitSystem::Metric))
    ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zq::ScopedMessageRecorder messages;
  const auto settings = std::filesystem::temp_directory_path() / "zq_gui_bench" / "zq.INI";
  std::filesystem::create_directories(settings.parent_path());
  zq::settings_manager().open(settings.string());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  zq::settings_manager().close();
  std::filesystem::remove_all(settings.parent_path());
  return 0;
}
