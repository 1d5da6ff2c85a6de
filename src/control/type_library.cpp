// type_library::helpString.
#include "control/type_library.h"

#include "control/dispatch_table.h"

namespace ramulo {

namespace type_library {

std::string helpString(const MemberInfo& member) {
    if (member.dispid < 0) return {};
    return std::string(member.kind == MemberKind::Method ? "method " : "property ") + member.name;
}

}

}  // namespace ramulo  // namespace type_library
