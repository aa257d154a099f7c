// Cost of one section evaluation, the inner loop of the moment-curvature analysis, for a heavy section:
// a 48 in confined circle in 100 slices, 24 bars on an arc and a steel pipe in 100 fibres.
#include <benchmark/benchmark.h>

#include "curvature/moment_curvature.h"
#include "curvature/section_evaluation.h"
#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "section/section_properties.h"
#include "heavy_section.h"

namespace {

using tarnix::HeavySection;

void BM_EvaluateSection(benchmark::State& state) {
  tarnix::ProjectModel m = HeavySection();
  const tarnix::SectionSlices slices = tarnix::SliceSection(m);
  const tarnix::MaterialModels models = tarnix::MaterialModelsOf(m);
  tarnix::EvaluationScratch scratch;  // as the analysis keeps it, sized once
  float c = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarnix::EvaluateSection(slices, models, 0.003f, c, scratch));
    c = c < 40 ? c + 0.01f : 10;
  }
}
BENCHMARK(BM_EvaluateSection);

}  // namespace

namespace {

// The whole moment-curvature analysis of the heavy section for ten load conditions, Mander confined
// concrete crushing at a strain of 0.03, default control parameters.
void BM_MomentCurvatureAnalysis(benchmark::State& state) {
  tarnix::ProjectModel base = HeavySection();
  tarnix::SetLoadCount(base, 10);
  for (int i = 1; i <= 10; ++i) base.loads[static_cast<size_t>(i)].P = 100000.0f * static_cast<float>(i);
  tarnix::AskHeavyMomentCurvature(base);
  size_t points = 0;
  long long evaluations = 0;
  for (auto _ : state) {
    tarnix::ProjectModel m = base;
    tarnix::MomentCurvatureAnalysis(m);
    points = 0;
    for (const auto& curve : m.momentCurvature.curves) points += curve.points.size();
    evaluations = m.momentCurvature.evaluations;
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = static_cast<double>(points);
  state.counters["evaluations/point"] = static_cast<double>(evaluations) / static_cast<double>(points);
}
BENCHMARK(BM_MomentCurvatureAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
