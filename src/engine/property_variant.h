// Conversions between property values and automation Variants.
#pragma once

#include <exception>
#include <string>

#include "engine/variant.h"
#include "properties/property.h"

namespace ramulo {

// An error that is neither a runtime nor a logic error: its text is all the host sees.
class PlainError : public std::exception {
public:
    explicit PlainError(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

// A property's value as a Variant: VT_BSTR for strings and pointers (16 lower-case hex
// digits), VT_INT for Int-family values and colours, VT_R8 for reals, VT_BOOL for flags.
Variant Property2OleVariant(const nx::Property& property);

// The text a put hands to a property's reader.
std::string VariantToText(const Variant& value);

// Writes the Variant into the property: through the property's reader (the line feed
// ending the value), except that text properties take a string's text unchanged.
void AssignVariantToProperty(nx::Property& property, const Variant& value);

}  // namespace ramulo
