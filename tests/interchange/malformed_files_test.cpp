// Malformed files of each format: the message names the file, the place and what was
// expected, and the engine keeps the document it had.
#include <gtest/gtest.h>

#include "interchange_fixture.h"

namespace interchange_test {
namespace {

struct Malformed {
    const char* file;
    nx::GraphFormat format;
    const char* content;
    const char* message;  // after "<path>"
};

const Malformed kCases[] = {
    {"unclosed.csv", nx::GraphFormat::Csv, "a,b\nb,\"c\nd,e\n",
     ":2:3: the quoted field opened here is not closed before the end of the file"},
    {"after_quote.csv", nx::GraphFormat::Csv, "\"a\"x,b\n",
     ":1:4: expected a comma or the end of the line after a closing quote"},
    {"no_source.csv", nx::GraphFormat::Csv, "source,target\na,b\n,c\n",
     ":3: expected a source vertex id in column 1"},
    {"label_alone.tsv", nx::GraphFormat::Tsv, "a\tb\tab\nc\t\tlost\n",
     ":2: expected a target vertex id in column 2 for the label 'lost'"},
    {"bad_utf8.csv", nx::GraphFormat::Csv, "a,b\xff\n", ": the node id 'b\xff' is not valid UTF-8"},
    {"syntax.json", nx::GraphFormat::Json, "{\"elements\": {\n  \"nodes\": [,]}}",
     ":2:13: syntax error while parsing value - unexpected ','; expected '[', '{', or a literal"},
    {"no_elements.json", nx::GraphFormat::Json, "{\"nodes\": []}",
     ": expected an \"elements\" member at the top"},
    {"no_id.json", nx::GraphFormat::Json, "{\"elements\": {\"nodes\": [{\"data\": {}}]}}",
     ": node 0: expected an \"id\" in its \"data\""},
    {"twice.json", nx::GraphFormat::Json,
     "[{\"data\": {\"id\": \"a\"}}, {\"data\": {\"id\": \"a\"}}]",
     ": element 1: the id 'a' is used twice"},
    {"dangling.json", nx::GraphFormat::Json,
     "{\"elements\": {\"nodes\": [{\"data\": {\"id\": \"a\"}}], \"edges\": [{\"data\": "
     "{\"source\": \"a\", \"target\": \"z\"}}]}}",
     ": edge 0: the target 'z' is no node"},
    {"position.json", nx::GraphFormat::Json,
     "[{\"data\": {\"id\": \"a\"}, \"position\": {\"x\": \"1\", \"y\": 2}}]",
     ": element 0: expected \"position\" to hold numbers \"x\" and \"y\""},
    {"unclosed.graphml", nx::GraphFormat::GraphML,
     "<graphml>\n<graph>\n  <node id=\"a\">\n</graph></graphml>",
     ":4:1: Error reading end tag."},
    {"root.graphml", nx::GraphFormat::GraphML, "<?xml version=\"1.0\"?>\n<gxl/>",
     ":2:1: expected the root element <graphml>"},
    {"node_id.graphml", nx::GraphFormat::GraphML,
     "<graphml>\n <graph>\n  <node/>\n </graph>\n</graphml>",
     ":3:3: expected an \"id\" attribute on <node>"},
    {"edge_end.graphml", nx::GraphFormat::GraphML,
     "<graphml><graph>\n<node id=\"a\"/>\n<edge source=\"a\" target=\"b\"/>\n</graph></graphml>",
     ":3:1: the edge's target 'b' is no node"},
    {"geometry.graphml", nx::GraphFormat::GraphML,
     "<graphml><key id=\"g\" for=\"node\" yfiles.type=\"nodegraphics\"/><graph>\n<node "
     "id=\"a\"><data key=\"g\"><y:ShapeNode>\n<y:Geometry x=\"1,5\" y=\"2\"/>"
     "</y:ShapeNode></data></node></graph></graphml>",
     ":3:1: expected a number for x, not '1,5'"},
    {"syntax.dot", nx::GraphFormat::Dot, "digraph {\n a -> b\n b -> ;\n}\n",
     ":3: syntax error near ';'"},
    {"empty.dot", nx::GraphFormat::Dot, "  \n", ": expected a graph (\"graph\" or \"digraph\")"},
    {"pos.dot", nx::GraphFormat::Dot, "digraph { a [pos=\"1;2\"] }",
     ": node 'a': expected pos=\"x,y\", not \"1;2\""},
};

TEST(MalformedFiles, ClearMessagesAndTheOpenDocumentStays) {
    for (const Malformed& c : kCases) {
        Engine e;
        e.newDocument();
        e.vertex("kept", 10, 20);
        const nx::Space* space = e.engine.space();
        const nx::WindowGraphView* view = e.engine.view();
        const std::string path = writeFile(c.file, c.content);
        EXPECT_EQ(errorOf([&] { nx::importGraph(e.engine, path, c.format); }), path + c.message);
        EXPECT_EQ(e.engine.space(), space) << c.file;
        EXPECT_EQ(e.engine.view(), view) << c.file;
        EXPECT_EQ(e.names(), std::vector<std::string>{"kept"}) << c.file;
        EXPECT_EQ(e.positions()["kept"], std::make_pair(10, 20)) << c.file;
    }
}

TEST(MalformedFiles, AMissingFileIsNamed) {
    const std::string path = outputPath("missing.graph");
    for (nx::GraphFormat f : {nx::GraphFormat::Csv, nx::GraphFormat::Json, nx::GraphFormat::Dot}) {
        Engine e;
        EXPECT_EQ(errorOf([&] { nx::importGraph(e.engine, path, f); }),
                  path + ": cannot open the file: No such file or directory");
    }
}

TEST(Import, ReplacesTheDocumentAndKeepsTheWindow) {
    Engine e;
    e.newDocument();
    e.vertex("old", 0, 0);
    const nx::ImportResult r = nx::importGraph(
        e.engine, writeFile("new.csv", "p,q\n"), nx::GraphFormat::Csv);
    EXPECT_EQ(e.names(), (std::vector<std::string>{"p", "q"}));
    EXPECT_EQ(r.graphId, static_cast<std::uint32_t>(e.engine.graph()->id));
    EXPECT_EQ(e.engine.view()->hostWindow(), &e.host);
    EXPECT_EQ(e.engine.view()->graph(), e.engine.graph());
    // Editing works on the imported document as on any other.
    const std::uint32_t v = e.engine.AddVertex();
    EXPECT_EQ(e.engine.GetVertexCount(0), 3u);
    e.engine.AddEdge(v, e.engine.GetVertexID(0, 0));
    EXPECT_EQ(e.engine.GetEdgeCount(0), 2u);
}

}  // namespace
}  // namespace interchange_test
