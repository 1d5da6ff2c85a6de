// The call verb: a scriptable automation host running member calls through the dispatch table.
#include "call_verb.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "call_script.h"
#include "control/automation_error.h"
#include "control/dispatch_table.h"
#include "control/type_library.h"
#include "control/variant_conversion.h"
#include "document.h"
#include "image_limit.h"
#include "verbs.h"

const char* const kCallHelp =
    "usage: ramulo call [FILE|-] [-o OUT] [--max-pixels N] [--list]\n"
    "Runs member calls, one per line, from FILE (or stdin) against one control whose window\n"
    "shows its first document, as in a host's container, and prints each result or error\n"
    "(code in hex and description). Exit code 1 when any call failed.\n"
    "\n"
    "  Name arg1 arg2 ...        call a method, or read a property\n"
    "  Name arg1 ... = value     write a property\n"
    "A member may be given by its DISPID instead of its name (\"32\" for AddVertex).\n"
    "Arguments: \"text\" (escapes \\\" \\\\ \\n), true, false, integers (decimal or 0x hex),\n"
    "reals, and [1 2 3] for an array parameter (grown to the count N given before it; the\n"
    "IDs written into it are printed). Lines starting with # are comments.\n"
    "  -o OUT    afterwards write the document (.nx, .nxx, .xml) or draw it (.png, .svg, .pdf)\n"
    "  --max-pixels N  largest .png image -o may draw (default 268435456 pixels)\n"
    "  --list    print every member: DISPID, kind, name, parameter and result types and\n"
    "            its help string\n";

namespace {

void printMemberList() {
    for (const ramulo::MemberInfo& m : ramulo::memberTable()) {
        std::printf("%6d  %-11s %s(", m.dispid, ramulo::kindName(m.kind), m.name);
        for (std::size_t i = 0; i < m.params.size(); ++i)
            std::printf("%s%s %s", i ? ", " : "", typeName(m.params[i].type), m.params[i].name);
        std::printf(")");
        if (m.result != ramulo::ArgType::None) std::printf(" -> %s", typeName(m.result));
        const std::string help = ramulo::type_library::helpString(m);
        if (!help.empty()) std::printf("  \"%s\"", help.c_str());
        std::printf("\n");
    }
}

// A member is named, or given by its DISPID as a decimal number.
std::optional<std::int32_t> dispidOf(const std::string& name) {
    std::int32_t dispid = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), dispid);
    if (ec != std::errc() || end != name.data() + name.size()) return std::nullopt;
    return dispid;
}

ramulo::MemberKind kindOf(const ScriptCall& call) {
    if (call.putValue) return ramulo::MemberKind::PropertyPut;
    const std::optional<std::int32_t> dispid = dispidOf(call.name);
    const ramulo::MemberInfo* method = dispid ? findMember(*dispid, ramulo::MemberKind::Method)
                                      : findMember(ramulo::toUtf16(call.name), ramulo::MemberKind::Method);
    return method ? ramulo::MemberKind::Method : ramulo::MemberKind::PropertyGet;
}

ramulo::Variant invokeCall(ramulo::RamuloControl& control, const ScriptCall& call, std::vector<ramulo::Variant> args) {
    if (const std::optional<std::int32_t> dispid = dispidOf(call.name))
        return ramulo::invoke(control, *dispid, kindOf(call), std::move(args));
    return ramulo::invoke(control, ramulo::toUtf16(call.name), kindOf(call), std::move(args));
}

// The array arguments live here while the call runs; each is at least as long as the
// count before it, so that a member never reads or writes past what the script gave.
struct CallArguments {
    std::vector<ramulo::Variant> variants;
    std::vector<std::unique_ptr<std::vector<std::uint32_t>>> arrays;
};

// The count as the member will see it (converted to UI2 as invoke does); 0 when it does
// not convert, in which case invoke refuses the call anyway.
std::size_t countArgument(const ScriptCall& call) {
    if (call.arguments.empty() || call.arguments[0].array) return 0;
    try {
        return ramulo::changeType(call.arguments[0].value, ramulo::VT_UI2).uiVal;
    } catch (const ramulo::AutomationError&) {
        return 0;
    }
}

CallArguments variantsOf(const ScriptCall& call) {
    CallArguments out;
    const std::size_t count = std::min<std::size_t>(countArgument(call), 0xFFFF);
    auto add = [&](const ScriptArgument& a) {
        if (!a.array) {
            out.variants.push_back(a.value);
            return;
        }
        auto values = std::make_unique<std::vector<std::uint32_t>>(*a.array);
        if (values->size() < count) values->resize(count, 0);
        ramulo::Variant v;
        v.vt = ramulo::VT_BYREF | ramulo::VT_UI4;
        v.ptr = values->empty() ? nullptr : values->data();
        out.variants.push_back(v);
        out.arrays.push_back(std::move(values));
    };
    for (const ScriptArgument& a : call.arguments) add(a);
    if (call.putValue) add(*call.putValue);
    return out;
}

std::string arraysText(const CallArguments& args) {
    std::string out;
    for (const auto& values : args.arrays) {
        out += " [";
        for (std::size_t i = 0; i < values->size(); ++i) {
            if (i) out += ' ';
            out += std::to_string((*values)[i]);
        }
        out += "]";
    }
    return out;
}

// Runs one line; false when it failed.
bool runLine(Document& doc, const std::string& line, int lineNumber) {
    std::optional<ScriptCall> call;
    try {
        call = parseCallLine(line);
    } catch (const ScriptSyntaxError& e) {
        std::printf("line %d: syntax error: %s\n", lineNumber, e.what());
        return false;
    }
    if (!call) return true;
    CallArguments args = variantsOf(*call);
    try {
        const ramulo::Variant result = invokeCall(doc.control(), *call, args.variants);
        std::printf("%s: %s%s\n", call->name.c_str(), formatVariant(result).c_str(),
                    arraysText(args).c_str());
        return true;
    } catch (const ramulo::AutomationError& e) {
        std::printf("%s: error 0x%08" PRIX32 ": %s\n", call->name.c_str(), e.code(),
                    e.description().empty() ? "(no description)" : e.what());
        return false;
    }
}

}  // namespace

int runCall(const std::vector<std::string>& args) {
    std::string file, output;
    bool list = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--list")
            list = true;
        else if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
            output = args[++i];
        } else if (args[i] == "--max-pixels") {
            if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
            setMaxImagePixels(parsePixelCount(args[++i]));
        } else if (args[i] != "-" && args[i].size() > 1 && args[i][0] == '-')
            throw UsageError("unknown option " + args[i]);
        else if (file.empty())
            file = args[i];
        else
            throw UsageError("unexpected argument " + args[i]);
    }
    if (list) {
        printMemberList();
        return kExitOk;
    }
    std::ifstream stream;
    if (!file.empty() && file != "-") {
        stream.open(file);
        if (!stream) throw std::runtime_error("Cannot open " + file);
    }
    std::istream& in = stream.is_open() ? stream : std::cin;

    // A new control builds document 1 in its window, as in any host's container.
    auto doc = std::make_unique<Document>(1);
    int failures = 0;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        if (!runLine(*doc, line, ++lineNumber)) ++failures;
        std::fflush(stdout);
    }
    if (!output.empty()) writeOutput(*doc, output);
    endWithProcess(std::move(doc));
    if (failures) progress(std::to_string(failures) + " call(s) failed");
    return failures ? kExitFailure : kExitOk;
}
