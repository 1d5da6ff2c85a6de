// Text forms of property values: writing, reading, quotes, limits and error texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"

namespace nx {
namespace {

using namespace PropertyTemplate;

std::string written(const Property& p) {
    return p.toText();
}

// Reads one value from text with the current separator; answers the error text or "".
std::string readInto(Property& p, const std::string& text) {
    std::istringstream in(text);
    try {
        p.read(in, listSeparator());
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

struct ReadCase {
    const char* name;
    Property* (*make)();
    const char* text;
    const char* expectWritten;  // value written back after a successful read
    const char* error;          // expected error text, or nullptr
};

template <typename P>
Property* make() {
    return new P;
}

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTable, ReadsOrFailsWithItsText) {
    const ReadCase& c = GetParam();
    std::unique_ptr<Property> p(c.make());
    const std::string error = readInto(*p, c.text);
    if (c.error) {
        EXPECT_EQ(error, c.error);
    } else {
        EXPECT_EQ(error, "");
        EXPECT_EQ(written(*p), c.expectWritten);
    }
}

constexpr const char* kIntError = nx::error_texts::kFailedToReadInt;

INSTANTIATE_TEST_SUITE_P(
    Values, ReadTable,
    ::testing::Values(
        ReadCase{"IntRoundTrip", make<Int>, "-2147483648", "-2147483648", nullptr},
        ReadCase{"IntOverflow", make<Int>, "2147483648", nullptr, kIntError},
        ReadCase{"IntLeadingSpace", make<Int>, " 12", "12", nullptr},
        ReadCase{"IntTrailingSpace", make<Int>, "12 ", nullptr, kIntError},
        ReadCase{"IntQuoted", make<Int>, "\"7\"", "7", nullptr},
        ReadCase{"IntLoneQuote", make<Int>, "\"", nullptr, kIntError},
        ReadCase{"IntEmpty", make<Int>, "", nullptr, kIntError},
        ReadCase{"XQuoted", make<X>, "\"7\"", "7", nullptr},
        // Short plain decimals take a quicker path than the rest: its edges read the same.
        ReadCase{"IntNineDigits", make<Int>, "-999999999", "-999999999", nullptr},
        ReadCase{"IntTenWithLeadingZeros", make<Int>, "0000000012", "12", nullptr},
        ReadCase{"IntMinusZero", make<Int>, "-0", "0", nullptr},
        ReadCase{"IntMinusAlone", make<Int>, "-", nullptr, kIntError},
        ReadCase{"IntPlus", make<Int>, "+5", "5", nullptr},
        ReadCase{"BoolNegative", make<Bool>, "-3", "1", nullptr},
        ReadCase{"BoolTenZeros", make<Bool>, "0000000000", "0", nullptr},
        ReadCase{"BoolTooBig", make<Bool>, "99999999999", nullptr, kIntError},
        ReadCase{"RealFifteenDigits", make<Real>, "-123456789012345", "-1.23457e+14", nullptr},
        ReadCase{"RealMinusZero", make<Real>, "-0", "-0", nullptr},
        ReadCase{"RealMinusAlone", make<Real>, "-", nullptr,
                 "Failed to read a value of type 'double'"},
        ReadCase{"BoolFive", make<Bool>, "5", "1", nullptr},
        ReadCase{"BoolZero", make<Selected>, "0", "0", nullptr},
        ReadCase{"BoolWord", make<Bool>, "true", nullptr, kIntError},
        ReadCase{"RealQuoted", make<Real>, "\"7\"", "7", nullptr},
        ReadCase{"RealExponent", make<AuxReal1>, "1.5e3", "1500", nullptr},
        ReadCase{"RealTrailingJunk", make<Real>, "1.5x", nullptr,
                 "Failed to read a value of type 'double'"},
        ReadCase{"RealOverflow", make<Real>, "1e999", nullptr,
                 "Failed to read a value of type 'double'"},
        ReadCase{"PointerHex", make<Pointer>, "00000000DEADBEEF", "00000000DEADBEEF", nullptr},
        ReadCase{"PointerQuoted", make<Pointer>, "\"7\"", "0000000000000007", nullptr},
        ReadCase{"PointerJunk", make<Pointer>, "zz", nullptr,
                 "Failed to read a value of type 'void*'"},
        ReadCase{"UIntMax", make<UInt32>, "4294967295", "4294967295", nullptr},
        ReadCase{"UIntNegative", make<UInt32>, "-1", nullptr,
                 nx::error_texts::kFailedToReadUnsigned},
        ReadCase{"Int64Min", make<Int64>, "-9223372036854775808", "-9223372036854775808", nullptr},
        ReadCase{"Int64Overflow", make<Int64>, "9223372036854775808", nullptr,
                 "Failed to read a value of type 'long long'"},
        ReadCase{"UInt64Max", make<UInt64>, "18446744073709551615", "18446744073709551615",
                 nullptr},
        ReadCase{"UInt64Overflow", make<UInt64>, "18446744073709551616", nullptr,
                 "Failed to read a value of type 'unsigned long long'"},
        ReadCase{"CharNegative", make<Char>, "-5", "-5", nullptr},
        ReadCase{"CharQuoted", make<Char>, "\"7\"", "7", nullptr},
        ReadCase{"CharOverflow", make<Char>, "200", nullptr,
                 "Failed to read a value of type 'char'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextForm, RealDigitsReadAsTheLibraryConvertsThem) {
    // Up to 15 digits convert exactly; from 16 on the general conversion rounds.
    for (const char* text : {"123456789012345", "-999999999999999", "9007199254740993",
                             "12345678901234567890", "000000000000000000001"}) {
        Real r;
        EXPECT_EQ(readInto(r, text), "") << text;
        EXPECT_EQ(r.value, std::strtod(text, nullptr)) << text;
    }
}

TEST(TextForm, RealKeepsSixSignificantDigits) {
    EXPECT_EQ(written(Real(0.123456789)), "0.123457");
    EXPECT_EQ(written(Real(1234567.0)), "1.23457e+06");
    EXPECT_EQ(written(Real(0.5)), "0.5");
}

TEST(TextForm, ReadStopsAtTheSeparatorAndConsumesIt) {
    std::istringstream in("12,-3,#");
    X x;
    Y y;
    x.read(in, ',');
    y.read(in, ',');
    EXPECT_EQ(x.value, 12);
    EXPECT_EQ(y.value, -3);
    EXPECT_EQ(in.get(), '#');
}

TEST(TextForm, ColorNamesAndUnknownTokens) {
    Color c;
    EXPECT_EQ(readInto(c, "White"), "");
    EXPECT_EQ(c.value, Color::White);
    EXPECT_EQ(readInto(c, "Red"), "");  // unknown: unchanged, no error
    EXPECT_EQ(c.value, Color::White);
    EXPECT_EQ(readInto(c, "\"Gray\""), "");  // quotes are not stripped for colours
    EXPECT_EQ(c.value, Color::White);
    EXPECT_EQ(written(Color(1)), "Gray");
    EXPECT_EQ(written(Color(7)), "");
}

TEST(StringForm, SeparatorIsEscapedAsByteThreeAndReadBack) {
    for (char sep : {',', ';'}) {
        ScopedListSeparator scope(sep);
        const std::u16string text = u"a,b;c";
        const std::string out = written(Name(text));
        std::string expected = "a,b;c";
        expected[sep == ',' ? 1 : 3] = '\x03';
        EXPECT_EQ(out, expected) << "separator " << sep;
        Name back;
        EXPECT_EQ(readInto(back, out), "");
        EXPECT_EQ(back.value, text);
    }
}

TEST(StringForm, ByteThreeInTheTextReadsBackAsTheSeparator) {
    String s(u"x\u0003y");
    String back;
    EXPECT_EQ(readInto(back, written(s)), "");
    EXPECT_EQ(back.value, u"x,y");
}

TEST(StringForm, OuterQuotesAreLostAfterARoundTrip) {
    String back;
    EXPECT_EQ(readInto(back, written(String(u"\"quoted\""))), "");
    EXPECT_EQ(back.value, u"quoted");
}

TEST(StringForm, Utf8RoundTripAndConverterErrors) {
    const std::u16string text = u"Gr\u00fc\u00dfe \u6771\u4eac \U0001F600";
    String back;
    EXPECT_EQ(readInto(back, written(String(text))), "");
    EXPECT_EQ(back.value, text);

    EXPECT_EQ(readInto(back, "\xff\xfe"), "Invalid UTF-8");
    EXPECT_EQ(readInto(back, "\xe6\x9d"), "Not enough space");
    EXPECT_THROW(written(String(std::u16string(1, u'\xd800'))), std::exception);
    try {
        written(String(std::u16string(1, u'\xd800')));
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Invalid UTF-16");
    }
}

TEST(StringForm, LongTextIsNotReadBackWhole) {
    const std::u16string text(1500, u'a');
    std::istringstream in(written(String(text)));
    String back;
    back.read(in, ',');
    EXPECT_EQ(back.value.size(), 1023u);
}

}  // namespace
}  // namespace nx
