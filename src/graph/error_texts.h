// Fixed texts the graph layer fails with for missing members and their values.
#pragma once

namespace nx::error_texts {

inline constexpr char kVertexNotFound[] = "Vertex not found";
inline constexpr char kVertexPropertiesNotFound[] = "Vertex properties not found";
inline constexpr char kEdgePropertiesNotFound[] = "Edge properties not found";
inline constexpr char kTooManyMembers[] = "Too many members";

}  // namespace nx::error_texts
