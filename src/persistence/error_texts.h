// Fixed texts the readers fail with for files they cannot take.
#pragma once

namespace nx::error_texts {

inline constexpr char kIncorrectFileFormat[] = "Incorrect file format";
inline constexpr char kUnknownVersion[] = "Unknown version";
inline constexpr char kIncorrectVersion[] = "Incorrect version";
inline constexpr char kSpaceTagMissing[] = "<Space> tag cannot be found";
inline constexpr char kFailedToOpenFile[] = "Failed to open file";
inline constexpr char kErrorParsingElement[] = "Error parsing Element.";
inline constexpr char kErrorReadingEndTag[] = "Error reading end tag.";
inline constexpr char kErrorReadingVertices[] = "Error reading vertices";
inline constexpr char kErrorReadingEdges[] = "Error reading edges";
inline constexpr char kErrorReadingVertexProperties[] = "Error reading vertex properties";
inline constexpr char kIncorrectGraphId[] = "Incorrect graph Id";
inline constexpr char kIncorrectViewGraphId[] =
    "Incorrect GraphId found file reading GraphView from xml file";
inline constexpr char kIncorrectPropertyCount[] = "Incorrect number of properties";
inline constexpr char kIncorrectVertexPropertyCount[] = "Incorrect number of vertex properties";
inline constexpr char kIncorrectEdgePropertyCount[] = "Incorrect number of edge properties";
inline constexpr char kEdgeNotFound[] = "Edge not found";
inline constexpr char kNoSpaceForView[] = "nx::GraphView error: no space to read the view into";

}  // namespace nx::error_texts
