// Schemas and element values: lookup by exact class, construction by name, both file forms.
#include <gtest/gtest.h>

#include <tinyxml.h>
#include <clocale>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <type_traits>
#include <typeinfo>

#include "properties/actual_properties.h"
#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"
#include "support/error_of.h"

namespace nx {
namespace {

using namespace PropertyTemplate;

using test_support::errorOf;

TEST(Schema, FindMatchesExactClassOnly) {
    FormalProperties s;
    s.add(Int());
    EXPECT_EQ(s.find(X()), kNoIndex);
    s.add(X());
    EXPECT_EQ(s.find(X()), 1u);
    EXPECT_EQ(s.find(Int()), 0u);

    FormalProperties flags;
    flags.add(AuxFlag1());
    EXPECT_EQ(flags.find(Visited()), kNoIndex);
    EXPECT_EQ(errorOf([&] { flags.findByType(Visited()); }),
              nx::error_texts::kPropertyDoesNotExist);
    EXPECT_EQ(errorOf([&] { flags.at(1); }), nx::error_texts::kPropertyDoesNotExist);
}

TEST(Schema, AddByTypeName) {
    FormalProperties s;
    s.addByTypeName("X");
    EXPECT_EQ(s.at(0).typeName(), "X");
    EXPECT_EQ(s.at(0).toText(), "50");
    s.addByTypeName("Primitive(unsigned int)");
    EXPECT_EQ(s.at(1).typeName(), "Primitive(unsigned int)");
    s.addByTypeName("Primitive(char)");
    s.addByTypeName("Primitive(__int64)");
    s.addByTypeName("Primitive(unsigned __int64)");
    s.addByTypeName("Fading");
    s.addByTypeName("Unfaded");
    s.addByTypeName("_R3");
    EXPECT_EQ(s.size(), 8u);
    s.addByTypeName("Primitive(float)");
    EXPECT_EQ(s.size(), 8u) << "unlisted primitive types are ignored";
    EXPECT_EQ(errorOf([&] { s.addByTypeName("Float"); }), "Unknown property Float");
}

TEST(Schema, StreamFormRoundTrip) {
    FormalProperties s;
    s.add(Name());
    s.add(X());
    std::ostringstream out;
    s.writeStream(out);
    EXPECT_EQ(out.str(), "2,\"Name\",\"X\",#");

    FormalProperties empty;
    std::ostringstream emptyOut;
    empty.writeStream(emptyOut);
    EXPECT_EQ(emptyOut.str(), "0,#");

    FormalProperties back;
    back.add(Name());
    std::istringstream in("1,\"Weight\",#\n");
    back.readStream(in);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.at(1).typeName(), "Weight");
}

TEST(Schema, StreamFormErrors) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"x,\"Name\",#\n", nx::error_texts::kFailedToReadFormalCount},
        {"1,\"Name\",$\n", nx::error_texts::kFailedToReadEndMark},
        {"1,\"Nope\",#\n", "Unknown property Nope"},
        {"99999999999,\"Name\",", "Unknown property "},
    };
    for (const Case& c : cases) {
        FormalProperties s;
        std::istringstream in(c.text);
        EXPECT_EQ(errorOf([&] { s.readStream(in); }), c.error) << c.text;
    }
    FormalProperties crlf;
    std::istringstream in("1,\"Name\",#\r\n");
    EXPECT_EQ(errorOf([&] { crlf.readStream(in); }), "");
}

TEST(Schema, XmlFormRoundTripAndCounts) {
    FormalProperties s;
    s.add(Name());
    s.add(X());
    TiXmlElement e("VertexFormalProperties");
    s.saveXml(e);
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    e.Accept(&printer);
    EXPECT_EQ(printer.Str(),
              "<VertexFormalProperties Count=\"2\"><Name /><X /></VertexFormalProperties>");

    FormalProperties back;
    back.loadXml(e);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.at(1).typeName(), "X");

    for (const char* count : {"0", "-3", "abc"}) {
        TiXmlElement odd("S");
        odd.SetAttribute("Count", count);
        odd.LinkEndChild(new TiXmlElement("X"));
        FormalProperties none;
        none.loadXml(odd);
        EXPECT_EQ(none.size(), 0u) << count;
    }
    TiXmlElement tooFew("S");
    tooFew.SetAttribute("Count", "2");
    tooFew.LinkEndChild(new TiXmlElement("X"));
    FormalProperties partial;
    EXPECT_EQ(errorOf([&] { partial.loadXml(tooFew); }),
              nx::error_texts::kErrorReadingFormalProperties);
    EXPECT_EQ(partial.size(), 1u) << "what was read stays";
}

TEST(ActualValues, ClonedFromSchemaAndWrittenInBothForms) {
    FormalProperties schema;
    schema.add(Name(u"Root"));
    schema.add(X());
    const auto values = ActualProperties::make(schema);
    std::ostringstream out;
    values->writeStream(out);
    EXPECT_EQ(out.str(), "2,Root,50,#");

    TiXmlElement e("Vertex");
    values->saveXml(e);
    EXPECT_STREQ(e.Attribute("PropertyCount"), "2");
    EXPECT_STREQ(e.FirstChildElement("Name")->GetText(), "Root");
    EXPECT_STREQ(e.FirstChildElement("X")->GetText(), "50");

    FormalProperties none;
    const auto empty = ActualProperties::make(none);
    std::ostringstream emptyOut;
    empty->writeStream(emptyOut);
    EXPECT_EQ(emptyOut.str(), "0,#");
    TiXmlElement emptyXml("Vertex");
    empty->saveXml(emptyXml);
    EXPECT_STREQ(emptyXml.Attribute("PropertyCount"), "0");
    EXPECT_EQ(emptyXml.FirstChild(), nullptr);
}

TEST(ActualValues, ElementsKeepTheSchemaTheyWereBuiltFrom) {
    FormalProperties schema;
    schema.add(Name());
    const auto older = ActualProperties::make(schema);
    schema.add(X());
    const auto newer = ActualProperties::make(schema);
    EXPECT_EQ(older->size(), 1u);
    EXPECT_EQ(newer->size(), 2u);
    EXPECT_EQ(errorOf([&] { older->at(1); }), nx::error_texts::kPropertyDoesNotExist);
}

// A value list is not a schema, and at a million elements a vtable pointer per list counts.
static_assert(!std::is_convertible_v<ActualProperties*, FormalProperties*>);
static_assert(!std::is_polymorphic_v<ActualProperties>);
// The list is its block's header: the count, then the offsets and values follow it.
static_assert(sizeof(ActualProperties) == sizeof(std::uint32_t));

TEST(ActualValues, ReadThroughAConstListByIndexOrClass) {
    FormalProperties schema;
    schema.add(Name(u"n"));
    schema.add(X(7));
    const std::unique_ptr<const ActualProperties> values = ActualProperties::make(schema);
    EXPECT_EQ(values->find(X()), 1u);
    EXPECT_EQ(values->find(Y()), kNoIndex);
    EXPECT_EQ(values->get<X>(1).get(), 7);
    EXPECT_EQ(&values->findByType(X()), &values->at(1));
    EXPECT_EQ(errorOf([&] { values->findByType(Y()); }), nx::error_texts::kPropertyDoesNotExist);
    EXPECT_EQ(schema.prototypes().find(X()), 1u) << "the schema answers the same positions";
}

// Values of mixed sizes side by side in one block, small and past what 16-bit offsets reach:
// each is a copy of its prototype in memory of its own, and writing one leaves the others.
TEST(ActualValues, BlockHoldsEachValueApart) {
    struct Case {
        std::size_t repeats;
    };
    for (const Case row : {Case{1}, Case{3}, Case{2000}}) {
        FormalProperties schema;
        for (std::size_t r = 0; r < row.repeats; ++r) {
            schema.add(Visited(true));
            schema.add(Name(u"a name longer than the short-string buffer"));
            schema.add(Real(0.25));
            schema.add(Color(Color::Gray));
            schema.add(PropertyTemplate::Char(-3));
        }
        const auto values = ActualProperties::make(schema);
        ASSERT_EQ(values->size(), schema.size()) << row.repeats;
        for (std::size_t i = 0; i < values->size(); ++i) {
            const Property& value = values->at(i);
            const Property& prototype = schema.at(i);
            ASSERT_EQ(typeid(value), typeid(prototype)) << i;
            ASSERT_NE(&value, &prototype);
            ASSERT_EQ(value.toText(), prototype.toText()) << i;
            if (i + 1 < values->size()) {
                const auto* end = reinterpret_cast<const char*>(&value) + value.objectSize();
                ASSERT_LE(end, reinterpret_cast<const char*>(&values->at(i + 1))) << i;
            }
        }
        const std::size_t last = values->size() - 1;
        values->get<PropertyTemplate::Char>(last).value = 9;
        values->get<Name>(last - 3).value = u"changed";
        EXPECT_EQ(values->at(last).toText(), "9");
        EXPECT_EQ(values->at(last - 3).toText(), "changed");
        EXPECT_EQ(values->at(last - 1).toText(), "Gray")
            << "the neighbour keeps its value";
        EXPECT_EQ(schema.at(last).toText(), "-3") << "the schema keeps its prototype";
    }
}

// Counts its live objects; copies fail once the allowance runs out.
struct Counted : Property {
    static inline int live = 0;
    static inline int copiesLeft = -1;  // negative: no limit
    Counted() { ++live; }
    Counted(const Counted& other) : Property(other) {
        if (copiesLeft == 0) throw std::runtime_error("no more copies");
        if (copiesLeft > 0) --copiesLeft;
        ++live;
    }
    ~Counted() override { --live; }
    std::unique_ptr<Property> clone() const override { return std::make_unique<Counted>(*this); }
    std::size_t objectSize() const override { return sizeof(Counted); }
    Property* cloneAt(void* memory) const override { return ::new (memory) Counted(*this); }
};

TEST(ActualValues, DeletingOrFailingToMakeAListDestroysItsValues) {
    FormalProperties schema;
    for (int i = 0; i < 3; ++i) schema.add(Counted());
    ASSERT_EQ(Counted::live, 3);
    ActualProperties::make(schema).reset();
    EXPECT_EQ(Counted::live, 3) << "deleting a list destroys each value";

    Counted::copiesLeft = 2;
    EXPECT_EQ(errorOf([&] { ActualProperties::make(schema); }), "no more copies");
    Counted::copiesLeft = -1;
    EXPECT_EQ(Counted::live, 3) << "the two values made before the failure are destroyed";
}

TEST(ListSeparator, ChosenFromTheLocaleDecimalPoint) {
    const char previous = listSeparator();
    initListSeparator();  // the C locale writes '.'
    EXPECT_EQ(listSeparator(), ',');
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        initListSeparator();
        EXPECT_EQ(listSeparator(), ';');
        std::setlocale(LC_NUMERIC, "C");
    }
    setListSeparator(previous);
}

TEST(ListSeparator, ValuesUseTheSeparatorAndStayLocaleIndependent) {
    ScopedListSeparator scope(';');
    FormalProperties schema;
    schema.add(Real(0.5));
    schema.add(Name(u"a,b"));
    const auto values = ActualProperties::make(schema);
    std::ostringstream out;
    values->writeStream(out);
    EXPECT_EQ(out.str(), "2;0.5;a,b;#");
}

}  // namespace
}  // namespace nx
