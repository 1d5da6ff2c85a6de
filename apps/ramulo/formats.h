// The interchange formats in the command-line tool: reading any of them as the input
// document, writing them as output, and the list of what is understood.
#pragma once

#include <string>

class Document;

// How the input is read: a format name overriding the extension, and for edge lists
// whether the first row is a header ("yes", "no"; empty: detected).
struct InputChoice {
    std::string format;
    std::string header;
};

// Loads path into doc: a GraphML, DOT, CSV, TSV or JSON file by the chosen format (when not
// empty) or by extension, else a document file (.nx, .nxx, .xml). Warnings go to stderr.
// Fails with a UsageError for an unknown format or header choice. Without `arrange` a graph file without positions is
// not laid out on import (for callers that run a layout of their own next).
void loadDocumentFile(Document& doc, const std::string& path, const InputChoice& input,
                      bool arrange = true);

// Writes the current graph in the interchange format path's extension names; false when
// the extension names none.
bool writeGraphFile(Document& doc, const std::string& path);

// Fails with a UsageError listing the known extensions (and `alsoKnown`, when given) when
// path names no document or graph file.
void checkDocumentTarget(const std::string& path, const char* alsoKnown = nullptr);
