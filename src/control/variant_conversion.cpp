// changeType: the conversions between the scalar VT types and strings.
#include "control/variant_conversion.h"

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#include "control/automation_error.h"
#include "control/error_texts.h"

namespace ramulo {

namespace {

[[noreturn]] void mismatch() {
    throw AutomationError(DISP_E_TYPEMISMATCH, error_texts::kTypeMismatch);
}

[[noreturn]] void overflow() {
    throw AutomationError(DISP_E_OVERFLOW, error_texts::kOutOfRange);
}

// A source value reduced to one of three shapes.
struct Scalar {
    enum Kind { Integer, Real, Text } kind = Integer;
    long long integer = 0;
    unsigned long long unsignedInteger = 0;  // only for VT_UI8 values above the signed range
    bool isBigUnsigned = false;
    double real = 0.0;
    std::u16string text;
};

Scalar scalarOf(const Variant& v) {
    Scalar s;
    switch (v.vt) {
        case VT_EMPTY:
            s.integer = 0;
            break;
        case VT_I1:
            s.integer = v.cVal;
            break;
        case VT_UI1:
            s.integer = v.bVal;
            break;
        case VT_I2:
        case VT_BOOL:
            s.integer = v.iVal;
            break;
        case VT_UI2:
            s.integer = v.uiVal;
            break;
        case VT_I4:
        case VT_INT:
            s.integer = v.lVal;
            break;
        case VT_UI4:
        case VT_UINT:
            s.integer = v.ulVal;
            break;
        case VT_I8:
            s.integer = v.llVal;
            break;
        case VT_UI8:
            if (v.ullVal > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
                s.isBigUnsigned = true;
                s.unsignedInteger = v.ullVal;
            } else {
                s.integer = static_cast<long long>(v.ullVal);
            }
            break;
        case VT_R4:
            s.kind = Scalar::Real;
            s.real = v.fltVal;
            break;
        case VT_R8:
        case VT_DATE:
            s.kind = Scalar::Real;
            s.real = v.dblVal;
            break;
        case VT_BSTR:
            s.kind = Scalar::Text;
            s.text = v.bstrVal;
            break;
        default:
            mismatch();  // VT_NULL, objects, errors, arrays and references
    }
    return s;
}

std::string narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c > 0x7F) mismatch();  // no number is written with other characters
        out += static_cast<char>(c);
    }
    return out;
}

std::string trimmed(std::string s) {
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!s.empty() && space(s.back())) s.pop_back();
    std::size_t start = 0;
    while (start < s.size() && space(s[start])) ++start;
    return s.substr(start);
}

// A decimal number (sign, digits, point, exponent) or "&H" hexadecimal, nothing else.
double parseNumber(const std::u16string& text) {
    const std::string s = trimmed(narrow(text));
    if (s.empty()) mismatch();
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        std::size_t used = 0;
        unsigned long long value = 0;
        try {
            value = std::stoull(s.substr(2), &used, 16);
        } catch (const std::out_of_range&) {
            overflow();
        } catch (const std::exception&) {
            mismatch();
        }
        if (used != s.size() - 2) mismatch();
        return static_cast<double>(value);
    }
    for (char c : s)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' ||
              c == 'e' || c == 'E'))
            mismatch();
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size()) mismatch();
    if (std::isinf(value)) overflow();
    return value;
}

double realOf(const Scalar& s) {
    switch (s.kind) {
        case Scalar::Integer:
            return s.isBigUnsigned ? static_cast<double>(s.unsignedInteger)
                                   : static_cast<double>(s.integer);
        case Scalar::Real:
            return s.real;
        case Scalar::Text:
            return parseNumber(s.text);
    }
    return 0.0;
}

// An integer in [low, high], rounding reals half to even.
long long integerIn(const Scalar& s, long long low, long long high) {
    if (s.kind == Scalar::Integer) {
        if (s.isBigUnsigned || s.integer < low || s.integer > high) overflow();
        return s.integer;
    }
    const double value = realOf(s);
    if (std::isnan(value)) overflow();
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) overflow();
    return static_cast<long long>(rounded);
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return i == a.size() && !b[i];
}

std::u16string textOf(const Variant& v, const Scalar& s) {
    if (s.kind == Scalar::Text) return s.text;
    if (v.vt == VT_EMPTY) return u"";
    std::string text;
    if (s.kind == Scalar::Integer) {
        text = s.isBigUnsigned ? std::to_string(s.unsignedInteger) : std::to_string(s.integer);
    } else {
        char buffer[40];
        const int precision = v.vt == VT_R4 ? 7 : 15;
        std::snprintf(buffer, sizeof buffer, "%.*G", precision, s.real);
        text = buffer;
    }
    return std::u16string(text.begin(), text.end());
}

}  // namespace

Variant changeType(const Variant& value, VARTYPE target) {
    if (target == VT_VARIANT || value.vt == target) return value;
    const Scalar s = scalarOf(value);
    switch (target) {
        case VT_I2:
            return Variant::fromI2(static_cast<std::int16_t>(integerIn(s, -32768, 32767)));
        case VT_UI2:
            return Variant::fromUI2(static_cast<std::uint16_t>(integerIn(s, 0, 65535)));
        case VT_I4:
            return Variant::fromI4(static_cast<std::int32_t>(
                integerIn(s, INT32_MIN, static_cast<long long>(INT32_MAX))));
        case VT_UI4:
            return Variant::fromUI4(static_cast<std::uint32_t>(integerIn(s, 0, UINT32_MAX)));
        case VT_R8:
            return Variant::fromR8(realOf(s));
        case VT_BOOL: {
            if (s.kind == Scalar::Text) {
                const std::string word = trimmed(narrow(s.text));
                if (equalsIgnoringCase(word, "true") || equalsIgnoringCase(word, "#true#"))
                    return Variant::fromBool(true);
                if (equalsIgnoringCase(word, "false") || equalsIgnoringCase(word, "#false#"))
                    return Variant::fromBool(false);
            }
            return Variant::fromBool(realOf(s) != 0.0);
        }
        case VT_BSTR:
            return Variant::fromString(textOf(value, s));
        default:
            mismatch();
    }
}

}  // namespace ramulo
