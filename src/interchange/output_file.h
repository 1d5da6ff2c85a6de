// Writing an exported file whole or not at all.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace nx {

// Writes through a temporary file next to path and renames it over path when everything
// was written; on failure path is untouched and the temporary file removed.
void writeOutputFile(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace nx
