// AppearanceChange: swapping view objects with their references kept right.
#include "engine/appearance_change.h"

#include "views/graph_view.h"
#include "views/view.h"

nx::View* AppearanceChange::current(const Target& t) {
    if (t.vertex) return t.view->findVertexView(t.vertex);
    if (t.edge) return t.view->findEdgeEntry(t.edge).view;
    return t.edges ? static_cast<nx::View*>(t.view->storedDefaultEdgeView())
                   : static_cast<nx::View*>(t.view->storedDefaultVertexView());
}

AppearanceChange::AppearanceChange(const Target& target, nx::View* before)
    : target_(target), other_(before) {}

AppearanceChange::~AppearanceChange() {
    if (other_) other_->release();
}

void AppearanceChange::swapWithTarget() {
    nx::View* now = current(target_);
    if (now) now->acquire();
    // Each setter takes over the reference handed to it and releases the one it held.
    if (target_.vertex)
        target_.view->setVertexView(target_.vertex, static_cast<nx::VertexView*>(other_));
    else if (target_.edge)
        target_.view->setEdgeView(target_.edge, static_cast<nx::EdgeView*>(other_));
    else if (target_.edges)
        target_.view->setDefaultEdgeView(static_cast<nx::EdgeView*>(other_));
    else
        target_.view->setDefaultVertexView(static_cast<nx::VertexView*>(other_));
    other_ = now;
    target_.view->rebuildSelection();
}
