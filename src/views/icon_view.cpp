// Geometry, labels and records of nx::IconView.
#include "views/icon_view.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include <tinyxml.h>
#include <utf8.h>

#include "properties/named_properties.h"
#include "properties/string_property.h"
#include "properties/text_io.h"
#include "views/drawing_tools.h"
#include "views/error_texts.h"
#include "views/graph_view.h"
#include "views/outer_label_position.h"
#include "views/view_records.h"

namespace nx {

const char* const IconView::kPositionNames[] = {
    "N",         "NE",       "E",         "SE",       "S",         "SW",
    "W",         "NW",       "CENTER",    "N_INSIDE", "NE_INSIDE", "E_INSIDE",
    "SE_INSIDE", "S_INSIDE", "SW_INSIDE", "W_INSIDE", "NW_INSIDE", nullptr};

namespace {

constexpr int kPositionCount = 17;
constexpr int kLabelPointSize = 75;
const std::u16string kLabelFace = u"Tahoma";

std::string positionText(int code) {
    return code >= 0 && code < kPositionCount ? IconView::kPositionNames[code]
                                              : std::to_string(code);
}

std::string colorText(const RgbColor& c) {
    std::ostringstream out;
    out << c;
    return out.str();
}

RgbColor parseColor(const std::string& text) {
    RgbColor c;
    std::uint8_t* channels[] = {&c.red, &c.green, &c.blue};
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find(',', start) : text.size();
        std::int32_t value = -1;
        if (end == std::string::npos || !text::parseInt32(text.substr(start, end - start), value) ||
            value < 0 || value > 255)
            throw std::runtime_error(nx::error_texts::kFailedToReadRgbColor);
        *channels[i] = static_cast<std::uint8_t>(value);
        start = end + 1;
    }
    return c;
}

// A colour is red,green,blue; when the field separator is a comma it spans three fields.
RgbColor readColorField(std::istream& in) {
    std::string text = records::readField(in);
    for (int extra = 0; extra < 2 && std::count(text.begin(), text.end(), ',') < 2; ++extra)
        text += ',' + records::readField(in);
    return parseColor(text);
}

std::u16string fromUtf8(const std::string& text) {
    return utf8::utf8to16(text);
}
std::string toUtf8(const std::u16string& text) {
    return utf8::utf16to8(text);
}

}  // namespace

int IconView::positionFromName(const std::string& name) {
    for (int i = 0; kPositionNames[i]; ++i)
        if (name == kPositionNames[i]) return i;
    throw std::runtime_error(nx::error_texts::kUnknownIconTextPos);
}

IconView::IconView(const std::u16string& fileName, const std::u16string& iconName, int id,
                   int index, int size, const RgbColor& nameTextColor, int namePosition,
                   const RgbColor& weightTextColor, int weightPosition)
    : IconView(IconParameters{fileName, iconName, id, index, size, nameTextColor, namePosition,
                              weightTextColor, weightPosition}) {}

IconView::IconView(const IconParameters& p)
    : size_(p.size),
      nameTextColor_(p.nameTextColor),
      weightTextColor_(p.weightTextColor),
      namePosition_(p.namePosition),
      weightPosition_(p.weightPosition) {
    recordSource(icon_, p);
    const auto edge = static_cast<std::size_t>(iconSize());
    contour_ = std::make_unique<RectContour>(edge, edge);
    parameterValues_ = {
        toUtf8(icon_.fileName()),
        toUtf8(icon_.name()),
        std::to_string(icon_.id()),
        std::to_string(icon_.index()),
        std::to_string(icon_.getSize() < 1 ? kDefaultIconSize : icon_.getSize()),
        colorText(nameTextColor_),
        positionText(namePosition_),
        colorText(weightTextColor_),
        positionText(weightPosition_),
    };
    getParameterDescriptors();  // built on first construction
}

void IconView::recordSource(Icon& icon, const IconParameters& p) {
    // The index is not recorded: associated icons always use index 0.
    if (p.fileName.empty() && p.iconName.empty() && p.id >= 1 && p.size == 0) {
        icon.setResource(p.id);
    } else if (p.fileName.empty() && p.iconName.empty() && p.id > 0 && p.size > 0) {
        icon.setResource(p.id, p.size);
    } else if (!p.fileName.empty()) {
        icon.setFileWithSize(p.fileName, p.size);
    } else if (!p.iconName.empty()) {
        // A resource name alone is kept too, so it is drawn and survives saving.
        if (p.size > 0)
            icon.setResource(p.iconName, p.size);
        else
            icon.setResource(p.iconName);
    }
}

bool IconView::matches(const IconParameters& p) const {
    return p.fileName == icon_.fileName() && p.iconName == icon_.name() && p.id == icon_.id() &&
           p.index == icon_.index() && p.size == icon_.getSize() &&
           p.nameTextColor == nameTextColor_ && p.namePosition == namePosition_ &&
           p.weightTextColor == weightTextColor_ && p.weightPosition == weightPosition_;
}

const std::vector<ParameterDescriptor>& IconView::getParameterDescriptors() const {
    static const std::vector<ParameterDescriptor> table = {
        {ParameterDescriptor::Text, "File", nullptr, ""},
        {ParameterDescriptor::Text, "Name", nullptr, ""},
        {ParameterDescriptor::Number, "ID", nullptr, "0"},
        {ParameterDescriptor::Number, "Index", nullptr, "0"},
        {ParameterDescriptor::Number, "Size", nullptr, "32"},
        {ParameterDescriptor::Colour, "Name Text Color", nullptr, "0,0,0"},
        {ParameterDescriptor::Choice, "Name Position", kPositionNames, "NE"},
        {ParameterDescriptor::Colour, "Weight Text Color", nullptr, "0,0,0"},
        {ParameterDescriptor::Choice, "Weight Position", kPositionNames, "E"},
    };
    return table;
}

void IconView::resetPropertyIndices() {
    nameIndices_.reset();
    weightIndices_.reset();
}

int IconView::iconSize() const {
    // Size 0 asks for the default icon size, which is what gets drawn.
    return icon_.getSize() < 1 ? kDefaultIconSize : icon_.getSize();
}

IconGeometry IconView::geometry(const GraphView& view) const {
    return geometry(view.scaleX(), view.scaleY());
}

IconGeometry IconView::geometry(double sx, double sy) const {
    const int s = iconSize();
    IconGeometry g;
    if (sx == 1.0 && sy == 1.0) {
        g.halfWidth = g.halfHeight = s / 2;
        g.penUnit = 1;
        for (int k = 2; k <= 5; ++k) g.offsets[k - 2] = {k, k};
        return g;
    }
    g.halfWidth = static_cast<int>(s * sx * 0.5);
    g.halfHeight = static_cast<int>(s * sy * 0.5);
    g.penUnit = static_cast<int>(sx);
    for (int k = 2; k <= 5; ++k)
        g.offsets[k - 2] = {static_cast<int>(k * sx), static_cast<int>(k * sy)};
    return g;
}

void IconView::draw(Vertex* vertex, GraphView& view, ActualProperties* viewProperties) {
    const IconGeometry g = geometry(view);
    DrawingTools* tools = view.currentTools();
    if (!tools) return;
    const double sx = view.scaleX();
    const double sy = view.scaleY();
    const Point at = view.devicePosition(vertex, viewProperties);
    const int s = iconSize();
    int w = s;
    int h = s;
    if (sx != 1.0 || sy != 1.0) {
        w = static_cast<int>(s * sx);
        h = static_cast<int>(s * sy);
    }
    tools->drawIcon(
        icon_, {at.x - w / 2, at.y - h / 2},
        {static_cast<std::uint64_t>(std::max(w, 0)), static_cast<std::uint64_t>(std::max(h, 0))});

    // Only the name is written; icon views draw no weight.
    static const Name namePrototype;
    if (auto* name = static_cast<const Name*>(
            findLabelProperty(namePrototype, nameIndices_, *vertex, view.graph(), viewProperties));
        name && !name->get().empty()) {
        ScopedFont font(tools, kLabelFace, static_cast<int>(sx * kLabelPointSize));
        const Size size = tools->getTextSizeWithSelectedFont(name->get());
        tools->setPenColor(nameTextColor_);
        tools->drawTextWithSelectedFont(name->get(),
                                        getTextRectangle(g, at.x, at.y, size, namePosition_));
    }
}

Rect IconView::getBoundingRectangle(Vertex* vertex, GraphView& view,
                                    ActualProperties* viewProperties) {
    const IconGeometry g = geometry(view);
    const Point at = view.devicePosition(vertex, viewProperties);
    return {at.x - g.halfWidth, at.y - g.halfHeight, at.x + g.halfWidth, at.y + g.halfHeight};
}

Rect IconView::getLabelledRectangle(Vertex* vertex, GraphView& view,
                                    ActualProperties* viewProperties) {
    static const Name namePrototype;
    Rect r = getBoundingRectangle(vertex, view, viewProperties);
    DrawingTools* tools = view.drawingTools();
    if (!tools) return r;
    // Measured as draw() measures the name, the only label an icon shows.
    if (auto* name = static_cast<const Name*>(
            findLabelProperty(namePrototype, nameIndices_, *vertex, view.graph(), viewProperties));
        name && !name->get().empty()) {
        const IconGeometry g = geometry(view);
        const Point at = view.devicePosition(vertex, viewProperties);
        ScopedFont font(tools, kLabelFace, static_cast<int>(view.scaleX() * kLabelPointSize));
        const Size size = tools->getTextSizeWithSelectedFont(name->get());
        const Rect t = getTextRectangle(g, at.x, at.y, size, namePosition_);
        r = {std::min(r.left, t.left), std::min(r.top, t.top), std::max(r.right, t.right),
             std::max(r.bottom, t.bottom)};
    }
    return r;
}

Rect IconView::getUpdateRectangle(Vertex* vertex, GraphView& view,
                                  ActualProperties* viewProperties) {
    static const Name namePrototype;
    static const Weight weightPrototype;
    const Graph* graph = view.graph();
    return labelledUpdateRectangle(
        getBoundingRectangle(vertex, view, viewProperties),
        findLabelProperty(namePrototype, nameIndices_, *vertex, graph, viewProperties),
        findLabelProperty(weightPrototype, weightIndices_, *vertex, graph, viewProperties));
}

Size IconView::getSize() const {
    const auto s = static_cast<std::uint64_t>(iconSize());
    return {s, s};
}

Point IconView::getContourPoint(const Point& direction, GraphView& view, Point& companion) {
    Point point;
    contour_->getContourPoint(direction, point, companion, view.scaleX(), view.scaleY());
    return point;
}

bool IconView::hitTest(const Point& centre, const Point& position) const {
    const long long half = iconSize() / 2;
    return std::llabs(static_cast<long long>(position.x) - centre.x) <= half &&
           std::llabs(static_cast<long long>(position.y) - centre.y) <= half;
}

Rect IconView::getTextRectangle(const IconGeometry& g, int x, int y, const Size& text,
                                int position) const {
    const int tw = static_cast<int>(text.cx);
    const int th = static_cast<int>(text.cy);
    const int hw = g.halfWidth;
    const int hh = g.halfHeight;
    const int u = g.penUnit;
    const int o2y = g.offset(2).y;
    const int o4x = g.offset(4).x;
    const int o5y = g.offset(5).y;
    if (const std::optional<Rect> r =
            outerLabelRectangle({x, y, hw, hh, u, o2y, o4x, o5y}, text, position))
        return *r;
    switch (position) {
        case CENTER:
            return {x - tw / 2, y - th / 2, x + tw / 2 + u, y + th / 2 + u};
        case N_INSIDE:
            return {x - tw / 2, y - hh, x + tw / 2 + u, y - hh + o2y + th};
        case NE_INSIDE:
            return {x + hw - tw, y - hh, x + hw, y - hh + o2y + th};
        case E_INSIDE:
            return {x + hw - tw, y - th / 2, x + hw, y + th / 2 + u};
        case SE_INSIDE:
            return {x + hw - tw, y + hh - th, x + hw, y + hh + o2y};
        case S_INSIDE:
            return {x - tw / 2, y + hh - th, x + tw / 2 + u, y + hh + o2y};
        case SW_INSIDE:
            return {x - hw, y + hh - th, x - hw + tw, y + hh + o2y};
        case W_INSIDE:
            return {x - hw, y - th / 2, x - hw + tw, y + th / 2 + u};
        case NW_INSIDE:
            return {x - hw, y - hh, x - hw + tw, y - hh + o2y + th};
        default:
            throw std::runtime_error(nx::error_texts::kIconViewTextPosition);
    }
}

void IconView::saveToStream(std::ostream& out) const {
    const char sep = records::separator();
    out << getClassId() << sep << toUtf8(icon_.fileName()) << sep << toUtf8(icon_.name()) << sep
        << icon_.id() << sep << icon_.index() << sep << icon_.getSize() << sep << nameTextColor_
        << sep << namePosition_ << sep << weightTextColor_ << sep << weightPosition_ << sep << '#';
}

void IconView::saveToXml(TiXmlElement& element) const {
    element.SetAttribute("ClassId", getClassId());
    element.SetAttribute("ClassName", "IconView");
    records::appendTextChild(element, "FileName", toUtf8(icon_.fileName()));
    records::appendTextChild(element, "Name", toUtf8(icon_.name()));
    records::appendTextChild(element, "Id", std::to_string(icon_.id()));
    records::appendTextChild(element, "Index", std::to_string(icon_.index()));
    records::appendTextChild(element, "Size", std::to_string(icon_.getSize()));
    records::appendTextChild(element, "NameTextColor", colorText(nameTextColor_));
    records::appendTextChild(element, "NamePos", positionText(namePosition_));
    records::appendTextChild(element, "WeightTextColor", colorText(weightTextColor_));
    records::appendTextChild(element, "WeightPos", positionText(weightPosition_));
}

IconParameters IconParameters::readStream(std::istream& in, bool byName) {
    IconParameters p;
    p.fileName = fromUtf8(records::readField(in));
    p.iconName = fromUtf8(records::readField(in));
    p.id = records::readIntField(in);
    p.index = records::readIntField(in);
    p.size = records::readIntField(in);
    p.nameTextColor = readColorField(in);
    p.namePosition =
        byName ? IconView::positionFromName(records::readField(in)) : records::readIntField(in);
    p.weightTextColor = readColorField(in);
    p.weightPosition =
        byName ? IconView::positionFromName(records::readField(in)) : records::readIntField(in);
    records::readEndMark(in);
    return p;
}

IconParameters IconParameters::readXml(const records::ElementFields& element) {
    IconParameters p;
    std::string text;
    // The names may be empty: an element without text reads as empty.
    std::size_t at =
        records::nextTextChild(element, records::ElementFields::npos, "FileName", text, true);
    p.fileName = fromUtf8(text);
    at = records::nextTextChild(element, at, "Name", text, true);
    p.iconName = fromUtf8(text);
    at = records::nextTextChild(element, at, "Id", text);
    p.id = records::leadingInt(text);
    at = records::nextTextChild(element, at, "Index", text);
    p.index = records::leadingInt(text);
    at = records::nextTextChild(element, at, "Size", text);
    p.size = records::leadingInt(text);
    at = records::nextTextChild(element, at, "NameTextColor", text);
    p.nameTextColor = parseColor(text);
    at = records::nextTextChild(element, at, "NamePos", text);
    p.namePosition = IconView::positionFromName(text);
    at = records::nextTextChild(element, at, "WeightTextColor", text);
    p.weightTextColor = parseColor(text);
    records::nextTextChild(element, at, "WeightPos", text);
    p.weightPosition = IconView::positionFromName(text);
    return p;
}

}  // namespace nx
