// Type names as XML element names: the unnamed primitive types get well-formed spellings.
#pragma once

#include <string>

namespace nx::persistence {

// The element name that stands for a type name. "Primitive(unsigned int)" and its three
// kin contain '(', ')' and spaces, which no XML name may hold; they are spelled
// "Primitive-unsigned-int" and so on. Every other type name is its own element name.
std::string elementNameOf(const std::string& typeName);

// The type name an element name stands for (the inverse; unknown names pass through).
std::string typeNameOf(const std::string& elementName);

}  // namespace nx::persistence
