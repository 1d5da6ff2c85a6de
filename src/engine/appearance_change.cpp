// AppearanceChange: swapping view objects with their references kept right.
#include "engine/appearance_change.h"

#include "views/graph_view.h"
#include "views/view.h"

namespace ramulo {

nx::View* AppearanceChange::current(const Target& t) {
    if (t.vertex) return t.view->findVertexView(t.vertex);
    if (t.edge) return t.view->findEdgeEntry(t.edge).view;
    return t.edges ? static_cast<nx::View*>(t.view->storedDefaultEdgeView())
                   : static_cast<nx::View*>(t.view->storedDefaultVertexView());
}

AppearanceChange::AppearanceChange(const Target& target, nx::ViewRef<nx::View> before)
    : target_(target), other_(std::move(before)) {}

AppearanceChange::~AppearanceChange() = default;

void AppearanceChange::swapWithTarget() {
    nx::ViewRef<nx::View> now(current(target_));
    if (target_.vertex)
        target_.view->setVertexView(target_.vertex,
                                    nx::staticViewCast<nx::VertexView>(std::move(other_)));
    else if (target_.edge)
        target_.view->setEdgeView(target_.edge,
                                  nx::staticViewCast<nx::EdgeView>(std::move(other_)));
    else if (target_.edges)
        target_.view->setDefaultEdgeView(nx::staticViewCast<nx::EdgeView>(std::move(other_)));
    else
        target_.view->setDefaultVertexView(nx::staticViewCast<nx::VertexView>(std::move(other_)));
    other_ = std::move(now);
    target_.view->rebuildSelection();
}

}  // namespace ramulo
