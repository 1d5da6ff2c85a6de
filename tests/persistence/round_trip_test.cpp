// Both document files carry every value, membership and shape back unchanged, with either
// separator.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "persistence/document.h"
#include "persistence/space_files.h"
#include "properties/list_separator.h"

namespace nx::test {
namespace {

void save(Space& space, Format format, const std::string& path) {
    if (format == Format::Stream)
        nx::saveStream(space, path, nullptr);
    else
        nx::saveXml(space, path, nullptr);
}

void load(Space& space, Format format, const std::string& path) {
    if (format == Format::Stream)
        nx::loadStream(space, path, nullptr);
    else
        nx::loadXml(space, path, nullptr);
}

class RoundTrip : public testing::TestWithParam<std::tuple<Format, char>> {};

TEST_P(RoundTrip, RichDocumentComesBackEqualAndSavesToTheSameBytes) {
    const auto [format, separator] = GetParam();
    ScopedListSeparator scoped(separator);
    const std::string name = std::string(format == Format::Stream ? "rich" : "rich_xml") +
                             (separator == ',' ? "_comma" : "_semicolon");
    const auto first = outputPath(name + (format == Format::Stream ? ".nx" : ".nxx"));
    const auto second = outputPath(name + "_again" + (format == Format::Stream ? ".nx" : ".nxx"));

    Document original;
    buildRich(original);
    save(*original.space, format, first);

    Document copy;
    copy.vertexSchema.addByTypeName("Int");  // stale content must be replaced, not kept
    copy.space->vertexFactory().create();
    load(*copy.space, format, first);
    EXPECT_EQ(dump(*copy.space), dump(*original.space));

    save(*copy.space, format, second);
    EXPECT_EQ(readFile(second), readFile(first));
    if (format == Format::Xml) {
        const std::string command = "xmllint --noout '" + first.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << readFile(first);
    }
}

TEST_P(RoundTrip, EmptySpaceComesBackEmpty) {
    const auto [format, separator] = GetParam();
    ScopedListSeparator scoped(separator);
    const auto path = outputPath("empty" + std::string(1, separator == ',' ? 'c' : 's') +
                                 (format == Format::Stream ? ".nx" : ".nxx"));
    Document empty;
    save(*empty.space, format, path);
    Document copy;
    buildExample(copy);
    load(*copy.space, format, path);
    EXPECT_EQ(dump(*copy.space), dump(*empty.space));
}

INSTANTIATE_TEST_SUITE_P(FormatsAndSeparators, RoundTrip,
                         testing::Combine(testing::Values(Format::Stream, Format::Xml),
                                          testing::Values(',', ';')),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == Format::Stream ? "Stream"
                                                                                          : "Xml") +
                                    (std::get<1>(info.param) == ',' ? "Comma" : "Semicolon");
                         });

}  // namespace
}  // namespace nx::test
