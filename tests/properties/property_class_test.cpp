// Property classes: defaults, type names, assign acceptance, registry and XML value forms.
#include <gtest/gtest.h>

#include <tinyxml.h>

#include "properties/error_texts.h"
#include "properties/properties.h"
#include "properties/property_registry.h"

namespace nx {
namespace {

using namespace PropertyTemplate;

TEST(PropertyClass, DefaultsTypeNamesAndAuxiliaryFlags) {
    struct Row {
        std::unique_ptr<Property> p;
        const char* typeName;
        const char* text;
        bool auxiliary;
    };
    Row rows[] = {
        {std::make_unique<String>(), "String", "", false},
        {std::make_unique<Name>(), "Name", "", false},
        {std::make_unique<Color>(), "Color", "Black", false},
        {std::make_unique<Bool>(), "Bool", "0", false},
        {std::make_unique<Int>(), "Int", "0", false},
        {std::make_unique<Real>(), "Real", "0", false},
        {std::make_unique<Pointer>(), "Pointer", "0000000000000000", false},
        {std::make_unique<X>(), "X", "50", false},
        {std::make_unique<Y>(), "Y", "50", false},
        {std::make_unique<Z>(), "Z", "0", false},
        {std::make_unique<Selected>(), "Selected", "0", false},
        {std::make_unique<Weight>(), "Weight", "1", false},
        {std::make_unique<Visited>(), "Visited", "0", false},
        {std::make_unique<Fading>(), "Fading", "0", false},
        {std::make_unique<Unfaded>(), "Unfaded", "0", false},
        {std::make_unique<AuxInt1>(), "_I1", "0", true},
        {std::make_unique<AuxInt3>(), "_I3", "0", true},
        {std::make_unique<AuxReal2>(), "_R2", "0", true},
        {std::make_unique<AuxFlag1>(), "_V1", "0", true},
        {std::make_unique<UInt32>(), "Primitive(unsigned int)", "0", false},
        {std::make_unique<Int64>(), "Primitive(__int64)", "0", false},
        {std::make_unique<UInt64>(), "Primitive(unsigned __int64)", "0", false},
        {std::make_unique<Char>(), "Primitive(char)", "0", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.p->typeName(), row.typeName);
        EXPECT_EQ(row.p->toText(), row.text) << row.typeName;
        EXPECT_EQ(row.p->isAuxiliary(), row.auxiliary) << row.typeName;
        std::unique_ptr<Property> copy(row.p->clone());
        EXPECT_EQ(typeid(*copy), typeid(*row.p)) << row.typeName;
        EXPECT_EQ(&copy->typeName(), &row.p->typeName()) << "one immutable name per class";
    }
}

TEST(PropertyClass, AssignAcceptsOnlyTheClassesItNames) {
    X x(1);
    x.assign(Y(2));
    EXPECT_EQ(x.value, 1) << "an X takes only an X";
    x.assign(X(3));
    EXPECT_EQ(x.value, 3);

    Int i(0);
    i.assign(X(4));
    EXPECT_EQ(i.value, 4) << "an Int takes any int-valued property";
    i.assign(Weight(5));
    EXPECT_EQ(i.value, 5);

    Bool b(false);
    b.assign(Selected(true));
    EXPECT_TRUE(b.value);

    Visited v(false);
    v.assign(AuxFlag1(true));
    EXPECT_TRUE(v.value) << "a Visited takes a _V1";
    AuxFlag1 v1(false);
    v1.assign(Visited(true));
    EXPECT_FALSE(v1.value) << "a _V1 does not take a plain Visited";

    String s;
    s.assign(Name(u"n"));
    EXPECT_EQ(s.value, u"n");
    Name n;
    n.assign(String(u"s"));
    EXPECT_EQ(n.value, u"");

    UInt64 u(1);
    u.assign(Int64(9));
    EXPECT_EQ(u.value, 1u);

    x.assign(x);
    EXPECT_EQ(x.value, 3);
}

TEST(PropertyClass, AssignOnTheBaseIsALogicError) {
    struct Bare : Property {
        std::unique_ptr<Property> clone() const override { return std::make_unique<Bare>(); }
        std::size_t objectSize() const override { return sizeof(Bare); }
        Property* cloneAt(void* memory) const override { return ::new (memory) Bare(); }
    } bare;
    EXPECT_EQ(bare.typeName(), nx::error_texts::kUnknownProperty);
    try {
        bare.assign(X());
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kUnknownProperty);
    }
}

TEST(PropertyXml, SaveAppendsTextAndLoadReadsIt) {
    TiXmlElement element("X");
    X(-17).saveXml(element);
    ASSERT_NE(element.FirstChild(), nullptr);
    EXPECT_STREQ(element.FirstChild()->ToText()->Value(), "-17");
    X back;
    back.loadXml(element);
    EXPECT_EQ(back.value, -17);
}

TEST(PropertyXml, LoadIgnoresEmptyAndNonTextContent) {
    X x(9);
    TiXmlElement empty("X");
    x.loadXml(empty);
    EXPECT_EQ(x.value, 9);
    TiXmlElement nested("X");
    nested.LinkEndChild(new TiXmlElement("Inner"));
    x.loadXml(nested);
    EXPECT_EQ(x.value, 9);
}

TEST(Registry, NineteenTypesInOrder) {
    const CPropertyRegistry& r = CPropertyRegistry::instance();
    const char* expected[] = {"Name",    "Color",  "X",   "Y",    "Z",    "Selected", "Weight",
                              "Visited", "String", "Int", "Real", "Bool", "Pointer",  "_I1",
                              "_I2",     "_I3",    "_R1", "_R2",  "_V1"};
    ASSERT_EQ(r.typeCount(), 19u);
    for (std::size_t i = 0; i < 19; ++i) {
        EXPECT_EQ(r.typeNameOf(i), expected[i]);
        EXPECT_EQ(r.prototypeOf(i).typeName(), expected[i]);
        EXPECT_EQ(r.typeIdOf(expected[i]), i);
    }
    EXPECT_EQ(r.prototypeOf(2).toText(), "50");
}

TEST(Registry, UnknownNamesAndIdsFailClearly) {
    const CPropertyRegistry& r = CPropertyRegistry::instance();
    try {
        r.typeIdOf("Fading");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Ramulo Control: Property Fading does not exist.");
    }
    EXPECT_THROW(r.typeNameOf(19), std::runtime_error);
    EXPECT_THROW(r.prototypeOf(1000), std::runtime_error);
}

}  // namespace
}  // namespace nx
