// Sections used by several tests and by the benchmarks (so no test macros here).
#pragma once

#include <initializer_list>
#include <utility>

#include "model/defaults.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "model/project_model.h"
#include "run/calculation_run.h"
#include "section/section_properties.h"

namespace tarnix {

/// The 12 x 20 in column with three 1 in^2 bars 2.5 in from each face (f'c 4000, fy 60000) under the
/// given criteria.
inline ProjectModel TwoLayerColumn(const char* criteria) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, criteria);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 12, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 2);
  m.lines[1] = {17.5f, 7, 0, 3, 1};
  m.lines[2] = {2.5f, 7, 0, 3, 1};
  return m;
}

/// The column of the ACI 318-19 provision sheet: 16 x 24 in with 8 in^2 (400 x 600 mm with 5000 mm^2) in two
/// layers of two bars 2.5 in (60 mm) from the faces, ACI 318-19 defaults.
inline ProjectModel Aci19Column(bool english) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, "aci19");
  ChooseUnits(m, english);
  const float b = english ? 16 : 400, h = english ? 24 : 600, cover = english ? 2.5f : 60, bar = english ? 2 : 1250;
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, h, b, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 2);
  m.lines[1] = {cover, b - 2 * cover, 0, 2, bar};
  m.lines[2] = {h - cover, b - 2 * cover, 0, 2, bar};
  return m;
}

/// A heavy section: a 48 in circle of Mander concrete confined by spirals, 24 bars of 1.56 in^2 on a full
/// arc and a steel pipe at its centre, with its section properties computed.
inline ProjectModel HeavySection() {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {24, 24, 1};
  SetRecordCount(m, RecordKind::ReinforcingArc, 1);
  m.arcs[1] = {24, 21, 0, 360, 24, 1.56f};
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {24, 8, 0.5f};
  ChooseConcreteModel(m, 3);
  m.fcc = 7000, m.ecu = 0.02f;
  m.confinementOption = 2;
  m.cover = 2;
  ComputeSectionProperties(m);
  return m;
}

/// A 12 in strip of an 8 in wall, 20 ft high, one #5 bar (0.31 in^2) at mid-thickness (d = 4 in), designed
/// as a slender wall for the given (P, M) loads; f'c 4000 psi, fy 60000 psi, Ec 3604997 psi, Es 29e6 psi,
/// stress block 0.85 / 0.85, ecu 0.003. Not yet analysed.
inline ProjectModel SlenderPanel(std::initializer_list<std::pair<float, float>> loads) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, "aci02");
  m.fpc = 4000, m.fy = 60000, m.Ec = 3604997, m.Er = 29e6f, m.a1 = 0.85f, m.b1 = 0.85f, m.em = 0.003f;
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 8, 12, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {4, 0, 0, 1, 0.31f};
  SetLoadCount(m, static_cast<int>(loads.size()));
  int i = 1;
  for (const auto& [P, M] : loads) {
    m.loads[static_cast<size_t>(i)].P = P;
    m.loads[static_cast<size_t>(i++)].M = M;
  }
  m.L = 240;
  SetSlendernessOption(m, 3);
  return m;
}

}  // namespace tarnix
