// The dispatch table: completeness, calls by DISPID and by name, argument conversion and
// the generated member reference.
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "control/automation_reference.h"
#include "control/dispatch_table.h"
#include "control/error_texts.h"
#include "control_fixture.h"

using namespace ramulo;

using namespace control_test;

namespace {

TEST(DispatchTable, HoldsEveryCustomMemberOnceForEachKind) {
    std::set<std::int32_t> dispids;
    std::set<std::pair<std::int32_t, MemberKind>> entries;
    for (const MemberInfo& m : memberTable()) {
        EXPECT_TRUE(entries.insert({m.dispid, m.kind}).second) << m.name;
        if (m.dispid > 0) dispids.insert(m.dispid);
        if (m.kind == MemberKind::PropertyPut) {
            const MemberInfo* get = findMember(m.dispid, MemberKind::PropertyGet);
            ASSERT_NE(get, nullptr) << m.name;
            ASSERT_EQ(m.params.size(), get->params.size() + 1) << m.name;
            EXPECT_EQ(m.params.back().type, get->result) << m.name;
        }
    }
    std::set<std::int32_t> expected;
    for (std::int32_t id = 1; id <= 90; ++id)
        if (id != 17 && id != 18) expected.insert(id);
    expected.insert({1001, 1002});                    // the layered layout and its limit
    expected.insert({1010, 1011});                    // the window's zoom and zoom to fit
    expected.insert({1020, 1021, 1022, 1023, 1024});  // undo, redo and their limit
    expected.insert({1025, 1026});                    // undo groups
    expected.insert(1030);                            // labels that keep their contrast
    expected.insert(1040);                            // layouts that make room for labels
    EXPECT_EQ(dispids, expected);
    EXPECT_EQ(findMember(u"vertexcount", MemberKind::PropertyGet)->dispid, 36);
    EXPECT_EQ(findMember(u"Init", MemberKind::PropertyGet), nullptr);
}

TEST_F(ControlTest, InvokeByDispidAndByName) {
    invoke(control, 19, MemberKind::Method, {});  // Init
    const Variant graph = invoke(control, u"NewTree", MemberKind::Method, {});
    EXPECT_EQ(graph.vt, VT_UI4);
    invoke(control, u"AddVertexPropertyByName", MemberKind::Method,
           {Variant::fromString(u"X"), Variant::fromI4(2)});
    const Variant v = invoke(control, 32, MemberKind::Method, {});  // AddVertex
    invoke(control, u"VertexPropertyValueByName", MemberKind::PropertyPut,
           {v, Variant::fromString(u"X"), Variant::fromI4(2), Variant::fromString(u"17")});
    const Variant x = invoke(control, 84, MemberKind::PropertyGet,
                             {v, Variant::fromString(u"X"), Variant::fromI4(2)});
    EXPECT_EQ(x.vt, VT_INT);
    EXPECT_EQ(x.intVal, 17);
    EXPECT_EQ(invoke(control, u"VertexCount", MemberKind::PropertyGet, {Variant::fromI4(0)}).ulVal,
              1u);

    invoke(control, 1, MemberKind::PropertyPut, {Variant::fromBool(true)});  // EditingEnabled
    const Variant editing = invoke(control, u"editingenabled", MemberKind::PropertyGet, {});
    EXPECT_EQ(editing.vt, VT_BOOL);
    EXPECT_EQ(editing.boolVal, VARIANT_TRUE);

    invoke(control, u"FileExt", MemberKind::PropertyPut, {Variant::fromString(u"")});
    EXPECT_EQ(invoke(control, 58, MemberKind::PropertyGet, {}).bstrVal, u"nxx");
    // The put of a read-only property is accepted and does nothing.
    invoke(control, 36, MemberKind::PropertyPut, {Variant::fromI4(0), Variant::fromI4(9)});
    EXPECT_EQ(control.GetVertexCount(0), 1u);

    // The stock font, by its DISPID, as its text description.
    invoke(control, -512, MemberKind::PropertyPut, {Variant::fromString(u"Tahoma,9")});
    EXPECT_EQ(invoke(control, u"Font", MemberKind::PropertyGet, {}).bstrVal, u"Tahoma,9");
}

TEST_F(ControlTest, InvokeConvertsArgumentsAsAutomationDoes) {
    struct Case {
        Variant argument;
        std::uint32_t code;    // 0: accepted
        std::uint16_t testId;  // the stored value when accepted
    };
    Variant empty;
    Variant null;
    null.vt = VT_NULL;
    const std::vector<Case> cases{
        {Variant::fromI4(17), 0, 17},
        {Variant::fromString(u" 42 "), 0, 42},
        {Variant::fromString(u"&HFF"), 0, 255},
        {Variant::fromR8(2.5), 0, 2},  // half to even
        {Variant::fromR8(3.5), 0, 4},
        {Variant::fromBool(false), 0, 0},
        {empty, 0, 0},
        {Variant::fromI4(65535), 0, 65535},
        {Variant::fromI4(65536), DISP_E_OVERFLOW, 0},
        {Variant::fromI4(-1), DISP_E_OVERFLOW, 0},
        {Variant::fromBool(true), DISP_E_OVERFLOW, 0},
        {Variant::fromString(u"1e9"), DISP_E_OVERFLOW, 0},
        {Variant::fromString(u"abc"), DISP_E_TYPEMISMATCH, 0},
        {Variant::fromString(u""), DISP_E_TYPEMISMATCH, 0},
        {null, DISP_E_TYPEMISMATCH, 0},
    };
    for (const Case& c : cases) {
        control.SetTestID(9);
        const Failure f =
            failureOf([&] { invoke(control, u"TestID", MemberKind::PropertyPut, {c.argument}); });
        EXPECT_EQ(f.code, c.code) << "vt " << c.argument.vt;
        EXPECT_EQ(control.GetTestID(), c.code ? 9 : c.testId) << "vt " << c.argument.vt;
    }
    // Strings and booleans in the other direction.
    invoke(control, u"FileExt", MemberKind::PropertyPut, {Variant::fromR8(0.25)});
    EXPECT_EQ(control.GetFileExt(), u"0.25");
    invoke(control, u"RotationEnabled", MemberKind::PropertyPut, {Variant::fromString(u"True")});
    EXPECT_EQ(control.GetRotationEnabled(), VARIANT_TRUE);
    invoke(control, u"RotationEnabled", MemberKind::PropertyPut, {Variant::fromI4(0)});
    EXPECT_EQ(control.GetRotationEnabled(), VARIANT_FALSE);
}

TEST_F(ControlTest, InvokeRefusesUnknownMembersAndWrongCounts) {
    EXPECT_EQ(failureOf([&] { invoke(control, 17, MemberKind::Method, {}); }).code,
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(failureOf([&] { invoke(control, u"NoSuchMember", MemberKind::Method, {}); }).code,
              DISP_E_UNKNOWNNAME);
    EXPECT_EQ(failureOf([&] { invoke(control, u"Init", MemberKind::PropertyGet, {}); }).code,
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(failureOf([&] {
                  invoke(control, u"AddEdge", MemberKind::Method, {Variant::fromI4(1)});
              }).code,
              DISP_E_BADPARAMCOUNT);
    // Arrays travel by reference; a missing one behind a count is refused.
    EXPECT_EQ(failureOf([&] {
                  invoke(control, u"AddVertices", MemberKind::Method,
                         {Variant::fromI4(2), Variant::fromI4(0)});
              }).code,
              DISP_E_TYPEMISMATCH);
    Variant none;
    none.vt = VT_BYREF | VT_UI4;
    EXPECT_EQ(failureOf([&] {
                  invoke(control, u"AddVertices", MemberKind::Method, {Variant::fromI4(2), none});
              }).code,
              E_POINTER);
}

TEST_F(ControlTest, InvokeReportsMemberErrorsAndUnguardedFailures) {
    const Failure newTree = failureOf([&] { invoke(control, 23, MemberKind::Method, {}); });
    EXPECT_EQ(newTree.code, 1u);
    EXPECT_EQ(newTree.description, error_texts::kControlName);
    control.Init();
    control.NewTree();
    // An appearance member has no guard of its own: its text still arrives.
    const Failure colour = failureOf([&] {
        invoke(control, u"SetDefaultEdgeAppearance", MemberKind::Method, {Variant::fromI4(9)});
    });
    EXPECT_EQ(colour.code, DISP_E_EXCEPTION);
    EXPECT_NE(colour.description.find(u"Incorrect color"), std::u16string::npos);
}

// A row's rules are what its member does: invoked or called directly, a failure carries the
// row's code, and a failed call leaves the modified flag alone.
TEST_F(ControlTest, FailuresCarryTheRowCodeOnBothPaths) {
    control.Init();
    control.AddVertexPropertyByName(u"X", 2);
    control.NewTree();
    control.AddVertex();
    const auto ui4 = [](std::uint32_t v) { return Variant::fromUI4(v); };
    const auto ui2 = [](std::uint16_t v) { return Variant::fromUI2(v); };
    struct Case {
        std::int32_t dispid;
        MemberKind kind;
        std::vector<Variant> args;
        std::function<void()> direct;
    };
    const Variant one = Variant::fromInt(1);
    const std::vector<Case> cases{
        {33, MemberKind::Method, {ui4(42)}, [&] { control.RemoveVertex(42); }},
        {35, MemberKind::Method, {ui4(7)}, [&] { control.RemoveEdge(7); }},
        {38, MemberKind::PropertyGet, {ui2(0), ui4(9)}, [&] { control.GetVertexID(0, 9); }},
        {39, MemberKind::PropertyGet, {ui2(0), ui4(5)}, [&] { control.GetEdgeID(0, 5); }},
        {12,
         MemberKind::PropertyGet,
         {Variant::fromString(u"name")},
         [&] { control.GetPropertyTypeID(u"name"); }},
        {15,
         MemberKind::PropertyGet,
         {ui4(12345), ui2(0), ui2(0)},
         [&] { control.GetVertexPropertyValue(12345, 0, 0); }},
        {15,
         MemberKind::PropertyPut,
         {ui4(12345), ui2(0), ui2(0), one},
         [&] { control.SetVertexPropertyValue(12345, 0, 0, one); }},
        {16,
         MemberKind::PropertyPut,
         {ui4(12345), ui2(0), ui2(0), one},
         [&] { control.SetEdgePropertyValue(12345, 0, 0, one); }},
        {83, MemberKind::PropertyGet, {ui2(999)}, [&] { control.GetGraphPropertyValue(999); }},
        {80,
         MemberKind::PropertyGet,
         {ui2(0), ui2(3)},
         [&] { control.GetVertexPropertyIndex(0, 3); }},
        {82, MemberKind::PropertyGet, {ui2(999)}, [&] { control.GetGraphPropertyIndex(999); }},
        {29, MemberKind::Method, {ui2(999), ui2(0)}, [&] { control.AddVertexProperty(999, 0); }},
        {87,
         MemberKind::Method,
         {Variant::fromString(u"NoSuchType"), ui2(0)},
         [&] { control.AddVertexPropertyByName(u"NoSuchType", 0); }},
        {28,
         MemberKind::Method,
         {Variant::fromString(u"/no/such/folder/t.nxx")},
         [&] { control.SaveToXml(u"/no/such/folder/t.nxx"); }},
    };
    for (const Case& c : cases) {
        const MemberInfo* row = findMember(c.dispid, c.kind);
        ASSERT_NE(row, nullptr) << c.dispid;
        ASSERT_EQ(row->rules.guard, GuardKind::Text) << row->name;
        control.setModified(false);
        const Failure invoked = failureOf([&] { invoke(control, c.dispid, c.kind, c.args); });
        const Failure direct = failureOf(c.direct);
        EXPECT_EQ(invoked.code, row->rules.code) << row->name;
        EXPECT_EQ(direct.code, row->rules.code) << row->name;
        EXPECT_FALSE(invoked.description.empty()) << row->name;
        EXPECT_EQ(direct.description, invoked.description) << row->name;
        EXPECT_FALSE(control.isModified()) << row->name;
    }
}

// What a successful call does to the modified flag is the row's: set, cleared or kept.
TEST_F(ControlTest, SuccessfulCallsMarkTheDocumentAsTheRowSays) {
    control.Init();
    control.AddVertexPropertyByName(u"X", 2);
    control.NewTree();
    const Variant v = invoke(control, 32, MemberKind::Method, {});  // AddVertex
    const std::string saved = ::testing::TempDir() + "row_rules.nxx";
    struct Case {
        std::int32_t dispid;
        MemberKind kind;
        std::vector<Variant> args;
    };
    const std::vector<Case> cases{
        {32, MemberKind::Method, {}},                                   // AddVertex
        {1, MemberKind::PropertyPut, {Variant::fromBool(true)}},        // EditingEnabled
        {-501, MemberKind::PropertyPut, {Variant::fromUI4(0x00FF00)}},  // BackColor
        {53, MemberKind::Method, {Variant::fromUI2(1)}},                // SetDefaultEdgeAppearance
        {15,
         MemberKind::PropertyPut,
         {v, Variant::fromUI2(0), Variant::fromUI2(2), Variant::fromInt(4)}},
        {84,
         MemberKind::PropertyPut,
         {v, Variant::fromString(u"X"), Variant::fromUI2(2), Variant::fromInt(5)}},
        {60, MemberKind::Method, {}},                                            // RadialLayout
        {28, MemberKind::Method, {Variant::fromString(toUtf16(saved))}},         // SaveToXml
        {25, MemberKind::Method, {Variant::fromString(toUtf16(saved))}},         // LoadFromXml
        {63, MemberKind::Method, {Variant::fromUI2(10), Variant::fromR8(0.5)}},  // layout params
        {19, MemberKind::Method, {}},                                            // Init
    };
    for (const Case& c : cases) {
        const MemberInfo* row = findMember(c.dispid, c.kind);
        ASSERT_NE(row, nullptr) << c.dispid;
        for (const bool before : {false, true}) {
            control.setModified(before);
            invoke(control, c.dispid, c.kind, c.args);
            const bool expected = row->rules.modified == ModifiedFlag::Set       ? true
                                  : row->rules.modified == ModifiedFlag::Cleared ? false
                                                                                 : before;
            EXPECT_EQ(control.isModified(), expected) << row->name << " from " << before;
        }
    }
    // The table names each kind of flag at least once above, so none of them is left unchecked.
    EXPECT_EQ(findMember(32, MemberKind::Method)->rules.modified, ModifiedFlag::Set);
    EXPECT_EQ(findMember(28, MemberKind::Method)->rules.modified, ModifiedFlag::Cleared);
    EXPECT_EQ(findMember(84, MemberKind::PropertyPut)->rules.modified, ModifiedFlag::Kept);
}

TEST_F(ControlTest, InvokeFillsArraysByReference) {
    control.Init();
    control.NewTree();
    std::uint32_t ids[3] = {0, 0, 0};
    Variant array;
    array.vt = VT_BYREF | VT_UI4;
    array.ptr = ids;
    invoke(control, 69, MemberKind::Method, {Variant::fromI4(3), array});
    EXPECT_EQ(control.GetVertexCount(0), 3u);
    EXPECT_EQ(ids[2], control.GetVertexID(0, 2));
}

TEST(AutomationReference, CommittedPageMatchesTheTable) {
    const std::string page = automationReference();
    EXPECT_NE(page.find("| 36 | `VertexCount` | get | `Scope` UI2 | UI4 |"), std::string::npos);
    EXPECT_NE(page.find("| 503 | `EdgeMenuCommand` |"), std::string::npos);
    std::ifstream committed(RAMULO_TEST_DATA "/../../docs/AUTOMATION.md", std::ios::binary);
    std::stringstream text;
    text << committed.rdbuf();
    EXPECT_EQ(text.str(), page) << "regenerate docs/AUTOMATION.md with tools/automation_reference";
}

}  // namespace
