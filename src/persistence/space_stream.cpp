// The stream document file: header groups, schemas, the three element sections.
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <vector>

#include "graph/progress.h"
#include "graph/space.h"
#include "persistence/document_format.h"
#include "persistence/element_lookup.h"
#include "persistence/element_records.h"
#include "persistence/error_texts.h"
#include "persistence/missing_element.h"
#include "persistence/safe_output_file.h"
#include "persistence/space_files.h"
#include "persistence/stream_fields.h"
#include "persistence/text_check.h"
#include "persistence/view_sections.h"
#include "properties/list_separator.h"

namespace nx {

using namespace persistence;

namespace {

std::array<FormalProperties*, 5> schemasOf(const Space& space) {
    return {space.vertexSchema(), space.edgeSchema(), space.graphSchema(),
            space.graphVertexSchema(), space.graphEdgeSchema()};
}

// The shortest record line is "0,0,0,#" and its LF: a count no file of this size can hold
// sizes nothing.
constexpr std::uintmax_t kShortestRecordBytes = 8;

std::size_t plausibleCount(std::uint64_t count, std::uintmax_t fileBytes) {
    return static_cast<std::size_t>(
        std::min<std::uintmax_t>(count, fileBytes / kShortestRecordBytes));
}

void readVertexSection(std::istream& in, Space& space, std::uintmax_t fileBytes) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read vertex count");
    space.vertexFactory().reserve(space.vertexFactory().size() + plausibleCount(count, fileBytes));
    const std::size_t schemaSize = space.vertexSchema()->size();
    for (std::uint64_t k = 0; k < count; ++k) {
        progressStep();
        readUInt64(in, sep, "Failed to read vertex Id");  // IDs follow reading order
        const std::int32_t isGraph = readInt32(in, sep, "Failed to read isGraph flag");
        const std::uint64_t values = readUInt64(in, sep, "Failed to read vertex property count");
        if (values != schemaSize)
            throw std::runtime_error(nx::error_texts::kIncorrectVertexPropertyCount);
        Vertex* vertex =
            isGraph != 0 ? space.graphFactory().create() : space.vertexFactory().create();
        readValues(in, *vertex->properties, values);
        expectEndMark(in);
    }
}

void readEdgeSection(std::istream& in, Space& space, std::uintmax_t fileBytes) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read edge count");
    space.edgeFactory().reserve(space.edgeFactory().size() + plausibleCount(count, fileBytes));
    const std::size_t schemaSize = space.edgeSchema()->size();
    ScopedLock lock(&space.vertexFactory().mutex());
    const auto& vertices = space.vertexFactory().vertices();
    for (std::uint64_t k = 0; k < count; ++k) {
        progressStep();
        readUInt64(in, sep, "Failed to read edge Id");  // IDs follow reading order
        const std::uint64_t sourceId = readUInt64(in, sep, "Failed to read first vertex Id");
        const std::uint64_t targetId = readUInt64(in, sep, "Failed to read second vertex Id");
        const std::uint64_t values = readUInt64(in, sep, "Failed to read edge property count");
        if (values != schemaSize)
            throw std::runtime_error(nx::error_texts::kIncorrectEdgePropertyCount);
        Vertex* source = elementAt(vertices, sourceId);
        if (!source) throw missingEnd(space.edgeFactory().size(), sourceId);
        Vertex* target = elementAt(vertices, targetId);
        if (!target) throw missingEnd(space.edgeFactory().size(), targetId);
        Edge* edge = space.edgeFactory().create(source, target);
        readValues(in, *edge->properties, values);
        expectEndMark(in);
    }
}

void readGraphSection(std::istream& in, Space& space) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read graph count");
    for (std::uint64_t k = 0; k < count; ++k) {
        const std::uint64_t graphId = readUInt64(in, sep, "Failed to read graph Id");
        Vertex* vertex = space.vertexFactory().at(graphId);
        if (!vertex || !vertex->isGraph())
            throw std::runtime_error(nx::error_texts::kIncorrectGraphId);
        readGraphStream(*static_cast<Graph*>(vertex), in, space);
    }
}

void clearElements(Space& space) {
    {
        ScopedLock lock(&space.graphFactory().mutex());
        space.graphFactory().forget();
    }
    space.vertexFactory().clear();
    space.edgeFactory().clear();
}

}  // namespace

void saveStream(Space& space, const std::string& fileName, GraphView* view) {
    // Texts are checked as the records are written: a failure then discards the output and
    // the target stays as it was. A target written directly gets them checked before it is
    // opened, and a text error goes before a failure to open, as when checking came first.
    auto checkAll = [&] {
        checkTexts(space, true);
        if (view) checkTexts(*view, true);
    };
    if (SafeOutputFile::writesDirectly(fileName)) checkAll();
    std::optional<SafeOutputFile> opened;
    try {
        opened.emplace(fileName, "nx::Space error: ");
    } catch (const OutputOpenError&) {
        checkAll();
        throw;
    }
    SafeOutputFile& file = *opened;
    std::ostream& out = file.stream();
    const char sep = listSeparator();
    const auto schemas = schemasOf(space);
    writeHeader(out);
    for (std::size_t i = 0; i < schemas.size(); ++i) {
        out << kSchemaNames[i] << sep;
        schemas[i]->writeStream(out);
        endLine(out);
    }
    writeHeader(out);
    writeFactoryStream(space.vertexFactory(), out);
    writeFactoryStream(space.edgeFactory(), out);
    writeFactoryStream(space.graphFactory(), out);
    if (view) writeViewGroupsStream(out, *view);
    file.commit();
}

void loadStream(Space& space, const std::string& fileName, GraphView* view) {
    std::ifstream in(fileName, std::ios::in | std::ios::binary);
    std::error_code notADirectory;  // a directory opens like a file here but cannot be read
    if (!in || std::filesystem::is_directory(fileName, notADirectory))
        throw std::runtime_error("nx::Space error: Failed to open input file " + fileName +
                                 " for reading");
    std::error_code noSize;
    std::uintmax_t fileBytes = std::filesystem::file_size(fileName, noSize);
    if (noSize) fileBytes = 0;
    if (isHeader(readLine(in))) {
        const auto schemas = schemasOf(space);
        for (FormalProperties* schema : schemas) schema->clear();
        for (std::size_t i = 0; i < schemas.size(); ++i) {
            // The name is skipped by its length, not compared.
            in.ignore(static_cast<std::streamsize>(kSchemaNames[i].size() + 1));
            schemas[i]->readStream(in);
        }
    }
    if (isHeader(readLine(in))) {
        detachFromSpace(space, view);
        clearElements(space);
        expectLabel(in, "VertexFactory");
        readVertexSection(in, space, fileBytes);
        expectLabel(in, "EdgeFactory");
        readEdgeSection(in, space, fileBytes);
        expectLabel(in, "GraphFactory");
        readGraphSection(in, space);
    }
    if (view) readViewGroupsStream(in, space, *view);
}

}  // namespace nx
