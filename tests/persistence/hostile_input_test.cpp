// Truncated, absurd, junk, deep or attribute-heavy input fails with a text, quickly, never
// crashing.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "persistence/document.h"
#include "persistence/space_files.h"
#include "persistence/xml_nesting.h"
#include "persistence/xml_scanner.h"
#include "properties/error_texts.h"

namespace nx::test {
namespace {

// Loads the bytes; answers the error text, or "" when the load succeeded.
std::string tryLoad(Format format, const std::string& bytes) {
    const auto path = outputPath(format == Format::Stream ? "hostile.nx" : "hostile.nxx");
    writeFile(path, bytes);
    Document doc;
    try {
        if (format == Format::Stream)
            nx::loadStream(*doc.space, path, nullptr);
        else
            nx::loadXml(*doc.space, path, nullptr);
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()), "");
        return e.what();
    }
    return "";
}

std::string richFile(Format format) {
    Document doc;
    buildRich(doc);
    const auto path = outputPath(format == Format::Stream ? "hostile_rich.nx" : "hostile_rich.nxx");
    if (format == Format::Stream)
        nx::saveStream(*doc.space, path, nullptr);
    else
        nx::saveXml(*doc.space, path, nullptr);
    return readFile(path);
}

TEST(HostileInput, EveryTruncationOfAStreamFileFailsCleanly) {
    const std::string full = richFile(Format::Stream);
    ASSERT_EQ(tryLoad(Format::Stream, full), "");
    // Cut inside a header, a group is skipped as if absent; cut anywhere in the
    // element group, the load fails, except when only the last line end is missing.
    const std::size_t elements = full.find("Nodalyx", 1) + 13;
    for (std::size_t length = 0; length < full.size() - 1; ++length) {
        const std::string error = tryLoad(Format::Stream, full.substr(0, length));
        if (length >= elements) {
            EXPECT_NE(error, "") << "length " << length;
        }
    }
    EXPECT_EQ(tryLoad(Format::Stream, full.substr(0, full.size() - 1)), "");
}

TEST(HostileInput, TruncatedXmlFilesFailCleanly) {
    const std::string full = richFile(Format::Xml);
    ASSERT_EQ(tryLoad(Format::Xml, full), "");
    for (std::size_t length = 0; length + 1 < full.size(); length += 13)
        EXPECT_NE(tryLoad(Format::Xml, full.substr(0, length)), "") << "length " << length;
}

TEST(HostileInput, AbsurdCountsFailAtTheEndOfTheInput) {
    const std::string schemas =
        "Nodalyx1.0.0\nVertexFormalProperties,0,#\nEdgeFormalProperties,0,#\n"
        "GraphFormalProperties,0,#\nGraphVertexFormalProperties,0,#\n"
        "GraphEdgeFormalProperties,0,#\nNodalyx1.0.0\n";
    const std::pair<std::string, std::string> cases[] = {
        {"Nodalyx1.0.0\nVertexFormalProperties,99999999999,#\n", "Unknown property \n"},
        {schemas + "VertexFactory,99999999999\n", "Failed to read vertex Id"},
        {schemas + "VertexFactory,0\nEdgeFactory,18446744073709551615\n", "Failed to read edge Id"},
        {schemas + "VertexFactory,1\n0,1,0,#\nEdgeFactory,0\nGraphFactory,1\n0,0,#\n99999999999\n",
         "Failed to read graph vertex Id"},
        {schemas + "VertexFactory,1\n0,1,0,#\nEdgeFactory,0\nGraphFactory,1\n0,99999999999,#\n",
         nx::error_texts::kPropertyDoesNotExist},
    };
    for (const auto& [bytes, error] : cases) EXPECT_EQ(tryLoad(Format::Stream, bytes), error);
}

TEST(HostileInput, BinaryJunkFailsCleanly) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string stream = richFile(Format::Stream);
    const std::string xml = richFile(Format::Xml);
    for (int round = 0; round < 200; ++round) {
        std::string junk(1 + random() % 2000, '\0');
        for (char& c : junk) c = static_cast<char>(byte(random));
        tryLoad(Format::Stream, junk);
        tryLoad(Format::Xml, junk);
        // Flipped bytes inside valid files reach the deeper readers.
        std::string s = stream, x = xml;
        for (int flips = 0; flips < 4; ++flips) {
            s[random() % s.size()] = static_cast<char>(byte(random));
            x[random() % x.size()] = static_cast<char>(byte(random));
        }
        tryLoad(Format::Stream, s);
        tryLoad(Format::Xml, x);
    }
}

TEST(HostileInput, DeeplyNestedXmlIsRefusedBeforeParsing) {
    const std::string frame = "<?xml version=\"1.0\" ?>\n<?nodalyx version='1.0.0'?>\n<Space>";
    std::string open, hidden;
    for (int i = 0; i < 100000; ++i) open += "<a>";
    for (int i = 0; i < 100000; ++i) hidden += "<a b=\"/>\">";  // a quoted "/>" closes nothing
    const std::string error = "XML elements nested deeper than 256 levels";
    EXPECT_EQ(tryLoad(Format::Xml, frame + open),
              "Error loading xml file " + outputPath("hostile.nxx").string() + ". " + error);
    EXPECT_NE(tryLoad(Format::Xml, frame + hidden).find(error), std::string::npos);
}

// The XML library checks each attribute against all earlier ones of its element: 80,000
// attributes on one element would take it about a minute.
TEST(HostileInput, ElementsWithTooManyAttributesAreRefusedBeforeParsing) {
    std::string attributes;
    for (int i = 0; i < 80000; ++i) attributes += " a" + std::to_string(i) + "=\"1\"";
    const std::string file = "<?xml version=\"1.0\" ?>\n<?nodalyx version='1.0.0'?>\n<Space" +
                             attributes + "></Space>\n";
    EXPECT_EQ(tryLoad(Format::Xml, file), "Error loading xml file " +
                                              outputPath("hostile.nxx").string() +
                                              ". XML element with more than 64 attributes");
}

TEST(XmlNesting, CountsAttributesAsTheParserReadsThem) {
    const std::pair<const char*, bool> cases[] = {
        {"<a x=\"1\" y='2'/>", true},
        {"<a x=\"1\" y=\"2\" z=\"3\"/>", false},
        {"<a x=\"=\" y='a=b=c'/>", true},         // quoted signs are values
        {"<a x=1 y=2 z=3>", false},               // unquoted values still count
        {"<a x='1'><b y='1' z='2'/></a>", true},  // each element on its own
        {"<a><!-- <b x='1' y='2' z='3'/> --></a>", true},
        {"<a>x=1 y=2 z=3</a>", true},  // text is no tag
        {"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?><a/>", true},
    };
    for (const auto& [text, allowed] : cases) {
        if (allowed)
            EXPECT_NO_THROW(persistence::checkXmlStructure(text, 256, 2)) << text;
        else
            EXPECT_THROW(persistence::checkXmlStructure(text, 256, 2), std::runtime_error) << text;
    }
}

TEST(XmlNesting, CountsElementsAsTheParserDoes) {
    const std::pair<const char*, bool> cases[] = {
        {"<a><b><c/></b></a>", true},
        {"<a><b><c></c></b></a>", false},
        {"<a><!-- <b><c> --></a>", true},
        {"<a><![CDATA[<b><c>]]></a>", true},
        {"<a x='>'><b/></a>", true},
        {"<a><b>/><c>", false},  // text "/>" closes nothing
        {"<?xml version='1.0'?><a><b></b></a>", true},
        {"<a><b><c", true},  // unterminated: the parser stops there
    };
    for (const auto& [text, allowed] : cases) {
        if (allowed)
            EXPECT_NO_THROW(persistence::checkXmlNesting(text, 2)) << text;
        else
            EXPECT_THROW(persistence::checkXmlNesting(text, 2), std::runtime_error) << text;
    }
}

// The large elements' ends the check finds are those a scan finds, so a scanner may take
// them instead of scanning; a text that does not read cleanly gives none.
TEST(XmlNesting, LargeElementEndsAreThoseAScanFinds) {
    std::string records;
    for (int i = 0; records.size() < 80 * 1024; ++i)
        records += "<R Id=\"" + std::to_string(i) +
                   "\" a='>' b=\"/>\"><N>x</N><E/>"
                   "<!-- <C> --><![CDATA[</R><]]></R>\n";
    const std::string text =
        "<?xml version=\"1.0\"?><!-- <Space> -->\n<Space><Small><s/></Small>"
        "<List><Inner>" +
        records + "</Inner></List><Tail>" + records + "</Tail></Space >";
    std::vector<persistence::ElementEnd> ends;
    ASSERT_TRUE(persistence::checkXmlStructure(text, 256, 64, &ends));
    std::vector<std::string> names;
    for (const auto& e : ends) {
        const persistence::XmlScanner scanner(text);
        const persistence::XmlSpan span = scanner.elementAt(e.start);
        EXPECT_EQ(span.end, e.end);
        EXPECT_EQ(text.compare(e.endTag, 2, "</"), 0);
        names.emplace_back(span.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Inner", "List", "Tail", "Space"}));

    // Mismatched names pair as a scan pairs them, and fail as the scan fails.
    const std::string crossed = "<A><B>" + records + "</A></B>";
    ASSERT_TRUE(persistence::checkXmlStructure(crossed, 256, 64, &ends));
    persistence::XmlScanner told(crossed);
    told.knowEnds(ends);
    std::string scanned, known;
    try {
        persistence::XmlScanner(crossed).elementAt(0);
    } catch (const std::exception& e) {
        scanned = e.what();
    }
    try {
        told.elementAt(0);
    } catch (const std::exception& e) {
        known = e.what();
    }
    EXPECT_NE(scanned, "");
    EXPECT_EQ(known, scanned);

    for (const std::string& unclean :
         {"<A>" + records, "<A>" + records + "</A></B>", "<A>" + records + "<!-- </A>",
          "<A>" + records + "</A", "<A>" + records + "<B x=\"1></B></A>"})
        EXPECT_FALSE(persistence::checkXmlStructure(unclean, 256, 64, &ends));
}

}  // namespace
}  // namespace nx::test
