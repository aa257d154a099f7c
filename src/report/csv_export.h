// Result tables as CSV files for spreadsheets and scripts, in full float precision.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/project_model.h"

namespace tarnix {

/// properties.csv: header "group,area,ybar,Io,I" and one row each for the concrete, reinforcing, steel
/// and transformed groups, in the model's length units (I is about the transformed centroid).
std::string SectionPropertiesCsv(const SectionProperties& p);

/// interaction.csv: header "c,Mn,Pn,et" and one row per diagram point 1..idCount in displayed units
/// (in or mm, k-ft or kN-m, kip or kN); et is the most tensile bar strain of the point.
std::string InteractionDiagramCsv(const ProjectModel& m);

/// loads.csv: header "load,P,M,phi,phiPn,phiMn,point,exceeded,Mu,second_order_ratio" and one row per
/// load condition in displayed units; phi, phiPn, phiMn and point are empty and exceeded is "no solution"
/// for a load that found no capacity on the diagram. Mu is the design moment the verdict used (empty where
/// the slenderness analysis gave none); second_order_ratio is Mu over the first-order moment where a
/// second-order analysis gave Mu, empty otherwise. A two-dimensional model's loads with a moment take their
/// biaxial capacity (phiMn is phi Mnx, point empty); every load of such a model gains the columns
/// "My,phiMny,angle,c,Muy,moment_ratio,ray_ratio": the load's moment about the vertical axis, the biaxial
/// capacity's phi Mny, neutral-axis angle (degrees) and depth, the design moment about the vertical axis,
/// |Mu| / |phi Mn| at the same axial load and the ratio along the ray from the origin (the capacity's
/// columns empty for a load without moment or without a biaxial capacity).
std::string LoadCapacityCsv(const ProjectModel& m);

/// surface.csv of a two-dimensional model: header "angle,point,c,P,Mx,My,phi,phiP,phiMx,phiMy,
/// net_tensile_strain" and one row per point of every neutral-axis angle of the interaction surface in
/// displayed units (degrees, in or mm, kip or kN, k-ft or kN-m); phi is the factor of a load lying on the
/// design surface at the point, phiP, phiMx and phiMy the design point.
std::string InteractionSurfaceCsv(const ProjectModel& m);

/// mc_<i>.csv of load condition `load`: header "curvature,moment,strain,c,axial,residual,event" and one
/// row per stored point in displayed units; the residual is the section's axial force minus the load's.
std::string MomentCurvatureCsv(const ProjectModel& m, int load);

/// design.csv of the model's last design search: header "rank,bars,size,bars_x,bars_y,As,rho,clear_spacing,
/// min_spacing,utilisation,worst_load,status,reason" and one row per candidate, the passing ones first (rank
/// 1 the best), in the model's length and area units; rho as a fraction; utilisation and worst_load empty for
/// a candidate not checked against the loads; status "pass", "rejected" or "not checked"; the reason in
/// double quotes where it holds a comma.
std::string DesignCsv(const ProjectModel& m);

/// Every CSV table of the last run, file name and text, in the order they are written: properties.csv,
/// interaction.csv, loads.csv, surface.csv for a two-dimensional model, design.csv after a design search,
/// mc_<i>.csv of each load with a moment-curvature curve; none when the section could not be analysed.
std::vector<std::pair<std::string, std::string>> CsvTables(const ProjectModel& m);

/// Writes every CSV table of the last run into `folder` (surface.csv for a two-dimensional model only); false
/// when a file cannot be written.
bool WriteCsvFiles(const ProjectModel& m, const std::string& folder);

}  // namespace tarnix
