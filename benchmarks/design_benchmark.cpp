// Cost of the bar design search: a 24 x 24 in column with ten load conditions, eight bar sizes (#5 to #14)
// and 2 to 10 bars a face (648 arrangements), bent about one axis and about both; the search as the
// engineer runs it (stopping at the first steel area above the lightest arrangement that passes) and the
// full table (every arrangement within the limits checked against every load).
#include <benchmark/benchmark.h>

#include "model/defaults.h"
#include "model/model_edits.h"
#include "run/design_search.h"

namespace {

tarnix::ProjectModel DesignColumn(bool biaxial) {
  tarnix::ProjectModel m;
  tarnix::ResetAll(m);
  tarnix::ChooseCriteria(m, "aci19");
  tarnix::SetRecordCount(m, tarnix::RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 24, 24, 1};
  tarnix::SetLoadCount(m, 10);
  for (int i = 1; i <= 10; ++i) {
    tarnix::LoadCondition& load = m.loads[static_cast<size_t>(i)];
    load.P = 150000.0f * static_cast<float>(i) - 300000.0f;        // -150 to 1200 kip
    load.M = 12000.0f * (450.0f - 20.0f * static_cast<float>(i));  // 430 to 250 k-ft
    if (biaxial) load.My = 0.4f * load.M;
  }
  return m;
}

tarnix::DesignSettings EightSizes(bool fullTable) {
  tarnix::DesignSettings s;
  s.sizes = {"#5", "#6", "#7", "#8", "#9", "#10", "#11", "#14"};
  s.cover = 1.5f;
  s.tie = "#4";
  s.minBars = 2;
  s.maxBars = 10;
  s.fullTable = fullTable;
  return s;
}

// Arguments: biaxial (0 or 1), full table (0 or 1).
void BM_DesignSearch(benchmark::State& state) {
  const tarnix::ProjectModel m = DesignColumn(state.range(0) != 0);
  const tarnix::DesignSettings s = EightSizes(state.range(1) != 0);
  int checked = 0, passing = 0;
  for (auto _ : state) {
    const tarnix::DesignResult r = tarnix::SearchDesign(m, s);
    checked = 0;
    for (const tarnix::DesignCandidate& c : r.candidates)
      checked += c.worstLoad > 0 || c.rejection == tarnix::DesignRejection::Load;
    passing = r.passing;
    benchmark::DoNotOptimize(passing);
  }
  state.counters["checked"] = checked;
  state.counters["passing"] = passing;
}
BENCHMARK(BM_DesignSearch)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
