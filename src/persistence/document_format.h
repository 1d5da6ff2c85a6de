// Fixed words of the two document files: header, version and section names.
#pragma once

#include <array>
#include <string_view>

namespace nx::persistence {

inline constexpr std::string_view kHeaderWord = "Nodalyx";
inline constexpr std::string_view kVersion = "1.0.0";

// The space's five schemas in file order.
inline constexpr std::array<std::string_view, 5> kSchemaNames = {
    "VertexFormalProperties", "EdgeFormalProperties", "GraphFormalProperties",
    "GraphVertexFormalProperties", "GraphEdgeFormalProperties"};

inline constexpr std::string_view kVertexViewSchemaName = "VertexViewFormalProperties";
inline constexpr std::string_view kEdgeViewSchemaName = "EdgeViewFormalProperties";

}  // namespace nx::persistence
