// Completeness rules of the model. Comparisons with zero are exact: only a value that was never entered
// (or was typed as 0) counts as missing.
#include "model/input_check.h"

#include "criteria/criteria.h"

namespace tarnix {
namespace {

bool AnyZero(std::initializer_list<float> values) {
  for (float v : values) {
    if (v == 0) return true;
  }
  return false;
}

// The first point of the table selected by a steel model (Bilinear 1, Park 2).
float FirstPointStrain(int model, const BilinearPoints& bilinear, const ParkPoints& park) {
  if (model == SteelModel::Bilinear) return bilinear[1].strain;
  if (model == SteelModel::Park) return park[1].strain;
  return 1;  // no table selected: nothing to be missing
}

bool SectionComplete(const ProjectModel& m) {
  // A negative count is an empty list like 0, so it is no section either.
  const bool concrete = m.nr >= 1 || m.nc >= 1;
  if (concrete) return true;
  const bool reinforcing = m.nl >= 1 || m.na >= 1;
  const bool anything = m.nb >= 1 || m.np >= 1;
  return !reinforcing && anything;
}

bool MomentCurvatureComplete(const ProjectModel& m) {
  bool complete = m.ns >= 1;
  const bool concrete = m.nr >= 1 || m.nc >= 1;
  if (concrete) {
    switch (m.concreteModel) {
      case ConcreteModel::Linear:
        if (AnyZero({m.ecu, m.fcu})) complete = false;
        break;
      case ConcreteModel::Simple:
        if (AnyZero({m.ec0, m.fc0, m.ecu, m.esp})) complete = false;
        break;
      case ConcreteModel::Mander:
        if (AnyZero({m.ec0, m.fc0, m.ecu, m.esp, m.fcc})) complete = false;
        if (Confinement::TransverseBars(m.confinementOption) && AnyZero({m.ds, m.st, m.fyh, m.esf}))
          complete = false;
        if (m.confinementOption == Confinement::SteelCasing && AnyZero({m.fyh, m.esf})) complete = false;
        break;
      default:
        break;
    }
    if (FirstPointStrain(m.reinfModel, m.rpBL, m.rpPA) == 0) complete = false;
  }
  // The structural steel curve is only needed by steel shapes; a file without them carries no such curve.
  const bool steelShapes = m.nb >= 1 || m.np >= 1;
  if (steelShapes && FirstPointStrain(m.steelModel, m.spBL, m.spPA) == 0) complete = false;
  return complete;
}

}  // namespace

bool IsInputComplete(const ProjectModel& m) {
  // A model can hold only criteria the program knows; one that does not is never analysed by guesswork.
  bool complete = SectionComplete(m) && FindCriteria(m.criteria) != nullptr;

  if (m.ns >= 1 && !IsSet(m.PerformMomentCurvature)) {
    for (int i = 1; i <= m.ns; ++i) {
      const LoadCondition& load = m.loads[static_cast<size_t>(i)];
      if (load.P == 0 && load.M == 0) complete = false;
    }
  }

  if (m.SlendernessOption != Slenderness::None && (!(m.L > 0) || !(m.Keff > 0))) complete = false;

  if (IsSet(m.PerformMomentCurvature) && !MomentCurvatureComplete(m)) complete = false;
  return complete;
}

bool CheckInputComplete(ProjectModel& m) {
  m.inputComplete = IsInputComplete(m) ? 1 : 0;
  return m.inputComplete == 1;
}

}  // namespace tarnix
