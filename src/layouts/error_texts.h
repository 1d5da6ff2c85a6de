// Fixed texts the layouts fail with for graphs and parameters they cannot arrange.
#pragma once

namespace nx::error_texts {

inline constexpr char kNotATree[] = "TreeLayout error: Graph is not a tree";
inline constexpr char kTreeRequirements[] =
    "TreeLayout requires that vertices have the following properties:\n"
    "\tX and Y at view or graph level,\n"
    "\t_I1, _I2 and _V1 system properties at graph level";
inline constexpr char kRadialRequirements[] =
    "RadialLayout requires that vertices have the following properties:\n"
    "\tX and Y at view or graph level,\n"
    "\t_I1, _I2, _R1, _R2 and _V1 system properties at graph level";
inline constexpr char kDampingNotFinite[] =
    "RadialLayout error: DampingCoefficient must be a finite number";
inline constexpr char kSeparationTooBig[] = "Separation is too big";
inline constexpr char kForceDirectedRequirements[] =
    "ForceDirectedLayout requires the following vertex properties:\n"
    "\tX, Y";
inline constexpr char kForceDirectedNotNumbers[] =
    "ForceDirectedLayout error: the forces gave positions that are not numbers; a "
    "Separation above 0 may help";
inline constexpr char kForceDirectedArrange[] = "Error in ForceDirectedLayout::arrange()";
inline constexpr char kLayeredRequirements[] =
    "LayeredLayout requires the following vertex properties:\n"
    "\tX, Y";
inline constexpr char kGraphvizCannotMakeGraph[] =
    "LayeredLayout error: Graphviz cannot make a graph";

}  // namespace nx::error_texts
