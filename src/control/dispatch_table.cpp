// The dispatch table's entries and invoke.
#include "control/dispatch_table.h"

#include <algorithm>
#include <cctype>
#include <tuple>
#include <type_traits>
#include <utility>

#include "control/automation_error.h"
#include "control/error_texts.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"
#include "control/variant_conversion.h"

namespace ramulo {

namespace {

using Call = std::function<Variant(RamuloControl&, std::vector<Variant>&)>;

// --- From converted Variants to C++ arguments and back

template <typename T>
T argument(Variant& v);
template <>
std::uint16_t argument(Variant& v) {
    return v.uiVal;
}
template <>
std::uint32_t argument(Variant& v) {
    return v.ulVal;
}
template <>
std::int16_t argument(Variant& v) {
    return v.iVal;
}  // VT_I2 and VT_BOOL alike
template <>
std::int32_t argument(Variant& v) {
    return v.lVal;
}
template <>
double argument(Variant& v) {
    return v.dblVal;
}
template <>
std::u16string argument(Variant& v) {
    return v.bstrVal;
}
template <>
Variant argument(Variant& v) {
    return v;
}
template <>
std::uint32_t* argument(Variant& v) {
    return static_cast<std::uint32_t*>(v.ptr);
}

Variant resultOf(std::uint16_t r, ArgType) {
    return Variant::fromUI2(r);
}
Variant resultOf(std::uint32_t r, ArgType) {
    return Variant::fromUI4(r);
}
Variant resultOf(std::int16_t r, ArgType type) {
    Variant v = Variant::fromI2(r);
    if (type == ArgType::BOOL) v.vt = VT_BOOL;
    return v;
}
Variant resultOf(double r, ArgType) {
    return Variant::fromR8(r);
}
Variant resultOf(const std::u16string& r, ArgType) {
    return Variant::fromString(r);
}
Variant resultOf(const Variant& r, ArgType) {
    return r;
}

// Calls fn with the converted arguments, each read as the parameter's C++ type.
template <typename R, typename Fn, typename... A, std::size_t... I>
Variant callWith(RamuloControl& c, Fn fn, ArgType result, std::vector<Variant>& args,
                 std::index_sequence<I...>, std::tuple<A...>*) {
    if constexpr (std::is_void_v<R>) {
        (c.*fn)(argument<std::decay_t<A>>(args[I])...);
        return Variant();
    } else {
        return resultOf((c.*fn)(argument<std::decay_t<A>>(args[I])...), result);
    }
}

template <typename R, typename... A>
Call adapt(R (RamuloControl::*fn)(A...), ArgType result) {
    return [fn, result](RamuloControl& c, std::vector<Variant>& args) {
        return callWith<R>(c, fn, result, args, std::index_sequence_for<A...>{},
                           static_cast<std::tuple<A...>*>(nullptr));
    };
}

template <typename R, typename... A>
Call adapt(R (RamuloControl::*fn)(A...) const, ArgType result) {
    return [fn, result](RamuloControl& c, std::vector<Variant>& args) {
        return callWith<R>(c, fn, result, args, std::index_sequence_for<A...>{},
                           static_cast<std::tuple<A...>*>(nullptr));
    };
}

// --- Building the table

using P = std::vector<ParamInfo>;
using T = ArgType;

struct Builder {
    std::vector<MemberInfo> members;

    template <typename Fn>
    void method(std::int32_t dispid, const char* name, P params, T result, Fn fn,
                MemberRules rules = {}) {
        members.push_back({dispid, name, MemberKind::Method, std::move(params), result,
                           adapt(fn, result), rules});
    }
    template <typename Get, typename Put>
    void property(std::int32_t dispid, const char* name, P params, T type, Get get, Put put,
                  MemberRules getRules = {}, MemberRules putRules = {}) {
        members.push_back(
            {dispid, name, MemberKind::PropertyGet, params, type, adapt(get, type), getRules});
        params.push_back({"newValue", type});
        members.push_back({dispid, name, MemberKind::PropertyPut, std::move(params), T::None,
                           adapt(put, T::None), putRules});
    }
};

std::vector<MemberInfo> buildTable() {
    using C = RamuloControl;
    namespace R = member_rules;
    Builder b;
    const P dot{{"Sz", T::UI2},         {"IsFilled", T::BOOL}, {"OuterColor", T::UI2},
                {"InnerColor", T::UI2}, {"NamePos", T::UI2},   {"WeightPos", T::UI2}};
    P vertexDot{{"VertexID", T::UI4}};
    vertexDot.insert(vertexDot.end(), dot.begin(), dot.end());
    const P icon{{"FileName", T::BSTR},
                 {"IconName", T::BSTR},
                 {"ID", T::I4},
                 {"Index", T::I4},
                 {"Sz", T::UI2},
                 {"NameTextColor", T::OLE_COLOR},
                 {"WeightTextColor", T::OLE_COLOR},
                 {"NamePos", T::UI2},
                 {"WeightPos", T::UI2}};
    P vertexIcon{{"VertexID", T::UI4}};
    vertexIcon.insert(vertexIcon.end(), icon.begin(), icon.end());
    const P find{{"ElementID", T::UI4},
                 {"PropertyTypeID", T::UI2},
                 {"PropertyLevel", T::UI2},
                 {"StartingFrom", T::UI2}};
    const auto findFor = [&](const char* idName) {
        P p = find;
        p[0].name = idName;
        return p;
    };

    b.method(-552, "AboutBox", {}, T::None, &C::AboutBox);
    b.property(-520, "Appearance", {}, T::I2, &C::GetAppearance, &C::SetAppearance, {}, R::Edit);
    b.property(-512, "Font", {}, T::BSTR, &C::GetFont, &C::SetFont, {}, R::Edit);
    b.property(-504, "BorderStyle", {}, T::I2, &C::GetBorderStyle, &C::SetBorderStyle, {}, R::Edit);
    b.property(-501, "BackColor", {}, T::OLE_COLOR, &C::GetBackColor, &C::SetBackColor, {},
               R::Edit);

    b.property(1, "EditingEnabled", {}, T::BOOL, &C::GetEditingEnabled, &C::SetEditingEnabled, {},
               R::Edit);
    b.property(2, "NewEnabled", {}, T::BOOL, &C::GetNewEnabled, &C::SetNewEnabled, {}, R::Edit);
    b.property(3, "FileIOEnabled", {}, T::BOOL, &C::GetFileIOEnabled, &C::SetFileIOEnabled, {},
               R::Edit);
    b.property(4, "RotationEnabled", {}, T::BOOL, &C::GetRotationEnabled, &C::SetRotationEnabled,
               {}, R::Edit);
    b.property(5, "HierarchicalLayoutEnabled", {}, T::BOOL, &C::GetHierarchicalLayoutEnabled,
               &C::SetHierarchicalLayoutEnabled, {}, R::Edit);
    b.property(6, "RadialLayoutEnabled", {}, T::BOOL, &C::GetRadialLayoutEnabled,
               &C::SetRadialLayoutEnabled, {}, R::Edit);
    b.property(7, "ForceDirectedLayoutEnabled", {}, T::BOOL, &C::GetForceDirectedLayoutEnabled,
               &C::SetForceDirectedLayoutEnabled, {}, R::Edit);
    b.property(8, "TestID", {}, T::UI2, &C::GetTestID, &C::SetTestID, {}, R::Edit);
    b.property(9, "PropertyTypeCount", {}, T::UI2, &C::GetPropertyTypeCount,
               &C::SetPropertyTypeCount);
    b.property(10, "GraphPropertyCount", {}, T::UI2, &C::GetGraphPropertyCount,
               &C::SetGraphPropertyCount);
    b.property(11, "PropertyTypeName", {{"PropertyTypeID", T::UI2}}, T::BSTR,
               &C::GetPropertyTypeName, &C::SetPropertyTypeName);
    b.property(12, "PropertyTypeID", {{"PropertyTypeName", T::BSTR}}, T::UI2, &C::GetPropertyTypeID,
               &C::SetPropertyTypeID, R::GetPropertyTypeID, {});
    b.property(13, "VertexPropertyCount", {{"PropertyLevel", T::UI2}}, T::UI2,
               &C::GetVertexPropertyCount, &C::SetVertexPropertyCount);
    b.property(14, "EdgePropertyCount", {{"PropertyLevel", T::UI2}}, T::UI2,
               &C::GetEdgePropertyCount, &C::SetEdgePropertyCount);
    b.property(15, "VertexPropertyValue",
               {{"VertexID", T::UI4}, {"PropertyIndex", T::UI2}, {"PropertyLevel", T::UI2}},
               T::VARIANT, &C::GetVertexPropertyValue, &C::SetVertexPropertyValue,
               R::GetVertexPropertyValue, R::SetVertexPropertyValue);
    b.property(16, "EdgePropertyValue",
               {{"EdgeID", T::UI4}, {"PropertyIndex", T::UI2}, {"PropertyLevel", T::UI2}},
               T::VARIANT, &C::GetEdgePropertyValue, &C::SetEdgePropertyValue,
               R::GetEdgePropertyValue, R::SetEdgePropertyValue);
    b.method(19, "Init", {}, T::None, &C::Init, R::Init);
    b.method(20, "FindVertexPropertyIndex", findFor("VertexID"), T::UI2,
             &C::FindVertexPropertyIndex, R::FindVertexPropertyIndex);
    b.method(21, "FindEdgePropertyIndex", findFor("EdgeID"), T::UI2, &C::FindEdgePropertyIndex,
             R::FindEdgePropertyIndex);
    b.method(22, "FindGraphPropertyIndex", findFor("GraphID"), T::UI2, &C::FindGraphPropertyIndex,
             R::FindGraphPropertyIndex);
    b.method(23, "NewTree", {}, T::UI4, &C::NewTree, R::NewTree);
    b.method(24, "Load", {{"Pathname", T::BSTR}}, T::UI2, &C::Load, R::Load);
    b.method(25, "LoadFromXml", {{"Pathname", T::BSTR}}, T::UI2, &C::LoadFromXml, R::Load);
    b.method(26, "LoadTest", {{"ID", T::UI2}}, T::UI2, &C::LoadTest, R::LoadTest);
    b.method(27, "Save", {{"Pathname", T::BSTR}}, T::UI2, &C::Save, R::Save);
    b.method(28, "SaveToXml", {{"Pathname", T::BSTR}}, T::UI2, &C::SaveToXml, R::SaveToXml);
    b.method(29, "AddVertexProperty", {{"PropertyTypeID", T::UI2}, {"PropertyLevel", T::UI2}},
             T::None, &C::AddVertexProperty, R::AddVertexProperty);
    b.method(30, "AddEdgeProperty", {{"PropertyTypeID", T::UI2}, {"PropertyLevel", T::UI2}},
             T::None, &C::AddEdgeProperty, R::AddEdgeProperty);
    b.method(31, "AddGraphProperty", {{"PropertyTypeID", T::UI2}}, T::None, &C::AddGraphProperty,
             R::AddGraphProperty);
    b.method(32, "AddVertex", {}, T::UI4, &C::AddVertex, R::Edit);
    b.method(33, "RemoveVertex", {{"VertexID", T::UI4}}, T::None, &C::RemoveVertex,
             R::RemoveVertex);
    b.method(34, "AddEdge", {{"VertexID1", T::UI4}, {"VertexID2", T::UI4}}, T::UI4, &C::AddEdge,
             R::Edit);
    b.method(35, "RemoveEdge", {{"EdgeID", T::UI4}}, T::None, &C::RemoveEdge, R::RemoveEdge);
    b.property(36, "VertexCount", {{"Scope", T::UI2}}, T::UI4, &C::GetVertexCount,
               &C::SetVertexCount);
    b.property(37, "EdgeCount", {{"Scope", T::UI2}}, T::UI4, &C::GetEdgeCount, &C::SetEdgeCount);
    b.property(38, "VertexID", {{"Scope", T::UI2}, {"N", T::UI4}}, T::UI4, &C::GetVertexID,
               &C::SetVertexID, R::GetVertexID, {});
    b.property(39, "EdgeID", {{"Scope", T::UI2}, {"N", T::UI4}}, T::UI4, &C::GetEdgeID,
               &C::SetEdgeID, R::GetEdgeID, {});
    b.method(40, "AddGraphMenuItem", {{"ItemString", T::BSTR}}, T::UI2, &C::AddGraphMenuItem);
    b.method(41, "AddGraphMenuItemFunc", {{"ItemString", T::BSTR}, {"Func", T::VARIANT}}, T::UI2,
             &C::AddGraphMenuItemFunc);
    b.method(42, "AddVertexMenuItem", {{"ItemString", T::BSTR}}, T::UI2, &C::AddVertexMenuItem);
    b.method(43, "AddVertexMenuItemFunc", {{"ItemString", T::BSTR}, {"Func", T::VARIANT}}, T::UI2,
             &C::AddVertexMenuItemFunc);
    b.method(44, "AddEdgeMenuItem", {{"ItemString", T::BSTR}}, T::UI2, &C::AddEdgeMenuItem);
    b.method(45, "AddEdgeMenuItemFunc", {{"ItemString", T::BSTR}, {"Func", T::VARIANT}}, T::UI2,
             &C::AddEdgeMenuItemFunc);
    b.method(46, "ClearGraphMenuItems", {}, T::None, &C::ClearGraphMenuItems);
    b.method(47, "ClearVertexMenuItems", {}, T::None, &C::ClearVertexMenuItems);
    b.method(48, "ClearEdgeMenuItems", {}, T::None, &C::ClearEdgeMenuItems);
    b.method(49, "EnableGraphMenuItem", {{"MenuID", T::UI2}, {"Enable", T::BOOL}}, T::None,
             &C::EnableGraphMenuItem);
    b.method(50, "EnableVertexMenuItem", {{"MenuID", T::UI2}, {"Enable", T::BOOL}}, T::None,
             &C::EnableVertexMenuItem);
    b.method(51, "EnableEdgeMenuItem", {{"MenuID", T::UI2}, {"Enable", T::BOOL}}, T::None,
             &C::EnableEdgeMenuItem);
    b.method(52, "SetDefaultVertexAppearance", dot, T::None, &C::SetDefaultVertexAppearance,
             R::Edit);
    b.method(53, "SetDefaultEdgeAppearance", {{"EdgeColor", T::UI2}}, T::None,
             &C::SetDefaultEdgeAppearance, R::Edit);
    b.method(54, "SetVertexAppearance", vertexDot, T::None, &C::SetVertexAppearance, R::Edit);
    b.method(55, "SetEdgeAppearance", {{"EdgeID", T::UI4}, {"EdgeColor", T::UI2}}, T::None,
             &C::SetEdgeAppearance, R::Edit);
    b.property(56, "WorkingDirectory", {}, T::BSTR, &C::GetWorkingDirectory,
               &C::SetWorkingDirectory);
    b.property(57, "FileName", {}, T::BSTR, &C::GetFileName, &C::SetFileName);
    b.property(58, "FileExt", {}, T::BSTR, &C::GetFileExt, &C::SetFileExt);
    b.method(59, "HierarchicalLayout", {}, T::None, &C::HierarchicalLayout, R::HierarchicalLayout);
    b.method(60, "RadialLayout", {}, T::None, &C::RadialLayout, R::RadialLayout);
    b.method(61, "ForceDirectedLayout", {}, T::None, &C::ForceDirectedLayout,
             R::ForceDirectedLayout);
    b.method(
        62, "SetHierarchicalLayoutParams",
        {{"LayerSeparation", T::UI2}, {"SiblingSeparation", T::UI2}, {"SubtreeSeparation", T::UI2}},
        T::None, &C::SetHierarchicalLayoutParams);
    b.method(63, "SetRadialLayoutParams", {{"Separation", T::UI2}, {"DampingCoefficient", T::R8}},
             T::None, &C::SetRadialLayoutParams);
    b.method(64, "SetForceDirectedLayoutParams",
             {{"Separation", T::UI2}, {"MaxIterations", T::UI2}}, T::None,
             &C::SetForceDirectedLayoutParams);
    b.method(65, "RotateRight90", {}, T::None, &C::RotateRight90);
    b.method(66, "RotateLeft90", {}, T::None, &C::RotateLeft90);
    b.method(67, "FlipVertical", {}, T::None, &C::FlipVertical);
    b.method(68, "FlipHorizontal", {}, T::None, &C::FlipHorizontal);
    b.method(69, "AddVertices", {{"N", T::UI2}, {"VertexIDs", T::UI4_PTR}}, T::None,
             &C::AddVertices, R::Edit);
    b.method(70, "RemoveVertices", {{"N", T::UI2}, {"VertexIDs", T::UI4_PTR}}, T::None,
             &C::RemoveVertices, R::Edit);
    b.method(71, "AddEdges",
             {{"N", T::UI2},
              {"VertexID1", T::UI4_PTR},
              {"VertexID2", T::UI4_PTR},
              {"EdgeIDs", T::UI4_PTR}},
             T::None, &C::AddEdges, R::Edit);
    b.method(72, "RemoveEdges", {{"N", T::UI2}, {"EdgeIDs", T::UI4_PTR}}, T::None, &C::RemoveEdges,
             R::Edit);
    b.method(73, "SetDefaultVertexAppearance_SquareDot", dot, T::None,
             &C::SetDefaultVertexAppearance_SquareDot, R::Edit);
    b.method(74, "SetDefaultVertexAppearance_DiamondDot", dot, T::None,
             &C::SetDefaultVertexAppearance_DiamondDot, R::Edit);
    b.method(75, "SetDefaultVertexAppearance_Icon", icon, T::None,
             &C::SetDefaultVertexAppearance_Icon, R::Edit);
    b.method(76, "SetVertexAppearance_SquareDot", vertexDot, T::None,
             &C::SetVertexAppearance_SquareDot, R::Edit);
    b.method(77, "SetVertexAppearance_DiamondDot", vertexDot, T::None,
             &C::SetVertexAppearance_DiamondDot, R::Edit);
    b.method(78, "SetVertexAppearance_Icon", vertexIcon, T::None, &C::SetVertexAppearance_Icon,
             R::Edit);
    b.property(79, "DoubleClickEnabled", {}, T::BOOL, &C::GetDoubleClickEnabled,
               &C::SetDoubleClickEnabled, {}, R::Edit);
    b.property(80, "VertexPropertyIndex", {{"PropertyTypeID", T::UI2}, {"PropertyLevel", T::UI2}},
               T::UI2, &C::GetVertexPropertyIndex, &C::SetVertexPropertyIndex,
               R::GetVertexPropertyIndex, {});
    b.property(81, "EdgePropertyIndex", {{"PropertyTypeID", T::UI2}, {"PropertyLevel", T::UI2}},
               T::UI2, &C::GetEdgePropertyIndex, &C::SetEdgePropertyIndex, R::GetEdgePropertyIndex,
               {});
    b.property(82, "GraphPropertyIndex", {{"PropertyTypeID", T::UI2}}, T::UI2,
               &C::GetGraphPropertyIndex, &C::SetGraphPropertyIndex, R::GetGraphPropertyIndex, {});
    b.property(83, "GraphPropertyValue", {{"PropertyIndex", T::UI2}}, T::VARIANT,
               &C::GetGraphPropertyValue, &C::SetGraphPropertyValue, R::GetGraphPropertyValue,
               R::SetGraphPropertyValue);
    b.property(84, "VertexPropertyValueByName",
               {{"VertexID", T::UI4}, {"PropertyName", T::BSTR}, {"PropertyLevel", T::UI2}},
               T::VARIANT, &C::GetVertexPropertyValueByName, &C::SetVertexPropertyValueByName,
               R::GetVertexPropertyValueByName, R::SetVertexPropertyValueByName);
    b.property(85, "EdgePropertyValueByName",
               {{"EdgeID", T::UI4}, {"PropertyName", T::BSTR}, {"PropertyLevel", T::UI2}},
               T::VARIANT, &C::GetEdgePropertyValueByName, &C::SetEdgePropertyValueByName,
               R::GetEdgePropertyValueByName, R::SetEdgePropertyValueByName);
    b.property(86, "GraphPropertyValueByName", {{"PropertyName", T::BSTR}}, T::VARIANT,
               &C::GetGraphPropertyValueByName, &C::SetGraphPropertyValueByName,
               R::GetGraphPropertyValueByName, R::SetGraphPropertyValueByName);
    b.method(87, "AddVertexPropertyByName", {{"PropertyName", T::BSTR}, {"PropertyLevel", T::UI2}},
             T::None, &C::AddVertexPropertyByName, R::AddVertexPropertyByName);
    b.method(88, "AddEdgePropertyByName", {{"PropertyName", T::BSTR}, {"PropertyLevel", T::UI2}},
             T::None, &C::AddEdgePropertyByName, R::AddEdgePropertyByName);
    b.method(89, "AddGraphPropertyByName", {{"PropertyName", T::BSTR}}, T::None,
             &C::AddGraphPropertyByName, R::AddGraphPropertyByName);
    b.method(90, "Update", {}, T::None, &C::Update);
    // Extensions, numbered apart from the members above.
    b.method(1001, "LayeredLayout", {}, T::None, &C::LayeredLayout, R::LayeredLayout);
    b.property(1002, "LayeredLayoutLimit", {}, T::UI4, &C::GetLayeredLayoutLimit,
               &C::SetLayeredLayoutLimit);
    b.property(1010, "Zoom", {}, T::R8, &C::GetZoom, &C::SetZoom);
    b.method(1011, "ZoomToFit", {}, T::None, &C::ZoomToFit);
    b.method(1020, "Undo", {}, T::None, &C::Undo, R::HistoryStep);
    b.method(1021, "Redo", {}, T::None, &C::Redo, R::HistoryStep);
    b.method(1022, "CanUndo", {}, T::BOOL, &C::CanUndo);
    b.method(1023, "CanRedo", {}, T::BOOL, &C::CanRedo);
    b.property(1024, "UndoLimit", {}, T::UI4, &C::GetUndoLimit, &C::SetUndoLimit);
    b.method(1025, "BeginUndoGroup", {}, T::None, &C::BeginUndoGroup);
    b.method(1026, "EndUndoGroup", {}, T::None, &C::EndUndoGroup);
    b.property(1030, "LabelContrast", {}, T::BOOL, &C::GetLabelContrast, &C::SetLabelContrast);
    b.property(1040, "LabelAwareSpacing", {}, T::BOOL, &C::GetLabelAwareSpacing,
               &C::SetLabelAwareSpacing);
    return std::move(b.members);
}

bool sameName(std::u16string_view a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        const char16_t c = a[i];
        if (c > 0x7F || std::tolower(static_cast<unsigned char>(c)) !=
                            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

Variant converted(Variant& value, ArgType type) {
    if (type == ArgType::UI4_PTR) {
        if (value.vt != (VT_BYREF | VT_UI4) && value.vt != (VT_BYREF | VT_I4))
            throw AutomationError(DISP_E_TYPEMISMATCH, error_texts::kTypeMismatch);
        return value;
    }
    return changeType(value, vartypeOf(type));
}

Variant invokeMember(RamuloControl& control, const MemberInfo& member, std::vector<Variant>& args) {
    if (args.size() != member.params.size())
        throw AutomationError(DISP_E_BADPARAMCOUNT, error_texts::kBadParamCount);
    for (std::size_t i = 0; i < args.size(); ++i)
        args[i] = converted(args[i], member.params[i].type);
    // The array members take their count first; no array may be missing behind a count.
    for (std::size_t i = 1; i < args.size(); ++i)
        if (member.params[i].type == ArgType::UI4_PTR && !args[i].ptr && args[0].uiVal > 0)
            throw AutomationError(E_POINTER, error_texts::kInvalidPointer);
    try {
        return member.call(control, args);
    } catch (const AutomationError&) {
        throw;
    } catch (const std::exception& e) {
        // A member without a guard failed: its text still reaches the host.
        throw AutomationError(DISP_E_EXCEPTION, toUtf16(e.what()));
    } catch (...) {
        throw AutomationError(DISP_E_EXCEPTION, error_texts::kUnknownException);
    }
}

}  // namespace

const std::vector<MemberInfo>& memberTable() {
    static const std::vector<MemberInfo> table = buildTable();
    return table;
}

const std::vector<EventInfo>& eventTable() {
    static const std::vector<EventInfo> table{
        {501, "GraphMenuCommand", {{"cmnd", ArgType::UI2}}},
        {502, "VertexMenuCommand", {{"cmnd", ArgType::UI2}, {"elementID", ArgType::UI4}}},
        {503, "EdgeMenuCommand", {{"cmnd", ArgType::UI2}, {"elementID", ArgType::UI4}}},
    };
    return table;
}

const MemberInfo* findMember(std::int32_t dispid, MemberKind kind) {
    for (const MemberInfo& m : memberTable())
        if (m.dispid == dispid && m.kind == kind) return &m;
    return nullptr;
}

const MemberInfo* findMember(std::u16string_view name, MemberKind kind) {
    for (const MemberInfo& m : memberTable())
        if (m.kind == kind && sameName(name, m.name)) return &m;
    return nullptr;
}

VARTYPE vartypeOf(ArgType type) {
    switch (type) {
        case ArgType::None:
            return VT_EMPTY;
        case ArgType::UI2:
            return VT_UI2;
        case ArgType::UI4:
            return VT_UI4;
        case ArgType::I2:
            return VT_I2;
        case ArgType::I4:
            return VT_I4;
        case ArgType::R8:
            return VT_R8;
        case ArgType::BSTR:
            return VT_BSTR;
        case ArgType::BOOL:
            return VT_BOOL;
        case ArgType::OLE_COLOR:
            return VT_UI4;
        case ArgType::VARIANT:
            return VT_VARIANT;
        case ArgType::UI4_PTR:
            return VT_BYREF | VT_UI4;
    }
    return VT_EMPTY;
}

const char* typeName(ArgType type) {
    switch (type) {
        case ArgType::None:
            return "-";
        case ArgType::UI2:
            return "UI2";
        case ArgType::UI4:
            return "UI4";
        case ArgType::I2:
            return "I2";
        case ArgType::I4:
            return "I4";
        case ArgType::R8:
            return "R8";
        case ArgType::BSTR:
            return "BSTR";
        case ArgType::BOOL:
            return "VARIANT_BOOL";
        case ArgType::OLE_COLOR:
            return "OLE_COLOR";
        case ArgType::VARIANT:
            return "VARIANT";
        case ArgType::UI4_PTR:
            return "UI4*";
    }
    return "?";
}

const char* kindName(MemberKind kind) {
    switch (kind) {
        case MemberKind::Method:
            return "method";
        case MemberKind::PropertyGet:
            return "get";
        case MemberKind::PropertyPut:
            return "put";
    }
    return "?";
}

Variant invoke(RamuloControl& control, std::int32_t dispid, MemberKind kind,
               std::vector<Variant> args) {
    const MemberInfo* member = findMember(dispid, kind);
    if (!member) throw AutomationError(DISP_E_MEMBERNOTFOUND, error_texts::kMemberNotFound);
    return invokeMember(control, *member, args);
}

Variant invoke(RamuloControl& control, std::u16string_view name, MemberKind kind,
               std::vector<Variant> args) {
    const MemberInfo* member = findMember(name, kind);
    if (!member) {
        // A known name of another kind is a member that lacks this form.
        const bool known = std::any_of(memberTable().begin(), memberTable().end(),
                                       [&](const MemberInfo& m) { return sameName(name, m.name); });
        throw AutomationError(known ? DISP_E_MEMBERNOTFOUND : DISP_E_UNKNOWNNAME,
                              known ? error_texts::kMemberNotFound : error_texts::kUnknownName);
    }
    return invokeMember(control, *member, args);
}

}  // namespace ramulo
