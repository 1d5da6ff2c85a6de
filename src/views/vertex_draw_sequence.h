// nx::IVertexDrawSequence: changes to the order in which vertices are drawn.
#pragma once

namespace nx {

class Vertex;

class IVertexDrawSequence {
public:
    virtual void bringForward(Vertex* vertex) = 0;
    virtual void sendBackward(Vertex* vertex) = 0;
    virtual void bringToFront(Vertex* vertex) = 0;
    virtual void sendToBack(Vertex* vertex) = 0;

protected:
    ~IVertexDrawSequence() = default;
};

}  // namespace nx
