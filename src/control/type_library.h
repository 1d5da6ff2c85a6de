// The control's type library: its names, version and the help strings it gives members.
#pragma once

#include <string>

namespace ramulo {

struct MemberInfo;

namespace type_library {

inline constexpr const char* kLibraryName = "RamuloLib";
inline constexpr const char* kLibraryHelp = "Ramulo ActiveX Control module";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 3;
inline constexpr const char* kDispatchName = "_DRamulo";
inline constexpr const char* kDispatchHelp = "Dispatch interface for Ramulo Control";
inline constexpr const char* kEventsName = "_DRamuloEvents";
inline constexpr const char* kEventsHelp = "Event interface for Ramulo Control";
inline constexpr const char* kClassName = "Ramulo";
inline constexpr const char* kClassHelp = "Ramulo Control";

// "method Init", "property VertexCount": the word for the member's kind and its name. The
// platform's stock members carry none of ours (empty).
std::string helpString(const MemberInfo& member);

}

}  // namespace ramulo  // namespace type_library
