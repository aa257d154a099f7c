// Field-edit rules of the project model.
#include "model/model_edits.h"

#include "criteria/criteria.h"
#include "model/material_defaults.h"
#include "base/number_format.h"

namespace tarnix {
namespace {

// Sets a 1-based record list to n records. Records beyond the count stay in storage, so that lowering a
// count and raising it again brings them back as they were; slots never used before start blank.
template <typename Record>
bool SetCount(int& count, std::vector<Record>& records, int& current, int n) {
  if (n < 0 || n > kMaxRecordCount) return false;
  if (n >= 1) {
    if (static_cast<int>(records.size()) < n + 1) records.resize(static_cast<size_t>(n) + 1);
    current = 1;
  }
  count = n;
  return true;
}

template <typename Record>
void Trim(std::vector<Record>& records, int count) {
  records.resize(static_cast<size_t>(ListSize(count)) + 1);
}

}  // namespace

int& RecordCount(ProjectModel& m, RecordKind kind) {
  switch (kind) {
    case RecordKind::ConcreteRect:
      return m.nr;
    case RecordKind::ConcreteCircle:
      return m.nc;
    case RecordKind::ReinforcingLine:
      return m.nl;
    case RecordKind::ReinforcingArc:
      return m.na;
    case RecordKind::SteelRect:
      return m.nb;
    case RecordKind::SteelPipe:
      return m.np;
    case RecordKind::ConcretePolygon:
      return m.npg;
    case RecordKind::SingleBar:
      return m.nsb;
  }
  return m.nr;
}

int RecordCount(const ProjectModel& m, RecordKind kind) {
  return RecordCount(const_cast<ProjectModel&>(m), kind);
}

bool SetRecordCount(ProjectModel& m, RecordKind kind, int n) {
  switch (kind) {
    case RecordKind::ConcreteRect:
      return SetCount(m.nr, m.rects, m.currentRect, n);
    case RecordKind::ConcreteCircle:
      return SetCount(m.nc, m.circles, m.currentCirc, n);
    case RecordKind::ReinforcingLine:
      return SetCount(m.nl, m.lines, m.currentLine, n);
    case RecordKind::ReinforcingArc:
      return SetCount(m.na, m.arcs, m.currentArc, n);
    case RecordKind::SteelRect:
      return SetCount(m.nb, m.steelRects, m.currentBar, n);
    case RecordKind::SteelPipe:
      return SetCount(m.np, m.pipes, m.currentPipe, n);
    case RecordKind::ConcretePolygon:
      return SetCount(m.npg, m.polygons, m.currentPolygon, n);
    case RecordKind::SingleBar:
      return SetCount(m.nsb, m.singleBars, m.currentSingleBar, n);
  }
  return false;
}

bool SetLoadCount(ProjectModel& m, int n) {
  if (!SetCount(m.ns, m.loads, m.currentLoad, n)) return false;
  m.OutputSectionAnalysis = n >= 1 ? 1 : 0;
  return true;
}

void TrimRecordStorage(ProjectModel& m) {
  Trim(m.rects, m.nr);
  Trim(m.circles, m.nc);
  Trim(m.lines, m.nl);
  Trim(m.arcs, m.na);
  Trim(m.steelRects, m.nb);
  Trim(m.pipes, m.np);
  Trim(m.polygons, m.npg);
  Trim(m.singleBars, m.nsb);
  Trim(m.loads, m.ns);
}

bool SetRecordCountText(ProjectModel& m, RecordKind kind, std::string_view text) {
  const auto n = LenientCount(text);
  return n && SetRecordCount(m, kind, *n);
}

bool SetLoadCountText(ProjectModel& m, std::string_view text) {
  const auto n = LenientCount(text);
  return n && SetLoadCount(m, *n);
}

void SetUnitFactors(ProjectModel& m) {
  m.ForceUnitFactor = 1000;
  m.MomentUnitFactor = m.unitSystem().IsEnglish() ? 12000.0f : 1000000.0f;
}

float& LoadValueRef(LoadCondition& load, LoadValue which) {
  switch (which) {
    case LoadValue::P:
      return load.P;
    case LoadValue::V:
      return load.V;
    case LoadValue::M:
      return load.M;
    case LoadValue::T:
      return load.T;
    case LoadValue::M1ns:
      return load.M1ns;
    case LoadValue::M2ns:
      return load.M2ns;
    case LoadValue::M1s:
      return load.M1s;
    case LoadValue::M2s:
      return load.M2s;
    case LoadValue::My:
      return load.My;
    case LoadValue::M1nsY:
      return load.endY.M1ns;
    case LoadValue::M2nsY:
      return load.endY.M2ns;
    case LoadValue::M1sY:
      return load.endY.M1s;
    case LoadValue::M2sY:
      return load.endY.M2s;
  }
  return load.P;
}

float LoadValueFactor(const ProjectModel& m, LoadValue which) {
  return which == LoadValue::P || which == LoadValue::V ? m.ForceUnitFactor : m.MomentUnitFactor;
}

void EditLoadValue(ProjectModel& m, int number, LoadValue which, std::string_view text) {
  if (number < 1 || number > ListSize(m.ns)) return;
  LoadValueRef(m.loads[static_cast<size_t>(number)], which) =
      static_cast<float>(LenientDouble(text) * LoadValueFactor(m, which));
}

float DisplayedLoadValue(const ProjectModel& m, int number, LoadValue which) {
  if (number < 1 || number > ListSize(m.ns)) return 0;
  LoadCondition load = m.loads[static_cast<size_t>(number)];
  return static_cast<float>(static_cast<double>(LoadValueRef(load, which)) / LoadValueFactor(m, which));
}

StressStrainPoint* CurrentStressStrainPoint(ProjectModel& m, SteelCurve curve) {
  const bool reinforcing = curve == SteelCurve::Reinforcing;
  const int model = reinforcing ? m.reinfModel : m.steelModel;
  const int point = reinforcing ? m.currentRPoint : m.currentSPoint;
  if (model == SteelModel::Bilinear && point >= 1 && point <= 4)
    return &(reinforcing ? m.rpBL : m.spBL)[static_cast<size_t>(point)];
  if (model == SteelModel::Park && point >= 1 && point <= 6)
    return &(reinforcing ? m.rpPA : m.spPA)[static_cast<size_t>(point)];
  return nullptr;
}

const StressStrainPoint* CurrentStressStrainPoint(const ProjectModel& m, SteelCurve curve) {
  return CurrentStressStrainPoint(const_cast<ProjectModel&>(m), curve);
}

void EditStressStrainPoint(ProjectModel& m, SteelCurve curve, PointPart part, std::string_view text) {
  const auto value = ParseFileFloat(text);
  StressStrainPoint* target = CurrentStressStrainPoint(m, curve);
  if (!value || target == nullptr) return;
  (part == PointPart::Strain ? target->strain : target->stress) = *value;
}

void SetPerformMomentCurvature(ProjectModel& m, int flag) {
  m.PerformMomentCurvature = flag ? 1 : 0;
  m.OutputMomentCurvature = m.PerformMomentCurvature;
  if (flag) ApplyMaterialModelDefaults(m);
}

std::string SetOutputSlenderness(ProjectModel& m, int flag) {
  if (flag && CriteriaFor(m.criteria).userDefined) {
    m.OutputSlenderness = 0;
    return "Slenderness effects not available for user defined criteria";
  }
  m.OutputSlenderness = flag ? 1 : 0;
  return {};
}

void SetSlendernessOption(ProjectModel& m, int option) {
  m.SlendernessOption = option;
  if (option == Slenderness::SlenderWall) m.Vri = 1;
}

void DeriveOutputOptions(ProjectModel& m) {
  m.OutputSectionAnalysis = m.ns >= 1 ? 1 : 0;
  // Slenderness output is never available for user-defined criteria, whichever way the option was set.
  m.OutputSlenderness = m.SlendernessOption != Slenderness::None && !CriteriaFor(m.criteria).userDefined ? 1 : 0;
  if (m.SlendernessOption == Slenderness::SlenderWall) m.OutputSectionAnalysis = 0;
}

void ClearResults(ProjectModel& m) {
  m.sectionProperties = {};
  m.interactionDiagram = {};
  m.interactionSurface = {};
  m.slenderness = {};
  m.momentCurvature = {};
  m.mcPlotLoad = 1;
}

}  // namespace tarnix
