// Fixed texts the control engine fails with for bad IDs, indices and histories.
#pragma once

namespace nx::error_texts {

inline constexpr char kIncorrectVertexId[] = "Incorrect Vertex ID";
inline constexpr char kControlIncorrectVertexId[] = "Ramulo Control: Incorrect Vertex ID";
inline constexpr char kIncorrectEdgeId[] = "Incorrect Edge ID";
inline constexpr char kIncorrectPropertyIndex[] = "Incorrect Property Index";
inline constexpr char kControlIncorrectPropertyIndex[] = "Ramulo Control: Incorrect Property Index";
inline constexpr char kPropertyTypeNotSupported[] =
    "Error in Property2OleVariant: property type is not supported yet";
inline constexpr char kFormalsUndefined[] = "Formal properties undefined";
inline constexpr char kHistoryMismatch[] = "Undo history does not match the document";

}  // namespace nx::error_texts
