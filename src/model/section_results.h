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

/// The principal second moments of an area about axes through its centroid: I1 the largest, I2 the
/// smallest, and the neutral-axis angle (degrees, as in base/conventions.h, in (-90, 90]) of the axis about
/// which the second moment is I1; the axis of I2 lies 90 degrees from it. With I(t) the second moment about
/// the axis at angle t, I(t) = Ix cos^2 t + Iy sin^2 t - Ixy sin 2t.
struct PrincipalAxes {
  float I1 = 0, I2 = 0, angle = 0;
};

/// Result block of ComputeSectionProperties. Lengths, areas and inertias in the model's units (in, in^2,
/// in^4 or mm, mm^2, mm^4); depths downward from the top. A group without records has area 0 and centroid 0.
struct SectionProperties {
  float sectionDepth = 0;  ///< deepest point of any concrete record or steel shape
  float steelDepth = 0;    ///< deepest point of the steel shapes; 0 without shapes
  float reinfDepth = 0;    ///< depth of the deepest bar; 0 without bars
  float sectionWidth = 0;  ///< horizontal extent of the concrete records and steel shapes
  float cBalanced = 0;     ///< neutral-axis depth at which the extreme fibre and the deepest steel reach
                           ///< ultimate and yield strain together
  float concArea = 0, concYbar = 0, concIo = 0, concI = 0;      ///< Io about own centroid, I about transformed
  float concXbar = 0;  ///< horizontal position of the gross concrete centroid, the reference of My
  float reinfArea = 0, reinfYbar = 0, reinfIo = 0, reinfI = 0;  ///< bars as points
  float steelArea = 0, steelYbar = 0, steelIo = 0, steelI = 0;
  float transArea = 0, transYbar = 0, transI = 0;  ///< in concrete units

  // Bending about the vertical axis. Iy is the second moment about a vertical axis (sum of (x - xbar)^2 dA),
  // Ixy the product sum of (x - xbar)(y - ybar) dA with y the depth (downward); "o" about the group's own
  // centroid, without it about the transformed centroid (transXbar, transYbar). Steel shapes and steel
  // rectangles carry their own inertia, bars are points.
  float concIoY = 0, concIxyO = 0, concIY = 0, concIxy = 0;
  float reinfXbar = 0, reinfIoY = 0, reinfIxyO = 0, reinfIY = 0, reinfIxy = 0;
  float steelXbar = 0, steelIoY = 0, steelIxyO = 0, steelIY = 0, steelIxy = 0;
  float transXbar = 0, transIY = 0, transIxy = 0;
  /// Principal axes of each group about its own centroid and of the transformed section.
  PrincipalAxes concPrincipal, reinfPrincipal, steelPrincipal, transPrincipal;
  /// Radii of gyration about the horizontal and the vertical axis through the centroid: of a group
  /// sqrt(Io / area), of the transformed section sqrt(I / transArea); 0 without area.
  float concRx = 0, concRy = 0, reinfRx = 0, reinfRy = 0, steelRx = 0, steelRy = 0, transRx = 0, transRy = 0;
  /// Area of the steel shapes that lies in the concrete and takes its place (the whole steel area of an
  /// embedded shape, none of a bare shape or of a tube around its fill).
  float steelDisplacedArea = 0;
  SectionProblem problem = SectionProblem::None;  ///< when not None, only the extents are valid
};

}  // namespace tarnix
