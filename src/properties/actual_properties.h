// nx::ActualProperties: one element's values, cloned from a schema.
#pragma once

#include "properties/formal_properties.h"

namespace nx {

class ActualProperties : public FormalProperties {
public:
    ActualProperties() = default;
    explicit ActualProperties(const FormalProperties& schema);
    ~ActualProperties() override;

    // Writes the values: count, each value after the separator, then "#".
    void writeStream(std::ostream& out) const override;
    // Writes "PropertyCount" and one child per value, named by its type.
    void saveXml(TiXmlElement& element) const override;
};

}  // namespace nx
