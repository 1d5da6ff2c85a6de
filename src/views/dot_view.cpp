// Shared geometry, labels and records of the dot vertex views.
#include "views/dot_view.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include <tinyxml.h>

#include "properties/named_properties.h"
#include "properties/string_property.h"
#include "views/drawing_tools.h"
#include "views/error_texts.h"
#include "views/graph_view.h"
#include "views/outer_label_position.h"
#include "views/view_records.h"

namespace nx {

const char* const DotView::kColorNames[] = {"Blue", "Red", "Green", "Yellow", "Gray", nullptr};
const char* const DotView::kPositionNames[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW", nullptr};

namespace {

struct Tones {
    RgbColor light, medium, dark;
};

constexpr Tones kTones[] = {
    {{184, 184, 255}, {130, 130, 255}, {82, 82, 255}},
    {{255, 184, 148}, {245, 130, 108}, {212, 82, 64}},
    {{128, 224, 72}, {86, 196, 36}, {24, 128, 12}},
    {{255, 228, 130}, {245, 196, 84}, {208, 148, 36}},
    {{204, 204, 204}, {130, 130, 130}, {82, 82, 82}},
};

constexpr double kBevelSteps[] = {1.7, 2.7, 3.7, 4.7, 5.7};
constexpr int kLabelPointSize = 75;
const std::u16string kLabelFace = u"Tahoma";

int indexOfName(const char* const* names, const std::string& name) {
    for (int i = 0; names[i]; ++i)
        if (name == names[i]) return i;
    return -1;
}

const std::string& nameOrNumber(const char* const* names, int count, int code,
                                std::string& scratch) {
    scratch = code >= 0 && code < count ? names[code] : std::to_string(code);
    return scratch;
}

}  // namespace

int DotView::colorFromName(const std::string& name) {
    const int code = indexOfName(kColorNames, name);
    if (code < 0) throw std::runtime_error(nx::error_texts::kUnknownDotColor);
    return code;
}

int DotView::positionFromName(const std::string& name) {
    const int code = indexOfName(kPositionNames, name);
    if (code < 0) throw std::runtime_error(nx::error_texts::kUnknownDotTextPos);
    return code;
}

DotView::DotView(const DotParameters& p) : parameters_(p) {
    auto valid = [](int code) { return code >= 0 && code <= 4; };
    if (!valid(p.outerColor) || !valid(p.innerColor))
        throw std::runtime_error(nx::error_texts::kDotViewIncorrectColor);
    outerLight_ = kTones[p.outerColor].light;
    outerDark_ = kTones[p.outerColor].dark;
    innerLight_ = kTones[p.innerColor].light;
    innerMedium_ = kTones[p.innerColor].medium;
    innerDark_ = kTones[p.innerColor].dark;
    std::string scratch;
    parameterValues_ = {
        p.isFilled ? "True" : "False",
        kColorNames[p.outerColor],
        kColorNames[p.innerColor],
        nameOrNumber(kPositionNames, 8, p.namePosition, scratch),
        nameOrNumber(kPositionNames, 8, p.weightPosition, scratch),
        std::to_string(p.size),
    };
    getParameterDescriptors();  // built on first construction
}

const std::vector<ParameterDescriptor>& DotView::getParameterDescriptors() const {
    static const std::vector<ParameterDescriptor> table = {
        {ParameterDescriptor::YesNo, "Is Filled", nullptr, "False"},
        {ParameterDescriptor::Choice, "Color", kColorNames, "Gray"},
        {ParameterDescriptor::Choice, "Inner Color", kColorNames, "Gray"},
        {ParameterDescriptor::Choice, "Name Position", kPositionNames, "NE"},
        {ParameterDescriptor::Choice, "Weight Position", kPositionNames, "E"},
        {ParameterDescriptor::Number, "Size", nullptr, "9"},
    };
    return table;
}

void DotView::resetPropertyIndices() {
    nameIndices_.reset();
    weightIndices_.reset();
}

DotGeometry DotView::geometry(const GraphView& view) const {
    return geometry(view.scaleX(), view.scaleY());
}

DotGeometry DotView::geometry(double sx, double sy) const {
    const int size = parameters_.size;
    DotGeometry g;
    if (sx == 1.0 && sy == 1.0) {
        g.halfWidth = g.halfHeight = size;
        g.penUnit = 1;
        for (int k = 2; k <= 6; ++k) {
            g.offsets[k - 2] = {k, k};
            g.bevels[k - 2] = {k, k};
        }
        return g;
    }
    g.halfWidth = scaled(size, sx);
    g.halfHeight = scaled(size, sy);
    g.penUnit = static_cast<int>(sx);
    for (int k = 2; k <= 6; ++k) g.offsets[k - 2] = {scaled(k, sx), scaled(k, sy)};
    for (int i = 0; i < 5; ++i)
        g.bevels[i] = {scaled(kBevelSteps[i], sx), scaled(kBevelSteps[i], sy)};
    return g;
}

Rect DotView::shapeBounds(const DotGeometry& g, int x, int y) const {
    return {x - g.halfWidth, y - g.halfHeight, x + g.halfWidth, y + g.halfHeight};
}

void DotView::draw(Vertex* vertex, GraphView& view, ActualProperties* viewProperties) {
    const DotGeometry g = geometry(view);
    DrawingTools* tools = view.currentTools();
    if (!tools) return;
    const Point at = view.devicePosition(vertex, viewProperties);
    // Shape and fill reselect the pen as colours change and release it once.
    drawShape(*tools, g, at.x, at.y);
    if (parameters_.isFilled && parameters_.size >= 3) {
        tools->penWidth = g.penUnit;
        drawFill(*tools, g, at.x, at.y);
    }
    tools->releasePen();
    drawLabels(*tools, g, vertex, view, viewProperties, at.x, at.y, view.scaleX());
}

void DotView::drawLabels(DrawingTools& tools, const DotGeometry& g, Vertex* vertex, GraphView& view,
                         ActualProperties* viewProperties, int x, int y, double sx) {
    static const Name namePrototype;
    static const Weight weightPrototype;
    const int pointSize = scaled(kLabelPointSize, sx);
    const Graph* graph = view.graph();
    if (auto* name = static_cast<const Name*>(
            findLabelProperty(namePrototype, nameIndices_, *vertex, graph, viewProperties));
        name && !name->get().empty()) {
        ScopedFont font(&tools, kLabelFace, pointSize);
        const Size size = tools.getTextSizeWithSelectedFont(name->get());
        tools.setPenColor(outerDark_);
        tools.drawTextWithSelectedFont(name->get(),
                                       getTextRectangle(g, x, y, size, parameters_.namePosition));
    }
    if (const Property* weight =
            findLabelProperty(weightPrototype, weightIndices_, *vertex, graph, viewProperties)) {
        std::u16string text = labelText(*weight);
        text.insert(text.begin(), u'(');
        text.push_back(u')');
        const Size size = tools.getTextSize(text, kLabelFace, pointSize);
        tools.setPenColor(innerDark_);
        tools.drawText(text, kLabelFace, pointSize,
                       getTextRectangle(g, x, y, size, parameters_.weightPosition));
    }
}

Rect DotView::getBoundingRectangle(Vertex* vertex, GraphView& view,
                                   ActualProperties* viewProperties) {
    const Point at = view.devicePosition(vertex, viewProperties);
    return shapeBounds(geometry(view), at.x, at.y);
}

Rect DotView::getLabelledRectangle(Vertex* vertex, GraphView& view,
                                   ActualProperties* viewProperties) {
    static const Name namePrototype;
    static const Weight weightPrototype;
    const DotGeometry g = geometry(view);
    const Point at = view.devicePosition(vertex, viewProperties);
    Rect r = shapeBounds(g, at.x, at.y);
    DrawingTools* tools = view.drawingTools();
    if (!tools) return r;
    auto add = [&r](const Rect& t) {
        r = {std::min(r.left, t.left), std::min(r.top, t.top), std::max(r.right, t.right),
             std::max(r.bottom, t.bottom)};
    };
    // Measured as drawLabels measures them.
    const int pointSize = scaled(kLabelPointSize, view.scaleX());
    const Graph* graph = view.graph();
    if (auto* name = static_cast<const Name*>(
            findLabelProperty(namePrototype, nameIndices_, *vertex, graph, viewProperties));
        name && !name->get().empty()) {
        ScopedFont font(tools, kLabelFace, pointSize);
        const Size size = tools->getTextSizeWithSelectedFont(name->get());
        add(getTextRectangle(g, at.x, at.y, size, parameters_.namePosition));
    }
    if (const Property* weight =
            findLabelProperty(weightPrototype, weightIndices_, *vertex, graph, viewProperties)) {
        std::u16string text = labelText(*weight);
        text.insert(text.begin(), u'(');
        text.push_back(u')');
        const Size size = tools->getTextSize(text, kLabelFace, pointSize);
        add(getTextRectangle(g, at.x, at.y, size, parameters_.weightPosition));
    }
    return r;
}

Rect DotView::getUpdateRectangle(Vertex* vertex, GraphView& view,
                                 ActualProperties* viewProperties) {
    static const Name namePrototype;
    static const Weight weightPrototype;
    const Graph* graph = view.graph();
    return labelledUpdateRectangle(
        getBoundingRectangle(vertex, view, viewProperties),
        findLabelProperty(namePrototype, nameIndices_, *vertex, graph, viewProperties),
        findLabelProperty(weightPrototype, weightIndices_, *vertex, graph, viewProperties));
}

Size DotView::getSize() const {
    const auto side = static_cast<std::uint64_t>(2 * parameters_.size);
    return {side, side};
}

Point DotView::getContourPoint(const Point& d, GraphView& view, Point& companion) {
    const DotGeometry g = geometry(view);
    const int hw = g.halfWidth + 1;
    const int hh = g.halfHeight + 1;
    if (d.x == 0 && d.y == 0) {
        companion = {hw, hh};
        return companion;
    }
    if (std::abs(d.y) < std::abs(d.x)) {
        const int px = d.x <= 0 ? -hw : hw;
        const int py = static_cast<int>(static_cast<long long>(d.y) * px / d.x);
        companion = {px, py + 1};
        return {px, py};
    }
    const int py = d.y <= 0 ? -hh : hh;
    const int px = static_cast<int>(static_cast<long long>(d.x) * py / d.y);
    const bool right = d.x == 0 || (d.x < 0 && d.y > 0) || (d.x > 0 && d.y <= 0);
    companion = {right ? px + 1 : px - 1, py};
    return {px, py};
}

bool DotView::hitTest(const Point& centre, const Point& position) const {
    return std::abs(static_cast<long long>(position.x) - centre.x) <= parameters_.size &&
           std::abs(static_cast<long long>(position.y) - centre.y) <= parameters_.size;
}

Rect DotView::getTextRectangle(const DotGeometry& g, int x, int y, const Size& text,
                               int position) const {
    const LabelFrame frame{
        x, y, g.halfWidth, g.halfHeight, g.penUnit, g.offset(2).y, g.offset(4).x, g.offset(5).y};
    if (const std::optional<Rect> r = outerLabelRectangle(frame, text, position)) return *r;
    throw std::runtime_error(nx::error_texts::kDotViewTextPosition);
}

void DotView::saveToStream(std::ostream& out) const {
    const char sep = records::separator();
    const DotParameters& p = parameters_;
    out << getClassId() << sep << (p.isFilled ? 1 : 0) << sep << p.outerColor << sep << p.innerColor
        << sep << p.namePosition << sep << p.weightPosition << sep << p.size << sep << '#';
}

void DotView::saveToXml(TiXmlElement& element) const {
    element.SetAttribute("ClassId", getClassId());
    element.SetAttribute("ClassName", className());
    for (const auto& [child, value] : {std::pair{"IsFilled", 0},
                                       {"Color", 1},
                                       {"InnerColor", 2},
                                       {"NamePos", 3},
                                       {"WeightPos", 4},
                                       {"Size", 5}})
        records::appendTextChild(element, child, parameterValues_[value]);
}

DotParameters DotParameters::readStream(std::istream& in, bool byName) {
    DotParameters p;
    p.isFilled = records::readIntField(in) != 0;
    if (byName) {
        p.outerColor = DotView::colorFromName(records::readField(in));
        p.innerColor = DotView::colorFromName(records::readField(in));
        p.namePosition = DotView::positionFromName(records::readField(in));
        p.weightPosition = DotView::positionFromName(records::readField(in));
    } else {
        p.outerColor = records::readIntField(in);
        p.innerColor = records::readIntField(in);
        p.namePosition = records::readIntField(in);
        p.weightPosition = records::readIntField(in);
    }
    p.size = records::readIntField(in);
    records::readEndMark(in);
    return p;
}

DotParameters DotParameters::readXml(const records::ElementFields& element) {
    DotParameters p;
    std::string text;
    std::size_t at =
        records::nextTextChild(element, records::ElementFields::npos, "IsFilled", text);
    p.isFilled = text != "False";
    at = records::nextTextChild(element, at, "Color", text);
    p.outerColor = DotView::colorFromName(text);
    at = records::nextTextChild(element, at, "InnerColor", text);
    p.innerColor = DotView::colorFromName(text);
    at = records::nextTextChild(element, at, "NamePos", text);
    p.namePosition = DotView::positionFromName(text);
    at = records::nextTextChild(element, at, "WeightPos", text);
    p.weightPosition = DotView::positionFromName(text);
    records::nextTextChild(element, at, "Size", text);
    p.size = records::leadingInt(text);
    return p;
}

}  // namespace nx
