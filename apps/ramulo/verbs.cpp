// The document verbs: sample, render, convert and info.
#include "verbs.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "call_verb.h"
#include "document.h"
#include "graph/space.h"
#include "properties/formal_properties.h"
#include "properties/property.h"
#include "render.h"
#include "script_verb.h"

void progress(const std::string& text) {
    std::fprintf(stderr, "ramulo: %s\n", text.c_str());
}

void writeOutput(Document& doc, const std::string& path) {
    if (isRenderTarget(path)) {
        progress("drawing " + path);
        renderDocument(doc.engine(), path);
    } else {
        progress("writing " + path);
        doc.save(path);
    }
}

namespace {

// Positional arguments, "-o OUT", "--layout NAME" and the transform switches in order.
struct Arguments {
    std::vector<std::string> positional;
    std::string output;
    std::string layout;
    std::vector<std::string> transforms;
};

bool isTransform(const std::string& a) {
    return a == "--rotate-right" || a == "--rotate-left" || a == "--flip-horizontal" ||
           a == "--flip-vertical";
}

Arguments parse(const std::vector<std::string>& args, bool arrangeOptions) {
    Arguments out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "-o" || a == "--output")
            out.output = value();
        else if (arrangeOptions && a == "--layout")
            out.layout = value();
        else if (arrangeOptions && isTransform(a))
            out.transforms.push_back(a);
        else if (a.size() > 1 && a[0] == '-')
            throw UsageError("unknown option " + a);
        else
            out.positional.push_back(a);
    }
    return out;
}

void expectPositional(const Arguments& a, std::size_t count) {
    if (a.positional.size() < count) throw UsageError("missing argument");
    if (a.positional.size() > count) throw UsageError("unexpected argument " + a.positional[count]);
}

void loadInput(Document& doc, const std::string& path) {
    progress("loading " + path);
    doc.load(path);
}

int runSample(const std::vector<std::string>& args) {
    const Arguments a = parse(args, false);
    expectPositional(a, 1);
    if (a.output.empty()) throw UsageError("missing -o OUT");
    const std::string& n = a.positional[0];
    unsigned id = 0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), id);
    if (ec != std::errc() || end != n.data() + n.size() || id > 4)
        throw UsageError("the sample number must be 0, 1, 2, 3 or 4, not '" + n + "'");
    Document doc;
    progress("building sample document " + n);
    doc.buildSample(static_cast<std::uint16_t>(id));
    writeOutput(doc, a.output);
    return kExitOk;
}

bool arrange(ControlEngine& engine, const std::string& layout) {
    progress("arranging (" + layout + ")");
    if (layout == "hierarchical") return engine.HierarchicalLayout();
    if (layout == "radial") return engine.RadialLayout();
    if (layout == "force") return engine.ForceDirectedLayout();
    throw UsageError("unknown layout '" + layout + "' (hierarchical, radial or force)");
}

void transform(ControlEngine& engine, const std::string& t) {
    if (t == "--rotate-right")
        engine.RotateRight90();
    else if (t == "--rotate-left")
        engine.RotateLeft90();
    else if (t == "--flip-horizontal")
        engine.FlipHorizontal();
    else
        engine.FlipVertical();
}

int runRender(const std::vector<std::string>& args) {
    const Arguments a = parse(args, true);
    expectPositional(a, 1);
    if (a.output.empty()) throw UsageError("missing -o OUT");
    if (!isRenderTarget(a.output)) throw UsageError("OUT must end in .png, .svg or .pdf");
    if (!a.layout.empty() && a.layout != "hierarchical" && a.layout != "radial" &&
        a.layout != "force")
        throw UsageError("unknown layout '" + a.layout + "' (hierarchical, radial or force)");
    Document doc;
    loadInput(doc, a.positional[0]);
    // The engine has already shown the layout's own message on stderr.
    if (!a.layout.empty() && !arrange(doc.engine(), a.layout))
        throw std::runtime_error("the " + a.layout + " layout failed");
    for (const std::string& t : a.transforms) transform(doc.engine(), t);
    writeOutput(doc, a.output);
    return kExitOk;
}

int runConvert(const std::vector<std::string>& args) {
    const Arguments a = parse(args, false);
    std::vector<std::string> files = a.positional;
    if (!a.output.empty()) files.push_back(a.output);
    if (files.size() != 2) throw UsageError("convert needs IN and OUT");
    Document doc;
    loadInput(doc, files[0]);
    progress("writing " + files[1]);
    doc.save(files[1]);
    return kExitOk;
}

void printSchema(std::ostream& out, const char* name, const nx::FormalProperties* schema) {
    out << name << ":";
    if (schema)
        for (std::size_t i = 0; i < schema->size(); ++i) out << ' ' << schema->at(i).typeName();
    out << '\n';
}

int runInfo(const std::vector<std::string>& args) {
    const Arguments a = parse(args, false);
    expectPositional(a, 1);
    Document doc;
    doc.load(a.positional[0]);
    ControlEngine& e = doc.engine();
    const nx::Size extent = e.GetExtent();
    std::ostringstream out;
    out << "vertices: " << e.GetVertexCount(0) << '\n'
        << "edges: " << e.GetEdgeCount(0) << '\n'
        << "graphs: " << e.space->graphFactory().size() << '\n';
    printSchema(out, "VertexFormalProperties", e.spaceLevelVertexFormals.get());
    printSchema(out, "EdgeFormalProperties", e.spaceLevelEdgeFormals.get());
    printSchema(out, "GraphFormalProperties", e.graphFormals.get());
    printSchema(out, "GraphVertexFormalProperties", e.graphLevelVertexFormals.get());
    printSchema(out, "GraphEdgeFormalProperties", e.graphLevelEdgeFormals.get());
    printSchema(out, "VertexViewFormalProperties", e.viewLevelVertexFormals.get());
    printSchema(out, "EdgeViewFormalProperties", e.viewLevelEdgeFormals.get());
    out << "extent: " << extent.cx << " x " << extent.cy << '\n';
    std::cout << out.str();
    return kExitOk;
}

const Verb kVerbs[] = {
    {"sample",
     "usage: ramulo sample N -o OUT\n"
     "Builds sample document N (0 empty, 1-4 sample trees) and writes it. The kind of OUT\n"
     "follows its extension: .nx (stream), .nxx or .xml (XML), .png, .svg or .pdf (drawing).\n",
     runSample},
    {"render",
     "usage: ramulo render IN -o OUT [--layout hierarchical|radial|force]\n"
     "                    [--rotate-right|--rotate-left|--flip-horizontal|--flip-vertical]...\n"
     "Loads IN, optionally arranges it, applies the transforms in the order given and draws\n"
     "the whole extent into OUT: .png (image), .svg (vector) or .pdf (printed, one screen\n"
     "pixel per millimetre, on one page of the drawing's size).\n",
     runRender},
    {"convert",
     "usage: ramulo convert IN OUT\n"
     "Loads IN and writes it to OUT in the format OUT's extension names: .nx is the stream\n"
     "format, .nxx, .xml and any other extension the XML format.\n",
     runConvert},
    {"info",
     "usage: ramulo info IN\n"
     "Prints the current graph's vertex and edge counts, the number of graphs in the\n"
     "document, the seven schemas with their property types in order, and the extent.\n",
     runInfo},
    {"call", kCallHelp, runCall},
    {"script", kScriptHelp, runScript},
};

}  // namespace

const Verb* findVerb(const std::string& name) {
    for (const Verb& v : kVerbs)
        if (name == v.name) return &v;
    return nullptr;
}
