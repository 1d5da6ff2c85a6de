// nx::Property: the polymorphic base of every typed value attached to an element.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "properties/small_object_pool.h"

class TiXmlElement;

namespace nx {

class Property {
public:
    virtual ~Property() = default;
    // A document holds millions of small values: they come from the pools.
    NX_POOLED_OBJECT

    // A new object of the receiver's own class with the same value.
    virtual std::unique_ptr<Property> clone() const = 0;
    // A value list keeps its values side by side in one block: the size of the receiver's
    // own class, and a copy of the receiver made in memory of that size.
    virtual std::size_t objectSize() const = 0;
    virtual Property* cloneAt(void* memory) const = 0;
    // Copies the value when other is of an accepted class; otherwise changes nothing.
    virtual Property& assign(const Property& other);
    // Writes the value's text form.
    virtual void write(std::ostream& out) const;
    // Reads one value's text form, ending at the delimiter.
    virtual void read(std::istream& in, char delimiter);
    // Reads the value from the element's first child when that is a text node.
    virtual void loadXml(const TiXmlElement& element);
    // Appends the value's text form to the element as one text node.
    virtual void saveXml(TiXmlElement& element) const;
    virtual const std::string& typeName() const;
    virtual const std::string& valueTypeName() const;
    virtual const std::string& className() const;
    virtual bool isAuxiliary() const { return false; }

    // The value's text form as a string: what write produces.
    virtual std::string toText() const;
    // Appends what write produces to text, without a stream (saving calls it per value).
    virtual void appendText(std::string& text) const;

protected:
    Property() = default;
    Property(const Property&) = default;
    Property& operator=(const Property&) = default;
};

}  // namespace nx
