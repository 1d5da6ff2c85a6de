// Property lists: lookup by exact class and the missing-property error.
#include "properties/property_values.h"

#include <stdexcept>
#include <typeinfo>

#include "properties/error_texts.h"

namespace nx {

void PropertyValues::missing() {
    throw std::logic_error(nx::error_texts::kPropertyDoesNotExist);
}

std::size_t PropertyValues::find(const Property& prototype) const {
    const std::type_info& wanted = typeid(prototype);
    for (std::size_t i = 0; i < properties_.size(); ++i)
        if (typeid(*properties_[i]) == wanted) return i;
    return kNoIndex;
}

Property& PropertyValues::findByType(const Property& prototype) {
    const std::size_t index = find(prototype);
    if (index == kNoIndex) missing();
    return *properties_[index];
}

const Property& PropertyValues::findByType(const Property& prototype) const {
    const std::size_t index = find(prototype);
    if (index == kNoIndex) missing();
    return *properties_[index];
}

}  // namespace nx
