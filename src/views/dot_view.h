// nx::DotView: a bevelled dot of one of four shapes with its name and weight labels.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "views/element_fields.h"
#include "views/label_properties.h"
#include "views/view.h"

namespace nx {

class DrawingTools;

// The six parameters shared by every dot shape.
struct DotParameters {
    bool isFilled = false;
    int outerColor = 4;
    int innerColor = 4;
    int namePosition = 1;
    int weightPosition = 2;
    int size = 9;

    friend bool operator==(const DotParameters&, const DotParameters&) = default;

    // The fields of a stream record after its class id, end mark included; byName reads
    // the colours and positions as names.
    static DotParameters readStream(std::istream& in, bool byName);
    // The six child elements, each looked for after the previous one.
    static DotParameters readXml(const records::ElementFields& element);
};

// The scaled sizes one drawing or query works with. Computed per call from the graph
// view's scale, so a view shared by documents on several threads keeps no drawing state.
struct DotGeometry {
    int halfWidth = 0;
    int halfHeight = 0;
    int penUnit = 1;
    Point offsets[5];
    Point bevels[5];

    // Plain offset of k pixels (k = 2..6) and bevel step i (1..5 for 1.7..5.7), scaled.
    Point offset(int k) const { return offsets[k - 2]; }
    Point bevel(int i) const { return bevels[i - 1]; }
    // Short forms for the shape formulas.
    Point o(int k) const { return offset(k); }
    Point b(int i) const { return bevel(i); }
};

class DotView : public VertexView {
public:
    enum DotColor { Blue = 0, Red = 1, Green = 2, Yellow = 3, Gray = 4 };
    enum DotTextPos { N = 0, NE, E, SE, S, SW, W, NW };

    static const char* const kColorNames[];     // null-terminated
    static const char* const kPositionNames[];  // null-terminated
    // Exact, case-sensitive; unknown names throw.
    static int colorFromName(const std::string& name);
    static int positionFromName(const std::string& name);

    // Throws for a colour code outside 0..4.
    explicit DotView(const DotParameters& parameters);

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
    void saveToStream(std::ostream& out) const override;
    void saveToXml(TiXmlElement& element) const override;

    // Rectangle of a label of the given size at a text position.
    Rect getTextRectangle(const DotGeometry& g, int x, int y, const Size& text, int position) const;

    const DotParameters& parameters() const { return parameters_; }

    // The geometry at the graph view's print scale, or at the given scales.
    DotGeometry geometry(const GraphView& view) const;
    DotGeometry geometry(double scaleX, double scaleY) const;

protected:
    virtual const char* className() const = 0;
    virtual void drawShape(DrawingTools& tools, const DotGeometry& g, int x, int y) const = 0;
    // Called only for filled dots of size 3 and above.
    virtual void drawFill(DrawingTools& tools, const DotGeometry& g, int x, int y) const = 0;
    // The shape's rectangle around the device position.
    virtual Rect shapeBounds(const DotGeometry& g, int x, int y) const;

    DotParameters parameters_;
    RgbColor outerLight_, outerDark_, innerLight_, innerMedium_, innerDark_;

private:
    void drawLabels(DrawingTools& tools, const DotGeometry& g, Vertex* vertex, GraphView& view,
                    ActualProperties* viewProperties, int x, int y, double sx);

    PropertyIndexCache nameIndices_;
    PropertyIndexCache weightIndices_;
};

// Truncating product of an integer and a scale, as all scaled geometry uses.
inline int scaled(double value, double scale) {
    return static_cast<int>(value * scale);
}

}  // namespace nx
