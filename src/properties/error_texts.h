// Fixed texts the property layer fails with (reading schemas, looking up properties).
#pragma once

namespace nx::error_texts {

inline constexpr char kPropertyDoesNotExist[] = "Property does not exist";
inline constexpr char kUnknownProperty[] = "Unknown property";
inline constexpr char kRegistryEmpty[] = "PropertyRegistry is empty";
inline constexpr char kTooManyProperties[] = "Too many properties";
inline constexpr char kFailedToReadFormalCount[] = "Failed to read formal properties count";
inline constexpr char kErrorReadingFormalProperties[] = "Error reading formal properties";
inline constexpr char kFailedToReadEndMark[] = "Failed to read \"#\" from input stream";
inline constexpr char kFailedToReadInt[] = "Failed to read a value of type 'int'";
inline constexpr char kFailedToReadUnsigned[] = "Failed to read a value of type 'unsigned int'";

}  // namespace nx::error_texts
