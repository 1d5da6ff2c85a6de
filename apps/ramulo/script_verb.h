// The script verb: a JavaScript file run against one control, headless.
#pragma once

#include <string>
#include <vector>

extern const char* const kScriptHelp;

int runScript(const std::vector<std::string>& args);
