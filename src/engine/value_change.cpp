// ValueChange: swapping the kept value with the one in place.
#include "engine/value_change.h"

#include "properties/property.h"
#include "views/graph_view.h"

namespace ramulo {

ValueChange::ValueChange(nx::Property& target, std::unique_ptr<nx::Property> before,
                         nx::GraphView* view)
    : target_(target), other_(std::move(before)), view_(view) {}

ValueChange::~ValueChange() = default;

void ValueChange::swapWithTarget() {
    std::unique_ptr<nx::Property> now(target_.clone());
    const auto swap = [&] { target_.assign(*other_); };
    // The value may belong to any element; a Selected value leaves the selection current.
    if (view_)
        view_->writeValues(swap);
    else
        swap();
    other_ = std::move(now);
}

std::size_t ValueChange::bytes() const {
    return sizeof(*this) + 64;
}

}  // namespace ramulo
