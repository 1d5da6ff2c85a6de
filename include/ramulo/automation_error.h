// How a member of the control fails towards its host.
#pragma once

/// @file
/// AutomationError, the exception every failing member throws: a 32-bit code (for example
/// 0x800a03f0 for a drawing failure, 0x800A017C for an invalid property value), the UTF-16
/// description the control shows its user, and a help context. what() gives the
/// description as UTF-8. toUtf16 and toUtf8 convert texts for it, replacing invalid
/// sequences rather than failing.

#include <cstdint>
#include <exception>
#include <string>

#include "ramulo/export.h"

// Codes of the platform's dispatch errors that argument conversion and lookup raise.

namespace ramulo {

/// No member has that DISPID ("Member not found.").
inline constexpr std::uint32_t DISP_E_MEMBERNOTFOUND = 0x80020003;
/// An argument does not convert to the parameter's type ("Type mismatch.").
inline constexpr std::uint32_t DISP_E_TYPEMISMATCH = 0x80020005;
/// No member has that name ("Unknown name.").
inline constexpr std::uint32_t DISP_E_UNKNOWNNAME = 0x80020006;
/// The member failed with a standard exception; its text is the description.
inline constexpr std::uint32_t DISP_E_EXCEPTION = 0x80020009;
/// An argument lies outside its type's range ("Out of present range.").
inline constexpr std::uint32_t DISP_E_OVERFLOW = 0x8002000A;
/// The call has too many or too few arguments ("Invalid number of parameters.").
inline constexpr std::uint32_t DISP_E_BADPARAMCOUNT = 0x8002000E;
/// A by-reference argument addresses nothing ("Invalid pointer.").
inline constexpr std::uint32_t E_POINTER = 0x80004003;
/// The invalid-property-value error of the stock properties.
inline constexpr std::uint32_t CTL_E_INVALIDPROPERTYVALUE = 0x800A017C;

/// The exception a failing member throws: its code, the description the user sees and a help
/// context.
class RAMULO_EXPORT AutomationError : public std::exception {
public:
    /// An error with a code, a UTF-16 description and a help context (0 for none).
    AutomationError(std::uint32_t code, std::u16string description, std::uint32_t helpContext = 0);

    /// The error code, for example 0x800a03f0.
    std::uint32_t code() const { return code_; }
    /// The description, as the control shows it.
    const std::u16string& description() const { return description_; }
    /// The help context; 0 for none.
    std::uint32_t helpContext() const { return helpContext_; }
    /// The description as UTF-8, for C++ callers and logs.
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::uint32_t code_;
    std::u16string description_;
    std::uint32_t helpContext_;
    std::string utf8_;
};

/// UTF-8 byte strings (paths, messages) to UTF-16 and back; invalid sequences are replaced
/// rather than thrown, since a broken message must still reach the host.
RAMULO_EXPORT std::u16string toUtf16(const std::string& text);
/// UTF-16 to UTF-8, replacing invalid sequences.
RAMULO_EXPORT std::string toUtf8(const std::u16string& text);

}  // namespace ramulo
