// Stress-strain curves of the moment-curvature analysis: concrete (Linear, Simple, Mander confined and
// unconfined), reinforcing and structural steel from their user point tables. Strains and stresses are
// positive in compression. Each evaluation reports the events it passes (yield, spalling, crushing,
// fracture) through an McEvents value owned by the caller, so that evaluations share no state.
#pragma once

#include <string>
#include <vector>

#include "model/project_model.h"
#include "section/mc_events.h"

namespace tarnix {

/// A steel curve: its 4 (Bilinear) or 6 (Park) points, point 1 the most tensile, and the Park hardening.
struct StressStrainCurve {
  int pointCount = 4;
  StressStrainPoint points[7] = {};  ///< indexed 1..pointCount
  int parkModel = 2;                 ///< 1 parabolic hardening, 2 Park's complex hardening
  McEvent fail = McEvent::LongReinfFail;
  McEvent tensionYield = McEvent::ReinfTensYield;
  McEvent compressionYield = McEvent::ReinfCompYield;
};

/// A smooth curve over strains 0..`end`, tabulated once with its slope at evenly spaced strains and read
/// by cubic Hermite interpolation: no power per fibre, and an error some ten orders below the stress.
struct CurveTable {
  static constexpr int kIntervals = 2048;
  static constexpr int kDirectIntervals = 8;  ///< the first intervals, where a caller works the curve out
  double end = 0;
  double perStep = 0;                  ///< intervals per unit strain
  std::vector<double> value, slope;    ///< at strains j end / (size - 1); slope per interval
  bool Empty() const { return value.size() < 2; }
  double At(double strain) const;
};

/// The material curves of a model, with the Mander constants worked out once.
struct MaterialModels {
  int concreteModel = 2;
  int confinementOption = 1;
  float ec0 = 0, fc0 = 0, Eci = 0, ecu = 0, fcu = 0, fcc = 0, esp = 0;
  double ecc = 0;          ///< Mander: strain at the confined peak
  double rConfined = 0;    ///< Mander: Eci / (Eci - fcc / ecc)
  double rUnconfined = 0;  ///< Mander: Eci / (Eci - fc0 / ec0)
  double f2 = 0;           ///< Mander: unconfined stress at twice ec0, where the straight descent starts
  CurveTable confinedCurve;    ///< Mander confined stress up to ecu
  CurveTable unconfinedCurve;  ///< Mander unconfined stress up to twice ec0
  StressStrainCurve reinforcing, structural;
};

/// The curves of the model's current material choices.
MaterialModels MaterialModelsOf(const ProjectModel& m);

/// Why the model's curves cannot be evaluated (a Mander modulus not above the secant modulus, a zero peak,
/// ...), as a sentence for the report; empty when they can. Only the curves the section uses are checked.
std::string MaterialModelProblem(const ProjectModel& m);

/// Linear or Simple concrete; 0 for the Mander model (see ManderStress).
float ConcreteStress(const MaterialModels& mm, float e, McEvents& events);

/// Mander concrete: the confined (core) and unconfined (cover) stresses at the same strain.
struct ManderStresses {
  float confined = 0;
  float unconfined = 0;
};
/// Which of the two Mander stresses a caller uses; the other is left 0. The events of both curves are
/// raised either way, so that skipping a stress nobody multiplies by an area changes no result.
enum class ManderParts { Confined = 1, Unconfined = 2, Both = 3 };
ManderStresses ManderStress(const MaterialModels& mm, float e, McEvents& events,
                            ManderParts parts = ManderParts::Both);

/// Stress of a steel curve, raising its fail and yield events.
float SteelCurveStress(const StressStrainCurve& curve, float e, McEvents& events);
inline float ReinforcingStress(const MaterialModels& mm, float e, McEvents& events) {
  return SteelCurveStress(mm.reinforcing, e, events);
}
inline float SteelShapeStress(const MaterialModels& mm, float e, McEvents& events) {
  return SteelCurveStress(mm.structural, e, events);
}

}  // namespace tarnix
