// Property values to Variants and Variants into properties, as gets and puts do them.
#include <gtest/gtest.h>

#include "engine/error_texts.h"
#include "engine/property_variant.h"
#include "properties/list_separator.h"
#include "properties/properties.h"

using namespace ramulo;

namespace {

using namespace nx;
using namespace nx::PropertyTemplate;

TEST(Property2OleVariant, TypesFollowTheClassFamily) {
    struct Case {
        std::unique_ptr<Property> p;
        VARTYPE vt;
    } cases[] = {
        {std::make_unique<Name>(u"n"), VT_BSTR}, {std::make_unique<X>(3), VT_INT},
        {std::make_unique<AuxInt2>(), VT_INT},       {std::make_unique<Fading>(), VT_INT},
        {std::make_unique<AuxReal1>(), VT_R8},        {std::make_unique<Selected>(true), VT_BOOL},
        {std::make_unique<AuxFlag1>(), VT_BOOL},      {std::make_unique<Color>(2), VT_INT},
        {std::make_unique<Pointer>(), VT_BSTR},
    };
    for (const Case& c : cases) EXPECT_EQ(Property2OleVariant(*c.p).vt, c.vt) << c.p->typeName();

    EXPECT_EQ(Property2OleVariant(X(3)).intVal, 3);
    EXPECT_EQ(Property2OleVariant(Selected(true)).boolVal, -1);
    EXPECT_EQ(Property2OleVariant(Selected(false)).boolVal, 0);
    EXPECT_EQ(Property2OleVariant(Color(2)).intVal, 2);
    EXPECT_EQ(Property2OleVariant(Pointer(reinterpret_cast<void*>(0xABCDEFull))).bstrVal,
              u"0000000000abcdef");
    try {
        Property2OleVariant(UInt64(1));
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kPropertyTypeNotSupported);
    }
}

TEST(VariantToText, WritesEachTypeAsItsReaderExpects) {
    Variant date;
    date.vt = VT_DATE;
    date.date = 1.25;
    Variant byte;
    byte.vt = VT_UI1;
    byte.bVal = 'A';
    Variant i8;
    i8.vt = VT_I8;
    i8.llVal = -5000000000LL;
    Variant arrayOfInts;
    arrayOfInts.vt = VT_ARRAY | VT_I4;
    Variant empty;
    struct Case {
        Variant v;
        const char* text;
    } cases[] = {
        {Variant::fromBool(true), "-1"},
        {Variant::fromI2(-7), "-7"},
        {Variant::fromI4(17), "17"},
        {Variant::fromUI2(65535), "65535"},
        {Variant::fromUI4(4000000000u), "4000000000"},
        {Variant::fromR8(0.123456789), "0.123457"},
        {date, "1.25"},
        {byte, "A"},
        {i8, "-5000000000"},
        {arrayOfInts, "<unsupported type>"},
        {empty, "<unsupported type>"},
    };
    for (const Case& c : cases) EXPECT_EQ(VariantToText(c.v), c.text) << "vt " << c.v.vt;
}

TEST(VariantToText, StringsEscapeTheListSeparator) {
    ScopedListSeparator scope(',');
    EXPECT_EQ(VariantToText(Variant::fromString(u"a,b")),
              "a\x03"
              "b");
}

TEST(AssignVariant, PutsGoThroughThePropertyReader) {
    X x;
    AssignVariantToProperty(x, Variant::fromString(u"17"));
    EXPECT_EQ(x.value, 17);
    Int i;
    AssignVariantToProperty(i, Variant::fromBool(true));
    EXPECT_EQ(i.value, -1);
    Real r;
    try {
        AssignVariantToProperty(r, Variant());
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Failed to read a value of type 'double'");
    }
    Name n;
    for (const std::u16string& text :
         {std::u16string(u"Smith, John"), std::u16string(u"two\nlines"),
          std::u16string(u"\"quoted\""), std::u16string(2000, u'w')}) {
        AssignVariantToProperty(n, Variant::fromString(text));
        EXPECT_EQ(n.value, text) << "a host's string is stored as given";
    }
    AssignVariantToProperty(n, Variant::fromI4(42));
    EXPECT_EQ(n.value, u"42");
}

}  // namespace
