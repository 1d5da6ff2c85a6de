// A pass over every value of every element and membership, measuring texts as the writers will.
#include "persistence/text_check.h"

#include <utf8.h>
#include <stdexcept>
#include <string>
#include <typeinfo>

#include "graph/space.h"
#include "properties/actual_properties.h"
#include "properties/string_property.h"
#include "views/graph_view.h"

namespace nx::persistence {

namespace {

// UTF-8 length of the text as written into the stream file, quoting included.
std::size_t writtenBytes(const std::u16string& text) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                   text[i + 1] < 0xE000) {
            bytes += 4;
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            throw utf8::invalid_utf16(c);
        } else {
            bytes += 3;
        }
    }
    // The stream writer adds a pair of quotes to a text that begins and ends with one.
    if (!text.empty() && text.front() == u'"' && text.back() == u'"') bytes += 2;
    return bytes;
}

// The value as a text, or nullptr. Only the text classes have no value type name: the cheap
// test spares most casts, and the last text class met spares the rest.
const String* textOf(const Property& value) {
    if (!value.valueTypeName().empty()) return nullptr;
    thread_local const std::type_info* lastText = nullptr;
    const std::type_info& type = typeid(value);
    if (lastText && type == *lastText) return static_cast<const String*>(&value);
    const auto* text = dynamic_cast<const String*>(&value);
    if (text) lastText = &type;
    return text;
}

void check(const ActualProperties& values, bool forStream) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Property& value = values.at(i);
        const String* text = textOf(value);
        if (!text) continue;
        const std::size_t bytes = writtenBytes(text->value);
        if (forStream) checkStreamTextBytes(bytes);
    }
}

}  // namespace

void checkStreamTextBytes(std::size_t bytes) {
    if (bytes > kStreamTextLimit)
        throw std::runtime_error("nx::Space error: a text value of " + std::to_string(bytes) +
                                 " bytes does not fit the stream file (at most " +
                                 std::to_string(kStreamTextLimit) + "); save the document as XML");
}

void checkTexts(Space& space, bool forStream) {
    {
        ScopedLock lock(&space.vertexFactory().mutex());
        for (const auto& vertex : space.vertexFactory().vertices())
            check(*vertex->properties, forStream);
    }
    {
        ScopedLock lock(&space.edgeFactory().mutex());
        for (const auto& edge : space.edgeFactory().edges()) check(*edge->properties, forStream);
    }
    for (const Graph* graph : space.graphFactory().graphs()) {
        check(*graph->graphProperties(), forStream);
        for (const auto& [vertex, entry] : graph->vertices()) check(*entry.properties, forStream);
        for (const auto& [edge, values] : graph->edges()) check(*values, forStream);
    }
}

void checkTexts(GraphView& view, bool forStream) {
    ScopedLock lock(&view.mutex());
    for (const VertexViewEntry entry : view.vertexSequence()) check(*entry.properties, forStream);
    for (const auto& [edge, data] : view.edgeMap()) check(*data.properties, forStream);
}

}  // namespace nx::persistence
