// Schemas as XML elements, with element names every XML parser accepts.
#pragma once

class TiXmlElement;

namespace nx {
class FormalProperties;
}

namespace nx::persistence {

// Sets "Count" and appends one empty child per prototype, named by its type.
void saveSchemaXml(TiXmlElement& element, const FormalProperties& schema);

// Appends the prototypes named by the first "Count" child elements; nothing when
// "Count" is missing or below 1; "Error reading formal properties" when children run out.
void loadSchemaXml(FormalProperties& schema, const TiXmlElement& element);

}  // namespace nx::persistence
