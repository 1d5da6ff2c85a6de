// nx::View, nx::VertexView and nx::EdgeView: shared, reference-counted appearances.
#pragma once

#include <atomic>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "views/geometry.h"

class TiXmlElement;

namespace nx {

class ActualProperties;
class Edge;
class GraphView;
class Vertex;

// Describes one view parameter for a property editor.
struct ParameterDescriptor {
    enum Kind { Number = 0, Text = 2, YesNo = 3, Choice = 4, Colour = 5 };
    int kind = Number;
    std::string displayName;
    const char* const* choices = nullptr;  // null-terminated, or null when free
    std::string defaultValue;
};

class View {
public:
    View() = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    virtual ~View() = default;
    virtual const std::vector<ParameterDescriptor>& getParameterDescriptors() const = 0;
    virtual const std::vector<std::string>& getParameterValues() const { return parameterValues_; }
    // Both answer the new count; release() refuses to go below zero. The count is
    // atomic: documents on several threads hold the same shared views. Holders count
    // through nx::ViewRef rather than calling these.
    virtual std::size_t acquire();
    virtual std::size_t release();
    // Forgets cached property positions (after a schema changed).
    virtual void resetPropertyIndices() = 0;

    std::size_t referenceCount() const { return referenceCount_.load(); }
    // Position in the owning factory's list, set when the factory registers the view.
    unsigned id() const { return id_; }
    void setId(unsigned id) { id_ = id; }

protected:
    std::vector<std::string> parameterValues_;

private:
    std::atomic<std::size_t> referenceCount_{0};
    unsigned id_ = 0;
};

class VertexView : public View {
public:
    // Draws the vertex at its device position in the graph view.
    virtual void draw(Vertex* vertex, GraphView& view, ActualProperties* viewProperties) = 0;
    // The area the drawing may touch, labels included.
    virtual Rect getUpdateRectangle(Vertex* vertex, GraphView& view,
                                    ActualProperties* viewProperties) = 0;
    // The shape alone.
    virtual Rect getBoundingRectangle(Vertex* vertex, GraphView& view,
                                      ActualProperties* viewProperties) = 0;
    // The shape with its labels, the labels measured by the view's drawing tools as they
    // would be drawn (the shape alone when it has no tools or no labels).
    virtual Rect getLabelledRectangle(Vertex* vertex, GraphView& view,
                                      ActualProperties* viewProperties) {
        return getBoundingRectangle(vertex, view, viewProperties);
    }
    virtual Size getSize() const = 0;
    // Offset from the centre where a line in the given direction leaves the shape;
    // companion receives the neighbouring pixel for the second tone of an edge.
    virtual Point getContourPoint(const Point& direction, GraphView& view, Point& companion) = 0;
    virtual bool hitTest(const Point& centre, const Point& position) const = 0;
    virtual int getClassId() const = 0;
    // One record, without the line end.
    virtual void saveToStream(std::ostream& out) const = 0;
    virtual void saveToXml(TiXmlElement& element) const = 0;
};

class EdgeView : public View {
public:
    // Draws between the two device positions; when points is given it receives the
    // points of the main line.
    virtual void draw(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                      const Point& source, const Point& target, std::vector<Point>* points) = 0;
    virtual Rect getUpdateRectangle(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                                    const Point& source, const Point& target) = 0;
    // Takes both end positions from the graph view.
    virtual Rect getUpdateRectangle(Edge* edge, GraphView& view,
                                    ActualProperties* viewProperties) = 0;
    virtual bool hitTest(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                         const Point& source, const Point& target, const Point& p) = 0;
    virtual bool isNearStart(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                             const Point& source, const Point& target, const Point& p) = 0;
    virtual bool isNearEnd(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                           const Point& source, const Point& target, const Point& p) = 0;
    virtual int getClassId() const = 0;
    virtual void saveToStream(std::ostream& out) const = 0;
    virtual void saveToXml(TiXmlElement& element) const = 0;
};

}  // namespace nx
