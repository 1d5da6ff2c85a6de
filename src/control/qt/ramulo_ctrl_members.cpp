// CRamuloCtrl: the automation members with Qt types, converted to the member layer's.
#include <QJSEngine>
#include <QJSValue>
#include <QMetaType>
#include <vector>

#include "control/qt/ramulo_ctrl.h"

namespace ramulo {

namespace {

std::u16string text(const QString& s) {
    return s.toStdU16String();
}

QString qtext(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

OLE_COLOR oleColor(const QColor& c) {
    return static_cast<OLE_COLOR>(c.red()) | static_cast<OLE_COLOR>(c.green()) << 8 |
           static_cast<OLE_COLOR>(c.blue()) << 16;
}

// A Qt value as the automation Variant of the nearest type.
Variant toVariant(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
            return {};
        case QMetaType::Bool:
            return Variant::fromBool(value.toBool());
        case QMetaType::Short:
            return Variant::fromI2(static_cast<std::int16_t>(value.toInt()));
        case QMetaType::UShort:
            return Variant::fromUI2(static_cast<std::uint16_t>(value.toUInt()));
        case QMetaType::Int:
            return Variant::fromI4(value.toInt());
        case QMetaType::UInt:
            return Variant::fromUI4(value.toUInt());
        case QMetaType::Float:
            return Variant::fromR4(value.toFloat());
        case QMetaType::Double:
            return Variant::fromR8(value.toDouble());
        case QMetaType::LongLong: {
            const qlonglong v = value.toLongLong();
            if (v >= INT32_MIN && v <= INT32_MAX)
                return Variant::fromI4(static_cast<std::int32_t>(v));
            return Variant::fromR8(static_cast<double>(v));
        }
        case QMetaType::ULongLong: {
            const qulonglong v = value.toULongLong();
            if (v <= UINT32_MAX) return Variant::fromUI4(static_cast<std::uint32_t>(v));
            return Variant::fromR8(static_cast<double>(v));
        }
        default:
            break;
    }
    if (value.canConvert<QString>()) return Variant::fromString(text(value.toString()));
    return {};
}

QVariant toQVariant(const Variant& v) {
    switch (v.vt) {
        case VT_I1:
            return QVariant(static_cast<int>(v.cVal));
        case VT_UI1:
            return QVariant(static_cast<uint>(v.bVal));
        case VT_I2:
            return QVariant::fromValue<qint16>(v.iVal);
        case VT_UI2:
            return QVariant::fromValue<quint16>(v.uiVal);
        case VT_I4:
        case VT_INT:
            return QVariant(static_cast<int>(v.lVal));
        case VT_UI4:
        case VT_UINT:
            return QVariant(static_cast<uint>(v.ulVal));
        case VT_I8:
            return QVariant(static_cast<qlonglong>(v.llVal));
        case VT_UI8:
            return QVariant(static_cast<qulonglong>(v.ullVal));
        case VT_R4:
            return QVariant(v.fltVal);
        case VT_R8:
        case VT_DATE:
            return QVariant(v.dblVal);
        case VT_BOOL:
            return QVariant(v.boolVal != 0);
        case VT_BSTR:
            return QVariant(qtext(v.bstrVal));
        default:
            return {};
    }
}

// A script function or a C++ function as the callable a custom menu item calls.
class QtMenuCallable : public VariantCallable {
public:
    explicit QtMenuCallable(std::function<void(quint32)> f) : f_(std::move(f)) {}
    void call(std::uint32_t elementId) override { f_(elementId); }

private:
    std::function<void(quint32)> f_;
};

Variant callableOf(const QVariant& func) {
    if (func.canConvert<QJSValue>()) {
        QJSValue js = func.value<QJSValue>();
        if (js.isCallable())
            return Variant::fromCallable(std::make_shared<QtMenuCallable>(
                [js](quint32 id) mutable { js.call({QJSValue(static_cast<uint>(id))}); }));
    }
    using Function = std::function<void(quint32)>;
    if (func.metaType() == QMetaType::fromType<Function>()) {
        Function f = func.value<Function>();
        if (f) return Variant::fromCallable(std::make_shared<QtMenuCallable>(std::move(f)));
    }
    return {};
}

std::vector<std::uint32_t> ids(const QVariantList& list) {
    std::vector<std::uint32_t> r;
    r.reserve(static_cast<std::size_t>(list.size()));
    for (const QVariant& v : list) r.push_back(v.toUInt());
    return r;
}

QVariantList qlist(const std::vector<std::uint32_t>& values) {
    QVariantList r;
    for (std::uint32_t v : values) r << QVariant(static_cast<uint>(v));
    return r;
}

}  // namespace

bool CRamuloCtrl::raiseInScript(const AutomationError& error) const {
    QJSEngine* js = qjsEngine(this);
    if (!js) return false;
    const QString description = QString::fromStdU16String(error.description());
    QJSValue raised = js->newErrorObject(QJSValue::GenericError, description);
    raised.setProperty(QStringLiteral("code"), static_cast<double>(error.code()));
    raised.setProperty(QStringLiteral("description"), description);
    js->throwError(raised);
    return true;
}

// --- Files

quint16 CRamuloCtrl::Load(const QString& pathname) {
    return member([&] { return control_->Load(text(pathname)); });
}
quint16 CRamuloCtrl::LoadFromXml(const QString& pathname) {
    return member([&] { return control_->LoadFromXml(text(pathname)); });
}
quint16 CRamuloCtrl::Save(const QString& pathname) {
    return member([&] { return control_->Save(text(pathname)); });
}
quint16 CRamuloCtrl::SaveToXml(const QString& pathname) {
    return member([&] { return control_->SaveToXml(text(pathname)); });
}

// --- Batch editing

QVariantList CRamuloCtrl::AddVertices(quint16 n) {
    return member([&] {
        std::vector<std::uint32_t> made(n, 0xFFFFFFFF);
        control_->AddVertices(n, made.data());
        return qlist(made);
    });
}

void CRamuloCtrl::RemoveVertices(const QVariantList& vertexIDs) {
    member([&] {
        std::vector<std::uint32_t> v = ids(vertexIDs);
        control_->RemoveVertices(
            static_cast<std::uint16_t>(std::min<std::size_t>(v.size(), 0xFFFF)), v.data());
    });
}

QVariantList CRamuloCtrl::AddEdges(const QVariantList& vertexID1, const QVariantList& vertexID2) {
    return member([&] {
        std::vector<std::uint32_t> a = ids(vertexID1), b = ids(vertexID2);
        const std::size_t n = std::min<std::size_t>({a.size(), b.size(), 0xFFFF});
        std::vector<std::uint32_t> made(n, 0xFFFFFFFF);
        control_->AddEdges(static_cast<std::uint16_t>(n), a.data(), b.data(), made.data());
        return qlist(made);
    });
}

void CRamuloCtrl::RemoveEdges(const QVariantList& edgeIDs) {
    member([&] {
        std::vector<std::uint32_t> v = ids(edgeIDs);
        control_->RemoveEdges(static_cast<std::uint16_t>(std::min<std::size_t>(v.size(), 0xFFFF)),
                              v.data());
    });
}

// --- Property types and values

QString CRamuloCtrl::PropertyTypeName(quint16 propertyTypeID) const {
    return member([&] { return qtext(control_->GetPropertyTypeName(propertyTypeID)); });
}
quint16 CRamuloCtrl::PropertyTypeID(const QString& propertyTypeName) const {
    return member([&] { return control_->GetPropertyTypeID(text(propertyTypeName)); });
}
void CRamuloCtrl::AddVertexPropertyByName(const QString& name, quint16 level) {
    member([&] { control_->AddVertexPropertyByName(text(name), level); });
}
void CRamuloCtrl::AddEdgePropertyByName(const QString& name, quint16 level) {
    member([&] { control_->AddEdgePropertyByName(text(name), level); });
}
void CRamuloCtrl::AddGraphPropertyByName(const QString& name) {
    member([&] { control_->AddGraphPropertyByName(text(name)); });
}

QVariant CRamuloCtrl::VertexPropertyValue(quint32 vertexID, quint16 index, quint16 level) {
    return member(
        [&] { return toQVariant(control_->GetVertexPropertyValue(vertexID, index, level)); });
}
void CRamuloCtrl::SetVertexPropertyValue(quint32 vertexID, quint16 index, quint16 level,
                                         const QVariant& value) {
    member([&] { control_->SetVertexPropertyValue(vertexID, index, level, toVariant(value)); });
}
QVariant CRamuloCtrl::EdgePropertyValue(quint32 edgeID, quint16 index, quint16 level) {
    return member([&] { return toQVariant(control_->GetEdgePropertyValue(edgeID, index, level)); });
}
void CRamuloCtrl::SetEdgePropertyValue(quint32 edgeID, quint16 index, quint16 level,
                                       const QVariant& value) {
    member([&] { control_->SetEdgePropertyValue(edgeID, index, level, toVariant(value)); });
}
QVariant CRamuloCtrl::GraphPropertyValue(quint16 index) {
    return member([&] { return toQVariant(control_->GetGraphPropertyValue(index)); });
}
void CRamuloCtrl::SetGraphPropertyValue(quint16 index, const QVariant& value) {
    member([&] { control_->SetGraphPropertyValue(index, toVariant(value)); });
}
QVariant CRamuloCtrl::VertexPropertyValueByName(quint32 vertexID, const QString& name,
                                                quint16 level) {
    return member([&] {
        return toQVariant(control_->GetVertexPropertyValueByName(vertexID, text(name), level));
    });
}
void CRamuloCtrl::SetVertexPropertyValueByName(quint32 vertexID, const QString& name, quint16 level,
                                               const QVariant& value) {
    member([&] {
        control_->SetVertexPropertyValueByName(vertexID, text(name), level, toVariant(value));
    });
}
QVariant CRamuloCtrl::EdgePropertyValueByName(quint32 edgeID, const QString& name, quint16 level) {
    return member([&] {
        return toQVariant(control_->GetEdgePropertyValueByName(edgeID, text(name), level));
    });
}
void CRamuloCtrl::SetEdgePropertyValueByName(quint32 edgeID, const QString& name, quint16 level,
                                             const QVariant& value) {
    member(
        [&] { control_->SetEdgePropertyValueByName(edgeID, text(name), level, toVariant(value)); });
}
QVariant CRamuloCtrl::GraphPropertyValueByName(const QString& name) {
    return member([&] { return toQVariant(control_->GetGraphPropertyValueByName(text(name))); });
}
void CRamuloCtrl::SetGraphPropertyValueByName(const QString& name, const QVariant& value) {
    member([&] { control_->SetGraphPropertyValueByName(text(name), toVariant(value)); });
}

// --- Custom menu items

quint16 CRamuloCtrl::AddGraphMenuItem(const QString& item) {
    return member([&] { return control_->AddGraphMenuItem(text(item)); });
}
quint16 CRamuloCtrl::AddVertexMenuItem(const QString& item) {
    return member([&] { return control_->AddVertexMenuItem(text(item)); });
}
quint16 CRamuloCtrl::AddEdgeMenuItem(const QString& item) {
    return member([&] { return control_->AddEdgeMenuItem(text(item)); });
}
quint16 CRamuloCtrl::AddGraphMenuItemFunc(const QString& item, const QVariant& func) {
    return member([&] { return control_->AddGraphMenuItemFunc(text(item), callableOf(func)); });
}
quint16 CRamuloCtrl::AddVertexMenuItemFunc(const QString& item, const QVariant& func) {
    return member([&] { return control_->AddVertexMenuItemFunc(text(item), callableOf(func)); });
}
quint16 CRamuloCtrl::AddEdgeMenuItemFunc(const QString& item, const QVariant& func) {
    return member([&] { return control_->AddEdgeMenuItemFunc(text(item), callableOf(func)); });
}

// --- Appearances

void CRamuloCtrl::SetDefaultVertexAppearance(quint16 sz, bool isFilled, quint16 outerColor,
                                             quint16 innerColor, quint16 namePos,
                                             quint16 weightPos) {
    member([&] {
        control_->SetDefaultVertexAppearance(sz, isFilled ? -1 : 0, outerColor, innerColor, namePos,
                                             weightPos);
    });
}
void CRamuloCtrl::SetDefaultVertexAppearance_SquareDot(quint16 sz, bool isFilled,
                                                       quint16 outerColor, quint16 innerColor,
                                                       quint16 namePos, quint16 weightPos) {
    member([&] {
        control_->SetDefaultVertexAppearance_SquareDot(sz, isFilled ? -1 : 0, outerColor,
                                                       innerColor, namePos, weightPos);
    });
}
void CRamuloCtrl::SetDefaultVertexAppearance_DiamondDot(quint16 sz, bool isFilled,
                                                        quint16 outerColor, quint16 innerColor,
                                                        quint16 namePos, quint16 weightPos) {
    member([&] {
        control_->SetDefaultVertexAppearance_DiamondDot(sz, isFilled ? -1 : 0, outerColor,
                                                        innerColor, namePos, weightPos);
    });
}
void CRamuloCtrl::SetDefaultVertexAppearance_Icon(const QString& fileName, const QString& iconName,
                                                  qint32 id, qint32 index, quint16 sz,
                                                  const QColor& nameTextColor,
                                                  const QColor& weightTextColor, quint16 namePos,
                                                  quint16 weightPos) {
    member([&] {
        control_->SetDefaultVertexAppearance_Icon(text(fileName), text(iconName), id, index, sz,
                                                  oleColor(nameTextColor),
                                                  oleColor(weightTextColor), namePos, weightPos);
    });
}
void CRamuloCtrl::SetVertexAppearance(quint32 vertexID, quint16 sz, bool isFilled,
                                      quint16 outerColor, quint16 innerColor, quint16 namePos,
                                      quint16 weightPos) {
    member([&] {
        control_->SetVertexAppearance(vertexID, sz, isFilled ? -1 : 0, outerColor, innerColor,
                                      namePos, weightPos);
    });
}
void CRamuloCtrl::SetVertexAppearance_SquareDot(quint32 vertexID, quint16 sz, bool isFilled,
                                                quint16 outerColor, quint16 innerColor,
                                                quint16 namePos, quint16 weightPos) {
    member([&] {
        control_->SetVertexAppearance_SquareDot(vertexID, sz, isFilled ? -1 : 0, outerColor,
                                                innerColor, namePos, weightPos);
    });
}
void CRamuloCtrl::SetVertexAppearance_DiamondDot(quint32 vertexID, quint16 sz, bool isFilled,
                                                 quint16 outerColor, quint16 innerColor,
                                                 quint16 namePos, quint16 weightPos) {
    member([&] {
        control_->SetVertexAppearance_DiamondDot(vertexID, sz, isFilled ? -1 : 0, outerColor,
                                                 innerColor, namePos, weightPos);
    });
}
void CRamuloCtrl::SetVertexAppearance_Icon(quint32 vertexID, const QString& fileName,
                                           const QString& iconName, qint32 id, qint32 index,
                                           quint16 sz, const QColor& nameTextColor,
                                           const QColor& weightTextColor, quint16 namePos,
                                           quint16 weightPos) {
    member([&] {
        control_->SetVertexAppearance_Icon(vertexID, text(fileName), text(iconName), id, index, sz,
                                           oleColor(nameTextColor), oleColor(weightTextColor),
                                           namePos, weightPos);
    });
}

// --- The members defined by one call

void CRamuloCtrl::AboutBox() {
    member([&] { control_->AboutBox(); });
}

void CRamuloCtrl::Init() {
    member([&] { control_->Init(); });
}

quint32 CRamuloCtrl::NewTree() {
    return member([&] { return control_->NewTree(); });
}

quint16 CRamuloCtrl::LoadTest(quint16 id) {
    return member([&] { return control_->LoadTest(id); });
}

void CRamuloCtrl::Update() {
    member([&] { control_->Update(); });
}

quint32 CRamuloCtrl::AddVertex() {
    return member([&] { return control_->AddVertex(); });
}

void CRamuloCtrl::RemoveVertex(quint32 vertexID) {
    member([&] { control_->RemoveVertex(vertexID); });
}

quint32 CRamuloCtrl::AddEdge(quint32 vertexID1, quint32 vertexID2) {
    return member([&] { return control_->AddEdge(vertexID1, vertexID2); });
}

void CRamuloCtrl::RemoveEdge(quint32 edgeID) {
    member([&] { control_->RemoveEdge(edgeID); });
}

quint32 CRamuloCtrl::VertexCount(quint16 scope) {
    return member([&] { return control_->GetVertexCount(scope); });
}

quint32 CRamuloCtrl::EdgeCount(quint16 scope) {
    return member([&] { return control_->GetEdgeCount(scope); });
}

quint32 CRamuloCtrl::VertexID(quint16 scope, quint32 n) {
    return member([&] { return control_->GetVertexID(scope, n); });
}

quint32 CRamuloCtrl::EdgeID(quint16 scope, quint32 n) {
    return member([&] { return control_->GetEdgeID(scope, n); });
}

quint16 CRamuloCtrl::VertexPropertyCount(quint16 level) const {
    return member([&] { return control_->GetVertexPropertyCount(level); });
}

quint16 CRamuloCtrl::EdgePropertyCount(quint16 level) const {
    return member([&] { return control_->GetEdgePropertyCount(level); });
}

void CRamuloCtrl::AddVertexProperty(quint16 typeID, quint16 level) {
    member([&] { control_->AddVertexProperty(typeID, level); });
}

void CRamuloCtrl::AddEdgeProperty(quint16 typeID, quint16 level) {
    member([&] { control_->AddEdgeProperty(typeID, level); });
}

void CRamuloCtrl::AddGraphProperty(quint16 typeID) {
    member([&] { control_->AddGraphProperty(typeID); });
}

quint16 CRamuloCtrl::FindVertexPropertyIndex(quint32 vertexID, quint16 typeID, quint16 level,
                                             quint16 startingFrom) {
    return member(
        [&] { return control_->FindVertexPropertyIndex(vertexID, typeID, level, startingFrom); });
}

quint16 CRamuloCtrl::FindEdgePropertyIndex(quint32 edgeID, quint16 typeID, quint16 level,
                                           quint16 startingFrom) {
    return member(
        [&] { return control_->FindEdgePropertyIndex(edgeID, typeID, level, startingFrom); });
}

quint16 CRamuloCtrl::FindGraphPropertyIndex(quint32 graphID, quint16 typeID, quint16 level,
                                            quint16 startingFrom) {
    return member(
        [&] { return control_->FindGraphPropertyIndex(graphID, typeID, level, startingFrom); });
}

quint16 CRamuloCtrl::VertexPropertyIndex(quint16 typeID, quint16 level) {
    return member([&] { return control_->GetVertexPropertyIndex(typeID, level); });
}

quint16 CRamuloCtrl::EdgePropertyIndex(quint16 typeID, quint16 level) {
    return member([&] { return control_->GetEdgePropertyIndex(typeID, level); });
}

quint16 CRamuloCtrl::GraphPropertyIndex(quint16 typeID) {
    return member([&] { return control_->GetGraphPropertyIndex(typeID); });
}

void CRamuloCtrl::ClearGraphMenuItems() {
    member([&] { control_->ClearGraphMenuItems(); });
}

void CRamuloCtrl::ClearVertexMenuItems() {
    member([&] { control_->ClearVertexMenuItems(); });
}

void CRamuloCtrl::ClearEdgeMenuItems() {
    member([&] { control_->ClearEdgeMenuItems(); });
}

void CRamuloCtrl::EnableGraphMenuItem(quint16 menuID, bool enable) {
    member([&] { control_->EnableGraphMenuItem(menuID, enable ? -1 : 0); });
}

void CRamuloCtrl::EnableVertexMenuItem(quint16 menuID, bool enable) {
    member([&] { control_->EnableVertexMenuItem(menuID, enable ? -1 : 0); });
}

void CRamuloCtrl::EnableEdgeMenuItem(quint16 menuID, bool enable) {
    member([&] { control_->EnableEdgeMenuItem(menuID, enable ? -1 : 0); });
}

void CRamuloCtrl::SetDefaultEdgeAppearance(quint16 edgeColor) {
    member([&] { control_->SetDefaultEdgeAppearance(edgeColor); });
}

void CRamuloCtrl::SetEdgeAppearance(quint32 edgeID, quint16 edgeColor) {
    member([&] { control_->SetEdgeAppearance(edgeID, edgeColor); });
}

void CRamuloCtrl::HierarchicalLayout() {
    member([&] { control_->HierarchicalLayout(); });
}

void CRamuloCtrl::RadialLayout() {
    member([&] { control_->RadialLayout(); });
}

void CRamuloCtrl::ForceDirectedLayout() {
    member([&] { control_->ForceDirectedLayout(); });
}

void CRamuloCtrl::SetHierarchicalLayoutParams(quint16 layerSeparation, quint16 siblingSeparation,
                                              quint16 subtreeSeparation) {
    member([&] {
        control_->SetHierarchicalLayoutParams(layerSeparation, siblingSeparation,
                                              subtreeSeparation);
    });
}

void CRamuloCtrl::SetRadialLayoutParams(quint16 separation, double dampingCoefficient) {
    member([&] { control_->SetRadialLayoutParams(separation, dampingCoefficient); });
}

void CRamuloCtrl::SetForceDirectedLayoutParams(quint16 separation, quint16 maxIterations) {
    member([&] { control_->SetForceDirectedLayoutParams(separation, maxIterations); });
}

void CRamuloCtrl::RotateRight90() {
    member([&] { control_->RotateRight90(); });
}

void CRamuloCtrl::RotateLeft90() {
    member([&] { control_->RotateLeft90(); });
}

void CRamuloCtrl::FlipVertical() {
    member([&] { control_->FlipVertical(); });
}

void CRamuloCtrl::FlipHorizontal() {
    member([&] { control_->FlipHorizontal(); });
}

}  // namespace ramulo
