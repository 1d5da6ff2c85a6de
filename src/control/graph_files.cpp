// importGraphFile and exportGraphFile: the interchange formats through a control.
#include <optional>
#include <stdexcept>

#include "control/ramulo_control.h"
#include "interchange/graph_format.h"
#include "interchange/graph_import.h"
#include "ramulo/graph_files.h"

using namespace nx;

namespace ramulo {

namespace {

std::invalid_argument unknownFormat(const std::string& name) {
    return std::invalid_argument("Unknown graph format '" + name + "' (known: " +
                                 graphFormatExtensions() + ")");
}

std::invalid_argument unknownExtension(const std::string& path) {
    return std::invalid_argument("No graph format has the extension of '" + path +
                                 "' (known: " + graphFormatExtensions() + ")");
}

}  // namespace

std::vector<std::string> importGraphFile(RamuloControl& control, const std::string& path,
                                         const std::string& format) {
    const std::optional<GraphFormat> chosen =
        format.empty() ? graphFormatForPath(path) : graphFormatNamed(format);
    if (!chosen) throw format.empty() ? unknownExtension(path) : unknownFormat(format);
    ImportResult result = importGraph(ramulo::engineOf(control), path, *chosen);
    control.setModified(false);
    control.Update();
    return std::move(result.warnings);
}

std::vector<std::string> exportGraphFile(RamuloControl& control, const std::string& path) {
    const std::optional<GraphFormat> format = graphFormatForPath(path);
    if (!format) throw unknownExtension(path);
    return exportGraph(ramulo::engineOf(control), path, *format);
}

}  // namespace ramulo
