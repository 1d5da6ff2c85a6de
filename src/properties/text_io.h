// Token reading and number parsing shared by every property text form.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace nx::text {

// Reads at most maxBytes bytes up to the delimiter. The delimiter is consumed
// when it is reached within the limit; end of input also ends the token.
std::string readToken(std::istream& in, char delimiter, std::size_t maxBytes);
// The same into out (room for maxBytes), without a string: answers the token's length.
std::size_t readTokenInto(std::istream& in, char delimiter, char* out, std::size_t maxBytes);

// Removes a leading and a trailing double quote when both are present
// (a lone quote counts as both).
std::string stripQuotes(const std::string& token);

// Whole-text parsers; false when the text is not a number of the type.
bool parseInt32(const std::string& text, std::int32_t& out);
bool parseInt64(const std::string& text, std::int64_t& out);
bool parseUInt32(const std::string& text, std::uint32_t& out);
bool parseUInt64(const std::string& text, std::uint64_t& out);
bool parseInt8(const std::string& text, std::int8_t& out);
bool parseDouble(const std::string& text, double& out);
// An optional '-' and 1 to maxDigits decimal digits, nothing else (what nearly every saved
// number is): the magnitude and sign, which every parser above reads the same way.
// False for anything else, which the whole-text parsers then take.
bool plainDecimal(const char* text, std::size_t length, std::size_t maxDigits,
                  std::uint64_t& magnitude, bool& negative);
// Hexadecimal as scanf's %llx reads it: leading blanks, optional 0x, at least one digit.
bool parseHex64(const std::string& text, std::uint64_t& out);

// printf("%g") with '.' whatever the process locale.
std::string formatDouble(double value);

}  // namespace nx::text
