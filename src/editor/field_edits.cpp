// Write-through of the text fields.
#include "editor/field_edits.h"

#include <cmath>

#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "base/number_format.h"
#include "section/confinement.h"

namespace tarnix {
namespace {

// The record shown in a list's editor; null when the list is empty or the index has no record.
template <typename Record>
Record* Shown(std::vector<Record>& records, int count, int current) {
  if (current < 1 || current > ListSize(count) || current >= static_cast<int>(records.size())) return nullptr;
  return &records[static_cast<size_t>(current)];
}

// The float a field edits, or null when it is not a plain float field (or its record does not exist).
float* FloatSlot(ProjectModel& m, Field field) {
  ConcreteRect* rect = Shown(m.rects, m.nr, m.currentRect);
  ConcreteCircle* circle = Shown(m.circles, m.nc, m.currentCirc);
  ReinforcingLine* line = Shown(m.lines, m.nl, m.currentLine);
  ReinforcingArc* arc = Shown(m.arcs, m.na, m.currentArc);
  SteelPipe* pipe = Shown(m.pipes, m.np, m.currentPipe);
  SteelRect* bar = Shown(m.steelRects, m.nb, m.currentBar);
  switch (field) {
    case Field::fpc: return &m.fpc;
    case Field::fy: return &m.fy;
    case Field::fs: return &m.fs;
    case Field::Ec: return &m.Ec;
    case Field::Er: return &m.Er;
    case Field::Es: return &m.Es;
    case Field::phiT: return &m.phiT;
    case Field::phiC: return &m.phiC;
    case Field::phiS: return &m.phiS;
    case Field::phiConc: return &m.phiConc;
    case Field::phiReinf: return &m.phiReinf;
    case Field::phiStl: return &m.phiStl;
    case Field::a1: return &m.a1;
    case Field::b1: return &m.b1;
    case Field::em: return &m.em;
    case Field::Yt: return rect ? &rect->Yt : nullptr;
    case Field::D: return rect ? &rect->D : nullptr;
    case Field::W: return rect ? &rect->W : nullptr;
    case Field::Yc: return circle ? &circle->Yc : nullptr;
    case Field::Rc: return circle ? &circle->Rc : nullptr;
    case Field::Yb: return line ? &line->Yb : nullptr;
    case Field::Ab: return line ? &line->Ab : nullptr;
    case Field::Lb: return line ? &line->Lb : nullptr;
    case Field::Abl: return line ? &line->Abl : nullptr;
    case Field::Y0: return arc ? &arc->Y0 : nullptr;
    case Field::R0: return arc ? &arc->R0 : nullptr;
    case Field::Abeg: return arc ? &arc->Abeg : nullptr;
    case Field::Atot: return arc ? &arc->Atot : nullptr;
    case Field::Aba: return arc ? &arc->Aba : nullptr;
    case Field::Ycp: return pipe ? &pipe->Ycp : nullptr;
    case Field::Rcp: return pipe ? &pipe->Rcp : nullptr;
    case Field::tp: return pipe ? &pipe->tp : nullptr;
    case Field::Ytb: return bar ? &bar->Ytb : nullptr;
    case Field::Db: return bar ? &bar->Db : nullptr;
    case Field::Wb: return bar ? &bar->Wb : nullptr;
    case Field::fc0: return &m.fc0;
    case Field::ec0: return &m.ec0;
    case Field::Eci: return &m.Eci;
    case Field::esp: return &m.esp;
    case Field::ecu: return &m.ecu;
    case Field::fcu: return &m.fcu;
    case Field::fcc: return &m.fcc;
    case Field::ds: return &m.ds;
    case Field::st: return &m.st;
    case Field::cover: return &m.cover;
    case Field::fyh: return &m.fyh;
    case Field::esf: return &m.esf;
    case Field::Dc: return &m.Dc;
    case Field::sl: return &m.sl;
    case Field::xcl: return &m.xcl;
    case Field::ycl: return &m.ycl;
    case Field::inc: return &m.inc;
    case Field::cbeg: return &m.cbeg;
    case Field::cinc: return &m.cinc;
    case Field::ebeg: return &m.ebeg;
    case Field::eend: return &m.eend;
    case Field::einc: return &m.einc;
    default: return nullptr;
  }
}

// The whole number a field edits, or null when it is not one.
int* IntSlot(ProjectModel& m, Field field) {
  ReinforcingLine* line = Shown(m.lines, m.nl, m.currentLine);
  ReinforcingArc* arc = Shown(m.arcs, m.na, m.currentArc);
  switch (field) {
    case Field::Nbl: return line ? &line->Nbl : nullptr;
    case Field::Nba: return arc ? &arc->Nba : nullptr;
    case Field::nx: return &m.nx;
    case Field::ny: return &m.ny;
    case Field::binc: return &m.binc;
    case Field::pinc: return &m.pinc;
    case Field::rcinc: return &m.rcinc;
    case Field::ccinc: return &m.ccinc;
    case Field::bsinc: return &m.bsinc;
    case Field::psinc: return &m.psinc;
    default: return nullptr;
  }
}

bool CountKind(Field field, RecordKind& kind) {
  switch (field) {
    case Field::nr: kind = RecordKind::ConcreteRect; return true;
    case Field::nc: kind = RecordKind::ConcreteCircle; return true;
    case Field::nl: kind = RecordKind::ReinforcingLine; return true;
    case Field::na: kind = RecordKind::ReinforcingArc; return true;
    case Field::nb: kind = RecordKind::SteelRect; return true;
    case Field::np: kind = RecordKind::SteelPipe; return true;
    default: return false;
  }
}

bool LoadField(Field field, LoadValue& which) {
  switch (field) {
    case Field::P: which = LoadValue::P; return true;
    case Field::M: which = LoadValue::M; return true;
    case Field::V: which = LoadValue::V; return true;
    case Field::T: which = LoadValue::T; return true;
    default: return false;
  }
}

bool PointField(Field field, SteelCurve& curve, PointPart& part) {
  switch (field) {
    case Field::strainr: curve = SteelCurve::Reinforcing, part = PointPart::Strain; return true;
    case Field::stressr: curve = SteelCurve::Reinforcing, part = PointPart::Stress; return true;
    case Field::strains: curve = SteelCurve::Structural, part = PointPart::Strain; return true;
    case Field::stresss: curve = SteelCurve::Structural, part = PointPart::Stress; return true;
    default: return false;
  }
}

// The control parameters are not kept in the input file (they are reset from the unit system on every
// load), so editing them leaves nothing that saving could keep.
bool IsControlParameter(Field field) {
  switch (field) {
    case Field::inc: case Field::binc: case Field::pinc: case Field::cbeg: case Field::cinc:
    case Field::ebeg: case Field::eend: case Field::einc: case Field::rcinc: case Field::ccinc:
    case Field::bsinc: case Field::psinc:
      return true;
    default:
      return false;
  }
}

// Stores the text in the field; returns what else has to be shown.
EditEffect Store(ProjectModel& m, Field field, std::string_view text) {
  EditEffect effect;
  RecordKind kind{};
  LoadValue load{};
  SteelCurve curve{};
  PointPart part{};
  if (CountKind(field, kind)) {
    SetRecordCountText(m, kind, text);
    effect.refreshWindow = true;
  } else if (field == Field::ns) {
    SetLoadCountText(m, text);
    effect.refreshWindow = true;
  } else if (LoadField(field, load)) {
    EditLoadValue(m, m.currentLoad, load, text);
  } else if (PointField(field, curve, part)) {
    EditStressStrainPoint(m, curve, part, text);
  } else if (field == Field::title) {
    m.title = std::string(text);
  } else if (field == Field::fpc) {
    EditConcreteStrength(m, text);
    effect.derived = {Field::a1, Field::b1, Field::Ec};
  } else if (field == Field::fc0) {
    DeriveInitialModulus(m, text);
    effect.derived = {Field::Eci};
  } else if (int* whole = IntSlot(m, field)) {
    if (const auto n = LenientCount(text)) *whole = *n;
  } else if (float* value = FloatSlot(m, field)) {
    *value = LenientFloat(text);
  }
  return effect;
}

}  // namespace

EditEffect EditField(ProjectModel& m, Field field, std::string_view text) {
  // A record field of an empty list, or a point the curve does not have, shows nothing and takes nothing.
  if (field != Field::title && FieldText(m, field).empty()) return {};
  EditEffect effect = Store(m, field, text);
  if (field == Field::cover) {
    effect.status = DeriveCoreDimensions(m);
    effect.derived = {Field::Dc, Field::xcl, Field::ycl};
  }
  if (field == Field::einc) {
    SetMaximumStrain(m);
    effect.derived = {Field::eend};
  }
  if (field == Field::ebeg || field == Field::eend || field == Field::einc) effect.status = StrainIncrementsText(m);
  if (!IsControlParameter(field)) m.modified = 1;
  return effect;
}

std::string FieldText(const ProjectModel& m, Field field) {
  ProjectModel& shown = const_cast<ProjectModel&>(m);  // the slots are only read here
  RecordKind kind{};
  LoadValue load{};
  SteelCurve curve{};
  PointPart part{};
  if (CountKind(field, kind)) return FormatPlain(RecordCount(m, kind));
  if (field == Field::ns) return FormatPlain(m.ns);
  if (field == Field::title) return m.title;
  if (LoadField(field, load)) {
    if (m.currentLoad < 1 || m.currentLoad > ListSize(m.ns)) return {};
    return FormatFixed(DisplayedLoadValue(m, m.currentLoad, load), 1);
  }
  if (PointField(field, curve, part)) {
    const StressStrainPoint* point = CurrentStressStrainPoint(m, curve);
    if (point == nullptr) return {};
    return FormatPlain(part == PointPart::Strain ? point->strain : point->stress);
  }
  if (const int* whole = IntSlot(shown, field)) return FormatPlain(*whole);
  if (const float* value = FloatSlot(shown, field)) return FormatPlain(*value);
  return {};
}

const std::vector<Field>& MainWindowFields() {
  static const std::vector<Field> fields = {
      Field::fpc, Field::fy,  Field::fs,  Field::Ec,  Field::Er,  Field::Es,  Field::phiT,    Field::phiC,
      Field::phiS, Field::phiConc, Field::phiReinf, Field::phiStl, Field::a1, Field::b1, Field::em,
      Field::nr,  Field::Yt,  Field::D,   Field::W,   Field::nc,  Field::Yc,  Field::Rc,
      Field::nl,  Field::Yb,  Field::Ab,  Field::Lb,  Field::Nbl, Field::Abl,
      Field::na,  Field::Y0,  Field::R0,  Field::Abeg, Field::Atot, Field::Nba, Field::Aba,
      Field::np,  Field::Ycp, Field::Rcp, Field::tp,  Field::nb,  Field::Ytb, Field::Db,  Field::Wb,
      Field::ns,  Field::P,   Field::M,   Field::V,   Field::T,
      Field::fc0, Field::ec0, Field::Eci, Field::esp, Field::ecu, Field::fcu, Field::fcc,
      Field::strainr, Field::stressr, Field::strains, Field::stresss,
  };
  return fields;
}

std::string StrainIncrementsText(const ProjectModel& m) {
  if (!(m.einc > 0)) return {};
  const double steps = (static_cast<double>(m.eend) - m.ebeg) / m.einc + 1;
  // nearbyint rounds in the default mode, to nearest with halves to even.
  return "Number of strain increments = " + FormatPlain(std::nearbyint(steps));
}

}  // namespace tarnix
