// nx::GraphFormat: the interchange formats, chosen by extension or by name.
#pragma once

#include <optional>
#include <string>

namespace nx {

enum class GraphFormat { GraphML, Dot, Csv, Tsv, Json };

// By the path's extension (any case): .graphml, .dot or .gv, .csv, .tsv, .json.
std::optional<GraphFormat> graphFormatForPath(const std::string& path);
// By name as a user types it: graphml, dot (or gv), csv, tsv, json (any case).
std::optional<GraphFormat> graphFormatNamed(const std::string& name);
const char* graphFormatName(GraphFormat format);
// "graphml, dot, gv, csv, tsv, json": for messages that list what is understood.
const char* graphFormatExtensions();

}  // namespace nx
