// The control without a window system: its state, its automation members and its events.
#pragma once

/// @file
/// RamuloControl, the control's members as the automation dispatch table calls them, free
/// of Qt: documents (Load, Save, SaveToXml, LoadTest, NewTree), structure (AddVertex,
/// AddEdge, RemoveVertex ...), properties, appearance, layouts and zoom. A host without the
/// Qt widget gives it a HostWindow through windowCreated() and draws it with the functions
/// of ramulo/render.h. Members fail with AutomationError; RamuloControlEvents receives the
/// control's events, ControlSite the size changes a host lays out by.

#include <cstdint>
#include <memory>
#include <string>

#include "ramulo/control_events.h"
#include "ramulo/control_site.h"
#include "ramulo/export.h"
#include "ramulo/geometry.h"
#include "ramulo/property_bag.h"
#include "ramulo/variant.h"

namespace nx {
class DeviceContext;
}

class ControlSite;
class HostWindow;
class RamuloControlEvents;

using OLE_COLOR = std::uint32_t;

enum class ExchangeMode { Load, Save, Reset };

class RAMULO_EXPORT RamuloControl {
public:
    RamuloControl();
    // With editing and file input/output both enabled, asks whether to save changes first.
    ~RamuloControl();
    RamuloControl(const RamuloControl&) = delete;
    RamuloControl& operator=(const RamuloControl&) = delete;

    // --- Window and host

    // The window now exists: remembers it and builds document TestID. The site may be null.
    void windowCreated(HostWindow* window, ControlSite* site = nullptr);
    // The window is gone: from here on nothing is invalidated or asked.
    void windowDestroyed();
    bool hasWindow() const { return window_ != nullptr; }
    HostWindow* window() const { return window_; }
    void setEventListener(RamuloControlEvents* listener) { events_ = listener; }
    RamuloControlEvents* eventListener() const { return events_; }

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    const std::u16string& defaultFileName() const { return defaultFileName_; }
    // The size last handed to the site (the engine's extent), (0, 0) before the first.
    nx::Size scrollSize() const { return scrollSize_; }

    // The control's draw operation: the engine draws on the context (already scrolled by
    // the widget); any failure becomes automation error 0x800a03f0.
    void OnDraw(nx::DeviceContext* dc, const nx::Rect& bounds, const nx::Rect& invalid);

    // --- Persisted state

    // Loads, saves or resets the persisted set in its fixed order; with a window the
    // document is rebuilt from TestID afterwards.
    void exchangeProperties(PropertyBag& bag, ExchangeMode mode);
    // The control's extent as the host stores it (its own units).
    std::int32_t extentX = 0;
    std::int32_t extentY = 0;

    // --- Stock members

    std::int16_t GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(std::int16_t value);  // 0 or 1, else 0x800a017c
    std::int16_t GetAppearance() const { return appearance_; }
    void SetAppearance(std::int16_t value);  // 0 or 1, else 0x800a017c
    OLE_COLOR GetBackColor() const { return backColor_; }
    // Also hands the colour, as RGB, to the engine and the view's drawing tools.
    void SetBackColor(OLE_COLOR value);
    // The stock font as its text description (the widget's own form); empty means the
    // host's default font.
    std::u16string GetFont() const { return font_; }
    void SetFont(const std::u16string& value);
    void AboutBox();

    // --- The eight switches (DISPIDs 1-7, 79): stored as given, modified flag set

    VARIANT_BOOL GetEditingEnabled() const { return editingEnabled_; }
    void SetEditingEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetNewEnabled() const { return newEnabled_; }
    void SetNewEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetFileIOEnabled() const { return fileIOEnabled_; }
    void SetFileIOEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetRotationEnabled() const { return rotationEnabled_; }
    void SetRotationEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetHierarchicalLayoutEnabled() const { return hierarchicalLayoutEnabled_; }
    void SetHierarchicalLayoutEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetRadialLayoutEnabled() const { return radialLayoutEnabled_; }
    void SetRadialLayoutEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetForceDirectedLayoutEnabled() const { return forceDirectedLayoutEnabled_; }
    void SetForceDirectedLayoutEnabled(VARIANT_BOOL value);
    VARIANT_BOOL GetDoubleClickEnabled() const { return doubleClickEnabled_; }
    void SetDoubleClickEnabled(VARIANT_BOOL value);

    // The document LoadTest builds at the next exchange or window creation.
    std::uint16_t GetTestID() const { return testId_; }
    void SetTestID(std::uint16_t value);

    // --- Property types and property access

    std::uint16_t GetPropertyTypeCount() const;
    void SetPropertyTypeCount(std::uint16_t) {}
    std::uint16_t GetGraphPropertyCount() const;
    void SetGraphPropertyCount(std::uint16_t) {}
    std::u16string GetPropertyTypeName(std::uint16_t PropertyTypeID) const;
    void SetPropertyTypeName(std::uint16_t, const std::u16string&) {}
    std::uint16_t GetPropertyTypeID(const std::u16string& PropertyTypeName) const;
    void SetPropertyTypeID(const std::u16string&, std::uint16_t) {}
    std::uint16_t GetVertexPropertyCount(std::uint16_t PropertyLevel) const;
    void SetVertexPropertyCount(std::uint16_t, std::uint16_t) {}
    std::uint16_t GetEdgePropertyCount(std::uint16_t PropertyLevel) const;
    void SetEdgePropertyCount(std::uint16_t, std::uint16_t) {}

    Variant GetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                   std::uint16_t PropertyLevel);
    void SetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                std::uint16_t PropertyLevel, const Variant& newValue);
    Variant GetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                                 std::uint16_t PropertyLevel);
    void SetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                              std::uint16_t PropertyLevel, const Variant& newValue);
    Variant GetGraphPropertyValue(std::uint16_t PropertyIndex);
    void SetGraphPropertyValue(std::uint16_t PropertyIndex, const Variant& newValue);

    std::uint16_t FindVertexPropertyIndex(std::uint32_t VertexID, std::uint16_t PropertyTypeID,
                                          std::uint16_t PropertyLevel, std::uint16_t StartingFrom);
    std::uint16_t FindEdgePropertyIndex(std::uint32_t EdgeID, std::uint16_t PropertyTypeID,
                                        std::uint16_t PropertyLevel, std::uint16_t StartingFrom);
    std::uint16_t FindGraphPropertyIndex(std::uint32_t GraphID, std::uint16_t PropertyTypeID,
                                         std::uint16_t PropertyLevel, std::uint16_t StartingFrom);
    std::uint16_t GetVertexPropertyIndex(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    void SetVertexPropertyIndex(std::uint16_t, std::uint16_t, std::uint16_t) {}
    std::uint16_t GetEdgePropertyIndex(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    void SetEdgePropertyIndex(std::uint16_t, std::uint16_t, std::uint16_t) {}
    std::uint16_t GetGraphPropertyIndex(std::uint16_t PropertyTypeID);
    void SetGraphPropertyIndex(std::uint16_t, std::uint16_t) {}

    void AddVertexProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    void AddEdgeProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    void AddGraphProperty(std::uint16_t PropertyTypeID);

    Variant GetVertexPropertyValueByName(std::uint32_t VertexID, const std::u16string& PropertyName,
                                         std::uint16_t PropertyLevel);
    void SetVertexPropertyValueByName(std::uint32_t VertexID, const std::u16string& PropertyName,
                                      std::uint16_t PropertyLevel, const Variant& newValue);
    Variant GetEdgePropertyValueByName(std::uint32_t EdgeID, const std::u16string& PropertyName,
                                       std::uint16_t PropertyLevel);
    void SetEdgePropertyValueByName(std::uint32_t EdgeID, const std::u16string& PropertyName,
                                    std::uint16_t PropertyLevel, const Variant& newValue);
    Variant GetGraphPropertyValueByName(const std::u16string& PropertyName);
    void SetGraphPropertyValueByName(const std::u16string& PropertyName, const Variant& newValue);
    void AddVertexPropertyByName(const std::u16string& PropertyName, std::uint16_t PropertyLevel);
    void AddEdgePropertyByName(const std::u16string& PropertyName, std::uint16_t PropertyLevel);
    void AddGraphPropertyByName(const std::u16string& PropertyName);

    // --- Document and structural editing

    void Init();
    // Code 1, description "Ramulo Control", help context 1 when it fails (before Init).
    std::uint32_t NewTree();
    std::uint32_t AddVertex();
    void RemoveVertex(std::uint32_t VertexID);
    std::uint32_t AddEdge(std::uint32_t VertexID1, std::uint32_t VertexID2);
    void RemoveEdge(std::uint32_t EdgeID);
    // Arrays of N consecutive values, as the automation pointer parameters pass them.
    void AddVertices(std::uint16_t N, std::uint32_t* VertexIDs);
    void RemoveVertices(std::uint16_t N, std::uint32_t* VertexIDs);
    void AddEdges(std::uint16_t N, std::uint32_t* VertexID1, std::uint32_t* VertexID2,
                  std::uint32_t* EdgeIDs);
    void RemoveEdges(std::uint16_t N, std::uint32_t* EdgeIDs);
    std::uint32_t GetVertexCount(std::uint16_t Scope);
    void SetVertexCount(std::uint16_t, std::uint32_t) {}
    std::uint32_t GetEdgeCount(std::uint16_t Scope);
    void SetEdgeCount(std::uint16_t, std::uint32_t) {}
    std::uint32_t GetVertexID(std::uint16_t Scope, std::uint32_t N);
    void SetVertexID(std::uint16_t, std::uint32_t, std::uint32_t) {}
    std::uint32_t GetEdgeID(std::uint16_t Scope, std::uint32_t N);
    void SetEdgeID(std::uint16_t, std::uint32_t, std::uint32_t) {}
    // With a window: scroll sizes from the extent and a repaint; without one nothing.
    void Update();

    // --- Custom context-menu items

    std::uint16_t AddGraphMenuItem(const std::u16string& ItemString);
    std::uint16_t AddGraphMenuItemFunc(const std::u16string& ItemString, const Variant& Func);
    std::uint16_t AddVertexMenuItem(const std::u16string& ItemString);
    std::uint16_t AddVertexMenuItemFunc(const std::u16string& ItemString, const Variant& Func);
    std::uint16_t AddEdgeMenuItem(const std::u16string& ItemString);
    std::uint16_t AddEdgeMenuItemFunc(const std::u16string& ItemString, const Variant& Func);
    void ClearGraphMenuItems();
    void ClearVertexMenuItems();
    void ClearEdgeMenuItems();
    void EnableGraphMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable);
    void EnableVertexMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable);
    void EnableEdgeMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable);

    // --- Appearances, layouts, transforms

    void SetDefaultVertexAppearance(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                    std::uint16_t OuterColor, std::uint16_t InnerColor,
                                    std::uint16_t NamePos, std::uint16_t WeightPos);
    void SetDefaultVertexAppearance_SquareDot(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                              std::uint16_t OuterColor, std::uint16_t InnerColor,
                                              std::uint16_t NamePos, std::uint16_t WeightPos);
    void SetDefaultVertexAppearance_DiamondDot(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                               std::uint16_t OuterColor, std::uint16_t InnerColor,
                                               std::uint16_t NamePos, std::uint16_t WeightPos);
    void SetDefaultVertexAppearance_Icon(const std::u16string& FileName,
                                         const std::u16string& IconName, std::int32_t ID,
                                         std::int32_t Index, std::uint16_t Sz,
                                         OLE_COLOR NameTextColor, OLE_COLOR WeightTextColor,
                                         std::uint16_t NamePos, std::uint16_t WeightPos);
    void SetDefaultEdgeAppearance(std::uint16_t EdgeColor);
    void SetVertexAppearance(std::uint32_t VertexID, std::uint16_t Sz, VARIANT_BOOL IsFilled,
                             std::uint16_t OuterColor, std::uint16_t InnerColor,
                             std::uint16_t NamePos, std::uint16_t WeightPos);
    void SetVertexAppearance_SquareDot(std::uint32_t VertexID, std::uint16_t Sz,
                                       VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                       std::uint16_t InnerColor, std::uint16_t NamePos,
                                       std::uint16_t WeightPos);
    void SetVertexAppearance_DiamondDot(std::uint32_t VertexID, std::uint16_t Sz,
                                        VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                        std::uint16_t InnerColor, std::uint16_t NamePos,
                                        std::uint16_t WeightPos);
    void SetVertexAppearance_Icon(std::uint32_t VertexID, const std::u16string& FileName,
                                  const std::u16string& IconName, std::int32_t ID,
                                  std::int32_t Index, std::uint16_t Sz, OLE_COLOR NameTextColor,
                                  OLE_COLOR WeightTextColor, std::uint16_t NamePos,
                                  std::uint16_t WeightPos);
    void SetEdgeAppearance(std::uint32_t EdgeID, std::uint16_t EdgeColor);

    void HierarchicalLayout();
    void RadialLayout();
    void ForceDirectedLayout();
    void SetHierarchicalLayoutParams(std::uint16_t LayerSeparation, std::uint16_t SiblingSeparation,
                                     std::uint16_t SubtreeSeparation);
    void SetRadialLayoutParams(std::uint16_t Separation, double DampingCoefficient);
    void SetForceDirectedLayoutParams(std::uint16_t Separation, std::uint16_t MaxIterations);
    // Extensions: the layered layout for graphs that are not forests, and its size limit.
    void LayeredLayout();
    std::uint32_t GetLayeredLayoutLimit() const;
    void SetLayeredLayoutLimit(std::uint32_t value);
    // The window's zoom (DISPIDs 1010, 1011): 1.0 without a window that zooms. A zoom that
    // is not a positive number fails with E_INVALIDARG; the window clamps the rest.
    // Undo and redo (DISPIDs 1020-1024): each step taken back or made again updates the
    // window and sets the modified flag unless the document is back as it was saved. An
    // undo limit of 0 records nothing; steps past the limit are forgotten, oldest first.
    void Undo();
    void Redo();
    VARIANT_BOOL CanUndo() const;
    VARIANT_BOOL CanRedo() const;
    std::uint32_t GetUndoLimit() const;
    void SetUndoLimit(std::uint32_t value);
    // Undo groups (DISPIDs 1025, 1026): the changes between the outermost begin and its end
    // are one step. Groups nest; an end without a begin fails; loads and NewTree, Undo and
    // Redo close every open group.
    void BeginUndoGroup();
    void EndUndoGroup();
    double GetZoom() const;
    void SetZoom(double zoom);
    void ZoomToFit();
    // Layouts that make room for the labels (DISPID 1040): off spaces by the shapes alone.
    VARIANT_BOOL GetLabelAwareSpacing() const;
    void SetLabelAwareSpacing(VARIANT_BOOL value);
    // Labels readable on dark backgrounds (DISPID 1030): off draws them in their own colours.
    VARIANT_BOOL GetLabelContrast() const;
    void SetLabelContrast(VARIANT_BOOL value);
    void RotateRight90();
    void RotateLeft90();
    void FlipVertical();
    void FlipHorizontal();

    // --- Files and sample documents

    std::uint16_t Load(const std::u16string& Pathname);
    std::uint16_t LoadFromXml(const std::u16string& Pathname);
    std::uint16_t Save(const std::u16string& Pathname);
    std::uint16_t SaveToXml(const std::u16string& Pathname);
    std::uint16_t LoadTest(std::uint16_t ID);

    std::u16string GetWorkingDirectory() const { return workingDirectory_; }
    void SetWorkingDirectory(const std::u16string& value);
    std::u16string GetFileName() const { return fileName_; }
    void SetFileName(const std::u16string& value);
    std::u16string GetFileExt() const { return fileExt_; }
    void SetFileExt(const std::u16string& value);

    // The "Save changes to ...?" question; false only when the user cancelled.
    bool SaveModified(bool withCancel);
    // The file commands of the graph menu.
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();

private:
    // The engine behind the members, defined by the library alone; the library's own code
    // reaches it through engineOf().
    struct Impl;
    friend struct RamuloControlAccess;

    void setFlag(VARIANT_BOOL& flag, VARIANT_BOOL value);
    void setScrollSizesFromExtent();
    void invalidate();
    // After an undo or redo: the modified flag from the clean mark, a new extent, a repaint.
    void afterHistoryStep();
    void afterLayout(bool done);
    void afterTransform(bool done);
    // The path of the document: folder, separator, name, dot, extension.
    std::u16string documentPath() const;
    void createStandardPropertySet();
    void buildSample(std::uint16_t id);

    std::unique_ptr<Impl> impl_;
    Impl& engine_;
    HostWindow* window_ = nullptr;
    ControlSite* site_ = nullptr;
    RamuloControlEvents* events_ = nullptr;
    bool modified_ = false;
    nx::Size scrollSize_{0, 0};

    VARIANT_BOOL editingEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL newEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL fileIOEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL rotationEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL hierarchicalLayoutEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL radialLayoutEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL forceDirectedLayoutEnabled_ = VARIANT_FALSE;
    VARIANT_BOOL doubleClickEnabled_ = VARIANT_FALSE;
    std::uint16_t testId_ = 1;
    std::u16string workingDirectory_;
    std::u16string fileName_;
    std::u16string fileExt_;
    std::u16string defaultFileName_ = u"Untitled";

    std::int16_t borderStyle_ = 0;
    std::int16_t appearance_ = 0;
    OLE_COLOR backColor_ = 0xFFFFFF;
    std::u16string font_;
};
