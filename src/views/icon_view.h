// nx::IconView: a vertex drawn as an icon with its name beside or inside it.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "views/contour.h"
#include "views/element_fields.h"
#include "views/icon.h"
#include "views/label_properties.h"
#include "views/view.h"

class TiXmlElement;

namespace nx {

// The nine parameters an icon view is asked for and recorded by.
struct IconParameters {
    std::u16string fileName;
    std::u16string iconName;
    int id = 0;
    int index = -1;
    int size = 32;
    RgbColor nameTextColor;
    int namePosition = 1;
    RgbColor weightTextColor;
    int weightPosition = 2;

    // The fields of a stream record after its class id, end mark included; byName reads
    // the positions as names.
    static IconParameters readStream(std::istream& in, bool byName);
    // The nine child elements, each looked for after the previous one.
    static IconParameters readXml(const records::ElementFields& element);
};

// The scaled sizes one drawing or query works with, computed per call (see DotGeometry).
struct IconGeometry {
    int halfWidth = 0;
    int halfHeight = 0;
    int penUnit = 1;
    Point offsets[4];

    // Scaled offset of k pixels, k = 2..5.
    Point offset(int k) const { return offsets[k - 2]; }
};

class IconView : public VertexView {
public:
    enum IconTextPos {
        N = 0,
        NE,
        E,
        SE,
        S,
        SW,
        W,
        NW,
        CENTER,
        N_INSIDE,
        NE_INSIDE,
        E_INSIDE,
        SE_INSIDE,
        S_INSIDE,
        SW_INSIDE,
        W_INSIDE,
        NW_INSIDE
    };
    static const char* const kPositionNames[];  // null-terminated
    // Exact, case-sensitive; unknown names throw.
    static int positionFromName(const std::string& name);
    // Edge of an icon whose size is 0 ("the default size").
    static constexpr int kDefaultIconSize = 32;

    IconView(const std::u16string& fileName, const std::u16string& iconName, int id, int index,
             int size, const RgbColor& nameTextColor, int namePosition,
             const RgbColor& weightTextColor, int weightPosition);
    explicit IconView(const IconParameters& p);

    const std::vector<ParameterDescriptor>& getParameterDescriptors() const override;
    void resetPropertyIndices() override;
    void draw(Vertex* vertex, GraphView& view, ActualProperties* viewProperties) override;
    Rect getUpdateRectangle(Vertex* vertex, GraphView& view,
                            ActualProperties* viewProperties) override;
    Rect getBoundingRectangle(Vertex* vertex, GraphView& view,
                              ActualProperties* viewProperties) override;
    Rect getLabelledRectangle(Vertex* vertex, GraphView& view,
                              ActualProperties* viewProperties) override;
    Size getSize() const override;
    Point getContourPoint(const Point& direction, GraphView& view, Point& companion) override;
    bool hitTest(const Point& centre, const Point& position) const override;
    int getClassId() const override { return 5; }
    void saveToStream(std::ostream& out) const override;
    void saveToXml(TiXmlElement& element) const override;

    // Rectangle of a label of the given size at a text position.
    Rect getTextRectangle(const IconGeometry& g, int x, int y, const Size& text,
                          int position) const;
    // The geometry at the graph view's print scale, or at the given scales.
    IconGeometry geometry(const GraphView& view) const;
    IconGeometry geometry(double scaleX, double scaleY) const;

    // Whether a request with these parameters is answered by this view: the source as the
    // icon recorded it, the icon's size and the four label parameters.
    bool matches(const IconParameters& p) const;

    Icon& icon() { return icon_; }
    const Icon& icon() const { return icon_; }
    const RectContour& contour() const { return *contour_; }
    // The icon's edge in pixels at scale 1.
    int iconSize() const;
    int size() const { return size_; }
    const RgbColor& nameTextColor() const { return nameTextColor_; }
    const RgbColor& weightTextColor() const { return weightTextColor_; }
    int namePosition() const { return namePosition_; }
    int weightPosition() const { return weightPosition_; }

private:
    static void recordSource(Icon& icon, const IconParameters& p);

    Icon icon_;
    int size_;
    PropertyIndexCache nameIndices_;
    PropertyIndexCache weightIndices_;
    RgbColor nameTextColor_;
    RgbColor weightTextColor_;
    int namePosition_;
    int weightPosition_;
    std::unique_ptr<RectContour> contour_;
};

}  // namespace nx
