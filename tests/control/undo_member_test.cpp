// Undo, Redo, CanUndo, CanRedo and UndoLimit through the dispatch table, with the modified
// flag following the history back to the saved document and away from it.
#include <filesystem>

#include "control/dispatch_table.h"
#include "control/error_texts.h"
#include "control_fixture.h"

using namespace ramulo;

using namespace control_test;

namespace {

bool flag(const Variant& v) {
    return v.vt == VT_BOOL && v.boolVal != 0;
}

TEST_F(ShownControl, UndoAndRedoMembersFollowTheHistoryAndTheModifiedFlag) {
    auto call = [&](const char16_t* name, std::vector<Variant> args = {}) {
        return invoke(control, name, MemberKind::Method, std::move(args));
    };
    const auto folder = std::filesystem::path(RAMULO_TEST_OUTPUT) / "undo_members";
    std::filesystem::create_directories(folder);
    call(u"SaveToXml", {Variant::fromString((folder / "saved.nxx").u16string())});
    ASSERT_FALSE(control.isModified());
    EXPECT_FALSE(flag(call(u"CanUndo")));

    const std::uint32_t order = control.GetVertexCount(0);
    call(u"RemoveVertex", {Variant::fromUI4(control.GetVertexID(0, 1))});
    EXPECT_TRUE(control.isModified());
    EXPECT_TRUE(flag(call(u"CanUndo")));
    EXPECT_FALSE(flag(call(u"CanRedo")));

    call(u"Undo");
    EXPECT_EQ(control.GetVertexCount(0), order);
    EXPECT_FALSE(control.isModified());
    EXPECT_TRUE(flag(call(u"CanRedo")));
    // Nothing left to take back: the call does nothing.
    call(u"Undo");
    EXPECT_EQ(control.GetVertexCount(0), order);
    call(u"Redo");
    EXPECT_EQ(control.GetVertexCount(0), order - 1);
    EXPECT_TRUE(control.isModified());

    const Variant limit = invoke(control, u"UndoLimit", MemberKind::PropertyGet, {});
    EXPECT_EQ(limit.ulVal, 100u);
    invoke(control, u"UndoLimit", MemberKind::PropertyPut, {Variant::fromUI4(0)});
    EXPECT_FALSE(flag(call(u"CanUndo")));
    call(u"AddVertex");
    EXPECT_FALSE(flag(call(u"CanUndo")));
}

TEST_F(ShownControl, UndoGroupMembersMakeOneStepAndAnUnbalancedEndFails) {
    auto call = [&](const char16_t* name, std::vector<Variant> args = {}) {
        return invoke(control, name, MemberKind::Method, std::move(args));
    };
    const std::uint32_t order = control.GetVertexCount(0);
    call(u"BeginUndoGroup");
    call(u"AddVertex");
    call(u"AddVertex");
    call(u"HierarchicalLayout");
    call(u"EndUndoGroup");
    EXPECT_EQ(control.GetVertexCount(0), order + 2);
    EXPECT_TRUE(control.isModified());
    call(u"Undo");
    EXPECT_EQ(control.GetVertexCount(0), order);
    EXPECT_FALSE(flag(call(u"CanUndo")));
    try {
        call(u"EndUndoGroup");
        FAIL() << "an end without a begin is an error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.description(), error_texts::kNoOpenUndoGroup);
    }
}

}  // namespace
