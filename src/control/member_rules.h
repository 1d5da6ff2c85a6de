// The rules an automation member applies around its work: how a failure reaches the host and
// what a successful call does to the modified flag. Dispatch-table rows and member bodies
// read the same constants, so a host sees one behaviour whichever way it calls.
#pragma once

#include <cstdint>

#include "control/error_texts.h"

namespace ramulo {

enum class GuardKind : std::uint8_t {
    // Failures pass as they are (the table's invoke still turns them into DISP_E_EXCEPTION).
    None,
    // A standard exception: the code and its text. Anything else: the code and the fallback;
    // without a fallback it passes as it is.
    Text,
    // A standard exception: the code, the fallback as the whole text and the help context.
    Fixed,
    // A standard exception: the code and the fallback followed by its text.
    Prefixed,
};

// What a call that returns normally does to the document's modified flag.
enum class ModifiedFlag : std::uint8_t { Kept, Set, Cleared };

struct MemberRules {
    GuardKind guard = GuardKind::None;
    std::uint32_t code = 0;
    const char16_t* fallback = nullptr;
    ModifiedFlag modified = ModifiedFlag::Kept;
    std::uint32_t helpContext = 0;
};

namespace member_rules {

constexpr MemberRules guarded(std::uint32_t code, const char16_t* fallback,
                              ModifiedFlag modified = ModifiedFlag::Kept) {
    return {GuardKind::Text, code, fallback, modified};
}
constexpr MemberRules marks(ModifiedFlag modified) {
    return {GuardKind::None, 0, nullptr, modified};
}

using enum ModifiedFlag;
namespace t = error_texts;

// Members that only mark the document.
inline constexpr MemberRules Edit = marks(Set);
inline constexpr MemberRules Init = marks(Cleared);

// Documents and files. A failed load keeps the open document; the reader's text is the
// host's answer.
inline constexpr MemberRules NewTree{GuardKind::Fixed, 1, t::kControlName, Cleared, 1};
inline constexpr MemberRules Load = guarded(1, nullptr, Cleared);
inline constexpr MemberRules Save = guarded(0x800a03ed, t::kUnknownException, Cleared);
inline constexpr MemberRules SaveToXml = guarded(0x800a03eb, t::kUnknownException, Cleared);
inline constexpr MemberRules LoadTest = guarded(0x800a03fd, u"Unknown exception in LoadTest");
inline constexpr MemberRules Draw = guarded(0x800a03f0, t::kUnknownException);

// Structural editing.
inline constexpr MemberRules RemoveVertex =
    guarded(0x800a03f3, u"Unknown exception in RemoveVertex", Set);
inline constexpr MemberRules RemoveEdge =
    guarded(0x800a03f4, u"Unknown exception in RemoveEdge", Set);
inline constexpr MemberRules GetVertexID = guarded(0x800a03f7, u"Unknown exception in GetVertexID");
inline constexpr MemberRules GetEdgeID = guarded(0x800a03f8, u"Unknown exception in GetEdgeID");

// Property types, indices and values.
inline constexpr MemberRules GetPropertyTypeID =
    guarded(0x800a03f9, u"Ramulo Control: Unknown exception in GetPropertyTypeID");
inline constexpr MemberRules GetVertexPropertyValue =
    guarded(0x800a03fe, u"Unknown exception in VertexPropertyValue");
inline constexpr MemberRules SetVertexPropertyValue =
    guarded(0x800a03f5, u"Unknown exception in VertexPropertyValue", Set);
inline constexpr MemberRules GetEdgePropertyValue =
    guarded(0x800a03ff, u"Unknown exception in EdgePropertyValue");
inline constexpr MemberRules SetEdgePropertyValue =
    guarded(0x800a03f6, u"Unknown exception in EdgePropertyValue", Set);
inline constexpr MemberRules GetGraphPropertyValue =
    guarded(0x800a0401, u"Unknown exception in GraphPropertyValue");
inline constexpr MemberRules SetGraphPropertyValue =
    guarded(0x800a0400, u"Unknown exception in GraphPropertyValue", Set);
inline constexpr MemberRules FindVertexPropertyIndex =
    guarded(0x800a03fa, u"Unknown exception in FindVertexPropertyIndex");
inline constexpr MemberRules FindEdgePropertyIndex =
    guarded(0x800a03fb, u"Unknown exception in FindEdgePropertyIndex");
inline constexpr MemberRules FindGraphPropertyIndex =
    guarded(0x800a03fc, u"Unknown exception in FindGraphPropertyIndex");
// The index properties share their codes with the Find members; the graph's keeps the
// vertex member's fallback text.
inline constexpr MemberRules GetVertexPropertyIndex = FindVertexPropertyIndex;
inline constexpr MemberRules GetEdgePropertyIndex = FindEdgePropertyIndex;
inline constexpr MemberRules GetGraphPropertyIndex =
    guarded(0x800a03fc, u"Unknown exception in FindVertexPropertyIndex");
inline constexpr MemberRules AddVertexProperty =
    guarded(0x800a0408, u"Unknown exception in AddEdgeProperty", Set);
inline constexpr MemberRules AddEdgeProperty =
    guarded(0x800a0409, u"Unknown exception in AddEdgeProperty", Set);
inline constexpr MemberRules AddGraphProperty =
    guarded(0x800a040a, u"Unknown exception in AddGraphProperty", Set);
// The by-name puts leave the modified flag as it was.
inline constexpr MemberRules GetVertexPropertyValueByName =
    guarded(0x800a03fe, u"Unknown exception in GetVertexPropertyValueByName");
inline constexpr MemberRules SetVertexPropertyValueByName =
    guarded(0x800a03f5, u"Unknown exception in SetVertexPropertyValueByName");
inline constexpr MemberRules GetEdgePropertyValueByName =
    guarded(0x800a03ff, u"Unknown exception in GetEdgePropertyValueByName");
inline constexpr MemberRules SetEdgePropertyValueByName =
    guarded(0x800a03f6, u"Unknown exception in SetEdgePropertyValueByName");
inline constexpr MemberRules GetGraphPropertyValueByName =
    guarded(0x800a0401, u"Unknown exception in GetGraphPropertyValueByName");
inline constexpr MemberRules SetGraphPropertyValueByName =
    guarded(0x800a0400, u"Unknown exception in SetGraphPropertyValueByName");
inline constexpr MemberRules AddVertexPropertyByName =
    guarded(0x800a040b, u"Unknown exception in AddEdgePropertyByName", Set);
inline constexpr MemberRules AddEdgePropertyByName =
    guarded(0x800a040c, u"Unknown exception in AddEdgePropertyByName", Set);
inline constexpr MemberRules AddGraphPropertyByName =
    guarded(0x800a040d, u"Unknown exception in AddGraphPropertyByName", Set);

// Layouts mark the document even when they did not arrange. The force-directed layout
// reports the radial layout's code, as hosts have always seen it.
inline constexpr MemberRules HierarchicalLayout = guarded(0x800a03ef, t::kUnknownException, Set);
inline constexpr MemberRules RadialLayout = guarded(0x800a03f1, t::kUnknownException, Set);
inline constexpr MemberRules ForceDirectedLayout = RadialLayout;
inline constexpr MemberRules LayeredLayout = RadialLayout;
// The context menu's force-directed command has a code of its own. Menu commands mark the
// document themselves, only after a layout that arranged.
inline constexpr MemberRules ForceDirectedLayoutCommand = guarded(0x800a03f2, t::kUnknownException);

// Undo and redo: the flag follows the history's clean mark, set by the member.
inline constexpr MemberRules HistoryStep{GuardKind::Prefixed, 1, t::kControlPrefix};

}

}  // namespace ramulo  // namespace member_rules
