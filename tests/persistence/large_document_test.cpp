// A large generated document survives both files and saves back to the same bytes, with
// the element maps grown past many rehashes and thinned by removals.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "graph/graph.h"
#include "persistence/document.h"
#include "persistence/space_files.h"
#include "properties/properties.h"

namespace nx::test {
namespace {

void setNumber(Property& value, long long number) {
    std::istringstream in(std::to_string(number) + "|");
    value.read(in, '|');
}

// A random recursive tree of n vertices in one graph, with varied names and values; every
// seventh vertex then leaves the graph with its edges, and a second graph shares a part.
void buildLargeTree(Document& doc, std::size_t n) {
    doc.vertexSchema.addByTypeName("Name");
    doc.vertexSchema.addByTypeName("Int");
    doc.edgeSchema.addByTypeName("Name");
    for (const char* type : {"Visited", "_I1", "_R1", "Name"})
        doc.graphVertexSchema.addByTypeName(type);
    doc.graphEdgeSchema.addByTypeName("Weight");
    Space& space = *doc.space;
    Graph* graph = space.graphFactory().create();
    Graph* part = space.graphFactory().create();
    const std::u16string names[] = {u"",   u"a,b;c", u"\"q\"",
                                    u"  ", u"<&>",   u"caf\u00E9 \u65E5\u672C"};
    std::mt19937 random(99);
    std::vector<Vertex*> vertices;
    for (std::size_t i = 0; i < n; ++i) {
        Vertex* v = space.vertexFactory().create();
        static_cast<String&>(v->properties->at(0)).value =
            names[i % std::size(names)] + std::u16string(u"v") + std::u16string(i % 97, u'x');
        setNumber(v->properties->at(1), static_cast<long long>(random()) - (1LL << 31));
        vertices.push_back(v);
        if (i == 0) {
            graph->addVertex(*v);
            continue;
        }
        Edge* e = space.edgeFactory().create(vertices[random() % i], v);
        static_cast<String&>(e->properties->at(0)).value = names[(i + 2) % std::size(names)];
        graph->addEdge(*e);
        ActualProperties& member = graph->vertexProperties(*v);
        setNumber(member.at(0), i % 2);
        setNumber(member.at(1), static_cast<long long>(i) * 3 - 7);
        std::istringstream real(std::to_string(i) + ".5|");
        member.at(2).read(real, '|');
        setNumber(graph->edgeProperties(*e).at(0), static_cast<long long>(i % 11) - 5);
        if (i % 5 == 0) part->addEdge(*e);
    }
    for (std::size_t i = 3; i < n; i += 7) graph->removeVertex(*vertices[i]);
    graph->updateIncidence();
}

class LargeDocument : public testing::TestWithParam<bool> {};

TEST_P(LargeDocument, ComesBackEqualAndSavesToTheSameBytes) {
    const bool xml = GetParam();
    const std::string ext = xml ? ".nxx" : ".nx";
    const auto first = outputPath("large" + ext);
    const auto second = outputPath("large_again" + ext);
    Document original;
    buildLargeTree(original, 30000);
    xml ? nx::saveXml(*original.space, first, nullptr)
        : nx::saveStream(*original.space, first, nullptr);

    Document copy;
    xml ? nx::loadXml(*copy.space, first, nullptr) : nx::loadStream(*copy.space, first, nullptr);
    EXPECT_EQ(dump(*copy.space), dump(*original.space));
    xml ? nx::saveXml(*copy.space, second, nullptr) : nx::saveStream(*copy.space, second, nullptr);
    EXPECT_TRUE(readFile(second) == readFile(first));
}

INSTANTIATE_TEST_SUITE_P(BothFiles, LargeDocument, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Xml" : "Stream"; });

}  // namespace
}  // namespace nx::test
