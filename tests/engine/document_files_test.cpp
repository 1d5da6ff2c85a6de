// Loads through the engine that fail part-way: the open document stays whole and editable,
// and nothing the engine holds points into the discarded one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine_fixture.h"
#include "support/scratch_filesystem.h"

namespace {

using namespace engine_test;
using test_support::bytesOf;

TEST_F(OpenDocument, FailedLoadsLeaveTheDocumentWholeAndEditable) {
    const std::vector<std::uint32_t> v = addVertices(3);
    const std::uint32_t edge = engine.AddEdge(v[0], v[1]);
    engine.AddEdge(v[0], v[2]);
    engine.setCurrentVertex(vertex(v[1]));
    engine.setCurrentEdge(engine.space()->edgeFactory().at(edge));

    const auto folder = std::filesystem::path(RAMULO_TEST_OUTPUT) / "engine_failed_loads";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto stream = folder / "whole.nx", xml = folder / "whole.nxx";
    engine.SaveStream(stream.string());
    engine.SaveXml(xml.string());
    const std::string streamBytes = bytesOf(stream), xmlBytes = bytesOf(xml);
    std::size_t sevenLines = 0;
    for (int n = 0; n < 7; ++n) sevenLines = streamBytes.find('\n', sevenLines) + 1;
    // Cut after the schemas (the reader has just emptied the elements), inside the view's
    // section (everything else read) and in the middle of the XML.
    std::ofstream(folder / "seven.nx", std::ios::binary) << streamBytes.substr(0, sevenLines);
    std::ofstream(folder / "view.nx", std::ios::binary)
        << streamBytes.substr(0, streamBytes.find("VertexSequence"));
    std::ofstream(folder / "half.nxx", std::ios::binary) << xmlBytes.substr(0, xmlBytes.size() / 2);

    const auto* graph = engine.graph();
    const auto* view = engine.view();
    const auto* space = engine.space();
    for (const char* name : {"seven.nx", "view.nx", "half.nxx"}) {
        SCOPED_TRACE(name);
        const std::string path = (folder / name).string();
        EXPECT_NE(errorOf([&] {
                      std::string(name).ends_with(".nx") ? engine.LoadStream(path, false, nullptr)
                                                         : engine.LoadXml(path, false, nullptr);
                  }),
                  "");
        EXPECT_EQ(engine.graph(), graph);
        EXPECT_EQ(engine.view(), view);
        EXPECT_EQ(engine.space(), space);
        EXPECT_EQ(engine.currentVertex(), vertex(v[1]));
        EXPECT_EQ(engine.currentVertexProperties(),
                  engine.view()->vertexViewProperties(vertex(v[1])));
        EXPECT_EQ(engine.currentEdgeProperties(),
                  engine.view()->edgeViewProperties(engine.space()->edgeFactory().at(edge)));
        EXPECT_EQ(engine.hostWindow(), &host);
        EXPECT_TRUE(engine.editingEnabled());

        // The view still observes the graph, and edits reach both.
        const int repaints = host.invalidations;
        engine.graph()->notifyObservers();
        EXPECT_EQ(host.invalidations, repaints + 1);
        const std::uint32_t added = engine.AddVertex();
        const std::uint32_t link = engine.AddEdge(v[2], added);
        EXPECT_NE(engine.view()->findVertexEntry(vertex(added)), nullptr);
        EXPECT_EQ(engine.GetVertexCount(0), 4u);
        EXPECT_EQ(engine.GetEdgeCount(0), 3u);
        engine.RemoveEdge(link);
        engine.RemoveVertex(added);
        EXPECT_EQ(engine.GetVertexCount(0), 3u);
    }

    // A load that succeeds replaces the document and forgets the old current elements.
    EXPECT_EQ(engine.LoadStream(stream.string(), true, &host), graphId);
    EXPECT_EQ(engine.GetVertexCount(0), 3u);
    EXPECT_EQ(engine.GetEdgeCount(0), 2u);
    EXPECT_EQ(engine.currentVertex(), nullptr);
    EXPECT_EQ(engine.currentEdge(), nullptr);
}

}  // namespace
