// ControlEngine: the control's model/controller: the document, its editing, property
// access, appearances, layouts and transforms.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/dot_appearance.h"
#include "engine/host_window.h"
#include "engine/icon_appearance.h"
#include "engine/undo_stack.h"
#include "engine/variant.h"
#include "layouts/label_extent.h"
#include "properties/formal_properties.h"
#include "views/geometry.h"

namespace ramulo {

class HostWindow;
class PositionSnapshot;

}  // namespace ramulo

namespace nx {
class DeviceContext;
class ActualProperties;
class Edge;
class Graph;
class GraphView;
class Progress;
class Property;
class Space;
class Vertex;
class VertexView;
class WindowGraphView;
}  // namespace nx

namespace ramulo {

// A host callback of a custom menu item: receives the ID of the element it was invoked on.
// Always a typed callable registered by the host, never an address that came as a number.
using MenuCallback = std::function<void(std::uint32_t)>;

inline constexpr std::uint32_t kNoElement = 0xFFFFFFFF;
// The index answer of a lookup that finds no property.
inline constexpr std::uint16_t kNoPropertyIndex = 0xFFFF;

class ControlEngine {
public:
    // Icons are drawn without faded copies from here on, process-wide.
    ControlEngine();
    // Releases the document too, so that no owner leaks it.
    ~ControlEngine();
    ControlEngine(const ControlEngine&) = delete;
    ControlEngine& operator=(const ControlEngine&) = delete;

    // --- Document lifecycle and structural editing

    // Deletes the view, the space (with its graphs) and the seven schemas: Empty.
    void ReleaseDocument();
    // A fresh document with seven empty schemas: Initialised.
    void Init();
    // A new, empty current graph in the (possibly existing) space, shown in a new view
    // bound to the host window (which may be null); answers the graph's ID.
    std::uint32_t NewTree(bool editingEnabled, HostWindow* hostWindow);

    std::uint32_t AddVertex();
    void RemoveVertex(std::uint32_t vertexId);
    std::uint32_t AddEdge(std::uint32_t sourceId, std::uint32_t targetId);
    void RemoveEdge(std::uint32_t edgeId);
    // The batch forms synchronise the view once; a skipped AddEdges pair answers kNoElement.
    void AddVertices(std::uint16_t count, std::uint32_t* vertexIds);
    void RemoveVertices(std::uint16_t count, const std::uint32_t* vertexIds);
    void AddEdges(std::uint16_t count, const std::uint32_t* sourceIds,
                  const std::uint32_t* targetIds, std::uint32_t* edgeIds);
    void RemoveEdges(std::uint16_t count, const std::uint32_t* edgeIds);

    // Scope 0: the current graph; 1: the selection; 2: the visible area; others: none.
    std::uint32_t GetVertexCount(std::uint16_t scope);
    std::uint32_t GetEdgeCount(std::uint16_t scope);
    std::uint32_t GetVertexID(std::uint16_t scope, std::uint32_t position);
    std::uint32_t GetEdgeID(std::uint16_t scope, std::uint32_t position);
    // The scrollable size: the drawing's bounds plus the margins; (1, 1) without a document.
    nx::Size GetExtent();

    // --- Property access

    static std::uint32_t PropertyTypeCount();
    static std::u16string PropertyTypeName(std::uint32_t typeId);
    // Case-sensitive; fails with "Ramulo Control: Property <name> does not exist.".
    static std::uint32_t PropertyTypeID(const std::u16string& typeName);

    std::uint32_t GraphPropertyCount() const;
    std::uint32_t VertexPropertyCount(std::uint16_t level) const;
    std::uint32_t EdgePropertyCount(std::uint16_t level) const;

    void AddVertexProperty(std::uint32_t typeId, std::uint16_t level);
    void AddEdgeProperty(std::uint32_t typeId, std::uint16_t level);
    void AddGraphProperty(std::uint32_t typeId);

    std::uint16_t FindVertexPropertyIndex(std::uint32_t typeId, std::uint16_t level) const;
    std::uint16_t FindEdgePropertyIndex(std::uint32_t typeId, std::uint16_t level) const;
    std::uint16_t FindGraphPropertyIndex(std::uint32_t typeId) const;

    // The automation forms: the element ID, the graph's level and StartingFrom are accepted
    // and not used, so each answers exactly what the index lookup above answers.
    std::uint16_t FindVertexPropertyIndex(std::uint32_t vertexId, std::uint32_t typeId,
                                          std::uint16_t level, std::uint16_t startingFrom) const;
    std::uint16_t FindEdgePropertyIndex(std::uint32_t edgeId, std::uint32_t typeId,
                                        std::uint16_t level, std::uint16_t startingFrom) const;
    std::uint16_t FindGraphPropertyIndex(std::uint32_t graphId, std::uint32_t typeId,
                                         std::uint16_t level, std::uint16_t startingFrom) const;

    Variant GetVertexPropertyValue(std::uint32_t vertexId, std::uint16_t index,
                                   std::uint16_t level);
    void SetVertexPropertyValue(std::uint32_t vertexId, std::uint16_t index, std::uint16_t level,
                                const Variant& value);
    Variant GetEdgePropertyValue(std::uint32_t edgeId, std::uint16_t index, std::uint16_t level);
    void SetEdgePropertyValue(std::uint32_t edgeId, std::uint16_t index, std::uint16_t level,
                              const Variant& value);
    Variant GetGraphPropertyValue(std::uint16_t index);
    void SetGraphPropertyValue(std::uint16_t index, const Variant& value);

    // By type name: name -> type ID -> index -> the operation above.
    Variant GetVertexPropertyValueByName(std::uint32_t vertexId, const std::u16string& name,
                                         std::uint16_t level);
    void SetVertexPropertyValueByName(std::uint32_t vertexId, const std::u16string& name,
                                      std::uint16_t level, const Variant& value);
    Variant GetEdgePropertyValueByName(std::uint32_t edgeId, const std::u16string& name,
                                       std::uint16_t level);
    void SetEdgePropertyValueByName(std::uint32_t edgeId, const std::u16string& name,
                                    std::uint16_t level, const Variant& value);
    Variant GetGraphPropertyValueByName(const std::u16string& name);
    void SetGraphPropertyValueByName(const std::u16string& name, const Variant& value);
    void AddVertexPropertyByName(const std::u16string& name, std::uint16_t level);
    void AddEdgePropertyByName(const std::u16string& name, std::uint16_t level);
    void AddGraphPropertyByName(const std::u16string& name);

    // --- Appearance, layouts and transforms

    // Only vertices and edges that get their view entry afterwards take a default.
    // A label position over 7 fails before anything changes.
    void SetDefaultVertexAppearance(const DotAppearance& appearance);
    // An ID naming no vertex or edge is ignored; one that is not in the current graph fails.
    void SetVertexAppearance(std::uint32_t vertexId, const DotAppearance& appearance);
    // Icon views; the text colours are OLE colours. A label position over 16 fails before
    // anything changes.
    void SetDefaultVertexAppearance_Icon(const IconAppearance& appearance);
    void SetVertexAppearance_Icon(std::uint32_t vertexId, const IconAppearance& appearance);
    void SetDefaultEdgeAppearance(std::uint16_t edgeColor);
    void SetEdgeAppearance(std::uint32_t edgeId, std::uint16_t edgeColor);

    void SetHierarchicalLayoutParams(std::uint16_t layer, std::uint16_t sibling,
                                     std::uint16_t subtree);
    void SetRadialLayoutParams(std::uint16_t separation, double damping);
    void SetForceDirectedLayoutParams(std::uint16_t separation, std::uint16_t iterations);

    // A failure while arranging is shown in a "RamuloCtrl Error" box and answers false;
    // a failure to build the layout propagates. False also without a document.
    bool HierarchicalLayout();
    bool RadialLayout();
    bool ForceDirectedLayout();
    // The radial layout around currentVertex; its failures propagate.
    bool CenterOfRadialLayout();
    // Graphviz's layered layout for any directed graph, refused above layeredLayoutLimit
    // vertices; failures are shown as for the other layouts.
    bool LayeredLayout();
    std::uint32_t layeredLayoutLimit() const { return layeredLayoutLimit_; }
    void setLayeredLayoutLimit(std::uint32_t vertices) { layeredLayoutLimit_ = vertices; }

    // Each answers whether there was a document to transform.
    bool RotateRight90();
    bool RotateLeft90();
    bool FlipVertical();
    bool FlipHorizontal();

    // --- Drawing

    // Draws the document on a screen context (whose viewport origin scrolls it) or a
    // printing one (scaled by the printer's pixels per millimetre). The invalid rectangle
    // is in device pixels. Without a graph or a view nothing is drawn.
    void Draw(nx::DeviceContext* dc, const nx::Rect& bounds, const nx::Rect& invalid);

    // --- Files

    // A fresh document read from a stream file; the view's graph becomes current. The file
    // is read into a document of its own, so a failure propagates and leaves the open
    // document, its view, selection and current elements exactly as they were.
    std::uint32_t LoadStream(const std::string& path, bool editingEnabled, HostWindow* host);
    // As LoadStream for an XML file.
    std::uint32_t LoadXml(const std::string& path, bool editingEnabled, HostWindow* host);
    // 1 when written, 0 without a document. A failure (the file cannot be opened or
    // written) propagates with its reason and leaves an existing file as it was.
    std::uint16_t SaveStream(const std::string& path);
    std::uint16_t SaveXml(const std::string& path);

    // --- Custom context-menu items

    enum class Menu { Graph, Vertex, Edge };
    // Appends an enabled item and answers its index.
    std::uint16_t AddMenuItem(Menu menu, const std::u16string& text,
                              MenuCallback callback = nullptr);
    void ClearMenuItems(Menu menu);
    // Stores the flag sign-extended (true is -1); an index past the items changes nothing.
    void EnableMenuItem(Menu menu, std::uint16_t index, VARIANT_BOOL enable);
    std::size_t MenuItemCount(Menu menu) const;

    // --- Interaction: context menus, double-click, mouse and the editing commands. Points
    // are client points; the scroll position turns them into logical drawing coordinates.

    // The switches a context menu depends on, in the order the host passes them.
    struct MenuFlags {
        bool editing = true;
        bool newFile = true;
        bool fileIO = true;
        bool rotation = true;
        bool radialLayout = true;
        bool hierarchicalLayout = true;
        bool forceDirectedLayout = true;
    };
    // The command a menu or double-click asks the control to run: a built-in command ID,
    // or a custom command (33810-33812) with the item's index and the element's ID.
    struct MenuCommand {
        std::uint32_t command = 0;
        std::uint16_t index = 0;
        std::uint32_t elementId = 0;
    };
    // Hit-tests, shows the vertex, edge or graph menu and answers whether a menu was shown.
    bool ShowContextMenu(HostWindow* host, nx::Point screen, const MenuFlags& flags,
                         MenuCommand& result, nx::Point client, nx::Point scroll);
    // Item 0 of the custom items of what lies under the point; false when there is none.
    bool DoubleClick(MenuCommand& result, nx::Point client, nx::Point scroll);
    // Each answers whether the document changed. MouseUp and MouseLeave answer the new
    // extent with a change.
    bool MouseDown(nx::DeviceContext* dc, std::uint32_t keyFlags, nx::Point client,
                   nx::Point scroll);
    bool MouseUp(nx::DeviceContext* dc, nx::Size& extent, nx::Point client, nx::Point scroll);
    bool MouseLeave(nx::DeviceContext* dc, nx::Size& extent);
    bool MouseMove(nx::DeviceContext* dc, nx::Point client, nx::Point scroll);
    // Start connecting a new edge from (to) currentVertex; the next button press ends it.
    bool StartOutgoingEdge(nx::DeviceContext* dc, HostWindow* host);
    bool StartIncomingEdge(nx::DeviceContext* dc, HostWindow* host);
    // Ask first; true when the element was removed.
    bool DeleteCurrentVertex(HostWindow* host);
    bool DeleteCurrentEdge(HostWindow* host);
    // A vertex at the last-click position; true when one was made.
    bool NewVertexAtClick();
    // True when any Selected flag changed.
    bool SelectAllVertices();
    // Builds the menus as the host is shown them (tests and bindings may inspect them).
    MenuModel vertexMenu(const MenuFlags& flags) const;
    MenuModel edgeMenu(const MenuFlags& flags) const;
    MenuModel graphMenu(const MenuFlags& flags) const;

    static constexpr std::uint32_t kControlKey = 0x0008;  // MK_CONTROL
    // The editing commands do nothing unless this is on; the control keeps it in step.
    bool editingEnabled() const { return editingEnabled_; }
    void setEditingEnabled(bool on) { editingEnabled_ = on; }
    // Logical point of the last context-menu request or double-click.
    nx::Point lastClick() const { return lastClick_; }
    void setLastClick(nx::Point logical) { lastClick_ = logical; }

    // --- Undo and redo. Every change of the document made through the engine (structure,
    // values, appearances, layouts, transforms, mouse edits) is one step of the history;
    // a drag from press to release is one step. Loads and NewTree start a new history.
    // Adding a property type to a schema is no step (it cannot be taken back): the steps
    // stay, but none leads back to the saved state. Selection and scrolling are not steps.
    // Each answers whether a step was taken.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return history_.canUndo(); }
    bool CanRedo() const { return history_.canRedo(); }
    // The steps taken between the outermost begin and its end become one step; EndUndoGroup
    // answers false when no group is open.
    void BeginUndoGroup() { history_.beginGroup(); }
    bool EndUndoGroup();
    // The steps; its depth 0 records nothing. Saves and loads mark it clean. Always there.
    UndoStack& history() { return history_; }
    const UndoStack& history() const { return history_; }

    // --- Document. The engine owns the seven schemas, the space and the view; the space
    // owns the graphs, vertices and edges. Each is null until the document has it (Init
    // makes the schemas; NewTree or a load the space, graph and view) and after
    // ReleaseDocument. Pointers handed out stay valid until the document is released,
    // replaced by NewTree or a load, or exchanged.

    nx::FormalProperties* spaceLevelVertexFormals() { return spaceLevelVertexFormals_.get(); }
    const nx::FormalProperties* spaceLevelVertexFormals() const {
        return spaceLevelVertexFormals_.get();
    }
    nx::FormalProperties* spaceLevelEdgeFormals() { return spaceLevelEdgeFormals_.get(); }
    const nx::FormalProperties* spaceLevelEdgeFormals() const {
        return spaceLevelEdgeFormals_.get();
    }
    nx::FormalProperties* graphFormals() { return graphFormals_.get(); }
    const nx::FormalProperties* graphFormals() const { return graphFormals_.get(); }
    nx::FormalProperties* graphLevelVertexFormals() { return graphLevelVertexFormals_.get(); }
    const nx::FormalProperties* graphLevelVertexFormals() const {
        return graphLevelVertexFormals_.get();
    }
    nx::FormalProperties* graphLevelEdgeFormals() { return graphLevelEdgeFormals_.get(); }
    const nx::FormalProperties* graphLevelEdgeFormals() const {
        return graphLevelEdgeFormals_.get();
    }
    nx::FormalProperties* viewLevelVertexFormals() { return viewLevelVertexFormals_.get(); }
    const nx::FormalProperties* viewLevelVertexFormals() const {
        return viewLevelVertexFormals_.get();
    }
    nx::FormalProperties* viewLevelEdgeFormals() { return viewLevelEdgeFormals_.get(); }
    const nx::FormalProperties* viewLevelEdgeFormals() const { return viewLevelEdgeFormals_.get(); }
    nx::Space* space() { return space_.get(); }
    const nx::Space* space() const { return space_.get(); }
    // The current graph, owned by the space.
    nx::Graph* graph() { return graph_; }
    const nx::Graph* graph() const { return graph_; }
    nx::WindowGraphView* view() { return view_.get(); }
    const nx::WindowGraphView* view() const { return view_.get(); }
    // Swaps the documents (schemas, space, current graph and view) of two engines; each
    // starts a new history and forgets its current elements.
    void exchangeDocument(ControlEngine& other);

    // --- Settings the control keeps in step with its properties

    nx::RgbColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(nx::RgbColor color) { backgroundColor_ = color; }
    // Labels keep their contrast against the background (an opt-in of the host).
    bool labelContrast() const { return labelContrast_; }
    void setLabelContrast(bool on) { labelContrast_ = on; }
    // The scale of a screen drawing, which the printing scale is divided by.
    float screenScaleX() const { return screenScaleX_; }
    float screenScaleY() const { return screenScaleY_; }

    // --- Current elements: those of the last hit test, with their view-level values.
    // Not owned: the graph and view own them; null when there is none.

    nx::Vertex* currentVertex() { return currentVertex_; }
    const nx::Vertex* currentVertex() const { return currentVertex_; }
    nx::ActualProperties* currentVertexProperties() { return currentVertexProperties_; }
    const nx::ActualProperties* currentVertexProperties() const { return currentVertexProperties_; }
    nx::Edge* currentEdge() { return currentEdge_; }
    const nx::Edge* currentEdge() const { return currentEdge_; }
    nx::ActualProperties* currentEdgeProperties() { return currentEdgeProperties_; }
    const nx::ActualProperties* currentEdgeProperties() const { return currentEdgeProperties_; }
    // Makes the element current with its view-level values (none outside the view); null
    // makes none current.
    void setCurrentVertex(nx::Vertex* vertex);
    void setCurrentEdge(nx::Edge* edge);

    // --- Custom context-menu items, in the order they were added
    const std::vector<std::u16string>& menuTexts(Menu menu) const;
    const std::vector<MenuCallback>& menuCallbacks(Menu menu) const;
    // The flags as stored (true is -1, an added item 1).
    const std::vector<std::int32_t>& menuEnabled(Menu menu) const;

    // --- Layout parameters
    std::uint32_t layerSeparation() const { return layerSeparation_; }
    void setLayerSeparation(std::uint32_t value) { layerSeparation_ = value; }
    std::uint32_t siblingSeparation() const { return siblingSeparation_; }
    void setSiblingSeparation(std::uint32_t value) { siblingSeparation_ = value; }
    std::uint32_t subtreeSeparation() const { return subtreeSeparation_; }
    void setSubtreeSeparation(std::uint32_t value) { subtreeSeparation_ = value; }
    std::uint32_t radialSeparation() const { return radialSeparation_; }
    double dampingCoefficient() const { return dampingCoefficient_; }
    std::uint32_t forceDirectedSeparation() const { return forceDirectedSeparation_; }
    void setForceDirectedSeparation(std::uint32_t value) { forceDirectedSeparation_ = value; }
    std::uint32_t maxIterations() const { return maxIterations_; }
    void setMaxIterations(std::uint32_t value) { maxIterations_ = value; }
    // The hierarchical and radial layouts widen the separations by the labels as drawn, so
    // that no two labels of a level overlap (off: the shapes alone count).
    bool labelAwareSpacing() const { return labelAwareSpacing_; }
    void setLabelAwareSpacing(bool on) { labelAwareSpacing_ = on; }
    // What the layouts are given to measure the labels with: nothing while the option is off.
    nx::LabelMeasure labelMeasure();

    // Where layouts, loads and saves report progress; null reports nothing. A sink that
    // asks to stop makes the operation fail with nx::OperationCancelled ("Operation
    // cancelled") and leave the document, its history and any file exactly as they were.
    // Not owned: the sink must outlive its use here.
    nx::Progress* progress() const { return progress_; }
    void setProgress(nx::Progress* sink) { progress_ = sink; }

    // The window the current view draws in; message boxes go there. May be null; not owned.
    HostWindow* hostWindow() const { return hostWindow_; }

private:
    std::uint32_t layeredLayoutLimit_ = 5000;
    bool editingEnabled_ = true;
    nx::Point lastClick_{0, 0};
    UndoStack history_;

    std::unique_ptr<nx::FormalProperties> spaceLevelVertexFormals_;
    std::unique_ptr<nx::FormalProperties> spaceLevelEdgeFormals_;
    std::unique_ptr<nx::FormalProperties> graphFormals_;
    std::unique_ptr<nx::FormalProperties> graphLevelVertexFormals_;
    std::unique_ptr<nx::FormalProperties> graphLevelEdgeFormals_;
    std::unique_ptr<nx::FormalProperties> viewLevelVertexFormals_;
    std::unique_ptr<nx::FormalProperties> viewLevelEdgeFormals_;
    std::unique_ptr<nx::Space> space_;
    nx::Graph* graph_ = nullptr;  // owned by the space
    std::unique_ptr<nx::WindowGraphView> view_;

    nx::RgbColor backgroundColor_{255, 255, 255};
    bool labelContrast_ = false;
    float screenScaleX_ = 1.0f;
    float screenScaleY_ = 1.0f;
    std::int32_t extentMarginX_ = 50;
    std::int32_t extentMarginY_ = 30;

    nx::Vertex* currentVertex_ = nullptr;
    nx::ActualProperties* currentVertexProperties_ = nullptr;
    nx::Edge* currentEdge_ = nullptr;
    nx::ActualProperties* currentEdgeProperties_ = nullptr;

    // Custom context-menu items: parallel arrays of text, callback and enabled flag.
    std::vector<std::u16string> vertexMenuTexts_;
    std::vector<MenuCallback> vertexMenuCallbacks_;
    std::vector<std::int32_t> vertexMenuEnabled_;
    std::vector<std::u16string> edgeMenuTexts_;
    std::vector<MenuCallback> edgeMenuCallbacks_;
    std::vector<std::int32_t> edgeMenuEnabled_;
    std::vector<std::u16string> graphMenuTexts_;
    std::vector<MenuCallback> graphMenuCallbacks_;
    std::vector<std::int32_t> graphMenuEnabled_;
    // The three arrays of one menu, const as `self` is.
    template <typename Self>
    static auto menuArrays(Self& self, Menu menu);

    std::uint32_t layerSeparation_ = 80;
    std::uint32_t siblingSeparation_ = 80;
    std::uint32_t subtreeSeparation_ = 80;
    std::uint32_t radialSeparation_ = 80;
    bool labelAwareSpacing_ = false;
    double dampingCoefficient_ = 0.95;
    std::uint32_t forceDirectedSeparation_ = 80;
    std::uint32_t maxIterations_ = 100;

    nx::Progress* progress_ = nullptr;
    HostWindow* hostWindow_ = nullptr;

    // An engine's document while a file is read into a fresh one.
    struct DocumentParts;

    // While one lives, membership changes of the graph and view are recorded as one step
    // (nested ones add to the outer one).
    class MembershipRecording;
    // While one lives, coordinate changes are recorded as one step.
    class PositionRecording;
    // While one lives, a change of one appearance is recorded as one step.
    class AppearanceRecording;
    // After a step was pushed, undone or redone: lets the maps reclaim empty slots only when
    // no step remembers any, and starts a drag in progress over from the document as it
    // now is (so that its step holds the drag alone).
    void afterHistoryChange();
    // Records what moved since the mouse went down as one step.
    void endGesture();
    // Records a put on the property after `put` ran; a failure records nothing.
    template <typename Put>
    void recordValue(nx::Property& target, Put&& put);
    std::unique_ptr<PositionSnapshot> gesture_;  // positions when the mouse went down
    bool recordingMembership_ = false;

    bool hasFormals() const;
    nx::FormalProperties* vertexFormals(std::uint16_t level) const;
    nx::FormalProperties* edgeFormals(std::uint16_t level) const;
    void synchronizeView();
    // Drops current elements that left the graph, whose view-level values went with them.
    void forgetStaleCurrentElements();
    void forgetCurrentElements();
    nx::ActualProperties* vertexValues(nx::Vertex& vertex, std::uint16_t level);
    nx::ActualProperties* edgeValues(nx::Edge& edge, std::uint16_t level);
    // The vertex an appearance is for; null to ignore the call. Fails for a vertex outside
    // the current graph.
    nx::Vertex* appearanceTarget(std::uint32_t vertexId);
    // Runs arrange under the message-box guard (every layout command shares it); a cancel
    // puts the positions back and propagates.
    bool arrangeShowingFailure(PositionRecording& recording, const std::function<void()>& arrange);
    void showLayoutError(const std::string& text);
    // Initialises the view's drawing tools on the context; false without a view or tools.
    bool prepareTools(nx::DeviceContext* dc);
    bool startEdge(nx::DeviceContext* dc, HostWindow* host, bool outgoing);
    nx::Size extentAfterChange();
};

}  // namespace ramulo
