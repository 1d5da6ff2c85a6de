// Plain record printing against the XML library's printing of the same record.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "document.h"
#include "persistence/graph_view_xml.h"
#include "persistence/xml_document.h"
#include "persistence/xml_record_printer.h"
#include "persistence/xml_values.h"
#include "properties/actual_properties.h"
#include "properties/formal_properties.h"
#include "properties/list_separator.h"
#include "properties/string_property.h"
#include "views/edge_view_factory.h"
#include "views/vertex_view_factory.h"
#include "views/view_entries.h"

namespace {

using nx::persistence::NumberAttribute;

// What the library prints for a record with these attributes and values: the writer's
// route for every record the plain printing declines.
std::string libraryPrint(int depth, const char* name,
                         std::initializer_list<NumberAttribute> attributes,
                         const nx::ActualProperties& values) {
    TiXmlElement element(name);
    for (const NumberAttribute& a : attributes)
        if (std::string(a.name) != "PropertyCount")
            element.SetAttribute(a.name, static_cast<int>(a.value));
    nx::persistence::saveValuesXml(element, values);
    char* bytes = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&bytes, &size);
    {
        nx::persistence::XmlRecordPrinter printer(file);
        printer.child(element, depth);
    }
    std::fclose(file);
    std::string printed(bytes, size);
    std::free(bytes);
    return printed;
}

struct Value {
    const char* type;
    std::u16string text;  // for text types
    const char* token;    // for the others, as their stream reading takes it
};

// Every record the plain printing accepts prints byte for byte as the library prints it;
// it declines exactly the values the library may print differently (CDATA, '&').
TEST(XmlRecordPrinter, PlainRecordsPrintAsTheLibraryOrDecline) {
    struct Case {
        const char* label;
        std::vector<Value> values;
        bool plain;
    };
    const std::u16string separator(1, static_cast<char16_t>(nx::listSeparator()));
    const Case cases[] = {
        {"no values", {}, true},
        {"empty text", {{"Name", u"", nullptr}}, true},
        {"markup characters", {{"Name", u"<a href=\"x\">'b'</a> > c", nullptr}}, true},
        {"controls",
         {{"Name",
           u"a\tb\nc\rd\x01"
           u"e\x1F",
           nullptr}},
         true},
        {"stream escape and separator",
         {{"Name",
           u"a\x03"
           u"b" +
               separator,
           nullptr}},
         true},
        {"non-ASCII", {{"Name", u"caf\u00E9 \u65E5\u672C \U0001F600 \uFFFE\uFFFF", nullptr}}, true},
        {"spaces around words", {{"Name", u"  a b  ", nullptr}}, true},
        {"spaces only", {{"Name", u" \t ", nullptr}}, false},
        {"ampersand", {{"Name", u"a & b", nullptr}}, false},
        {"character reference", {{"Name", u"&#x41;", nullptr}}, false},
        {"numbers at their edges",
         {{"Int", u"", "-2147483648"},
          {"Int", u"", "2147483647"},
          {"Real", u"", "-0"},
          {"Real", u"", "1.7976931348623157e+308"},
          {"Real", u"", "4.9406564584124654e-324"},
          {"Primitive(__int64)", u"", "-9223372036854775808"},
          {"Primitive(unsigned __int64)", u"", "18446744073709551615"},
          {"Bool", u"", "1"}},
         true},
        {"a later value declines the record",
         {{"Int", u"", "7"}, {"Name", u"x&y", nullptr}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        nx::FormalProperties schema;
        for (const Value& v : c.values) schema.addByTypeName(v.type);
        auto values = nx::ActualProperties::make(schema);
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            if (auto* text = dynamic_cast<nx::String*>(&values->at(i))) {
                text->value = c.values[i].text;
            } else {
                std::istringstream in(std::string(c.values[i].token) + nx::listSeparator());
                values->at(i).read(in, nx::listSeparator());
            }
        }
        const auto count = static_cast<std::int64_t>(values->size());
        auto check = [&](std::initializer_list<NumberAttribute> attributes) {
            for (const int depth : {0, 2, 4}) {
                std::string plain = "before";
                const bool accepted =
                    nx::persistence::appendPlainRecord(plain, depth, "Edge", attributes, *values);
                ASSERT_EQ(accepted, c.plain);
                if (accepted)
                    EXPECT_EQ(plain, "before" + libraryPrint(depth, "Edge", attributes, *values));
                else
                    EXPECT_EQ(plain, "before");
            }
        };
        check({{"Id", 0}, {"PropertyCount", count}});
        check({{"Id", 2147483647},
               {"FirstVertexId", -2147483648LL},
               {"SecondVertexId", -1},
               {"PropertyCount", count}});
    }
}

// View entries print as the writer's library route prints them, each view's record printed
// once and reused; values the library must print itself decline the entry.
TEST(XmlRecordPrinter, PlainEntriesPrintAsTheLibraryOrDecline) {
    nx::test::Document doc;
    nx::Vertex* vertex = doc.space->vertexFactory().create();
    nx::Edge* edge = doc.space->edgeFactory().create(vertex, vertex);
    nx::FormalProperties schema;
    for (const char* type : {"X", "Y", "Name"}) schema.addByTypeName(type);
    auto values = nx::ActualProperties::make(schema);
    auto none = nx::ActualProperties::make(nx::FormalProperties());
    const nx::ViewRef<nx::VertexView> dot =
        nx::vertexViewFactory().getCircleDotView(true, 2, 3, 1, 2, 11);
    const nx::ViewRef<nx::VertexView> icon = nx::vertexViewFactory().getIconView(
        u"a & <b>.ico", u"\"q\" 'n'", 3, 1, 32, {1, 2, 3}, 1, {4, 5, 6}, 2);
    const nx::ViewRef<nx::EdgeView> line = nx::edgeViewFactory().getStraightEdgeView(4);
    for (const char16_t* name : {u"plain", u"", u"<a> \"b\"", u"a & b", u"   "}) {
        static_cast<nx::String&>(values->at(2)).value = name;
        // Spaces alone print as CDATA, and '&' as the library decides: those decline.
        const std::u16string text(name);
        const bool plain = (text.empty() || text.find_first_not_of(u' ') != std::u16string::npos) &&
                           text.find(u'&') == std::u16string::npos;
        for (nx::VertexView* view :
             {dot.get(), icon.get(), static_cast<nx::VertexView*>(nullptr)}) {
            const nx::VertexViewEntry entry{vertex, values.get(), view};
            TiXmlElement viewElement("View");
            if (view) view->saveToXml(viewElement);
            char* bytes = nullptr;
            std::size_t size = 0;
            std::FILE* file = open_memstream(&bytes, &size);
            bool accepted = false;
            {
                nx::persistence::XmlRecordPrinter printer(file);
                accepted = printer.plainEntry(3, "Vertex", 0, *values,
                                              nx::persistence::printedChild(viewElement, 4));
            }
            std::fclose(file);
            const std::string printed(bytes, size);
            std::free(bytes);
            EXPECT_EQ(accepted, plain);
            if (accepted)
                EXPECT_EQ(printed, nx::persistence::printedChild(
                                       nx::persistence::vertexEntryElement(entry), 3));
            else
                EXPECT_EQ(printed, "");
        }
    }
    nx::EdgeViewData data;
    data.properties = std::move(none);
    data.view = line;
    TiXmlElement viewElement("View");
    line->saveToXml(viewElement);
    std::string printed;
    {
        char* bytes = nullptr;
        std::size_t size = 0;
        std::FILE* file = open_memstream(&bytes, &size);
        {
            nx::persistence::XmlRecordPrinter printer(file);
            EXPECT_TRUE(printer.plainEntry(3, "Edge", 0, *data.properties,
                                           nx::persistence::printedChild(viewElement, 4)));
        }
        std::fclose(file);
        printed.assign(bytes, size);
        std::free(bytes);
    }
    EXPECT_EQ(printed,
              nx::persistence::printedChild(nx::persistence::edgeEntryElement(*edge, data), 3));
}

// Records gathered for one write come out in order with what is printed around them.
TEST(XmlRecordPrinter, GatheredRecordsKeepTheirPlace) {
    nx::FormalProperties schema;
    schema.addByTypeName("Name");
    auto values = nx::ActualProperties::make(schema);
    static_cast<nx::String&>(values->at(0)).value = u"v";
    auto declined = nx::ActualProperties::make(schema);
    static_cast<nx::String&>(declined->at(0)).value = u"a&b";
    char* bytes = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&bytes, &size);
    std::string expected;
    {
        nx::persistence::XmlRecordPrinter printer(file);
        const TiXmlElement list("Vertices");
        printer.open(list, 1, true);
        expected += "\n    <Vertices>";
        for (std::int64_t id = 0; id < 3; ++id) {
            ASSERT_TRUE(
                printer.plainRecord(2, "Vertex", {{"Id", id}, {"PropertyCount", 1}}, *values));
            expected += "\n        <Vertex Id=\"" + std::to_string(id) +
                        "\" PropertyCount=\"1\">\n            <Name>v</Name>\n        </Vertex>";
        }
        ASSERT_FALSE(
            printer.plainRecord(2, "Vertex", {{"Id", 3}, {"PropertyCount", 1}}, *declined));
        TiXmlElement record("Vertex");
        record.SetAttribute("Id", 3);
        nx::persistence::saveValuesXml(record, *declined);
        printer.child(record, 2);
        expected +=
            "\n        <Vertex Id=\"3\" PropertyCount=\"1\">\n            <Name>a&amp;b</Name>"
            "\n        </Vertex>";
        printer.close(list, 1, true);
        expected += "\n    </Vertices>";
    }
    std::fclose(file);
    EXPECT_EQ(std::string(bytes, size), expected);
    std::free(bytes);
}

}  // namespace
