// The interchange formats in the command-line tool, through the core's import and export.
#include "formats.h"

#include <cstdio>
#include <string>

#include "document.h"
#include "interchange/graph_import.h"
#include "verbs.h"

namespace {

void warn(const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings) std::fprintf(stderr, "ramulo: warning: %s\n", w.c_str());
}

const char* const kDocumentExtensions = "nx, nxx, xml";

}  // namespace

void loadDocumentFile(Document& doc, const std::string& path, const InputChoice& input,
                      bool arrange) {
    const std::string& from = input.format;
    std::optional<nx::GraphFormat> format;
    if (!from.empty()) {
        format = nx::graphFormatNamed(from);
        if (!format && from != "nx" && from != "nxx" && from != "xml")
            throw UsageError("unknown format '" + from + "' (known: " + kDocumentExtensions +
                             ", " + nx::graphFormatExtensions() + ")");
    } else {
        format = nx::graphFormatForPath(path);
    }
    nx::ImportOptions options;
    options.arrange = arrange;
    if (input.header == "yes")
        options.header = nx::EdgeListOptions::Header::Present;
    else if (input.header == "no")
        options.header = nx::EdgeListOptions::Header::Absent;
    else if (!input.header.empty())
        throw UsageError("--header takes yes or no, not '" + input.header + "'");
    if (!format) {
        doc.load(path);
        return;
    }
    const nx::ImportResult result = nx::importGraph(doc.engine(), path, *format, options);
    doc.control().setModified(false);
    warn(result.warnings);
}

bool writeGraphFile(Document& doc, const std::string& path) {
    const std::optional<nx::GraphFormat> format = nx::graphFormatForPath(path);
    if (!format) return false;
    warn(nx::exportGraph(doc.engine(), path, *format));
    return true;
}

void checkDocumentTarget(const std::string& path, const char* alsoKnown) {
    const std::string ext = extensionOf(path);
    if (ext == "nx" || ext == "nxx" || ext == "xml" || nx::graphFormatForPath(path)) return;
    throw UsageError("cannot write a document to '" + path + "': known extensions are " +
                     kDocumentExtensions + ", " + nx::graphFormatExtensions() +
                     (alsoKnown ? std::string(", ") + alsoKnown : std::string()));
}
