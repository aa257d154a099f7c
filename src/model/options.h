// Names of the coded options of the model. The model and the input file store them as the numbers below;
// code compares them by these names only.
#pragma once

namespace tarnix {

/// Concrete stress-strain model (`concreteModel`).
struct ConcreteModel {
  enum : int { Linear = 1, Simple = 2, Mander = 3 };
};

/// Reinforcing and structural steel stress-strain models (`reinfModel`, `steelModel`).
struct SteelModel {
  enum : int { Bilinear = 1, Park = 2 };
};

/// Strain hardening of the Park steel model (`ParkModel`).
struct StrainHardening {
  enum : int { Parabolic = 1, Complex = 2 };
};

/// Confinement steel of a Mander section (`confinementOption`).
struct Confinement {
  enum : int { None = 1, Spirals = 2, CircularHoops = 3, CrossTies = 4, SteelCasing = 5 };
  /// Spirals, hoops or cross ties: transverse bars with a diameter, spacing and cover.
  static constexpr bool TransverseBars(int option) { return option >= Spirals && option <= CrossTies; }
  /// Any confinement at all.
  static constexpr bool Confined(int option) { return option >= Spirals && option <= SteelCasing; }
};

/// Slenderness analysis of the member (`SlendernessOption`).
struct Slenderness {
  enum : int { None = 1, MomentMagnification = 2, SlenderWall = 3, GeneralPDelta = 4 };
  /// The design moment of a load comes from a slenderness option (magnified or general P-delta).
  static constexpr bool Magnifies(int option) { return option == MomentMagnification || option == GeneralPDelta; }
};

/// (EI)eff of a column in its critical load under ACI 318-19 6.6.4.4.4 (`columnStiffness`).
struct ColumnStiffnessChoice {
  enum : int {
    Criteria = 0,          ///< the criteria's own rule
    GrossConcrete = 1,     ///< (a) 0.4 Ec Ig / (1 + betadns)
    ConcreteAndBars = 2,   ///< (b) (0.2 Ec Ig + Es Ise) / (1 + betadns)
    ReducedInertia = 3,    ///< (c) Ec I / (1 + betadns), I of Table 6.6.3.1.1(b)
  };
};

/// A 0/1 flag of the model (output options, `PerformMomentCurvature`, `Tloads`) is set.
constexpr bool IsSet(int flag) { return flag == 1; }

/// The numbers a coded option may hold, in the order they are named to the user.
struct OptionValues {
  int values[5];
  int count;
  constexpr bool Holds(int value) const {
    for (int i = 0; i < count; ++i) {
      if (values[i] == value) return true;
    }
    return false;
  }
};

inline constexpr OptionValues kConcreteModels{{1, 2, 3}, 3};
inline constexpr OptionValues kSteelModels{{1, 2}, 2};
inline constexpr OptionValues kStrainHardenings{{1, 2}, 2};
inline constexpr OptionValues kConfinements{{1, 2, 3, 4, 5}, 5};
inline constexpr OptionValues kSlendernessOptions{{1, 2, 3, 4}, 4};
inline constexpr OptionValues kColumnStiffnessOptions{{0, 1, 2, 3}, 4};
/// 0/1 flags: restraints and transverse loads.
inline constexpr OptionValues kFlags{{0, 1}, 2};
/// Add (+1) or subtract (-1) a concrete rectangle or circle.
inline constexpr OptionValues kSigns{{1, -1}, 2};

}  // namespace tarnix
