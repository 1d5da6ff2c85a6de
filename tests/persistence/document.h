// Test documents: a space with its five schemas, builders and a canonical text dump.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "graph/space.h"
#include "support/document_schemas.h"

namespace nx::test {

// The two file formats a document is saved in.
enum class Format { Stream, Xml };

struct Document : Schemas {
    std::unique_ptr<Space> space = newSpace();
};

// Graph 0 holding vertices 1 "Root" and 2 "Leaf" and edge 0 from 1 to 2; the graph's Name is Main.
void buildExample(Document& doc);

// Every property type at space level with non-default values, odd strings, two graphs
// with their own values and graph-level values, parallel edges, a self-loop and an
// element that belongs to no graph.
void buildRich(Document& doc);

// Schemas, elements, values and memberships as text; equal dumps mean equal documents.
std::string dump(Space& space);

// Sets a property from its text (a string property's text as UTF-8).
void setText(Property& p, const std::string& text);

// A fresh path in the running test's own output folder (the folder exists, the file does not).
std::filesystem::path outputPath(const std::string& name);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace nx::test
