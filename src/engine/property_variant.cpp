// Property <-> Variant conversions used by every property get and put.
#include "engine/property_variant.h"

#include <utf8.h>
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "engine/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"
#include "properties/text_io.h"

namespace ramulo {

Variant Property2OleVariant(const nx::Property& property) {
    using namespace nx::PropertyTemplate;
    if (auto* s = dynamic_cast<const nx::String*>(&property)) return Variant::fromString(s->value);
    if (auto* i = dynamic_cast<const Int*>(&property)) return Variant::fromInt(i->value);
    if (auto* r = dynamic_cast<const Real*>(&property)) return Variant::fromR8(r->value);
    if (auto* b = dynamic_cast<const Bool*>(&property)) return Variant::fromBool(b->value);
    if (auto* p = dynamic_cast<const Pointer*>(&property)) {
        char hex[24];
        std::snprintf(hex, sizeof hex, "%016llx",
                      static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(p->value)));
        std::u16string text(hex, hex + 16);
        return Variant::fromString(std::move(text));
    }
    if (auto* c = dynamic_cast<const nx::Color*>(&property)) return Variant::fromInt(c->value);
    throw PlainError(nx::error_texts::kPropertyTypeNotSupported);
}

std::string VariantToText(const Variant& v) {
    std::ostringstream out;
    switch (v.vt) {
        case VT_I2:
        case VT_BOOL:
            out << v.iVal;
            break;
        case VT_I4:
        case VT_INT:
            out << v.lVal;
            break;
        case VT_UI2:
            out << v.uiVal;
            break;
        case VT_UI4:
        case VT_UINT:
            out << v.ulVal;
            break;
        case VT_I8:
            out << v.llVal;
            break;
        case VT_UI8:
            out << v.ullVal;
            break;
        case VT_R4:
            out << nx::text::formatDouble(v.fltVal);
            break;
        case VT_R8:
            out << nx::text::formatDouble(v.dblVal);
            break;
        case VT_DATE:
            out << nx::text::formatDouble(v.date);
            break;
        case VT_I1:
        case VT_UI1:
            out << static_cast<char>(v.bVal);
            break;
        case VT_BSTR: {
            std::string bytes = utf8::utf16to8(v.bstrVal);
            std::replace(bytes.begin(), bytes.end(), nx::listSeparator(), '\x03');
            out << bytes;
            break;
        }
        case VT_DISPATCH:
        case VT_UNKNOWN:
        case VT_ARRAY:
        case VT_BYREF:
            out << v.ptr;
            break;
        default:
            out << "<unsupported type>";
    }
    return out.str();
}

void AssignVariantToProperty(nx::Property& property, const Variant& value) {
    // Text values keep what the host gave: the reader's separator escape, quote
    // stripping, line-feed end and 1023-byte limit are file-format rules that would
    // otherwise cut or alter a host's string.
    if (auto* s = dynamic_cast<nx::String*>(&property)) {
        s->value = value.vt == VT_BSTR ? value.bstrVal : utf8::utf8to16(VariantToText(value));
        return;
    }
    std::istringstream in(VariantToText(value));
    property.read(in, '\n');
}

}  // namespace ramulo
