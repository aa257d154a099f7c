// Cost of the interaction diagram of the heavy section at several neutral-axis increments (it must grow
// linearly with the number of steps), of its interaction surface and of one biaxial capacity, and of a
// whole run of that section with ten load conditions, report included, as tarnix-run makes it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "heavy_section.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "run/calculation_run.h"
#include "section/section_properties.h"
#include "strength/interaction_diagram.h"
#include "strength/surface.h"

namespace {

void BM_InteractionDiagram(benchmark::State& state) {
  tarnix::ProjectModel base = tarnix::LoadedHeavySection();
  base.inc = static_cast<float>(state.range(0)) / 1000.0f;
  tarnix::ComputeSectionProperties(base);
  int steps = 0;
  for (auto _ : state) {
    tarnix::ProjectModel m = base;
    tarnix::ComputeInteractionDiagram(m);
    steps = m.interactionDiagram.idCount;
    benchmark::DoNotOptimize(steps);
  }
  state.counters["points"] = steps;
  state.SetComplexityN(static_cast<int64_t>(48000 / state.range(0)));
}
// inc in thousandths of an inch: 0.1, 0.05, 0.01, 0.005.
BENCHMARK(BM_InteractionDiagram)->Arg(100)->Arg(50)->Arg(10)->Arg(5)->Unit(benchmark::kMillisecond)->Complexity();

// The surface at the default 24 angles, inc 0.1 in (484 points an angle): the heavy section made
// two-dimensional by moments about the vertical axis on its loads.
void BM_InteractionSurface(benchmark::State& state) {
  tarnix::ProjectModel base = tarnix::LoadedHeavySection();
  base.inc = 0.1f;
  for (int i = 1; i <= 10; ++i)
    base.loads[static_cast<size_t>(i)].My = 0.5f * base.loads[static_cast<size_t>(i)].M;
  tarnix::ComputeSectionProperties(base);
  size_t points = 0;
  for (auto _ : state) {
    tarnix::ProjectModel m = base;
    tarnix::ComputeInteractionSurface(m);
    points = 0;
    for (const tarnix::InteractionDiagram& d : m.interactionSurface.meridians)
      points += static_cast<size_t>(d.idCount);
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_InteractionSurface)->Unit(benchmark::kMillisecond);

// One biaxial capacity, its ratio along the ray included, at P = 1500 kip, Mx = 12000 k-in, My = 6000 k-in.
void BM_BiaxialCapacity(benchmark::State& state) {
  tarnix::ProjectModel m = tarnix::LoadedHeavySection();
  tarnix::ComputeSectionProperties(m);
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarnix::BiaxialCapacityOf(m, 1.5e6f, 1.2e7f, 6e6f).momentRatio);
  }
}
BENCHMARK(BM_BiaxialCapacity)->Unit(benchmark::kMicrosecond);

void BM_FullRun(benchmark::State& state) {
  tarnix::ProjectModel base = tarnix::LoadedHeavySection();
  tarnix::AskHeavyMomentCurvature(base);
  const std::string report = (std::filesystem::temp_directory_path() / "tarnix_benchmark.out").string();
  tarnix::SetOutputFileNames(base, report);
  base.OutputInputEcho = base.OutputSectionProperties = base.OutputInteractionDiagram = 1;
  base.OutputSectionAnalysis = 1;
  for (auto _ : state) {
    tarnix::ProjectModel m = base;
    benchmark::DoNotOptimize(tarnix::RunCalculation(m).ok());
  }
  std::filesystem::remove(report);
}
BENCHMARK(BM_FullRun)->Unit(benchmark::kMillisecond);

}  // namespace
