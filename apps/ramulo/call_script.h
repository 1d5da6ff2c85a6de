// One line of a call script: a member name, its arguments as Variants, and a put's value.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/variant.h"

// A line that is not a call; the text says what is wrong.
struct ScriptSyntaxError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An argument as written: a Variant, or a list of 32-bit values in brackets that becomes
// an array parameter (the member writes IDs back into it).
struct ScriptArgument {
    ramulo::Variant value;
    std::optional<std::vector<std::uint32_t>> array;
};

// "Name arg1 arg2 ..." calls a method or reads a property; "Name arg1 ... = value" writes
// a property. Arguments: "text" (with \" \\ \n escapes) is a string, true and false are
// booleans, integers (decimal or 0x hex) are VT_I4 (VT_UI4 above its range, VT_I8 beyond),
// other numbers VT_R8, and [1 2 3] an array. Empty lines and lines starting with # are
// no calls (nullopt).
struct ScriptCall {
    std::string name;
    std::vector<ScriptArgument> arguments;
    std::optional<ScriptArgument> putValue;
};

std::optional<ScriptCall> parseCallLine(const std::string& line);

// A Variant in the script's own notation, for printing results.
std::string formatVariant(const ramulo::Variant& value);
