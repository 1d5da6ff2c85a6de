// Reference counting of shared views.
#include "views/view.h"

#include <stdexcept>

namespace nx {

std::size_t View::acquire() {
    return ++referenceCount_;
}

std::size_t View::release() {
    if (referenceCount_ == 0)
        throw std::logic_error(
            "Logic error in nx::View::release() : attempt to release free object");
    return --referenceCount_;
}

}  // namespace nx
