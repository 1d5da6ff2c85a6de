// Builders and the canonical dump of test documents.
#include "persistence/document.h"

#include <gtest/gtest.h>
#include <utf8.h>
#include <fstream>
#include <sstream>

#include "properties/properties.h"

namespace nx::test {

namespace {

std::string valueText(const Property& p) {
    if (auto* s = dynamic_cast<const String*>(&p)) {
        std::string quoted(1, '"');
        quoted += utf8::utf16to8(s->value);
        quoted += '"';
        return quoted;
    }
    std::ostringstream out;
    p.write(out);
    return out.str();
}

// A schema's prototypes or an element's values.
template <typename List>
void dumpValues(std::ostream& out, const List& values) {
    out << '[';
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i ? " " : "") << values.at(i).typeName() << '=' << valueText(values.at(i));
    out << ']';
}

void addAll(FormalProperties& schema, std::initializer_list<const char*> names) {
    for (const char* name : names) schema.addByTypeName(name);
}

}  // namespace

void setText(Property& p, const std::string& text) {
    if (auto* s = dynamic_cast<String*>(&p)) {
        s->value = utf8::utf8to16(text);
        return;
    }
    std::istringstream in(text);
    p.read(in, '\0');
}

void buildExample(Document& doc) {
    addAll(doc.vertexSchema, {"Name", "X"});
    addAll(doc.edgeSchema, {"Weight"});
    addAll(doc.graphSchema, {"Name"});
    Space& space = *doc.space;
    Graph* graph = space.graphFactory().create();
    Vertex* root = space.vertexFactory().create();
    Vertex* leaf = space.vertexFactory().create();
    setText(root->properties->at(0), "Root");
    setText(leaf->properties->at(0), "Leaf");
    setText(graph->graphProperties()->at(0), "Main");
    graph->addEdge(*space.edgeFactory().create(root, leaf));
}

void buildRich(Document& doc) {
    // Every type name the schema reader knows, with a value that survives its text form.
    const std::pair<const char*, const char*> spaceLevel[] = {
        {"Name", "Root, \"the\"; first"},
        {"String", "\"quoted\""},
        {"Color", "White"},
        {"Bool", "1"},
        {"Int", "-2147483648"},
        {"Real", "-2.5e-07"},
        {"Pointer", "00000000DEADBEEF"},
        {"X", "-17"},
        {"Y", "2147483647"},
        {"Z", "3"},
        {"Selected", "1"},
        {"Weight", "-4"},
        {"Visited", "1"},
        {"Fading", "5"},
        {"Unfaded", "1"},
        {"_I1", "6"},
        {"_I2", "-7"},
        {"_I3", "8"},
        {"_R1", "0.125"},
        {"_R2", "1e+300"},
        {"_R3", "-0"},
        {"_V1", "1"},
        {"Primitive(unsigned int)", "4294967295"},
        {"Primitive(__int64)", "-9223372036854775808"},
        {"Primitive(unsigned __int64)", "18446744073709551615"},
        {"Primitive(char)", "-128"},
    };
    for (const auto& [name, value] : spaceLevel) doc.vertexSchema.addByTypeName(name);
    addAll(doc.edgeSchema, {"Weight", "String", "Color"});
    addAll(doc.graphSchema, {"Name", "Real", "Pointer"});
    addAll(doc.graphVertexSchema, {"Visited", "_V1", "_I1", "_R1", "String"});
    addAll(doc.graphEdgeSchema, {"Weight", "_I2"});

    // Texts that stress both forms: separators, quotes, markup, white space, non-ASCII.
    const char* texts[] = {"",
                           "a,b;c",
                           "\"",
                           "  padded  ",
                           "   ",
                           "<&>'\"",
                           "tab\there\nline",
                           "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8C\xB3",
                           "\"x\",\"y\""};
    Space& space = *doc.space;
    for (int i = 0; i < 9; ++i) {
        Vertex* v =
            (i == 2 || i == 6) ? space.graphFactory().create() : space.vertexFactory().create();
        for (std::size_t j = 0; j < std::size(spaceLevel); ++j)
            setText(v->properties->at(j), spaceLevel[j].second);
        setText(v->properties->at(0), texts[i]);
        setText(v->properties->at(1), texts[(i + 3) % 9]);
        setText(v->properties->at(7), std::to_string(i * 10));
    }
    VertexFactory& vf = space.vertexFactory();
    EdgeFactory& ef = space.edgeFactory();
    auto edge = [&](ElementId s, ElementId t, int weight) {
        Edge* e = ef.create(vf.at(s), vf.at(t));
        setText(e->properties->at(0), std::to_string(weight));
        setText(e->properties->at(1), "edge " + std::to_string(e->id) + ", of course");
        setText(e->properties->at(2), "Gray");
        return e;
    };
    auto* first = static_cast<Graph*>(vf.at(2));
    auto* second = static_cast<Graph*>(vf.at(6));
    setText(first->graphProperties()->at(0), "First, main");
    setText(first->graphProperties()->at(1), "3.25");
    setText(second->graphProperties()->at(0), "Second");
    // The first graph: a tree 0 -> 1 -> 3 with parallel edges 1 -> 3 and a self-loop at 4.
    for (Edge* e : {edge(0, 1, 1), edge(1, 3, 2), edge(1, 3, 3), edge(4, 4, 4), edge(3, 4, 5)})
        first->addEdge(*e);
    first->addVertex(*vf.at(5));  // a member without edges
    setText(first->vertexProperties(*vf.at(1)).at(4), "member, of first");
    setText(first->vertexProperties(*vf.at(3)).at(0), "1");
    setText(first->vertexProperties(*vf.at(3)).at(3), "9.75");
    setText(first->edgeProperties(*ef.at(2)).at(1), "-11");
    // The second graph shares vertex 1 and the parallel edge, with values of its own.
    second->addEdge(*ef.at(2));
    second->addEdge(*edge(7, 1, 6));
    setText(second->vertexProperties(*vf.at(7)).at(4), "in second");
    setText(second->edgeProperties(*ef.at(2)).at(0), "77");
    edge(8, 0, 7);  // an edge, like vertex 8, in no graph
}

std::string dump(Space& space) {
    std::ostringstream out;
    const FormalProperties* schemas[] = {space.vertexSchema(), space.edgeSchema(),
                                         space.graphSchema(), space.graphVertexSchema(),
                                         space.graphEdgeSchema()};
    for (const FormalProperties* schema : schemas) {
        out << "schema";
        dumpValues(out, schema->prototypes());
        out << '\n';
    }
    for (ElementId id = 0; id < space.vertexFactory().size(); ++id) {
        Vertex* v = space.vertexFactory().at(id);
        out << "vertex " << v->id << (v->isGraph() ? " graph " : " ");
        dumpValues(out, *v->properties);
        out << '\n';
    }
    for (ElementId id = 0; id < space.edgeFactory().size(); ++id) {
        Edge* e = space.edgeFactory().at(id);
        out << "edge " << e->id << ' ' << e->source->id << "->" << e->target->id << ' ';
        dumpValues(out, *e->properties);
        out << '\n';
    }
    for (Graph* g : space.graphFactory().graphs()) {
        g->updateIncidence();  // a loaded graph has fresh incidence lists; compare like with like
        out << "graph " << g->id << ' ';
        dumpValues(out, *g->graphProperties());
        out << '\n';
        for (const auto& [v, entry] : g->vertices()) {
            out << "  member vertex " << v->id << ' ';
            dumpValues(out, *entry.properties);
            out << " incident";
            for (const Edge* e : entry.incident) out << ' ' << e->id;
            out << '\n';
        }
        for (const auto& [e, props] : g->edges()) {
            out << "  member edge " << e->id << ' ';
            dumpValues(out, *props);
            out << '\n';
        }
    }
    return out.str();
}

std::filesystem::path outputPath(const std::string& name) {
    // One folder per test: ctest runs tests in parallel processes.
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string folder = test ? std::string(test->test_suite_name()) + "." + test->name() : "any";
    for (char& c : folder)
        if (c == '/') c = '_';
    const std::filesystem::path dir =
        std::filesystem::path(RAMULO_TEST_OUTPUT) / "persistence" / folder;
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / name;
    std::filesystem::remove(path);
    return path;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace nx::test
