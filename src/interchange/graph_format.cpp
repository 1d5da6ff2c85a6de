// nx::GraphFormat: extensions and names.
#include "interchange/graph_format.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace nx {

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<GraphFormat> graphFormatNamed(const std::string& name) {
    const std::string n = lowered(name);
    if (n == "graphml") return GraphFormat::GraphML;
    if (n == "dot" || n == "gv") return GraphFormat::Dot;
    if (n == "csv") return GraphFormat::Csv;
    if (n == "tsv") return GraphFormat::Tsv;
    if (n == "json") return GraphFormat::Json;
    return std::nullopt;
}

std::optional<GraphFormat> graphFormatForPath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    if (ext.empty()) return std::nullopt;
    return graphFormatNamed(ext.substr(1));
}

const char* graphFormatName(GraphFormat format) {
    switch (format) {
        case GraphFormat::GraphML:
            return "GraphML";
        case GraphFormat::Dot:
            return "DOT";
        case GraphFormat::Csv:
            return "CSV";
        case GraphFormat::Tsv:
            return "TSV";
        case GraphFormat::Json:
            return "JSON";
    }
    return "?";
}

const char* graphFormatExtensions() {
    return "graphml, dot, gv, csv, tsv, json";
}

}  // namespace nx
