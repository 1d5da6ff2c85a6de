// Fixed texts the traversals fail with when the visited flag is missing.
#pragma once

namespace nx::error_texts {

inline constexpr char kVisitedNotAtGraphLevel[] =
    "Visited vertex property not found at graph level";
inline constexpr char kSpanningTreeVisitedMissing[] =
    "nx::SpanningTreeBuildingVisitor error: cannot find nx::Visited vertex property "
    "at graph-level";
inline constexpr char kComponentVisitedMissing[] =
    "nx::ComponentDiscoveringVisitor error: cannot find nx::Visited vertex property "
    "at graph-level";
inline constexpr char kVertexSearchVisitedMissing[] =
    "nx::VertexSearchVisitor error: cannot find nx::Visited vertex property at "
    "graph-level";

}  // namespace nx::error_texts
