// The document verbs: sample, render, convert and info.
#include "verbs.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "call_verb.h"
#include "document.h"
#include "formats.h"
#include "graph/space.h"
#include "image_limit.h"
#include "properties/formal_properties.h"
#include "properties/property.h"
#include "render.h"
#include "script_verb.h"

void progress(const std::string& text) {
    std::fprintf(stderr, "ramulo: %s\n", text.c_str());
}

void writeOutput(Document& doc, const std::string& path, const RenderChoice& choice) {
    if (isRenderTarget(path)) {
        progress("drawing " + path);
        renderDocument(doc, path, choice);
    } else {
        progress("writing " + path);
        if (!writeGraphFile(doc, path)) doc.save(path);
    }
}

namespace {

// Positional arguments, "-o OUT", "--layout NAME", the transform switches in order and the
// drawing options; "--max-pixels N" takes effect at once.
struct Arguments {
    std::vector<std::string> positional;
    std::string output;
    std::string layout;
    InputChoice input;
    std::string layeredLimit;
    std::vector<std::string> transforms;
    RenderChoice render;
};

bool isTransform(const std::string& a) {
    return a == "--rotate-right" || a == "--rotate-left" || a == "--flip-horizontal" ||
           a == "--flip-vertical";
}

Arguments parse(const std::vector<std::string>& args, bool arrangeOptions,
                bool drawOptions = false) {
    Arguments out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "-o" || a == "--output")
            out.output = value();
        else if (drawOptions && parseRenderOption(args, i, out.render))
            continue;
        else if (a == "--max-pixels")
            setMaxImagePixels(parsePixelCount(value()));
        else if (arrangeOptions && a == "--layout")
            out.layout = value();
        else if (arrangeOptions && a == "--layered-limit")
            out.layeredLimit = value();
        else if (a == "--from")
            out.input.format = value();
        else if (a == "--header")
            out.input.header = value();
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

void loadInput(Document& doc, const std::string& path, const InputChoice& input,
               bool arrange = true) {
    progress("loading " + path);
    loadDocumentFile(doc, path, input, arrange);
}

int runSample(const std::vector<std::string>& args) {
    const Arguments a = parse(args, false, true);
    expectPositional(a, 1);
    if (a.output.empty()) throw UsageError("missing -o OUT");
    if (!isRenderTarget(a.output)) checkDocumentTarget(a.output, "png, svg, pdf");
    const std::string& n = a.positional[0];
    unsigned id = 0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), id);
    if (ec != std::errc() || end != n.data() + n.size() || id > 4)
        throw UsageError("the sample number must be 0, 1, 2, 3 or 4, not '" + n + "'");
    Document doc;
    progress("building sample document " + n);
    doc.buildSample(static_cast<std::uint16_t>(id));
    writeOutput(doc, a.output, a.render);
    return kExitOk;
}

std::uint32_t layeredLimitOf(const std::string& text) {
    std::uint32_t limit = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), limit);
    if (ec != std::errc() || end != text.data() + text.size() || limit == 0)
        throw UsageError("--layered-limit needs a positive number of vertices, not '" + text + "'");
    return limit;
}

bool arrange(ramulo::ControlEngine& engine, const std::string& layout) {
    progress("arranging (" + layout + ")");
    if (layout == "hierarchical") return engine.HierarchicalLayout();
    if (layout == "radial") return engine.RadialLayout();
    if (layout == "force") return engine.ForceDirectedLayout();
    if (layout == "layered") return engine.LayeredLayout();
    throw UsageError("unknown layout '" + layout + "' (hierarchical, radial, force or layered)");
}

void transform(ramulo::ControlEngine& engine, const std::string& t) {
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
    const Arguments a = parse(args, true, true);
    expectPositional(a, 1);
    if (a.output.empty()) throw UsageError("missing -o OUT");
    if (!isRenderTarget(a.output)) throw UsageError("OUT must end in .png, .svg or .pdf");
    if (!a.layout.empty() && a.layout != "hierarchical" && a.layout != "radial" &&
        a.layout != "force" && a.layout != "layered")
        throw UsageError("unknown layout '" + a.layout +
                         "' (hierarchical, radial, force or layered)");
    auto owned = std::make_unique<Document>();
    Document& doc = *owned;
    if (!a.layeredLimit.empty()) doc.engine().setLayeredLayoutLimit(layeredLimitOf(a.layeredLimit));
    // A layout asked for replaces whatever the import would arrange.
    loadInput(doc, a.positional[0], a.input, a.layout.empty());
    // The engine has already shown the layout's own message on stderr.
    if (!a.layout.empty() && !arrange(doc.engine(), a.layout))
        throw std::runtime_error("the " + a.layout + " layout failed");
    for (const std::string& t : a.transforms) transform(doc.engine(), t);
    writeOutput(doc, a.output, a.render);
    endWithProcess(std::move(owned));
    return kExitOk;
}

int runConvert(const std::vector<std::string>& args) {
    const Arguments a = parse(args, false);
    std::vector<std::string> files = a.positional;
    if (!a.output.empty()) files.push_back(a.output);
    if (files.size() != 2) throw UsageError("convert needs IN and OUT");
    checkDocumentTarget(files[1]);
    auto doc = std::make_unique<Document>();
    loadInput(*doc, files[0], a.input);
    progress("writing " + files[1]);
    if (!writeGraphFile(*doc, files[1])) doc->save(files[1]);
    endWithProcess(std::move(doc));
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
    auto doc = std::make_unique<Document>();
    loadDocumentFile(*doc, a.positional[0], a.input);
    ramulo::ControlEngine& e = doc->engine();
    const nx::Size extent = e.GetExtent();
    std::ostringstream out;
    out << "vertices: " << e.GetVertexCount(0) << '\n'
        << "edges: " << e.GetEdgeCount(0) << '\n'
        << "graphs: " << e.space()->graphFactory().size() << '\n';
    printSchema(out, "VertexFormalProperties", e.spaceLevelVertexFormals());
    printSchema(out, "EdgeFormalProperties", e.spaceLevelEdgeFormals());
    printSchema(out, "GraphFormalProperties", e.graphFormals());
    printSchema(out, "GraphVertexFormalProperties", e.graphLevelVertexFormals());
    printSchema(out, "GraphEdgeFormalProperties", e.graphLevelEdgeFormals());
    printSchema(out, "VertexViewFormalProperties", e.viewLevelVertexFormals());
    printSchema(out, "EdgeViewFormalProperties", e.viewLevelEdgeFormals());
    out << "extent: " << extent.cx << " x " << extent.cy << '\n';
    std::cout << out.str();
    endWithProcess(std::move(doc));
    return kExitOk;
}

const Verb kVerbs[] = {
    {"sample",
     "usage: ramulo sample N -o OUT [drawing options]\n"
     "Builds sample document N (0 empty, 1-4 sample trees) and writes it. The kind of OUT\n"
     "follows its extension: .nx (stream), .nxx or .xml (XML), .png, .svg or .pdf (drawing),\n"
     ".graphml, .dot, .gv, .csv, .tsv or .json (graph file).\n"
     "Drawing options:\n" RAMULO_RENDER_OPTIONS_HELP,
     runSample},
    {"render",
     "usage: ramulo render IN -o OUT [--from FORMAT] [--header yes|no]\n"
     "                    [--layout hierarchical|radial|force|layered] [--layered-limit N]\n"
     "                    [--rotate-right|--rotate-left|--flip-horizontal|--flip-vertical]...\n"
     "                    [drawing options]\n"
     "Loads IN, optionally arranges it, applies the transforms in the order given and draws\n"
     "the whole extent into OUT: .png (image), .svg (vector) or .pdf (printed, one screen\n"
     "pixel per millimetre, on one page of the drawing's size unless --page, --fit or\n"
     "--tiles choose paper).\n"
     "IN may be a document (.nx, .nxx, .xml) or a graph file (.graphml, .dot, .gv, .csv,\n"
     ".tsv, .json; or name the format with --from). The layered layout (Graphviz's dot)\n"
     "arranges any directed graph; it refuses more than 5000 vertices unless\n"
     "--layered-limit raises the limit.\n"
     "Drawing options:\n" RAMULO_RENDER_OPTIONS_HELP,
     runRender},
    {"convert",
     "usage: ramulo convert IN OUT [--from FORMAT] [--header yes|no]\n"
     "Loads IN and writes it to OUT in the format OUT's extension names: .nx (stream),\n"
     ".nxx or .xml (XML), .graphml (GraphML with yEd geometry), .dot or .gv (DOT with pos\n"
     "in points), .csv or .tsv (edge list), .json (Cytoscape elements). IN may be any of\n"
     "them; --from FORMAT (graphml, dot, csv, tsv, json, nx, nxx) overrides its extension.\n"
     "An edge list's first row is taken as a header when it names a source and a target\n"
     "column; --header yes or no says so instead.\n"
     "Attributes without a place in the document are reported as warnings.\n",
     runConvert},
    {"info",
     "usage: ramulo info IN [--from FORMAT] [--header yes|no]\n"
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
