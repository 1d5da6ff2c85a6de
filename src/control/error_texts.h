// Fixed texts the control's members and its automation boundary fail with; hosts and tests
// compare them byte for byte.
#pragma once

namespace ramulo {

namespace error_texts {

// The control's name: NewTree's whole error text and the caption of its message boxes.
inline constexpr char16_t kControlName[] = u"Ramulo Control";
// Put before an engine's text where a member reports it as the control's own.
inline constexpr char16_t kControlPrefix[] = u"Ramulo Control: ";
// A failure that is no standard exception.
inline constexpr char16_t kUnknownException[] = u"Unknown exception";

// Lookup and argument conversion in the dispatch table.
inline constexpr char16_t kMemberNotFound[] = u"Member not found.";
inline constexpr char16_t kUnknownName[] = u"Unknown name.";
inline constexpr char16_t kBadParamCount[] = u"Invalid number of parameters.";
inline constexpr char16_t kTypeMismatch[] = u"Type mismatch.";
inline constexpr char16_t kOutOfRange[] = u"Out of present range.";
inline constexpr char16_t kInvalidPointer[] = u"Invalid pointer.";

// Member checks of their own.
inline constexpr char16_t kZoomNotPositive[] = u"Zoom must be a positive number";
inline constexpr char16_t kNoOpenUndoGroup[] =
    u"Ramulo Control: EndUndoGroup without an open undo group";

}

}  // namespace ramulo  // namespace error_texts
