// Slenderness effects of the member: moment magnification of every load condition by the moment magnifier
// method of the design criteria, and the effective length factor from the end restraints.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnix {

struct ProjectModel;
struct LoadCondition;

/// The message of a load whose load reaches the critical buckling load (no magnified moment exists).
inline constexpr const char* kBucklingMessage = "*** Axial load exceeds critical buckling load";

/// The method that gave a swaying load its sway magnification factor.
enum class SwayMagnifier {
  kNone,            ///< not a swaying load, or not magnified
  kCriticalLoad,    ///< 1 / (1 - P / (phiK Pc))
  kStabilityIndex,  ///< 1 / (1 - Q)
  /// The critical load, because 1 / (1 - Q) exceeds 1.5, beyond which ACI 318 does not permit it.
  kCriticalLoadBeyondStabilityLimit,
};

/// Result block of the slenderness analyses (moment magnification and slender wall design). Lists are indexed
/// by load condition 1..ns (slot 0 unused) and are empty when the analysis did not run. Forces in lb / N,
/// moments in lb-in / N-mm, lengths in in / mm.
struct SlendernessResults {
  // Moment magnification: member constants.
  float r = 0;      ///< radius of gyration of the section
  float phiK = 0;   ///< stiffness reduction factor on the critical load
  float Fe = 0;     ///< modified yield stress of a composite column (AASHTO LRFD)
  float Ee = 0;     ///< modified modulus of elasticity of a composite column (AASHTO LRFD)
  float rs = 0;     ///< radius of gyration of the structural steel (AASHTO LRFD)
  float gamma = 0;  ///< slenderness parameter of a composite column (AASHTO LRFD)

  // Moment magnification: per load condition.
  std::vector<float> Mc;        ///< design (magnified) moment; also the slender wall's magnified moment
  std::vector<float> Pc;        ///< critical buckling load
  std::vector<float> klrLimit;  ///< kl/r below which slenderness may be ignored
  std::vector<float> Cm;        ///< equivalent moment factor
  std::vector<float> Q;         ///< stability index (0 when not computed)
  std::vector<float> deltaNs;   ///< non-sway magnification factor
  std::vector<float> deltaS;    ///< sway magnification factor
  std::vector<float> LrMax;     ///< L/r above which the secondary magnification applies
  std::vector<float> Cm2;       ///< secondary equivalent moment factor
  std::vector<float> deltaNs2;  ///< secondary magnification factor
  std::vector<std::string> SlenderMessage;  ///< empty when the load was magnified
  /// The minimum design moment M2,min when it governed the magnified end moment M2 (then Cm, or the
  /// secondary Cm of a swaying member, is 1.0); 0 when the end moments governed or no minimum applies.
  std::vector<float> M2min;
  /// Which method gave the sway magnification factor, for loads whose stability index was computed.
  std::vector<SwayMagnifier> swayMagnifier;
  /// False for a load whose kl/r limit has no value (CSA with no compression); the report then omits it.
  std::vector<bool> klrLimitKnown;

  // Slender wall design.
  float rho = 0;                ///< reinforcing ratio of the wall
  float rhomax = 0;             ///< maximum reinforcing ratio (0.6 of balanced)
  float Mcr = 0;                ///< cracking moment
  std::vector<float> phiMnAse;  ///< moment capacity from the effective steel area
  /// The wall's magnified moment exceeds its moment capacity phiMnAse (by more than 1 %), for loads that
  /// have a magnified moment and a capacity above the cracking moment.
  std::vector<bool> wallMomentExceeded;
  /// The wall section could not be designed (no concrete rectangle or no reinforcing line): the report line
  /// that says why; empty otherwise.
  std::string wallProblem;
};

/// The initial design moment of a load: the larger of its moment M and its end moments M2ns + M2s.
float InitialMoment(const LoadCondition& load);

/// Load condition i has a design moment Mc: it was magnified, or its slenderness effects are negligible
/// (tension, no axial load, kl/r below the limit). False for a load at buckling, one that needs a P-delta
/// analysis, member data without a critical load, and a load the analysis did not reach.
bool DesignMomentKnown(const SlendernessResults& s, int i);

/// The moment a load condition's capacity is checked against: its own moment M without slenderness effects,
/// its magnified moment Mc with moment magnification, its initial moment (the larger of M and M2ns + M2s)
/// for a general P-delta option, which the program does not analyse. Empty when the load has no design
/// moment (at buckling, beyond the reach of moment magnification, or not analysed).
std::optional<float> DesignMoment(const ProjectModel& m, int i);

/// Criteria families of the moment magnifier method.
bool IsAciType(const std::string& criteria);     ///< "aci", "aci02", "csa", "s6", "ohbdc"
bool IsAashtoType(const std::string& criteria);  ///< "aashto", "arema", "lrfd"
/// The keys of ACI 318 (1999 and 2002 editions): "aci", "aci02".
bool IsAci318(const std::string& criteria);
/// The criteria whose moment magnifier has a minimum end moment M2,min: ACI 318 (10.12.3.2) and CSA A23.3
/// (10.15.3.1). AASHTO, AREMA, OHBDC and CAN/CSA-S6 magnify the end moments as they are.
bool HasMinimumMoment(const std::string& criteria);
/// The minimum end moment of a braced column under axial load P (lb / N) with section depth h (in / mm):
/// P (0.6 + 0.03 h) lb-in in English units, P (15 + 0.03 h) N-mm in metric units.
double MinimumMoment(double P, double h, bool english);

/// Structural steel shapes (rectangles or pipes) are part of the section.
bool HasSteelShapes(const ProjectModel& m);

/// Moment magnification of every load condition of a member with length L > 0, from the model's inputs and
/// section properties; rebuilds the moment-magnification part of the model's result block. A load that
/// reaches the critical buckling load, has no compression, may ignore slenderness or needs a P-delta analysis
/// gets its message and keeps its initial moment (the larger of M and M2ns + M2s).
void ComputeSlenderness(ProjectModel& m);

/// The effective length factor of the end restraints Vri, Vrj, Mri, Mrj (1 restrained, 0 free): braced
/// 1.0 / 0.7 / 0.5, end i free to sway 2.0 / 1.0. Returns false and leaves Keff unchanged for combinations
/// that have no tabulated factor (end j free to sway, or no rotational restraint at a swaying member).
bool SetKeffFromRestraints(ProjectModel& m);

}  // namespace tarnix
