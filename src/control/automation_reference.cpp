// automationReference: the dispatch and event tables as a Markdown page.
#include "control/automation_reference.h"

#include <sstream>

#include "control/dispatch_table.h"
#include "control/type_library.h"

namespace ramulo {

namespace {

std::string parameters(const std::vector<ParamInfo>& params) {
    if (params.empty()) return "-";
    std::string out;
    for (const ParamInfo& p : params) {
        if (!out.empty()) out += ", ";
        out += std::string("`") + p.name + "` " + typeName(p.type);
    }
    return out;
}

}  // namespace

std::string automationReference() {
    std::ostringstream out;
    out << "# Automation members\n\n"
        << "Generated from the control's dispatch table (src/control/dispatch_table.cpp) by\n"
        << "`build/tools/automation_reference docs/AUTOMATION.md`; do not edit by hand.\n\n"
        << "Every member can be called through `invoke` by DISPID or by name (names compare\n"
        << "without regard to case). Arguments are converted to the parameter types as\n"
        << "automation does: a value that does not convert fails with 0x80020005 (type\n"
        << "mismatch), one outside the type's range with 0x8002000A (overflow). A put takes\n"
        << "the new value as its last parameter. `UI4*` parameters take a VT_BYREF|VT_UI4\n"
        << "value addressing N consecutive values.\n\n"
        << "Type library `" << type_library::kLibraryName << "` (\"" << type_library::kLibraryHelp
        << "\", version " << type_library::kVersionMajor << "." << type_library::kVersionMinor
        << "):\ndispatch interface `" << type_library::kDispatchName << "` (\""
        << type_library::kDispatchHelp << "\"),\nevent interface `" << type_library::kEventsName
        << "` (\"" << type_library::kEventsHelp << "\"),\ncontrol class `"
        << type_library::kClassName << "` (\"" << type_library::kClassHelp << "\").\nThe control is created by its ProgID \"Nodalyx.RamuloCtrl.1\" (\"Ramulo Control\"), its\n"
        << "property page by \"Nodalyx.RamuloPropPage.1\" (\"Ramulo Property Page\").\n\n"
        << "| DISPID | Name | Kind | Parameters | Result | Help string |\n"
        << "|---:|---|---|---|---|---|\n";
    for (const MemberInfo& m : memberTable()) {
        const std::string help = type_library::helpString(m);
        out << "| " << m.dispid << " | `" << m.name << "` | " << kindName(m.kind) << " | "
            << parameters(m.params) << " | " << typeName(m.result) << " | "
            << (help.empty() ? "-" : help) << " |\n";
    }
    out << "\n# Events\n\n"
        << "| DISPID | Name | Parameters |\n"
        << "|---:|---|---|\n";
    for (const EventInfo& e : eventTable())
        out << "| " << e.dispid << " | `" << e.name << "` | " << parameters(e.params) << " |\n";
    return out.str();
}

}  // namespace ramulo
