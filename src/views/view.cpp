// Reference counting of shared views.
#include "views/view.h"

#include <stdexcept>

namespace nx {

std::size_t View::acquire() {
    return referenceCount_.fetch_add(1) + 1;
}

std::size_t View::release() {
    // Never below zero, even when two holders release at once.
    std::size_t count = referenceCount_.load();
    do {
        if (count == 0)
            throw std::logic_error(
                "Logic error in nx::View::release() : attempt to release free object");
    } while (!referenceCount_.compare_exchange_weak(count, count - 1));
    return count - 1;
}

}  // namespace nx
