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

namespace ramulo {

class ControlSite;
class HostWindow;
class RamuloControlEvents;

/// A colour as 0x00BBGGRR, or 0x80000000 plus a system colour index.
using OLE_COLOR = std::uint32_t;

/// What exchangeProperties does with the persisted set: read it from the bag, write it to the bag,
/// or reset it to the defaults.
enum class ExchangeMode { Load, Save, Reset };

/// The control without a window system: the document, its automation members and its events. Every
/// member is what the dispatch table calls by DISPID. A guarded member fails with AutomationError
/// carrying the member's code and text; the others let the engine's standard exception through (the
/// dispatch table reports it as 0x80020009). A failed member leaves the document as it was. Members
/// that change the document set the modified flag (isModified).
class RAMULO_EXPORT RamuloControl {
public:
    /// A control with an empty document and every switch off; the document TestID is built when the
    /// window is created.
    RamuloControl();
    /// With editing and file input/output both enabled, asks whether to save changes first, then
    /// releases the document.
    ~RamuloControl();
    RamuloControl(const RamuloControl&) = delete;
    RamuloControl& operator=(const RamuloControl&) = delete;

    // --- Window and host

    /// The window now exists: remembers it and the site (which may be null) and builds document
    /// TestID.
    void windowCreated(HostWindow* window, ControlSite* site = nullptr);
    /// The window is gone: from here on nothing is invalidated or asked.
    void windowDestroyed();
    /// True between windowCreated and windowDestroyed.
    bool hasWindow() const { return window_ != nullptr; }
    /// The window given to windowCreated; null without one.
    HostWindow* window() const { return window_; }
    /// The listener of the control's events; null for none. Not owned.
    void setEventListener(RamuloControlEvents* listener) { events_ = listener; }
    /// The listener set by setEventListener; null for none.
    RamuloControlEvents* eventListener() const { return events_; }

    /// True when the document changed since it was created, loaded or saved.
    bool isModified() const { return modified_; }
    /// Sets or clears the modified flag, as a host does after saving by other means.
    void setModified(bool modified) { modified_ = modified; }
    /// The file name a document without one is saved under: "Untitled".
    const std::u16string& defaultFileName() const { return defaultFileName_; }
    /// The size last handed to the site (the engine's extent with its margins, in drawing units);
    /// (0, 0) before the first.
    nx::Size scrollSize() const { return scrollSize_; }

    /// Draws the document on the context (already scrolled by the widget), bounds and invalid in
    /// drawing units. Fails with 0x800a03f0 and the failure's own text, or "Unknown exception" for
    /// one that is no standard exception.
    void OnDraw(nx::DeviceContext* dc, const nx::Rect& bounds, const nx::Rect& invalid);

    // --- Persisted state

    /// Loads, saves or resets the persisted set (the switches, TestID, the file names and the stock
    /// properties) in its fixed order; with a window the document is rebuilt from TestID
    /// afterwards.
    void exchangeProperties(PropertyBag& bag, ExchangeMode mode);
    /// The control's width as the host stores it, in the host's own units.
    std::int32_t extentX = 0;
    /// The control's height as the host stores it, in the host's own units.
    std::int32_t extentY = 0;

    // --- Stock members

    /// BorderStyle: 0 for none, 1 for a single border.
    std::int16_t GetBorderStyle() const { return borderStyle_; }
    /// Sets BorderStyle to 0 or 1 and tells the site; any other value fails with 0x800A017C and an
    /// empty text.
    void SetBorderStyle(std::int16_t value);  // 0 or 1, else 0x800a017c
    /// Appearance: 0 flat, 1 three-dimensional.
    std::int16_t GetAppearance() const { return appearance_; }
    /// Sets Appearance to 0 or 1 and tells the site; any other value fails with 0x800A017C and an
    /// empty text.
    void SetAppearance(std::int16_t value);  // 0 or 1, else 0x800a017c
    /// BackColor, the background of the drawing (white unless set).
    OLE_COLOR GetBackColor() const { return backColor_; }
    /// Sets BackColor and hands the colour, as RGB, to the engine and the view's drawing tools.
    void SetBackColor(OLE_COLOR value);
    /// The stock font as its text description (the widget's own form); empty means the host's
    /// default font.
    std::u16string GetFont() const { return font_; }
    /// Sets the stock font from its text description and tells the site.
    void SetFont(const std::u16string& value);
    /// Asks the site to show the about box; nothing without a site.
    void AboutBox();

    // --- The eight switches (DISPIDs 1-7, 79): stored as given, modified flag set

    /// EditingEnabled: VARIANT_TRUE when the user may edit the document with the mouse, keys and
    /// menus.
    VARIANT_BOOL GetEditingEnabled() const { return editingEnabled_; }
    /// Sets EditingEnabled as given and the modified flag.
    void SetEditingEnabled(VARIANT_BOOL value);
    /// NewEnabled: VARIANT_TRUE when the graph menu offers New.
    VARIANT_BOOL GetNewEnabled() const { return newEnabled_; }
    /// Sets NewEnabled as given and the modified flag.
    void SetNewEnabled(VARIANT_BOOL value);
    /// FileIOEnabled: VARIANT_TRUE when the graph menu offers Open, Save and Save As, and closing
    /// asks to save changes.
    VARIANT_BOOL GetFileIOEnabled() const { return fileIOEnabled_; }
    /// Sets FileIOEnabled as given and the modified flag.
    void SetFileIOEnabled(VARIANT_BOOL value);
    /// RotationEnabled: VARIANT_TRUE when the graph menu offers the rotations and flips.
    VARIANT_BOOL GetRotationEnabled() const { return rotationEnabled_; }
    /// Sets RotationEnabled as given and the modified flag.
    void SetRotationEnabled(VARIANT_BOOL value);
    /// HierarchicalLayoutEnabled: VARIANT_TRUE when the graph menu offers the hierarchical layout.
    VARIANT_BOOL GetHierarchicalLayoutEnabled() const { return hierarchicalLayoutEnabled_; }
    /// Sets HierarchicalLayoutEnabled as given and the modified flag.
    void SetHierarchicalLayoutEnabled(VARIANT_BOOL value);
    /// RadialLayoutEnabled: VARIANT_TRUE when the graph menu offers the radial layout.
    VARIANT_BOOL GetRadialLayoutEnabled() const { return radialLayoutEnabled_; }
    /// Sets RadialLayoutEnabled as given and the modified flag.
    void SetRadialLayoutEnabled(VARIANT_BOOL value);
    /// ForceDirectedLayoutEnabled: VARIANT_TRUE when the graph menu offers the force-directed
    /// layout.
    VARIANT_BOOL GetForceDirectedLayoutEnabled() const { return forceDirectedLayoutEnabled_; }
    /// Sets ForceDirectedLayoutEnabled as given and the modified flag.
    void SetForceDirectedLayoutEnabled(VARIANT_BOOL value);
    /// DoubleClickEnabled: VARIANT_TRUE when a double-click raises the menu command events with
    /// command 0.
    VARIANT_BOOL GetDoubleClickEnabled() const { return doubleClickEnabled_; }
    /// Sets DoubleClickEnabled as given and the modified flag.
    void SetDoubleClickEnabled(VARIANT_BOOL value);

    /// TestID: the sample document (1 to 4, 0 for an empty one) built at the next exchange or
    /// window creation.
    std::uint16_t GetTestID() const { return testId_; }
    /// Sets TestID as given and the modified flag; the document is not rebuilt until the next
    /// exchange or window creation.
    void SetTestID(std::uint16_t value);

    // --- Property types and property access

    /// The number of property types the registry knows.
    std::uint16_t GetPropertyTypeCount() const;
    /// Read-only: the put changes nothing.
    void SetPropertyTypeCount(std::uint16_t) {}
    /// The number of graph-level properties of the document; 0 without one.
    std::uint16_t GetGraphPropertyCount() const;
    /// Read-only: the put changes nothing.
    void SetGraphPropertyCount(std::uint16_t) {}
    /// The name of the property type with that ID.
    std::u16string GetPropertyTypeName(std::uint16_t PropertyTypeID) const;
    /// Read-only: the put changes nothing.
    void SetPropertyTypeName(std::uint16_t, const std::u16string&) {}
    /// The ID of the property type with that name. Fails with 0x800a03f9 and the failure's own
    /// text, or "Ramulo Control: Unknown exception in GetPropertyTypeID" for one that is no
    /// standard exception.
    std::uint16_t GetPropertyTypeID(const std::u16string& PropertyTypeName) const;
    /// Read-only: the put changes nothing.
    void SetPropertyTypeID(const std::u16string&, std::uint16_t) {}
    /// The number of vertex properties at a level (0 space, 1 graph, 2 view); 0 for another level
    /// or without a document.
    std::uint16_t GetVertexPropertyCount(std::uint16_t PropertyLevel) const;
    /// Read-only: the put changes nothing.
    void SetVertexPropertyCount(std::uint16_t, std::uint16_t) {}
    /// The number of edge properties at a level (0 space, 1 graph, 2 view); 0 for another level or
    /// without a document.
    std::uint16_t GetEdgePropertyCount(std::uint16_t PropertyLevel) const;
    /// Read-only: the put changes nothing.
    void SetEdgePropertyCount(std::uint16_t, std::uint16_t) {}

    /// A vertex's value at an index of a level (0 space, 1 graph, 2 view). An unknown vertex fails
    /// with "Ramulo Control: Incorrect Vertex ID", a bad index with "Ramulo Control: Incorrect
    /// Property Index"; fails with 0x800a03fe and the failure's own text, or "Unknown exception in
    /// VertexPropertyValue" for one that is no standard exception.
    Variant GetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                   std::uint16_t PropertyLevel);
    /// Sets a vertex's value at an index of a level and the modified flag; An unknown vertex fails
    /// with "Incorrect Vertex ID", a bad index with "Incorrect Property Index"; fails with
    /// 0x800a03f5 and the failure's own text, or "Unknown exception in VertexPropertyValue" for one
    /// that is no standard exception.
    void SetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                std::uint16_t PropertyLevel, const Variant& newValue);
    /// An edge's value at an index of a level. An unknown edge fails with "Incorrect Edge ID", a
    /// bad index with "Incorrect Property Index"; fails with 0x800a03ff and the failure's own text,
    /// or "Unknown exception in EdgePropertyValue" for one that is no standard exception.
    Variant GetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                                 std::uint16_t PropertyLevel);
    /// Sets an edge's value at an index of a level and the modified flag. An unknown edge fails
    /// with "Incorrect Edge ID", a bad index with "Incorrect Property Index"; fails with 0x800a03f6
    /// and the failure's own text, or "Unknown exception in EdgePropertyValue" for one that is no
    /// standard exception.
    void SetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                              std::uint16_t PropertyLevel, const Variant& newValue);
    /// The current graph's value at an index. A bad index fails with "Incorrect Property Index";
    /// fails with 0x800a0401 and the failure's own text, or "Unknown exception in
    /// GraphPropertyValue" for one that is no standard exception.
    Variant GetGraphPropertyValue(std::uint16_t PropertyIndex);
    /// Sets the current graph's value at an index and the modified flag. A bad index fails with
    /// "Incorrect Property Index"; fails with 0x800a0400 and the failure's own text, or "Unknown
    /// exception in GraphPropertyValue" for one that is no standard exception.
    void SetGraphPropertyValue(std::uint16_t PropertyIndex, const Variant& newValue);

    /// The index of the first vertex property of a type at a level from StartingFrom on; 0xFFFF
    /// when there is none. Fails with 0x800a03fa and the failure's own text, or "Unknown exception
    /// in FindVertexPropertyIndex" for one that is no standard exception.
    std::uint16_t FindVertexPropertyIndex(std::uint32_t VertexID, std::uint16_t PropertyTypeID,
                                          std::uint16_t PropertyLevel, std::uint16_t StartingFrom);
    /// The index of the first edge property of a type at a level from StartingFrom on; 0xFFFF when
    /// there is none. Fails with 0x800a03fb and the failure's own text, or "Unknown exception in
    /// FindEdgePropertyIndex" for one that is no standard exception.
    std::uint16_t FindEdgePropertyIndex(std::uint32_t EdgeID, std::uint16_t PropertyTypeID,
                                        std::uint16_t PropertyLevel, std::uint16_t StartingFrom);
    /// The index of the first graph property of a type at a level from StartingFrom on; 0xFFFF when
    /// there is none. Fails with 0x800a03fc and the failure's own text, or "Unknown exception in
    /// FindGraphPropertyIndex" for one that is no standard exception.
    std::uint16_t FindGraphPropertyIndex(std::uint32_t GraphID, std::uint16_t PropertyTypeID,
                                         std::uint16_t PropertyLevel, std::uint16_t StartingFrom);
    /// The index of the first vertex property of a type at a level; 0xFFFF when there is none.
    /// Fails with 0x800a03fa and the failure's own text, or "Unknown exception in
    /// FindVertexPropertyIndex" for one that is no standard exception.
    std::uint16_t GetVertexPropertyIndex(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    /// Read-only: the put changes nothing.
    void SetVertexPropertyIndex(std::uint16_t, std::uint16_t, std::uint16_t) {}
    /// The index of the first edge property of a type at a level; 0xFFFF when there is none. Fails
    /// with 0x800a03fb and the failure's own text, or "Unknown exception in FindEdgePropertyIndex"
    /// for one that is no standard exception.
    std::uint16_t GetEdgePropertyIndex(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    /// Read-only: the put changes nothing.
    void SetEdgePropertyIndex(std::uint16_t, std::uint16_t, std::uint16_t) {}
    /// The index of the first graph property of a type; 0xFFFF when there is none. Fails with
    /// 0x800a03fc and the failure's own text, or "Unknown exception in FindVertexPropertyIndex" for
    /// one that is no standard exception.
    std::uint16_t GetGraphPropertyIndex(std::uint16_t PropertyTypeID);
    /// Read-only: the put changes nothing.
    void SetGraphPropertyIndex(std::uint16_t, std::uint16_t) {}

    /// Adds a vertex property of a type at a level to the schema (and every vertex) and sets the
    /// modified flag. Fails with 0x800a0408 and the failure's own text, or "Unknown exception in
    /// AddEdgeProperty" for one that is no standard exception.
    void AddVertexProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    /// Adds an edge property of a type at a level to the schema (and every edge) and sets the
    /// modified flag. Fails with 0x800a0409 and the failure's own text, or "Unknown exception in
    /// AddEdgeProperty" for one that is no standard exception.
    void AddEdgeProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel);
    /// Adds a graph property of a type to the schema (and every graph) and sets the modified flag.
    /// Fails with 0x800a040a and the failure's own text, or "Unknown exception in AddGraphProperty"
    /// for one that is no standard exception.
    void AddGraphProperty(std::uint16_t PropertyTypeID);

    /// A vertex's value of the first property with that type name at a level. Fails with 0x800a03fe
    /// and the failure's own text, or "Unknown exception in GetVertexPropertyValueByName" for one
    /// that is no standard exception.
    Variant GetVertexPropertyValueByName(std::uint32_t VertexID, const std::u16string& PropertyName,
                                         std::uint16_t PropertyLevel);
    /// Sets a vertex's value of the first property with that type name at a level; the modified
    /// flag stays as it was. Fails with 0x800a03f5 and the failure's own text, or "Unknown
    /// exception in SetVertexPropertyValueByName" for one that is no standard exception.
    void SetVertexPropertyValueByName(std::uint32_t VertexID, const std::u16string& PropertyName,
                                      std::uint16_t PropertyLevel, const Variant& newValue);
    /// An edge's value of the first property with that type name at a level. Fails with 0x800a03ff
    /// and the failure's own text, or "Unknown exception in GetEdgePropertyValueByName" for one
    /// that is no standard exception.
    Variant GetEdgePropertyValueByName(std::uint32_t EdgeID, const std::u16string& PropertyName,
                                       std::uint16_t PropertyLevel);
    /// Sets an edge's value of the first property with that type name at a level; the modified flag
    /// stays as it was. Fails with 0x800a03f6 and the failure's own text, or "Unknown exception in
    /// SetEdgePropertyValueByName" for one that is no standard exception.
    void SetEdgePropertyValueByName(std::uint32_t EdgeID, const std::u16string& PropertyName,
                                    std::uint16_t PropertyLevel, const Variant& newValue);
    /// The current graph's value of the first property with that type name. Fails with 0x800a0401
    /// and the failure's own text, or "Unknown exception in GetGraphPropertyValueByName" for one
    /// that is no standard exception.
    Variant GetGraphPropertyValueByName(const std::u16string& PropertyName);
    /// Sets the current graph's value of the first property with that type name; the modified flag
    /// stays as it was. Fails with 0x800a0400 and the failure's own text, or "Unknown exception in
    /// SetGraphPropertyValueByName" for one that is no standard exception.
    void SetGraphPropertyValueByName(const std::u16string& PropertyName, const Variant& newValue);
    /// Adds a vertex property of the type with that name at a level and sets the modified flag.
    /// Fails with 0x800a040b and the failure's own text, or "Unknown exception in
    /// AddEdgePropertyByName" for one that is no standard exception.
    void AddVertexPropertyByName(const std::u16string& PropertyName, std::uint16_t PropertyLevel);
    /// Adds an edge property of the type with that name at a level and sets the modified flag.
    /// Fails with 0x800a040c and the failure's own text, or "Unknown exception in
    /// AddEdgePropertyByName" for one that is no standard exception.
    void AddEdgePropertyByName(const std::u16string& PropertyName, std::uint16_t PropertyLevel);
    /// Adds a graph property of the type with that name and sets the modified flag. Fails with
    /// 0x800a040d and the failure's own text, or "Unknown exception in AddGraphPropertyByName" for
    /// one that is no standard exception.
    void AddGraphPropertyByName(const std::u16string& PropertyName);

    // --- Document and structural editing

    /// Discards the document and starts an empty one with empty schemas; clears the modified flag.
    void Init();
    /// A new, empty current graph shown in a new view; answers its ID and clears the modified flag.
    /// Before Init it fails with code 1, description "Ramulo Control" and help context 1.
    std::uint32_t NewTree();
    /// Adds a vertex to the current graph and answers its ID; sets the modified flag.
    std::uint32_t AddVertex();
    /// Removes a vertex and its edges from the current graph and sets the modified flag. An
    /// unknown ID fails with 0x800a03f3 and "Ramulo Control: RemoveVertex Error. Vertex <id>
    /// cannot be found"; a failure that is no standard exception with "Unknown exception in
    /// RemoveVertex".
    void RemoveVertex(std::uint32_t VertexID);
    /// Adds an edge from VertexID1 to VertexID2 to the current graph and answers its ID; sets the
    /// modified flag.
    std::uint32_t AddEdge(std::uint32_t VertexID1, std::uint32_t VertexID2);
    /// Removes an edge from the current graph and sets the modified flag. An unknown ID fails
    /// with 0x800a03f4 and "Ramulo Control: RemoveEdge Error. Edge <id> cannot be found"; a
    /// failure that is no standard exception with "Unknown exception in RemoveEdge".
    void RemoveEdge(std::uint32_t EdgeID);
    /// Adds N vertices and writes their IDs to the N values VertexIDs addresses; sets the modified
    /// flag.
    void AddVertices(std::uint16_t N, std::uint32_t* VertexIDs);
    /// Removes the N vertices VertexIDs addresses, with their edges; sets the modified flag.
    void RemoveVertices(std::uint16_t N, std::uint32_t* VertexIDs);
    /// Adds N edges from VertexID1[i] to VertexID2[i] and writes their IDs to EdgeIDs (0xFFFFFFFF
    /// for a pair that was skipped); sets the modified flag.
    void AddEdges(std::uint16_t N, std::uint32_t* VertexID1, std::uint32_t* VertexID2,
                  std::uint32_t* EdgeIDs);
    /// Removes the N edges EdgeIDs addresses; sets the modified flag.
    void RemoveEdges(std::uint16_t N, std::uint32_t* EdgeIDs);
    /// The number of vertices in a scope: 0 the current graph, 1 the selection, 2 the visible area;
    /// 0 for another scope.
    std::uint32_t GetVertexCount(std::uint16_t Scope);
    /// Read-only: the put changes nothing.
    void SetVertexCount(std::uint16_t, std::uint32_t) {}
    /// The number of edges in a scope: 0 the current graph, 1 the selection, 2 the visible area; 0
    /// for another scope.
    std::uint32_t GetEdgeCount(std::uint16_t Scope);
    /// Read-only: the put changes nothing.
    void SetEdgeCount(std::uint16_t, std::uint32_t) {}
    /// The ID of the N-th vertex (from 0) of a scope. Fails with 0x800a03f7 and the failure's own
    /// text, or "Unknown exception in GetVertexID" for one that is no standard exception.
    std::uint32_t GetVertexID(std::uint16_t Scope, std::uint32_t N);
    /// Read-only: the put changes nothing.
    void SetVertexID(std::uint16_t, std::uint32_t, std::uint32_t) {}
    /// The ID of the N-th edge (from 0) of a scope. Fails with 0x800a03f8 and the failure's own
    /// text, or "Unknown exception in GetEdgeID" for one that is no standard exception.
    std::uint32_t GetEdgeID(std::uint16_t Scope, std::uint32_t N);
    /// Read-only: the put changes nothing.
    void SetEdgeID(std::uint16_t, std::uint32_t, std::uint32_t) {}
    /// With a window: new scroll sizes from the extent and a repaint; without one nothing.
    void Update();

    // --- Custom context-menu items

    /// Appends an item with that text to the graph context menu and answers its command ID (from
    /// 0); choosing it raises GraphMenuCommand.
    std::uint16_t AddGraphMenuItem(const std::u16string& ItemString);
    /// Appends an item to the graph context menu that calls Func (a VT_DISPATCH callable) with the
    /// element's ID; answers its command ID.
    std::uint16_t AddGraphMenuItemFunc(const std::u16string& ItemString, const Variant& Func);
    /// Appends an item with that text to the vertex context menu and answers its command ID (from
    /// 0); choosing it raises VertexMenuCommand.
    std::uint16_t AddVertexMenuItem(const std::u16string& ItemString);
    /// Appends an item to the vertex context menu that calls Func (a VT_DISPATCH callable) with the
    /// element's ID; answers its command ID.
    std::uint16_t AddVertexMenuItemFunc(const std::u16string& ItemString, const Variant& Func);
    /// Appends an item with that text to the edge context menu and answers its command ID (from 0);
    /// choosing it raises EdgeMenuCommand.
    std::uint16_t AddEdgeMenuItem(const std::u16string& ItemString);
    /// Appends an item to the edge context menu that calls Func (a VT_DISPATCH callable) with the
    /// element's ID; answers its command ID.
    std::uint16_t AddEdgeMenuItemFunc(const std::u16string& ItemString, const Variant& Func);
    /// Removes every custom item of the graph context menu; IDs start from 0 again.
    void ClearGraphMenuItems();
    /// Removes every custom item of the vertex context menu; IDs start from 0 again.
    void ClearVertexMenuItems();
    /// Removes every custom item of the edge context menu; IDs start from 0 again.
    void ClearEdgeMenuItems();
    /// Enables or greys out a custom item of the graph context menu.
    void EnableGraphMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable);
    /// Enables or greys out a custom item of the vertex context menu.
    void EnableVertexMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable);
    /// Enables or greys out a custom item of the edge context menu.
    void EnableEdgeMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable);

    // --- Appearances, layouts, transforms

    /// The square dot that vertices added from now on are drawn as. Sz is the dot's size in drawing
    /// units, OuterColor and InnerColor colour indices (0 to 4), NamePos and WeightPos label
    /// positions (0 to 7). A colour over 4 fails with "Error in nx::DotView : Incorrect color", a
    /// position over 7 with "Error in nx::DotView::getTextRectangle: Incorrect text position",
    /// before anything changes. Sets the modified flag.
    void SetDefaultVertexAppearance(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                    std::uint16_t OuterColor, std::uint16_t InnerColor,
                                    std::uint16_t NamePos, std::uint16_t WeightPos);
    /// As SetDefaultVertexAppearance: a square dot for vertices added from now on. Sz is the dot's
    /// size in drawing units, OuterColor and InnerColor colour indices (0 to 4), NamePos and
    /// WeightPos label positions (0 to 7). A colour over 4 fails with "Error in nx::DotView :
    /// Incorrect color", a position over 7 with "Error in nx::DotView::getTextRectangle: Incorrect
    /// text position", before anything changes. Sets the modified flag.
    void SetDefaultVertexAppearance_SquareDot(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                              std::uint16_t OuterColor, std::uint16_t InnerColor,
                                              std::uint16_t NamePos, std::uint16_t WeightPos);
    /// A diamond dot for vertices added from now on. Sz is the dot's size in drawing units,
    /// OuterColor and InnerColor colour indices (0 to 4), NamePos and WeightPos label positions (0
    /// to 7). A colour over 4 fails with "Error in nx::DotView : Incorrect color", a position over
    /// 7 with "Error in nx::DotView::getTextRectangle: Incorrect text position", before anything
    /// changes. Sets the modified flag.
    void SetDefaultVertexAppearance_DiamondDot(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                               std::uint16_t OuterColor, std::uint16_t InnerColor,
                                               std::uint16_t NamePos, std::uint16_t WeightPos);
    /// An icon for vertices added from now on. The icon is read from FileName (by IconName,
    /// resource ID or Index); Sz is its size in drawing units, the text colours are OLE colours,
    /// NamePos and WeightPos label positions. A label position past the icon's last fails with
    /// "Error in nx::IconView::getTextRectangle: Incorrect text position". Sets the modified flag.
    void SetDefaultVertexAppearance_Icon(const std::u16string& FileName,
                                         const std::u16string& IconName, std::int32_t ID,
                                         std::int32_t Index, std::uint16_t Sz,
                                         OLE_COLOR NameTextColor, OLE_COLOR WeightTextColor,
                                         std::uint16_t NamePos, std::uint16_t WeightPos);
    /// The straight line that edges added from now on are drawn as, in a colour index (0 to 4);
    /// another index fails with "Error in nx::StraightEdgeView: Incorrect color". Sets the modified
    /// flag.
    void SetDefaultEdgeAppearance(std::uint16_t EdgeColor);
    /// Draws one vertex as a square dot. An ID that names no vertex is ignored; a vertex outside
    /// the current graph fails with "Vertex <id> does not belong to graph <id>". Sz is the dot's
    /// size in drawing units, OuterColor and InnerColor colour indices (0 to 4), NamePos and
    /// WeightPos label positions (0 to 7). A colour over 4 fails with "Error in nx::DotView :
    /// Incorrect color", a position over 7 with "Error in nx::DotView::getTextRectangle: Incorrect
    /// text position", before anything changes. Sets the modified flag.
    void SetVertexAppearance(std::uint32_t VertexID, std::uint16_t Sz, VARIANT_BOOL IsFilled,
                             std::uint16_t OuterColor, std::uint16_t InnerColor,
                             std::uint16_t NamePos, std::uint16_t WeightPos);
    /// As SetVertexAppearance: one vertex as a square dot. An ID that names no vertex is ignored; a
    /// vertex outside the current graph fails with "Vertex <id> does not belong to graph <id>". Sz
    /// is the dot's size in drawing units, OuterColor and InnerColor colour indices (0 to 4),
    /// NamePos and WeightPos label positions (0 to 7). A colour over 4 fails with "Error in
    /// nx::DotView : Incorrect color", a position over 7 with "Error in
    /// nx::DotView::getTextRectangle: Incorrect text position", before anything changes. Sets the
    /// modified flag.
    void SetVertexAppearance_SquareDot(std::uint32_t VertexID, std::uint16_t Sz,
                                       VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                       std::uint16_t InnerColor, std::uint16_t NamePos,
                                       std::uint16_t WeightPos);
    /// Draws one vertex as a diamond dot. An ID that names no vertex is ignored; a vertex outside
    /// the current graph fails with "Vertex <id> does not belong to graph <id>". Sz is the dot's
    /// size in drawing units, OuterColor and InnerColor colour indices (0 to 4), NamePos and
    /// WeightPos label positions (0 to 7). A colour over 4 fails with "Error in nx::DotView :
    /// Incorrect color", a position over 7 with "Error in nx::DotView::getTextRectangle: Incorrect
    /// text position", before anything changes. Sets the modified flag.
    void SetVertexAppearance_DiamondDot(std::uint32_t VertexID, std::uint16_t Sz,
                                        VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                        std::uint16_t InnerColor, std::uint16_t NamePos,
                                        std::uint16_t WeightPos);
    /// Draws one vertex as an icon. An ID that names no vertex is ignored; a vertex outside the
    /// current graph fails with "Vertex <id> does not belong to graph <id>". The icon is read from
    /// FileName (by IconName, resource ID or Index); Sz is its size in drawing units, the text
    /// colours are OLE colours, NamePos and WeightPos label positions. A label position past the
    /// icon's last fails with "Error in nx::IconView::getTextRectangle: Incorrect text position".
    /// Sets the modified flag.
    void SetVertexAppearance_Icon(std::uint32_t VertexID, const std::u16string& FileName,
                                  const std::u16string& IconName, std::int32_t ID,
                                  std::int32_t Index, std::uint16_t Sz, OLE_COLOR NameTextColor,
                                  OLE_COLOR WeightTextColor, std::uint16_t NamePos,
                                  std::uint16_t WeightPos);
    /// Draws one edge as a straight line in a colour index (0 to 4); another index fails with
    /// "Error in nx::StraightEdgeView: Incorrect color". An ID that names no edge is ignored; an
    /// edge outside the current graph fails with "Edge <id> does not belong to graph <id>". Sets
    /// the modified flag.
    void SetEdgeAppearance(std::uint32_t EdgeID, std::uint16_t EdgeColor);

    /// Arranges the current graph (a forest) as layered trees. Sets the modified flag even when it
    /// did not arrange; a failure while arranging is shown in a "RamuloCtrl Error" box. Fails with
    /// 0x800a03ef and the failure's own text, or "Unknown exception" for one that is no standard
    /// exception.
    void HierarchicalLayout();
    /// Arranges the current graph (a forest) in rings around its roots. Sets the modified flag even
    /// when it did not arrange; a failure while arranging is shown in a "RamuloCtrl Error" box.
    /// Fails with 0x800a03f1 and the failure's own text, or "Unknown exception" for one that is no
    /// standard exception.
    void RadialLayout();
    /// Arranges the current graph by a force-directed simulation. Sets the modified flag even when
    /// it did not arrange; a failure while arranging is shown in a "RamuloCtrl Error" box. Fails
    /// with 0x800a03f1 and the failure's own text, or "Unknown exception" for one that is no
    /// standard exception.
    void ForceDirectedLayout();
    /// The hierarchical layout's separations between layers, siblings and subtrees, in drawing
    /// units; stored as given and checked when the layout runs.
    void SetHierarchicalLayoutParams(std::uint16_t LayerSeparation, std::uint16_t SiblingSeparation,
                                     std::uint16_t SubtreeSeparation);
    /// The radial layout's ring separation (drawing units) and damping coefficient; stored as given
    /// and checked when the layout runs.
    void SetRadialLayoutParams(std::uint16_t Separation, double DampingCoefficient);
    /// The force-directed layout's separation (drawing units) and its maximum number of iterations;
    /// stored as given.
    void SetForceDirectedLayoutParams(std::uint16_t Separation, std::uint16_t MaxIterations);
    /// Arranges any current graph, not only a forest, in layers (an extension, DISPID 1001);
    /// refuses graphs over LayeredLayoutLimit vertices. Sets the modified flag even when it did not
    /// arrange; a failure while arranging is shown in a "RamuloCtrl Error" box. Fails with
    /// 0x800a03f1 and the failure's own text, or "Unknown exception" for one that is no standard
    /// exception.
    void LayeredLayout();
    /// The most vertices LayeredLayout arranges (DISPID 1002); 5,000 unless set.
    std::uint32_t GetLayeredLayoutLimit() const;
    /// Sets the most vertices LayeredLayout arranges.
    void SetLayeredLayoutLimit(std::uint32_t value);
    /// Takes the last step back (DISPID 1020); nothing when there is none. Closes every open undo
    /// group. Updates the window and sets the modified flag unless the document is back as it was
    /// saved. A history that no longer matches the document fails with code 1 and "Ramulo Control:
    /// " followed by the failure's text.
    void Undo();
    /// Makes the last step taken back again (DISPID 1021); nothing when there is none. Updates the
    /// window and sets the modified flag unless the document is back as it was saved. A history
    /// that no longer matches the document fails with code 1 and "Ramulo Control: " followed by the
    /// failure's text.
    void Redo();
    /// VARIANT_TRUE when there is a step to take back (DISPID 1022).
    VARIANT_BOOL CanUndo() const;
    /// VARIANT_TRUE when there is a step to make again (DISPID 1023).
    VARIANT_BOOL CanRedo() const;
    /// The most steps the history keeps (DISPID 1024).
    std::uint32_t GetUndoLimit() const;
    /// Sets the most steps the history keeps: 0 records nothing; steps past the limit are
    /// forgotten, oldest first.
    void SetUndoLimit(std::uint32_t value);
    /// Opens an undo group (DISPID 1025): the changes up to the outermost EndUndoGroup are one
    /// step. Groups nest; loads, NewTree, Undo and Redo close every open group.
    void BeginUndoGroup();
    /// Closes the innermost undo group (DISPID 1026). Without an open group it fails with
    /// 0x80004005 and "Ramulo Control: EndUndoGroup without an open undo group".
    void EndUndoGroup();
    /// The window's zoom (DISPID 1010): 1.0 shows the drawing pixel for pixel, and without a window
    /// that zooms.
    double GetZoom() const;
    /// Sets the window's zoom, which the window clamps to its range. A zoom that is not a positive
    /// number fails with 0x80070057 and "Zoom must be a positive number".
    void SetZoom(double zoom);
    /// Zooms the window so that the whole drawing fits (DISPID 1011); nothing without a window that
    /// zooms.
    void ZoomToFit();
    /// LabelAwareSpacing (DISPID 1040): VARIANT_TRUE when layouts make room for the labels; off
    /// spaces by the shapes alone.
    VARIANT_BOOL GetLabelAwareSpacing() const;
    /// Sets LabelAwareSpacing for the next layouts.
    void SetLabelAwareSpacing(VARIANT_BOOL value);
    /// LabelContrast (DISPID 1030): VARIANT_TRUE when labels are drawn readable on dark
    /// backgrounds; off draws them in their own colours.
    VARIANT_BOOL GetLabelContrast() const;
    /// Sets LabelContrast and repaints.
    void SetLabelContrast(VARIANT_BOOL value);
    /// Turns the drawing a quarter turn clockwise about its centre. Sets the modified flag and
    /// repaints; without a current graph nothing changes.
    void RotateRight90();
    /// Turns the drawing a quarter turn counter-clockwise about its centre. Sets the modified flag
    /// and repaints; without a current graph nothing changes.
    void RotateLeft90();
    /// Mirrors the drawing top to bottom. Sets the modified flag and repaints; without a current
    /// graph nothing changes.
    void FlipVertical();
    /// Mirrors the drawing left to right. Sets the modified flag and repaints; without a current
    /// graph nothing changes.
    void FlipHorizontal();

    // --- Files and sample documents

    /// Replaces the document with a stream file (.nx) from Pathname (UTF-16). A file that cannot be
    /// read fails with code 1 and the reader's text (which names the file and the fault) and keeps
    /// the open document; success answers 0 and clears the modified flag.
    std::uint16_t Load(const std::u16string& Pathname);
    /// Replaces the document with an XML file (.nxx) from Pathname (UTF-16). A file that cannot be
    /// read fails with code 1 and the reader's text (which names the file and the fault) and keeps
    /// the open document; success answers 0 and clears the modified flag.
    std::uint16_t LoadFromXml(const std::u16string& Pathname);
    /// Writes the document as a stream file to Pathname and clears the modified flag; answers 0.
    /// Fails with 0x800a03ed and the failure's own text, or "Unknown exception" for one that is no
    /// standard exception. A failed write leaves the old file.
    std::uint16_t Save(const std::u16string& Pathname);
    /// Writes the document as an XML file to Pathname and clears the modified flag; answers 0.
    /// Fails with 0x800a03eb and the failure's own text, or "Unknown exception" for one that is no
    /// standard exception. A failed write leaves the old file.
    std::uint16_t SaveToXml(const std::u16string& Pathname);
    /// Builds sample document ID (1 to 4; another ID gives an empty document) and answers ID, or 0
    /// for an unknown one. Fails with 0x800a03fd and the failure's own text, or "Unknown exception
    /// in LoadTest" for one that is no standard exception.
    std::uint16_t LoadTest(std::uint16_t ID);

    /// WorkingDirectory: the folder the file commands start in.
    std::u16string GetWorkingDirectory() const { return workingDirectory_; }
    /// Sets WorkingDirectory; empty means "/.".
    void SetWorkingDirectory(const std::u16string& value);
    /// FileName: the document's file name without its extension.
    std::u16string GetFileName() const { return fileName_; }
    /// Sets FileName; a trailing "." plus FileExt is dropped, empty means "Untitled".
    void SetFileName(const std::u16string& value);
    /// FileExt: the extension the file commands use ("nx" in any case for stream files, else XML).
    std::u16string GetFileExt() const { return fileExt_; }
    /// Sets FileExt; empty means "nxx".
    void SetFileExt(const std::u16string& value);

    /// Asks "Save changes to ...?" when the document is modified and a window exists, and saves on
    /// Yes; true without a window; false only when the user cancelled.
    bool SaveModified(bool withCancel);
    /// The graph menu's New: asks to save changes, then starts a new document.
    void OnNew();
    /// The graph menu's Open: a file dialog, the save question, then the load; a failure is shown
    /// in a message box.
    void OnOpen();
    /// The graph menu's Save: writes to WorkingDirectory/FileName.FileExt, or asks for a name as
    /// Save As does when there is none.
    void OnSave();
    /// The graph menu's Save As: a file dialog, then the save; a failure is shown in a message box.
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

}  // namespace ramulo
