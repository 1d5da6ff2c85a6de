// The graph view's section of the stream file, and the view's own file.
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "graph/graph.h"
#include "graph/progress.h"
#include "graph/space.h"
#include "persistence/document_format.h"
#include "persistence/element_lookup.h"
#include "persistence/error_texts.h"
#include "persistence/graph_view_files.h"
#include "persistence/graph_view_section.h"
#include "persistence/repeated_view_records.h"
#include "persistence/safe_output_file.h"
#include "persistence/stream_fields.h"
#include "properties/actual_properties.h"
#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "views/coordinate_range.h"
#include "views/edge_view_factory.h"
#include "views/graph_view.h"
#include "views/vertex_view_factory.h"
#include "views/view.h"

namespace nx {

using namespace persistence;

namespace {

constexpr char kNumberError[] = "Failed to read a value of type 'unsigned long long'";

std::uint64_t readNumber(std::istream& in, char terminator) {
    return readUInt64(in, terminator, kNumberError);
}

RgbColor readColor(std::istream& in) {
    const char sep = listSeparator();
    try {
        std::uint8_t channels[3];
        for (std::uint8_t& channel : channels) {
            const std::uint64_t value = readUInt64(in, sep, nx::error_texts::kFailedToReadUnsigned);
            if (value > 255) throw std::runtime_error(nx::error_texts::kFailedToReadUnsigned);
            channel = static_cast<std::uint8_t>(value);
        }
        return {channels[0], channels[1], channels[2]};
    } catch (const std::exception& e) {
        throw std::runtime_error(
            std::string("Failed to read a value of type 'nx::RgbColor' from input stream. ") +
            e.what());
    }
}

// An entry's values: the count must match, the values follow, then "#" before the view.
void readEntryValues(std::istream& in, ActualProperties& values) {
    const std::uint64_t count = readNumber(in, listSeparator());
    if (count != values.size()) throw std::runtime_error(nx::error_texts::kIncorrectPropertyCount);
    readValues(in, values, count);
    expectLabel(in, "#");
}

// A record of a class this build cannot make leaves its fields unread; they are skipped
// so that the next entry starts on its own line.
void skipRestOfLine(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

// An entry without a view is written as the "none" record; it reads back as the default view.
template <typename V>
void writeRecord(std::ostream& out, const V* view, char sep) {
    if (view)
        view->saveToStream(out);
    else
        out << "-1" << sep << '#';
}

// Entries mostly share a few appearances, one after another: the record of the last one
// is kept as text, formatted as the file's stream formats it.
template <typename V>
class RecordText {
public:
    const std::string& of(const V* view, const std::ostream& like, char sep) {
        if (!known_ || view != view_) {
            std::ostringstream text;
            text.copyfmt(like);
            writeRecord(text, view, sep);
            text_ = std::move(text).str();
            view_ = view;
            known_ = true;
        }
        return text_;
    }

private:
    const V* view_ = nullptr;
    bool known_ = false;
    std::string text_;
};

void writeColor(std::ostream& out, const RgbColor& color, char sep) {
    out << int(color.red) << sep << int(color.green) << sep << int(color.blue) << sep;
}

}  // namespace

void writeStream(GraphView& view, std::ostream& out) {
    ScopedLock lock(&view.mutex());
    const char sep = listSeparator();
    out << (view.graph() ? view.graph()->id : kNoGraphId) << sep;
    writeColor(out, view.penColor(), sep);
    writeColor(out, view.backgroundColor(), sep);
    out << '#';
    endLine(out);

    out << "DefaultVertexView" << sep;
    writeRecord(out, view.storedDefaultVertexView(), sep);
    endLine(out);
    out << "DefaultEdgeView" << sep;
    writeRecord(out, view.storedDefaultEdgeView(), sep);
    endLine(out);

    out << "VertexSequence" << sep << view.vertexSequence().size();
    endLine(out);
    std::string& line = lineBuffer();
    line.clear();
    RecordText<VertexView> vertexRecord;
    for (const VertexViewEntry entry : view.vertexSequence()) {
        progressStep();
        appendNumber(line, entry.vertex->id);
        line.push_back(sep);
        appendValues(line, *entry.properties);
        line.push_back(sep);
        line.append(vertexRecord.of(entry.view, out, sep));
        line.push_back('\n');
        writeWhenFull(out, line);
    }
    writeLine(out, line);
    line.clear();
    out << "Edges" << sep << view.edgeMap().size();
    endLine(out);
    RecordText<EdgeView> edgeRecord;
    for (const auto& [edge, data] : view.edgeMap()) {
        progressStep();
        appendNumber(line, edge->id);
        line.push_back(sep);
        appendValues(line, *data.properties);
        line.push_back(sep);
        line.append(edgeRecord.of(data.view.get(), out, sep));
        line.push_back('\n');
        writeWhenFull(out, line);
    }
    writeLine(out, line);
}

void readStream(GraphView& view, std::istream& in) {
    Space* space = view.space();
    if (!space) throw std::runtime_error(nx::error_texts::kNoSpaceForView);
    const char sep = listSeparator();

    const std::uint64_t graphId = readNumber(in, sep);
    view.setGraph(nullptr);
    view.setGraph(space->graphFactory().find(graphId));

    view.setPenColor(readColor(in));
    view.setBackgroundColor(readColor(in));
    expectEndMark(in);

    expectLabel(in, "DefaultVertexView");
    if (ViewRef<VertexView> record = vertexViewFactory().readView(in)) {
        view.setDefaultVertexView(std::move(record));
    } else {
        expectEndMark(in);
        view.ensureDefaultVertexView();
    }
    expectLabel(in, "DefaultEdgeView");
    if (ViewRef<EdgeView> record = edgeViewFactory().readView(in)) {
        view.setDefaultEdgeView(std::move(record));
    } else {
        expectEndMark(in);
        view.ensureDefaultEdgeView();
    }

    expectLabel(in, "VertexSequence");
    const std::uint64_t count = readNumber(in, '\n');
    checkVertexCount(count, view.vertexSequence().size(), view.vertexMap().size());
    std::optional<ScopedLock> factoryLock(std::in_place, &space->vertexFactory().mutex());
    const auto& vertices = space->vertexFactory().vertices();
    RepeatedViewRecords<VertexView, VertexViewFactory> vertexRecords(vertexViewFactory());
    for (std::uint64_t i = 0; i < count; ++i) {
        progressStep();
        const std::uint64_t id = readNumber(in, sep);
        Vertex* vertex = elementAt(vertices, id);
        // A file written from this order (the usual case) finds each vertex in its place
        // already, without a lookup.
        if (!vertex || view.vertexSequence()[i].vertex != vertex) {
            const std::size_t* position = vertex ? view.vertexMap().find(vertex) : nullptr;
            if (!position) throw vertexNotInView(id, view.vertexMap().size(), view.graph());
            view.placeInSequence(vertex, static_cast<std::size_t>(i));
        }
        readEntryValues(in, *view.vertexSequence()[i].properties);
        ViewRef<VertexView> record = vertexRecords.read(in);
        if (!record) {
            skipRestOfLine(in);
            record = view.defaultVertexView();
        }
        view.setVertexViewAt(static_cast<std::size_t>(i), std::move(record));
    }

    expectLabel(in, "Edges");
    const std::uint64_t edges = readNumber(in, '\n');
    factoryLock.reset();
    factoryLock.emplace(&space->edgeFactory().mutex());
    const auto& edgeList = space->edgeFactory().edges();
    // Likewise the edges come in the edge map's order: without erased slots, the i-th
    // entry lies in slot i.
    const GraphView::EdgeMap& edgeMap = view.edgeMap();
    auto expected = edgeMap.slotCount() == edgeMap.size() ? edgeMap.begin() : edgeMap.end();
    RepeatedViewRecords<EdgeView, EdgeViewFactory> edgeRecords(edgeViewFactory());
    for (std::uint64_t i = 0; i < edges; ++i) {
        progressStep();
        const std::uint64_t id = readNumber(in, sep);
        Edge* edge = elementAt(edgeList, id);
        std::size_t slot = static_cast<std::size_t>(i);
        const bool inPlace = edge && expected != edgeMap.end() && expected->first == edge;
        if (expected != edgeMap.end()) ++expected;
        if (!inPlace) slot = edge ? edgeMap.slotOf(edge) : GraphView::EdgeMap::npos;
        if (slot == GraphView::EdgeMap::npos)
            throw std::runtime_error(nx::error_texts::kEdgeNotFound);
        readEntryValues(in, *edgeMap.atSlot(slot).properties);
        ViewRef<EdgeView> record = edgeRecords.read(in);
        if (!record) {
            skipRestOfLine(in);
            record = view.defaultEdgeView();
        }
        view.setEdgeViewAt(edge, slot, std::move(record));
    }

    factoryLock.reset();
    view.synchronize();
    clampVertexCoordinates(view);
    view.rebuildSelection();
}

void saveToFile(GraphView& view, const std::string& path) {
    SafeOutputFile file(path, "nx::GraphView error: ");
    file.stream() << kHeaderWord;
    endLine(file.stream());
    writeStream(view, file.stream());
    file.commit();
}

std::string loadFromFile(GraphView&, const std::string& path) {
    std::ifstream in(path, std::ios::in | std::ios::binary);
    std::error_code notADirectory;  // a directory opens like a file here but cannot be read
    if (!in || std::filesystem::is_directory(path, notADirectory))
        throw std::runtime_error("nx::GraphView error: Failed to open input file " + path +
                                 " for reading");
    return readLine(in);
}

}  // namespace nx
