// The control's dispatch table: every automation member with its DISPID, name, kind and
// parameter types, and invoke, which calls a member by DISPID or name with Variants.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "control/member_rules.h"
#include "engine/variant.h"

namespace ramulo {

class RamuloControl;

enum class MemberKind { Method, PropertyGet, PropertyPut };

// Parameter and result types as the host sees them.
enum class ArgType { None, UI2, UI4, I2, I4, R8, BSTR, BOOL, OLE_COLOR, VARIANT, UI4_PTR };

struct ParamInfo {
    const char* name;
    ArgType type;
};

struct MemberInfo {
    std::int32_t dispid;
    const char* name;
    MemberKind kind;
    // A put's last parameter is the new value.
    std::vector<ParamInfo> params;
    ArgType result;
    // Called with arguments already converted to the parameter types.
    std::function<Variant(RamuloControl&, std::vector<Variant>&)> call;
    // The member's guard and what it does to the modified flag; the member's C++ body
    // applies these same rules, so direct calls and invoke fail alike.
    MemberRules rules;
};

struct EventInfo {
    std::int32_t dispid;
    const char* name;
    std::vector<ParamInfo> params;
};

// Members in DISPID order (the stock members, with negative DISPIDs, first), each property
// as a get and a put entry.
const std::vector<MemberInfo>& memberTable();
const std::vector<EventInfo>& eventTable();

// Null when there is no such member of that kind; names compare without regard to case.
const MemberInfo* findMember(std::int32_t dispid, MemberKind kind);
const MemberInfo* findMember(std::u16string_view name, MemberKind kind);

// The VT code of a parameter type and its name as printed ("UI2", "OLE_COLOR", ...).
VARTYPE vartypeOf(ArgType type);
const char* typeName(ArgType type);
const char* kindName(MemberKind kind);

// Converts the arguments as automation does and calls the member. Fails with
// AutomationError: DISP_E_MEMBERNOTFOUND or DISP_E_UNKNOWNNAME for no such member,
// DISP_E_BADPARAMCOUNT, DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW for the arguments, the
// member's own error, or DISP_E_EXCEPTION with the text of any other failure. Pointer
// parameters take VT_BYREF|VT_UI4 (or VT_I4) Variants whose ptr addresses N values.
Variant invoke(RamuloControl& control, std::int32_t dispid, MemberKind kind,
               std::vector<Variant> args);
Variant invoke(RamuloControl& control, std::u16string_view name, MemberKind kind,
               std::vector<Variant> args);

}  // namespace ramulo
