// Result block of the section properties: the extents and the elastic properties of every group.
#pragma once

namespace tarnix {

/// Why the properties could not be computed: a group whose records cancel to no net area, or a section
/// that cannot be transformed into concrete.
enum class SectionProblem {
  None,
  NoConcreteArea,
  NoReinforcingArea,
  NoSteelArea,
  NoConcreteModulus,
  NoMaterial,
  ValueOutOfRange,  ///< an input value lies beyond what single-precision results can carry
  TooManyBars,      ///< more bars than kMaxBarCount
  TopOffReference,  ///< the section's top lies below the reference line
  TopAboveReference,  ///< part of the section lies above the reference line
};

/// Result block of ComputeSectionProperties. Lengths, areas and inertias in the model's units (in, in^2,
/// in^4 or mm, mm^2, mm^4); depths downward from the top. A group without records has area 0 and centroid 0.
struct SectionProperties {
  float sectionDepth = 0;  ///< deepest point of any concrete record or steel shape
  float steelDepth = 0;    ///< deepest point of the steel shapes; 0 without shapes
  float reinfDepth = 0;    ///< depth of the deepest bar; 0 without bars
  float cBalanced = 0;     ///< neutral-axis depth at which the extreme fibre and the deepest steel reach
                           ///< ultimate and yield strain together
  float concArea = 0, concYbar = 0, concIo = 0, concI = 0;      ///< Io about own centroid, I about transformed
  float concXbar = 0;  ///< horizontal position of the gross concrete centroid, the reference of My
  float reinfArea = 0, reinfYbar = 0, reinfIo = 0, reinfI = 0;  ///< bars as points
  float steelArea = 0, steelYbar = 0, steelIo = 0, steelI = 0;
  float transArea = 0, transYbar = 0, transI = 0;  ///< in concrete units
  /// Area of the steel shapes that lies in the concrete and takes its place (the whole steel area of an
  /// embedded shape, none of a bare shape or of a tube around its fill).
  float steelDisplacedArea = 0;
  SectionProblem problem = SectionProblem::None;  ///< when not None, only the extents are valid
};

}  // namespace tarnix
