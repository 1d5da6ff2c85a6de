// Graphs of other tools as a control's document, and its graph written for them.
#pragma once

/// @file
/// Reading and writing the interchange formats through a control: GraphML (with yEd
/// geometry), DOT, CSV and TSV edge lists, and Cytoscape JSON elements. Qt-free, part of
/// Ramulo::ramulo. docs/FILE_FORMATS.md describes what each format keeps.

#include <string>
#include <vector>

#include "ramulo/export.h"

namespace ramulo {

class RamuloControl;


/// Replaces the control's document by the graph in the file at `path` (UTF-8), read as
/// `format` ("graphml", "dot", "gv", "csv", "tsv" or "json", any case) or, when `format`
/// is empty, by the path's extension. Positions are kept where the file has them for every
/// node; otherwise the graph is laid out (hierarchically when it is a forest, else force
/// directed). Answers the warnings, one per kind of attribute without a place in the
/// document. Fails with std::invalid_argument "Unknown graph format '<format>' (known:
/// graphml, dot, gv, csv, tsv, json)" or "No graph format has the extension of '<path>'
/// (known: ...)", and with the reader's ImportError for a bad file; on failure the control
/// keeps its document.
RAMULO_EXPORT std::vector<std::string> importGraphFile(RamuloControl& control,
                                                      const std::string& path,
                                                      const std::string& format = {});

/// Writes the control's current graph (names, view-level positions, edge names) in the
/// format the path's extension names, replacing the file only when complete. Answers the
/// warnings. Fails with std::invalid_argument "No graph format has the extension of
/// '<path>' (known: ...)" and with a runtime error without a document or when the file
/// cannot be written.
RAMULO_EXPORT std::vector<std::string> exportGraphFile(RamuloControl& control,
                                                      const std::string& path);

}  // namespace ramulo
