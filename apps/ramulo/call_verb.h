// The call verb: member calls read one per line, run against one control.
#pragma once

#include <string>
#include <vector>

extern const char* const kCallHelp;

int runCall(const std::vector<std::string>& args);
