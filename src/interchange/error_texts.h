// Fixed texts the import and export of other graph formats fail with.
#pragma once

namespace nx::error_texts {

inline constexpr char kNoDocumentToExport[] = "There is no document to export";
inline constexpr char kUnknownGraphFormat[] = "unknown graph format";

}  // namespace nx::error_texts
