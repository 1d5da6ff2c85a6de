// The tagged value that crosses the automation boundary.
#pragma once

/// @file
/// Variant, the value the control's property and callback members take and answer, tagged
/// with the VT codes automation hosts expect (VT_I4, VT_BSTR as UTF-16, VT_BOOL as -1/0,
/// VT_DISPATCH for a callable). The Qt widget converts it to and from QVariant.

#include <cstdint>
#include <memory>
#include <string>

#include "ramulo/export.h"

namespace ramulo {

/// The type tag of a Variant (VT_EMPTY, VT_I4, VT_BSTR ...).
using VARTYPE = std::uint16_t;

enum : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
};

/// An automation boolean: VARIANT_TRUE (-1) or VARIANT_FALSE (0).
using VARIANT_BOOL = std::int16_t;
/// True as automation spells it: all bits set.
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
/// False as automation spells it.
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

/// A callable object of the host's, carried by a VT_DISPATCH Variant: the only form in which
/// a callback can arrive through the dispatch table, since an address given as a number
/// cannot be checked.
class RAMULO_EXPORT VariantCallable {
public:
    virtual ~VariantCallable() = default;
    /// Runs the callback for the element with that ID.
    virtual void call(std::uint32_t elementId) = 0;
};

/// One value of one VT type; strings are UTF-16, pointers are opaque addresses.
struct Variant {
    VARTYPE vt = VT_EMPTY;  ///< Which member holds the value.
    union {
        std::int8_t cVal;
        std::uint8_t bVal;
        std::int16_t iVal;
        std::uint16_t uiVal;
        std::int32_t lVal;
        std::uint32_t ulVal;
        std::int32_t intVal;
        std::uint32_t uintVal;
        std::int64_t llVal;
        std::uint64_t ullVal;
        float fltVal;
        double dblVal;
        double date;
        VARIANT_BOOL boolVal;
        void* ptr;
    };
    std::u16string bstrVal;                     ///< The string of a VT_BSTR value.
    std::shared_ptr<VariantCallable> callable;  ///< with VT_DISPATCH

    /// An empty value (VT_EMPTY).
    Variant() : ullVal(0) {}

    /// A VT_INT value.
    static Variant fromInt(std::int32_t v) {
        return make(VT_INT, [&](Variant& r) { r.intVal = v; });
    }
    /// A VT_I4 value.
    static Variant fromI4(std::int32_t v) {
        return make(VT_I4, [&](Variant& r) { r.lVal = v; });
    }
    /// A VT_I2 value.
    static Variant fromI2(std::int16_t v) {
        return make(VT_I2, [&](Variant& r) { r.iVal = v; });
    }
    /// A VT_UI2 value.
    static Variant fromUI2(std::uint16_t v) {
        return make(VT_UI2, [&](Variant& r) { r.uiVal = v; });
    }
    /// A VT_UI4 value.
    static Variant fromUI4(std::uint32_t v) {
        return make(VT_UI4, [&](Variant& r) { r.ulVal = v; });
    }
    /// A VT_R8 value.
    static Variant fromR8(double v) {
        return make(VT_R8, [&](Variant& r) { r.dblVal = v; });
    }
    /// A VT_R4 value.
    static Variant fromR4(float v) {
        return make(VT_R4, [&](Variant& r) { r.fltVal = v; });
    }
    /// A VT_BOOL value: VARIANT_TRUE or VARIANT_FALSE.
    static Variant fromBool(bool v) {
        return make(VT_BOOL, [&](Variant& r) { r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE; });
    }
    /// A VT_DISPATCH value carrying a callable of the host's.
    static Variant fromCallable(std::shared_ptr<VariantCallable> c) {
        Variant r;
        r.vt = VT_DISPATCH;
        r.callable = std::move(c);
        return r;
    }
    /// A VT_BSTR value holding a UTF-16 string.
    static Variant fromString(std::u16string v) {
        Variant r;
        r.vt = VT_BSTR;
        r.bstrVal = std::move(v);
        return r;
    }

private:
    template <typename F>
    static Variant make(VARTYPE vt, F set) {
        Variant r;
        r.vt = vt;
        set(r);
        return r;
    }
};

}  // namespace ramulo
