// The automation member reference, printed from the dispatch table.
#pragma once

#include <string>

namespace ramulo {

// Markdown: one table of members (DISPID, name, kind, parameters, result) and one of events.
std::string automationReference();

}  // namespace ramulo
