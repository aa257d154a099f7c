// Material stress-strain curves.
#include "section/stress_strain.h"

#include <algorithm>
#include <cmath>

namespace tarnix {
namespace {

// Mander's curve f x r / (r - 1 + x^r) for x = e / peak strain; r is 0 for constants that have no curve
// (a modulus not above the secant modulus), which the analysis refuses before it starts.
double ManderCurve(double peakStress, double x, double r) {
  return r == 0 ? 0.0 : peakStress * x * r / (r - 1 + std::pow(x, r));
}

// Mander's curve of peak stress `peak` at strain `peakStrain` tabulated up to strain `end` with its slope
// f r (r - 1)(1 - x^r) / (r - 1 + x^r)^2. With 2048 intervals the interpolation stays within 1e-8 of the
// peak from the eighth interval on, even for r near 1; below that the curve is worked out directly, as
// its x^r term is not smooth at zero.
CurveTable ManderTable(double peak, double peakStrain, double r, double end) {
  CurveTable table;
  if (!(end > 0) || !(peakStrain > 0) || r == 0) return table;
  table.end = end;
  table.perStep = CurveTable::kIntervals / end;
  const double h = end / CurveTable::kIntervals;
  table.value.resize(CurveTable::kIntervals + 1);
  table.slope.resize(CurveTable::kIntervals + 1);
  for (int j = 0; j <= CurveTable::kIntervals; ++j) {
    const double x = j * h / peakStrain;
    const double power = std::pow(x, r);
    const double denominator = r - 1 + power;
    table.value[static_cast<size_t>(j)] = peak * x * r / denominator;
    const double slope = peak * r * (r - 1) * (1 - power) / (denominator * denominator);
    table.slope[static_cast<size_t>(j)] = slope * h / peakStrain;  // per interval
  }
  return table;
}

// Mander's stress from its table, or directly near zero strain and without a table.
double ManderAt(const CurveTable& table, double peak, double peakStrain, double r, double e) {
  if (table.Empty() || e * table.perStep < CurveTable::kDirectIntervals) {
    return ManderCurve(peak, e / peakStrain, r);
  }
  return table.At(e);
}

// A straight line from (e1, s1) to (e2, s2) at e; s1 when the line has no length.
double Line(double e1, double s1, double e2, double s2, double e) {
  return e2 == e1 ? s1 : s1 + (s2 - s1) * (e - e1) / (e2 - e1);
}

// Park's strain hardening from the end of the yield plateau: x past the plateau end, r the hardening
// range, the ratio of ultimate to yield stress and the yield stress as multiplier.
double ParkHardening(double x, double r, double ratio, double yield) {
  const double k = 30 * r + 1;
  const double m = (ratio * k * k - 60 * r - 1) / (15 * r * r);
  return yield * ((m * x + 2) / (60 * x + 2) + x * (60 - m) / (2 * k * k));
}

StressStrainCurve CurveOf(int model, const BilinearPoints& bilinear, const ParkPoints& park, int parkModel, McEvent fail,
                   McEvent tensionYield, McEvent compressionYield) {
  StressStrainCurve curve;
  curve.pointCount = model == SteelModel::Bilinear ? 4 : 6;
  for (int p = 1; p <= curve.pointCount; ++p) {
    curve.points[p] = model == SteelModel::Bilinear ? bilinear[static_cast<size_t>(p)] : park[static_cast<size_t>(p)];
  }
  curve.parkModel = parkModel;
  curve.fail = fail;
  curve.tensionYield = tensionYield;
  curve.compressionYield = compressionYield;
  return curve;
}

}  // namespace

double CurveTable::At(double strain) const {
  const double u = std::clamp(strain * perStep, 0.0, static_cast<double>(value.size() - 1));
  const size_t i = std::min(static_cast<size_t>(u), value.size() - 2);
  const double t = u - static_cast<double>(i), s = 1 - t;
  // Cubic Hermite basis on [i, i + 1].
  return (value[i] * (1 + 2 * t) + slope[i] * t) * s * s +
         (value[i + 1] * (3 - 2 * t) - slope[i + 1] * s) * t * t;
}

const char* McEventText(McEvent event) {
  switch (event) {
    case McEvent::LongReinfFail: return "Long reinf fail";
    case McEvent::ConcCompFail: return "Conc comp fail";
    case McEvent::ConfReinfFail: return "Conf reinf fail";
    case McEvent::ReinfTensYield: return "Reinf tens yield";
    case McEvent::ReinfCompYield: return "Reinf comp yield";
    case McEvent::ConcSpalling: return "Conc spalling";
    case McEvent::StrSteelFail: return "Str steel fail";
    case McEvent::StrSteelTensYield: return "Str steel tens yield";
    case McEvent::StrSteelCompYield: return "Str steel comp yield";
  }
  return "";
}

MaterialModels MaterialModelsOf(const ProjectModel& m) {
  MaterialModels mm;
  mm.concreteModel = m.concreteModel;
  mm.confinementOption = m.confinementOption;
  mm.ec0 = m.ec0, mm.fc0 = m.fc0, mm.Eci = m.Eci, mm.ecu = m.ecu, mm.fcu = m.fcu, mm.fcc = m.fcc, mm.esp = m.esp;
  if (m.fc0 != 0) mm.ecc = m.ec0 * (1 + 5 * (static_cast<double>(m.fcc) / m.fc0 - 1));
  if (mm.ecc != 0 && m.Eci != m.fcc / mm.ecc) mm.rConfined = m.Eci / (m.Eci - m.fcc / mm.ecc);
  if (m.ec0 != 0 && m.Eci != m.fc0 / m.ec0) mm.rUnconfined = m.Eci / (m.Eci - static_cast<double>(m.fc0) / m.ec0);
  if (mm.rUnconfined != 0) {
    mm.f2 = 2.0 * m.fc0 * mm.rUnconfined / (mm.rUnconfined - 1 + std::pow(2.0, mm.rUnconfined));
  }
  if (m.concreteModel == ConcreteModel::Mander) {
    mm.confinedCurve = ManderTable(m.fcc, mm.ecc, mm.rConfined, m.ecu);
    mm.unconfinedCurve = ManderTable(m.fc0, m.ec0, mm.rUnconfined, 2.0 * m.ec0);
  }
  mm.reinforcing = CurveOf(m.reinfModel, m.rpBL, m.rpPA, m.ParkModel, McEvent::LongReinfFail,
                           McEvent::ReinfTensYield, McEvent::ReinfCompYield);
  mm.structural = CurveOf(m.steelModel, m.spBL, m.spPA, m.ParkModel, McEvent::StrSteelFail,
                          McEvent::StrSteelTensYield, McEvent::StrSteelCompYield);
  return mm;
}

std::string MaterialModelProblem(const ProjectModel& m) {
  const bool concrete = m.nr >= 1 || m.nc >= 1 || m.npg >= 1;
  if (concrete && m.concreteModel == ConcreteModel::Mander) {
    if (!(m.fc0 > 0)) return "Mander concrete model: the unconfined stress fc0 must be greater than 0";
    if (!(m.ec0 > 0)) return "Mander concrete model: the unconfined strain ec0 must be greater than 0";
    if (!(m.fcc > 0)) return "Mander concrete model: the confined stress fcc must be greater than 0";
    if (!(m.Eci > m.fc0 / m.ec0)) {
      return "Mander concrete model: the modulus Eci must be greater than fc0 / ec0";
    }
    const double ecc = m.ec0 * (1 + 5 * (static_cast<double>(m.fcc) / m.fc0 - 1));
    if (!(ecc > 0) || !(m.Eci > m.fcc / ecc)) {
      return "Mander concrete model: the modulus Eci must be greater than fcc / ecc";
    }
  }
  if (concrete && m.concreteModel == ConcreteModel::Simple && m.esp > m.ec0 && m.ecu == m.ec0) {
    return "Simple concrete model: the ultimate strain ecu must differ from ec0";
  }
  // Park's complex hardening is scaled on the yield stress at the plateau ends.
  const auto parkProblem = [&](int model, const ParkPoints& p, const char* which) -> std::string {
    if (model == SteelModel::Bilinear || m.ParkModel != StrainHardening::Complex) return {};
    if ((p[1].strain < p[2].strain && p[3].stress == 0) || (p[5].strain < p[6].strain && p[4].stress == 0)) {
      return std::string("Park ") + which + " model: the yield stress of points 3 and 4 must not be 0";
    }
    return {};
  };
  if (m.nl >= 1 || m.na >= 1 || m.nsb >= 1) {
    if (auto problem = parkProblem(m.reinfModel, m.rpPA, "reinforcing"); !problem.empty()) return problem;
  }
  if (m.nb >= 1 || m.np >= 1) {
    if (auto problem = parkProblem(m.steelModel, m.spPA, "steel"); !problem.empty()) return problem;
  }
  return {};
}

float ConcreteStress(const MaterialModels& mm, float e, McEvents& events) {
  if (mm.concreteModel == ConcreteModel::Linear) {
    if (e < 0) return 0;
    if (e <= mm.ecu) return mm.ecu == 0 ? 0.0f : static_cast<float>(static_cast<double>(e) * mm.fcu / mm.ecu);
    events.Raise(McEvent::ConcCompFail);
    return 0;
  }
  if (mm.concreteModel == ConcreteModel::Simple) {
    if (e <= 0) return 0;
    if (e <= mm.ec0) {
      const double r = static_cast<double>(e) / mm.ec0;
      return static_cast<float>(mm.fc0 * (2 * r - r * r));
    }
    if (e < mm.esp) {
      if (mm.ecu == mm.ec0) return mm.fc0;  // no descending branch to scale on
      return static_cast<float>(mm.fc0 * (1 - 0.2 * (static_cast<double>(e) - mm.ec0) / (mm.ecu - mm.ec0)));
    }
    events.Raise(McEvent::ConcCompFail);
    return 0;
  }
  return 0;
}

ManderStresses ManderStress(const MaterialModels& mm, float e, McEvents& events, ManderParts parts) {
  ManderStresses s;
  if (e <= 0) return s;
  const auto wanted = [parts](ManderParts part) {
    return (static_cast<int>(parts) & static_cast<int>(part)) != 0;
  };
  if (e < mm.ecu) {
    if (wanted(ManderParts::Confined)) {
      s.confined = static_cast<float>(ManderAt(mm.confinedCurve, mm.fcc, mm.ecc, mm.rConfined, e));
    }
  } else {
    events.Raise(McEvent::ConfReinfFail);
  }
  if (e < 2 * mm.ec0) {
    if (wanted(ManderParts::Unconfined)) {
      s.unconfined = static_cast<float>(ManderAt(mm.unconfinedCurve, mm.fc0, mm.ec0, mm.rUnconfined, e));
    }
  } else if (e < mm.esp) {
    if (wanted(ManderParts::Unconfined)) {
      s.unconfined = static_cast<float>(mm.f2 - mm.f2 * (e - 2.0 * mm.ec0) / (mm.esp - 2.0 * mm.ec0));
    }
  } else if (mm.confinementOption != Confinement::SteelCasing) {
    events.Raise(McEvent::ConcSpalling);  // a steel casing holds the cover in place
  }
  return s;
}

float SteelCurveStress(const StressStrainCurve& curve, float strain, McEvents& events) {
  const StressStrainPoint* p = curve.points;
  const double e = strain;
  const int last = curve.pointCount;
  if (e < p[1].strain || e > p[last].strain) {
    events.Raise(curve.fail);
    return 0;
  }
  // The curve's inner points: the yield points on each side of the origin.
  const StressStrainPoint& tensionYield = p[last == 4 ? 2 : 3];
  const StressStrainPoint& compressionYield = p[last == 4 ? 3 : 4];
  double stress;
  // A strain exactly at a yield point is on the plateau, on the tension side as on the compression side.
  if (e <= tensionYield.strain) {
    events.Raise(curve.tensionYield);
    if (last == 4 || e >= p[2].strain) {
      stress = last == 4 ? Line(p[1].strain, p[1].stress, p[2].strain, p[2].stress, e)
                         : Line(p[2].strain, p[2].stress, p[3].strain, p[3].stress, e);
    } else if (curve.parkModel == StrainHardening::Parabolic) {
      const double t = (p[2].strain - e) / (p[2].strain - p[1].strain);
      stress = p[2].stress - (p[2].stress - p[1].stress) * t * t;
    } else {
      stress = ParkHardening(p[2].strain - e, p[2].strain - p[1].strain,
                             static_cast<double>(p[1].stress) / p[3].stress, p[3].stress);
    }
  } else if (e < 0) {
    stress = Line(tensionYield.strain, tensionYield.stress, 0, 0, e);
  } else if (e < compressionYield.strain) {
    stress = static_cast<double>(compressionYield.stress) * e / compressionYield.strain;
  } else {
    events.Raise(curve.compressionYield);
    const StressStrainPoint& plateauEnd = p[last == 4 ? 4 : 5];
    if (last == 4 || e <= plateauEnd.strain) {
      stress = Line(compressionYield.strain, compressionYield.stress, plateauEnd.strain, plateauEnd.stress, e);
    } else if (curve.parkModel == StrainHardening::Parabolic) {
      const double t = (e - p[5].strain) / (p[6].strain - p[5].strain);
      stress = p[5].stress + (p[6].stress - p[5].stress) * t * t;
    } else {
      stress = ParkHardening(e - p[5].strain, p[6].strain - p[5].strain,
                             static_cast<double>(p[6].stress) / p[4].stress, p[4].stress);
    }
  }
  return static_cast<float>(stress);
}

}  // namespace tarnix
