// Building a standard document from a GraphData inside a fresh engine.
#pragma once

#include <string>

#include "interchange/graph_data.h"
#include "interchange/graph_import.h"

namespace ramulo {
class ControlEngine;
class HostWindow;
}  // namespace ramulo

namespace nx {

// engine must hold no document; it gets the standard schemas, one graph with the data's
// vertices and edges, and positions (given or laid out). Fails with an ImportError naming
// the file for text that is not UTF-8 and passes layout failures on.
void buildDocument(ramulo::ControlEngine& engine, const GraphData& data, const std::string& path,
                   const ImportOptions& options, bool editingEnabled, ramulo::HostWindow* host,
                   ImportResult& result);

// Swaps the documents (schemas, space, current graph, view) of two engines and forgets
// their current elements and histories; the view stays bound to the window it was made for.
void exchangeDocuments(ramulo::ControlEngine& a, ramulo::ControlEngine& b);

}  // namespace nx
