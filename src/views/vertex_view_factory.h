// nx::VertexViewFactory: the process-wide owner of every vertex view, found by parameters.
#pragma once

#include <atomic>
#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "graph/mutex.h"
#include "views/dot_view.h"
#include "views/geometry.h"

class TiXmlElement;

namespace nx {

struct IconParameters;

class VertexViewFactory {
public:
    VertexViewFactory() = default;
    VertexViewFactory(const VertexViewFactory&) = delete;
    VertexViewFactory& operator=(const VertexViewFactory&) = delete;

    // Deletes every view it made, whatever their reference counts.
    virtual ~VertexViewFactory();
    virtual void saveToStream(std::ostream& out);
    // Sets "DefaultVertexViewId" and appends one "View" child per view, in id order.
    virtual void saveToXml(TiXmlElement& element);
    virtual void resetPropertyIndices();
    // Reads a section written by saveToStream; equal records merge into one view.
    virtual void loadFromStream(std::istream& in);
    // A view record; null for a class id this build cannot make.
    virtual VertexView* readView(std::istream& in);
    virtual VertexView* readView(const TiXmlElement& element);
    // A record whose colours and positions are written as names.
    virtual VertexView* readViewByName(std::istream& in);

    // Find-or-create; each answers a view acquired for the caller.
    VertexView* getSquareDotView(bool isFilled, int outerColor, int innerColor, int namePosition,
                                 int weightPosition, int size);
    VertexView* getCircleDotView(bool isFilled, int outerColor, int innerColor, int namePosition,
                                 int weightPosition, int size);
    VertexView* getDiamondDotView(bool isFilled, int outerColor, int innerColor, int namePosition,
                                  int weightPosition, int size);
    VertexView* getTriangleDotView(bool isFilled, int outerColor, int innerColor, int namePosition,
                                   int weightPosition, int size);
    VertexView* getIconView(const std::u16string& fileName, const std::u16string& iconName, int id,
                            int index, int size, const RgbColor& nameTextColor, int namePosition,
                            const RgbColor& weightTextColor, int weightPosition);
    VertexView* getIconView(const IconParameters& parameters);
    // Dispatches on the dot class id (1 square, 2 circle, 3 diamond, 4 triangle); null otherwise.
    VertexView* getDotView(int classId, const DotParameters& parameters);

    std::size_t size() const;
    // The view with that id, or null.
    VertexView* at(std::size_t id) const;
    int defaultViewId() const { return defaultViewId_.load(); }

private:
    VertexView* readRecord(std::istream& in, bool byName);

    std::vector<VertexView*> views_;
    std::atomic<int> defaultViewId_{0};
    // Guards the list: every walk and every registration holds it, so documents on
    // several threads may share the factory.
    mutable Mutex mutex_;
};

// The process-wide factory, created on first use and destroyed at exit.
VertexViewFactory& vertexViewFactory();

}  // namespace nx
