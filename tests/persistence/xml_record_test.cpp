// Plain record reading against the XML library's reading of the same records.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "persistence/xml_document.h"
#include "persistence/xml_record.h"
#include "persistence/xml_values.h"
#include "views/edge_view_factory.h"
#include "views/vertex_view_factory.h"

namespace {

using nx::persistence::XmlRecord;

struct Seen {
    // Each attribute as a count and as an element ID.
    std::vector<std::tuple<std::string, long, std::uint64_t>> attributes;
    std::vector<std::pair<std::string, std::string>> children;  // text, or "<none>"
    std::size_t end = 0;
};

// The record's attribute numbers as the record readers take them.
Seen seen(const XmlRecord& record, std::size_t end) {
    Seen s;
    for (const auto& a : record.attributes) {
        const std::string name(a.name);
        s.attributes.emplace_back(name, nx::persistence::longAttribute(record, name.c_str()),
                                  nx::persistence::idAttribute(record, name.c_str()));
    }
    for (const auto& c : record.children)
        s.children.emplace_back(std::string(c.name), c.hasText ? std::string(c.text) : "<none>");
    s.end = end;
    return s;
}

// The library's element, with its attribute numbers as the tree readers take them (strtol).
Seen seen(const TiXmlElement& element, std::size_t end) {
    XmlRecord record;
    nx::persistence::viewElement(element, record);
    Seen s = seen(record, end);
    for (auto& [name, count, id] : s.attributes) {
        count = nx::persistence::longAttribute(element, name.c_str());
        id = nx::persistence::idAttribute(element, name.c_str());
    }
    return s;
}

// Every record the plain reading accepts reads as the library reads it, up to the same
// end; the ones it declines are left to the library.
TEST(XmlRecord, PlainReadingMatchesTheLibraryOrDeclines) {
    nx::persistence::KeepWhiteSpace keep;
    struct Case {
        const char* text;
        bool plain;
    };
    const Case cases[] = {
        {"<Vertex Id=\"3\" IsGraph=\"0\" PropertyCount=\"1\">\n  <Name>v2</Name>\n</Vertex>tail",
         true},
        {"<Vertex Id=\"1\" PropertyCount=\"6\"><Visited>0</Visited><_V1>1</_V1><_I1>-4</_I1>"
         "<_I2>7</_I2><_R1>0.5</_R1><_R2>1e+20</_R2></Vertex>",
         true},
        {"<Edge Id = \"2\"FirstVertexId=\"0\" SecondVertexId=\"1\" PropertyCount=\"1\" />", true},
        {"<Vertex Id=\"0\" PropertyCount=\"2\"><Name></Name><Name/></Vertex>", true},
        {"<Vertex Id=\"0\" PropertyCount=\"2\"><Name>   </Name><Name>  a b \t</Name></Vertex>",
         true},
        {"<Vertex Id=\"0\"><Name>a > b, \"c\" 'd'</Name ></Vertex>", false},
        {"<Vertex Id=\"0\"><Name>a &amp; b</Name></Vertex>", false},
        {"<Vertex Id=\"0\"><Name>caf\xC3\xA9</Name></Vertex>", false},
        {"<Vertex Id='0'><Name>x</Name></Vertex>", false},
        {"<Vertex Id=\"&#49;\"><Name>x</Name></Vertex>", false},
        {"<Vertex Id=\"0\"><!-- c --><Name>x</Name></Vertex>", false},
        {"<Vertex Id=\"0\"><Name><![CDATA[  ]]></Name></Vertex>", false},
        {"<Vertex Id=\"0\">text<Name>x</Name></Vertex>", false},
        {"<Vertex Id=\"0\"><Name a=\"1\">x</Name></Vertex>", false},
        {"<Vertex Id=\"0\"><Name><b/>x</Name></Vertex>", false},
        {"<Vertex Id=\"0\" Id=\"1\"/>", false},
        // Numbers at their edges, in any attribute order, with the white space strtol skips.
        {"<Edge PropertyCount=\"0\" SecondVertexId=\"-1\" Id=\"2147483648\" "
         "FirstVertexId=\"9223372036854775808\"/>",
         true},
        {"<Edge Id=\"-9223372036854775809\" A=\"99999999999999999999999\" B=\"+7\" C=\" \t12x\"/>",
         true},
        {"<Edge Id=\"\" A=\"-\" B=\"0x10\" C=\"1e3\" D=\"- 4\" E=\"\n-0\"/>", true},
        {"<Vertex\tId=\"1\"\n\tPropertyCount=\"1\"\r\n><Name>\n</Name>\n\n</Vertex>", true},
        {"<Vertex Id=\"1\"><Name>\n  x\n</Name></Vertex>", true},
        {"<Vertex Id=\"&#49;\" PropertyCount=\"1\"/>", false},
        {"<Vertex Id=\"1\"><Name>&lt;</Name></Vertex>", false},
        {"<Vertex Id=\"1\" N\xC3\xA9=\"2\"/>", false},
        {"<V\xC3\xA9rtex Id=\"1\"/>", false},
        {"<Vertex Id=\"0\"><Name>x</Name></Vertex >", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        XmlRecord plain;
        const char* plainEnd = nullptr;
        const bool accepted = nx::persistence::readPlainRecord(c.text, plain, &plainEnd);
        EXPECT_EQ(accepted, c.plain);
        if (!accepted) continue;
        const char* libraryEnd = nullptr;
        const auto doc = nx::persistence::parseElement(c.text, TIXML_ENCODING_UTF8, &libraryEnd);
        const Seen a = seen(plain, static_cast<std::size_t>(plainEnd - c.text));
        const Seen b = seen(*doc->RootElement(), static_cast<std::size_t>(libraryEnd - c.text));
        EXPECT_EQ(a.attributes, b.attributes);
        EXPECT_EQ(a.children, b.children);
        EXPECT_EQ(a.end, b.end);
    }
}

// Unterminated or mismatched records are left to the library, which reports them.
TEST(XmlRecord, DeclinesUnterminatedRecords) {
    XmlRecord record;
    const char* end = nullptr;
    for (const char* text : {"<Vertex Id=\"0\"><Name>x</Name>", "<Vertex Id=\"0", "<Vertex><Name>x",
                             "<Vertex Id=\"0\"><Name>x</Nam></Vertex>"})
        EXPECT_FALSE(nx::persistence::readPlainRecord(text, record, &end)) << text;
}

// What a view record reading gets from an element: ClassId, each child's name and text,
// and the view the factory makes of it (or its error).
template <typename Factory>
std::vector<std::string> fieldsSeen(Factory& factory, const nx::records::ElementFields& fields) {
    int classId = -7;
    fields.queryInt("ClassId", classId);
    std::vector<std::string> seen{std::to_string(classId)};
    for (std::size_t i = 0; i < fields.childCount(); ++i) {
        std::string text = "<none>";
        fields.childText(i, text);
        seen.push_back(std::string(fields.childName(i)) + "=" + text);
    }
    try {
        const auto view = factory.readView(fields);
        TiXmlElement saved("View");
        if (view) view->saveToXml(saved);
        TiXmlPrinter printer;
        saved.Accept(&printer);
        seen.push_back(view ? printer.Str() : "null");
    } catch (const std::exception& e) {
        seen.push_back(e.what());
    }
    return seen;
}

// Entries whose children are plain records read as the library reads them, down to the
// views made of them; anything else is left to the library.
TEST(XmlRecord, PlainEntriesReadAsTheLibraryReadsThem) {
    nx::persistence::KeepWhiteSpace keep;
    const std::string dot =
        "<View ClassId=\"1\" ClassName=\"SquareDotView\"><IsFilled>True</IsFilled>"
        "<Color>Gray</Color><InnerColor>Red</InnerColor><NamePos>E</NamePos>"
        "<WeightPos>W</WeightPos><Size>9</Size></View>";
    struct Case {
        std::string text;
        bool plain;
        bool edge;
    };
    const Case cases[] = {
        {"<Vertex Id=\"13\">\n  <Properties PropertyCount=\"3\">\n    <X>4127205</X>\n    "
         "<Y>130</Y>\n    <Selected>0</Selected>\n  </Properties>\n  " +
             dot + "\n</Vertex>tail",
         true, false},
        {"<Edge Id=\"10\"><Properties PropertyCount=\"1\"><Selected>0</Selected></Properties>"
         "<View ClassId=\"1\" ClassName=\"StraightEdgeView\"><Color>Blue</Color></View></Edge>",
         true, true},
        {"<Vertex Id=\"2\"><View "
         "ClassId=\"5\"><FileName></FileName><Name/><Id>3</Id><Index>1</Index>"
         "<Size>32</Size><NameTextColor>1,2,3</NameTextColor><NamePos>N</NamePos>"
         "<WeightTextColor>4,5,6</WeightTextColor><WeightPos>S</WeightPos></View></Vertex>",
         true, false},
        // The class number as the library converts it, and views it cannot make.
        {"<Vertex Id=\"1\"><View ClassId=\" 2x\"><IsFilled>False</IsFilled><Color>Red</Color>"
         "<InnerColor>Red</InnerColor><NamePos>E</NamePos><WeightPos>W</WeightPos><Size>4</Size>"
         "</View></Vertex>",
         true, false},
        {"<Vertex Id=\"1\"><View ClassId=\"abc\"/></Vertex>", true, false},
        {"<Vertex Id=\"1\"><View ClassId=\"99999999999\"/></Vertex>", true, false},
        {"<Vertex Id=\"1\"><View ClassId=\"0004\"/></Vertex>", true, false},
        {"<Vertex Id=\"1\"><View ClassId=\"123456789\"/></Vertex>", true, false},
        {"<Vertex Id=\"1\"><View/></Vertex>", true, false},
        {"<Vertex Id=\"1\"/>", true, false},
        // A missing field fails with the same text either way.
        {"<Edge Id=\"1\"><View ClassId=\"1\"><Colour>Blue</Colour></View></Edge>", true, true},
        {"<Edge Id=\"1\"><View ClassId=\"1\"><Color/></View></Edge>", true, true},
        {"<Vertex Id=\"1\">text<View/></Vertex>", false, false},
        {"<Vertex Id=\"1\"><!-- c --><View/></Vertex>", false, false},
        {"<Vertex Id=\"1\"><View><Color a=\"1\">Red</Color></View></Vertex>", false, false},
        {"<Vertex Id=\"1\"><View><Color>Red</Color></View></Vertex >", false, false},
        {"<Vertex Id=\"1\"><View><Color>Red</Color></View>", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        nx::persistence::XmlEntry entry;
        entry.records.resize(3);  // reused records from an earlier, longer entry
        entry.records[2].children.push_back({"Stale", "x", true});
        const char* plainEnd = nullptr;
        const bool accepted = nx::persistence::readPlainEntry(c.text.c_str(), entry, &plainEnd);
        EXPECT_EQ(accepted, c.plain);
        if (!accepted) continue;
        const char* libraryEnd = nullptr;
        const auto doc =
            nx::persistence::parseElement(c.text.c_str(), TIXML_ENCODING_UTF8, &libraryEnd);
        const TiXmlElement& element = *doc->RootElement();
        EXPECT_EQ(plainEnd, libraryEnd);
        EXPECT_EQ(seen(entry.head, 0).attributes, seen(element, 0).attributes);
        const TiXmlElement* child = element.FirstChildElement();
        for (std::size_t i = 0; i < entry.count; ++i, child = child->NextSiblingElement()) {
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(entry.records[i].name, child->ValueStr());
            EXPECT_EQ(seen(entry.records[i], 0).attributes, seen(*child, 0).attributes);
            EXPECT_EQ(seen(entry.records[i], 0).children, seen(*child, 0).children);
            const nx::persistence::RecordFields plainFields(entry.records[i]);
            const nx::records::LibraryElementFields libraryFields(*child);
            if (c.edge)
                EXPECT_EQ(fieldsSeen(nx::edgeViewFactory(), plainFields),
                          fieldsSeen(nx::edgeViewFactory(), libraryFields));
            else
                EXPECT_EQ(fieldsSeen(nx::vertexViewFactory(), plainFields),
                          fieldsSeen(nx::vertexViewFactory(), libraryFields));
        }
        EXPECT_EQ(child, nullptr);
    }
}

}  // namespace
