// Help strings of the type library, for every member of the dispatch table.
#include <gtest/gtest.h>

#include "control/dispatch_table.h"
#include "control/type_library.h"

using namespace ramulo;

namespace {

TEST(TypeLibrary, EveryCustomMemberIsHelpedByKindAndNameStockOnesNot) {
    int custom = 0;
    for (const MemberInfo& m : memberTable()) {
        const std::string help = type_library::helpString(m);
        if (m.dispid < 0) {
            EXPECT_EQ(help, "") << m.name;
            continue;
        }
        ++custom;
        const std::string word = m.kind == MemberKind::Method ? "method " : "property ";
        EXPECT_EQ(help, word + m.name);
    }
    EXPECT_GT(custom, 0);
    const auto help = [](const char* name, MemberKind kind) {
        const MemberInfo* m = findMember(std::u16string(name, name + std::char_traits<char>::length(name)), kind);
        return m ? type_library::helpString(*m) : std::string("missing");
    };
    EXPECT_EQ(help("Init", MemberKind::Method), "method Init");
    EXPECT_EQ(help("VertexCount", MemberKind::PropertyGet), "property VertexCount");
    EXPECT_EQ(help("VertexCount", MemberKind::PropertyPut), "property VertexCount");
    EXPECT_EQ(help("AboutBox", MemberKind::Method), "");
}

}  // namespace
