// The Ramulo control as a Qt widget: what a Qt host puts on a form.
#pragma once

/// @file
/// CRamuloCtrl, a QAbstractScrollArea that owns one control for its whole life: it draws
/// the document, scrolls it, hands the user's mouse, keys and context menus to the control
/// and offers every automation member as a Q_PROPERTY or Q_INVOKABLE with Qt types (QString,
/// QColor, QVariant, QImage). Its window counts as created when it is first shown or when
/// createWindow() is called; the document TestID (1 unless set, 0 for an empty one) is
/// built then. A member that fails throws AutomationError with the member's code and text.
/// control() reaches the Qt-free RamuloControl behind it, which the rendering functions of
/// ramulo/render.h take.


#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

#include "ramulo/automation_error.h"
#include "ramulo/control.h"
#include "ramulo/control_site.h"
#include "ramulo/export.h"
#include "ramulo/host_window.h"
#include "ramulo/print_layout.h"

class QAction;
class QLocale;
class QDialog;
class QLineEdit;
class QFileDialog;
class QMenu;
class QMessageBox;
class QPrinter;

// A scroll area that owns one RamuloControl for its whole life: it draws the document,
// scrolls it, hands the user's mouse and context menus to the control, and offers every
// automation member as a Q_PROPERTY or Q_INVOKABLE with Qt types (the same members are
// reachable by DISPID through the dispatch table on control()).
//
// The window counts as created when the widget is first shown: the document TestID is
// built then. A member that fails throws AutomationError, as through the dispatch table
// (or raises a script error, below).
class RAMULO_EXPORT CRamuloCtrl : public QAbstractScrollArea,
                                  public HostWindow,
                                  public ControlSite {
    Q_OBJECT
    Q_PROPERTY(bool EditingEnabled READ editingEnabled WRITE setEditingEnabled)
    Q_PROPERTY(bool NewEnabled READ newEnabled WRITE setNewEnabled)
    Q_PROPERTY(bool FileIOEnabled READ fileIOEnabled WRITE setFileIOEnabled)
    Q_PROPERTY(bool RotationEnabled READ rotationEnabled WRITE setRotationEnabled)
    Q_PROPERTY(bool HierarchicalLayoutEnabled READ hierarchicalLayoutEnabled WRITE
                   setHierarchicalLayoutEnabled)
    Q_PROPERTY(bool RadialLayoutEnabled READ radialLayoutEnabled WRITE setRadialLayoutEnabled)
    Q_PROPERTY(bool ForceDirectedLayoutEnabled READ forceDirectedLayoutEnabled WRITE
                   setForceDirectedLayoutEnabled)
    Q_PROPERTY(bool DoubleClickEnabled READ doubleClickEnabled WRITE setDoubleClickEnabled)
    Q_PROPERTY(int TestID READ testID WRITE setTestIDValue)
    Q_PROPERTY(QString WorkingDirectory READ workingDirectory WRITE setWorkingDirectory)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString FileExt READ fileExt WRITE setFileExt)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyleValue)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearanceValue)
    Q_PROPERTY(QFont Font READ stockFont WRITE setStockFont)
    Q_PROPERTY(quint16 PropertyTypeCount READ propertyTypeCount)
    Q_PROPERTY(quint16 GraphPropertyCount READ graphPropertyCount)
    Q_PROPERTY(double Zoom READ zoom WRITE setZoom NOTIFY ZoomChanged)
    Q_PROPERTY(bool LabelContrast READ labelContrast WRITE setLabelContrast)
    Q_PROPERTY(bool LabelAwareSpacing READ labelAwareSpacing WRITE setLabelAwareSpacing)
    Q_PROPERTY(int UndoLimit READ undoLimit WRITE setUndoLimit)

public:
    explicit CRamuloCtrl(QWidget* parent = nullptr);
    // With editing and file input/output enabled, asks whether to save changes first.
    ~CRamuloCtrl() override;

    RamuloControl& control() { return *control_; }
    // Layouts, loads, saves and renders that run longer than this (milliseconds, 500 unless
    // changed) show a progress dialog whose Cancel stops them; a cancelled member fails with
    // "Operation cancelled" and leaves the document as it was. Negative: no dialog.
    void setProgressDelay(int milliseconds);
    int progressDelay() const;
    // The window exists (the widget was shown once, or createWindow was called).
    bool isCreated() const { return created_; }
    // Creates the window now, without showing it: builds the document TestID.
    void createWindow();

    // --- Scrolling: the total size, page and line as last set, and the scroll position.
    QSize scrollTotal() const { return total_; }
    QSize scrollPage() const { return page_; }
    QSize scrollLine() const { return line_; }
    bool scrollSizesSet() const { return scrollSizesSet_; }
    QPoint scrollPosition() const;

    // --- Zoom and pan (ramulo_ctrl_zoom.cpp). 1.0 shows the drawing pixel for pixel; the
    // scroll bars work in shown pixels, the control and its view in logical ones.
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 8.0;
    double zoom() const { return zoom_; }
    // Zooms about the middle of the viewport; the value is clamped to kMinZoom ... kMaxZoom.
    void setZoom(double zoom);
    // Zooms so that what lies under the viewport point `anchor` stays under it.
    void zoomAbout(double zoom, QPointF anchor);
    Q_INVOKABLE void ZoomIn();
    Q_INVOKABLE void ZoomOut();
    // The whole drawing (with its margins) in the viewport, at most at zoom 1.
    Q_INVOKABLE void ZoomToFit();
    // --- Undo and redo (ramulo_ctrl_undo.cpp): every change of the document is a step;
    // with editing enabled Ctrl+Z takes one back, Ctrl+Shift+Z and Ctrl+Y make it again.
    Q_INVOKABLE void Undo();
    Q_INVOKABLE void Redo();
    Q_INVOKABLE bool CanUndo() const;
    Q_INVOKABLE bool CanRedo() const;
    // The changes between the outermost begin and its end are one step (groups nest).
    Q_INVOKABLE void BeginUndoGroup();
    Q_INVOKABLE void EndUndoGroup();
    // The steps kept (100 unless changed); 0 records none. An int, as forms store numbers;
    // a negative limit fails with DISP_E_OVERFLOW.
    int undoLimit() const;
    void setUndoLimit(int limit);

    // The logical point under a viewport point, and the logical rectangle the viewport shows.
    QPoint logicalAt(QPoint viewportPos) const;
    QRect visibleLogicalRect() const;
    // Scrolls so that the logical point lands at the viewport's top-left corner.
    void scrollToLogical(QPointF topLeft);

    // --- Keyboard (ramulo_ctrl_keyboard.cpp): the vertex the keys work on. The arrows walk
    // the drawing from it (Up parent, Down first child, Left and Right siblings), Space
    // selects it (Ctrl+Space toggles), Delete deletes it, F2 renames it, Enter runs the
    // double-click action and the menu key opens its menu. Its mark shows while the widget
    // has the focus.
    static constexpr quint32 kNoVertex = 0xFFFFFFFF;
    quint32 focusedVertex() const;
    void setFocusedVertex(quint32 vertexID);
    // The in-place name editor while F2 renames, else null.
    QLineEdit* nameEditor() const;

    // The picture the widget shows, as last drawn (feedback drawn outside a paint included).
    const QImage& screenImage() const { return screen_; }

    // The window's command messages: true for an ID the control handles (some only accept).
    bool onCommand(std::uint32_t id);

    // --- Hooks that stand in for the modal loops (tests, scripted hosts). Each receives
    // the prepared menu, box or dialog; unset, they run exec().
    std::function<QAction*(QMenu& menu, const QPoint& globalPos)> execMenu;
    std::function<int(QMessageBox& box)> execMessageBox;
    std::function<int(QFileDialog& dialog)> execFileDialog;
    // The about box, the property page and the print dialogs.
    std::function<int(QDialog& dialog)> execDialog;

    // --- Printing, about box and property page (the shell around the members)

    // Prints the document on the printer with the print layout (OnePage unless changed):
    // the engine's printing path, one screen pixel to one millimetre. Returns the pages
    // printed; a drawing failure throws AutomationError 0x800a03f0.
    int print(QPrinter* printer);
    PrintLayout printLayout() const { return printLayout_; }
    void setPrintLayout(PrintLayout layout) { printLayout_ = layout; }
    // Asks for a printer (the layout on a tab of its own), then prints; false if cancelled.
    bool printWithDialog();
    // Shows the pages in a preview dialog, from which they can be printed.
    void printPreview();
    // The "Properties" verb: the property page, modal, bound to this control.
    Q_INVOKABLE void ShowPropertyPage();
    // Actions a host places in its menus and toolbars: "Print...", "Print Preview...",
    // "Properties..." and "About Ramulo Control..." (the widget's own context actions).
    QAction* printAction();
    QAction* printPreviewAction();
    QAction* propertiesAction();
    QAction* aboutAction();

    // --- HostWindow
    std::uint32_t showPopupMenu(const MenuModel& menu, int x, int y) override;
    MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    void invalidate(bool eraseBackground) override;
    void repaintNow() override;
    void captureMouse() override;
    void releaseMouse() override;
    void requestLeaveNotification() override;
    std::unique_ptr<nx::DeviceContext> windowDeviceContext() override;
    nx::RgbColor systemColor(int index) override;
    std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) override;
    void selectionChanged() override;

    // --- ControlSite
    void setScrollSizes(const nx::Size& total) override;
    void showAboutBox() override;
    void stockPropertiesChanged() override;
    double viewZoom() const override { return zoom(); }
    void setViewZoom(double zoom) override { setZoom(zoom); }
    void zoomToFit() override { ZoomToFit(); }

    // --- Languages (ramulo_ctrl_translation.cpp). Installs the widget's translation for the
    // locale's language in the application (replacing one installed before), so that its
    // menus, questions and dialogs appear in that language; English, the source language,
    // needs none. False when there is no translation for it. Error texts stay English.
    static bool installTranslator(const QLocale& locale);
    // Takes the installed translation out again: English.
    static void removeTranslator();

    // --- Properties
    bool editingEnabled() const;
    void setEditingEnabled(bool on);
    bool newEnabled() const;
    void setNewEnabled(bool on);
    bool fileIOEnabled() const;
    void setFileIOEnabled(bool on);
    bool rotationEnabled() const;
    void setRotationEnabled(bool on);
    bool hierarchicalLayoutEnabled() const;
    void setHierarchicalLayoutEnabled(bool on);
    bool radialLayoutEnabled() const;
    void setRadialLayoutEnabled(bool on);
    bool forceDirectedLayoutEnabled() const;
    void setForceDirectedLayoutEnabled(bool on);
    bool doubleClickEnabled() const;
    void setDoubleClickEnabled(bool on);
    quint16 testID() const;
    void setTestID(quint16 id);
    QString workingDirectory() const;
    void setWorkingDirectory(const QString& value);
    QString fileName() const;
    void setFileName(const QString& value);
    QString fileExt() const;
    void setFileExt(const QString& value);
    QColor backColor() const;
    // An invalid colour stands for the window's system colour.
    void setBackColor(const QColor& color);
    qint16 borderStyle() const;
    void setBorderStyle(qint16 value);
    qint16 appearance() const;
    void setAppearance(qint16 value);
    // The Q_PROPERTY forms of the 16-bit properties take int, the number type forms and Qt
    // Designer store; a value outside the member's type fails with DISP_E_OVERFLOW, as it
    // does through the dispatch table.
    void setTestIDValue(int id);
    void setBorderStyleValue(int value);
    void setAppearanceValue(int value);
    QFont stockFont() const;
    void setStockFont(const QFont& font);
    quint16 propertyTypeCount() const;
    quint16 graphPropertyCount() const;
    // Labels keep a readable contrast against the background (off: their own colours).
    bool labelContrast() const;
    void setLabelContrast(bool on);
    // The hierarchical and radial layouts make room for the labels (off: the shapes alone).
    bool labelAwareSpacing() const;
    void setLabelAwareSpacing(bool on);

    // --- Methods (the automation members with Qt types)
    Q_INVOKABLE void AboutBox();
    Q_INVOKABLE void Init();
    Q_INVOKABLE quint32 NewTree();
    Q_INVOKABLE quint16 Load(const QString& pathname);
    Q_INVOKABLE quint16 LoadFromXml(const QString& pathname);
    Q_INVOKABLE quint16 LoadTest(quint16 id);
    Q_INVOKABLE quint16 Save(const QString& pathname);
    Q_INVOKABLE quint16 SaveToXml(const QString& pathname);
    Q_INVOKABLE void Update();

    Q_INVOKABLE quint32 AddVertex();
    Q_INVOKABLE void RemoveVertex(quint32 vertexID);
    Q_INVOKABLE quint32 AddEdge(quint32 vertexID1, quint32 vertexID2);
    Q_INVOKABLE void RemoveEdge(quint32 edgeID);
    // The batch forms: N new vertex IDs; the edge IDs of the pairs (0xFFFFFFFF when skipped).
    Q_INVOKABLE QVariantList AddVertices(quint16 n);
    Q_INVOKABLE void RemoveVertices(const QVariantList& vertexIDs);
    Q_INVOKABLE QVariantList AddEdges(const QVariantList& vertexID1, const QVariantList& vertexID2);
    Q_INVOKABLE void RemoveEdges(const QVariantList& edgeIDs);
    Q_INVOKABLE quint32 VertexCount(quint16 scope);
    Q_INVOKABLE quint32 EdgeCount(quint16 scope);
    Q_INVOKABLE quint32 VertexID(quint16 scope, quint32 n);
    Q_INVOKABLE quint32 EdgeID(quint16 scope, quint32 n);

    Q_INVOKABLE QString PropertyTypeName(quint16 propertyTypeID) const;
    Q_INVOKABLE quint16 PropertyTypeID(const QString& propertyTypeName) const;
    Q_INVOKABLE quint16 VertexPropertyCount(quint16 level) const;
    Q_INVOKABLE quint16 EdgePropertyCount(quint16 level) const;
    Q_INVOKABLE void AddVertexProperty(quint16 typeID, quint16 level);
    Q_INVOKABLE void AddEdgeProperty(quint16 typeID, quint16 level);
    Q_INVOKABLE void AddGraphProperty(quint16 typeID);
    Q_INVOKABLE void AddVertexPropertyByName(const QString& name, quint16 level);
    Q_INVOKABLE void AddEdgePropertyByName(const QString& name, quint16 level);
    Q_INVOKABLE void AddGraphPropertyByName(const QString& name);
    Q_INVOKABLE quint16 FindVertexPropertyIndex(quint32 vertexID, quint16 typeID, quint16 level,
                                                quint16 startingFrom);
    Q_INVOKABLE quint16 FindEdgePropertyIndex(quint32 edgeID, quint16 typeID, quint16 level,
                                              quint16 startingFrom);
    Q_INVOKABLE quint16 FindGraphPropertyIndex(quint32 graphID, quint16 typeID, quint16 level,
                                               quint16 startingFrom);
    Q_INVOKABLE quint16 VertexPropertyIndex(quint16 typeID, quint16 level);
    Q_INVOKABLE quint16 EdgePropertyIndex(quint16 typeID, quint16 level);
    Q_INVOKABLE quint16 GraphPropertyIndex(quint16 typeID);
    Q_INVOKABLE QVariant VertexPropertyValue(quint32 vertexID, quint16 index, quint16 level);
    Q_INVOKABLE void SetVertexPropertyValue(quint32 vertexID, quint16 index, quint16 level,
                                            const QVariant& value);
    Q_INVOKABLE QVariant EdgePropertyValue(quint32 edgeID, quint16 index, quint16 level);
    Q_INVOKABLE void SetEdgePropertyValue(quint32 edgeID, quint16 index, quint16 level,
                                          const QVariant& value);
    Q_INVOKABLE QVariant GraphPropertyValue(quint16 index);
    Q_INVOKABLE void SetGraphPropertyValue(quint16 index, const QVariant& value);
    Q_INVOKABLE QVariant VertexPropertyValueByName(quint32 vertexID, const QString& name,
                                                   quint16 level);
    Q_INVOKABLE void SetVertexPropertyValueByName(quint32 vertexID, const QString& name,
                                                  quint16 level, const QVariant& value);
    Q_INVOKABLE QVariant EdgePropertyValueByName(quint32 edgeID, const QString& name,
                                                 quint16 level);
    Q_INVOKABLE void SetEdgePropertyValueByName(quint32 edgeID, const QString& name, quint16 level,
                                                const QVariant& value);
    Q_INVOKABLE QVariant GraphPropertyValueByName(const QString& name);
    Q_INVOKABLE void SetGraphPropertyValueByName(const QString& name, const QVariant& value);

    Q_INVOKABLE quint16 AddGraphMenuItem(const QString& text);
    Q_INVOKABLE quint16 AddVertexMenuItem(const QString& text);
    Q_INVOKABLE quint16 AddEdgeMenuItem(const QString& text);
    // Func: a callable QJSValue or a std::function<void(quint32)> in the QVariant; anything
    // else adds the item without a callback.
    Q_INVOKABLE quint16 AddGraphMenuItemFunc(const QString& text, const QVariant& func);
    Q_INVOKABLE quint16 AddVertexMenuItemFunc(const QString& text, const QVariant& func);
    Q_INVOKABLE quint16 AddEdgeMenuItemFunc(const QString& text, const QVariant& func);
    Q_INVOKABLE void ClearGraphMenuItems();
    Q_INVOKABLE void ClearVertexMenuItems();
    Q_INVOKABLE void ClearEdgeMenuItems();
    Q_INVOKABLE void EnableGraphMenuItem(quint16 menuID, bool enable);
    Q_INVOKABLE void EnableVertexMenuItem(quint16 menuID, bool enable);
    Q_INVOKABLE void EnableEdgeMenuItem(quint16 menuID, bool enable);

    Q_INVOKABLE void SetDefaultVertexAppearance(quint16 sz, bool isFilled, quint16 outerColor,
                                                quint16 innerColor, quint16 namePos,
                                                quint16 weightPos);
    Q_INVOKABLE void SetDefaultVertexAppearance_SquareDot(quint16 sz, bool isFilled,
                                                          quint16 outerColor, quint16 innerColor,
                                                          quint16 namePos, quint16 weightPos);
    Q_INVOKABLE void SetDefaultVertexAppearance_DiamondDot(quint16 sz, bool isFilled,
                                                           quint16 outerColor, quint16 innerColor,
                                                           quint16 namePos, quint16 weightPos);
    Q_INVOKABLE void SetDefaultVertexAppearance_Icon(const QString& fileName,
                                                     const QString& iconName, qint32 id,
                                                     qint32 index, quint16 sz,
                                                     const QColor& nameTextColor,
                                                     const QColor& weightTextColor, quint16 namePos,
                                                     quint16 weightPos);
    Q_INVOKABLE void SetDefaultEdgeAppearance(quint16 edgeColor);
    Q_INVOKABLE void SetVertexAppearance(quint32 vertexID, quint16 sz, bool isFilled,
                                         quint16 outerColor, quint16 innerColor, quint16 namePos,
                                         quint16 weightPos);
    Q_INVOKABLE void SetVertexAppearance_SquareDot(quint32 vertexID, quint16 sz, bool isFilled,
                                                   quint16 outerColor, quint16 innerColor,
                                                   quint16 namePos, quint16 weightPos);
    Q_INVOKABLE void SetVertexAppearance_DiamondDot(quint32 vertexID, quint16 sz, bool isFilled,
                                                    quint16 outerColor, quint16 innerColor,
                                                    quint16 namePos, quint16 weightPos);
    Q_INVOKABLE void SetVertexAppearance_Icon(quint32 vertexID, const QString& fileName,
                                              const QString& iconName, qint32 id, qint32 index,
                                              quint16 sz, const QColor& nameTextColor,
                                              const QColor& weightTextColor, quint16 namePos,
                                              quint16 weightPos);
    Q_INVOKABLE void SetEdgeAppearance(quint32 edgeID, quint16 edgeColor);

    Q_INVOKABLE void HierarchicalLayout();
    Q_INVOKABLE void RadialLayout();
    Q_INVOKABLE void ForceDirectedLayout();
    Q_INVOKABLE void SetHierarchicalLayoutParams(quint16 layerSeparation, quint16 siblingSeparation,
                                                 quint16 subtreeSeparation);
    Q_INVOKABLE void SetRadialLayoutParams(quint16 separation, double dampingCoefficient);
    Q_INVOKABLE void SetForceDirectedLayoutParams(quint16 separation, quint16 maxIterations);
    Q_INVOKABLE void RotateRight90();
    Q_INVOKABLE void RotateLeft90();
    Q_INVOKABLE void FlipVertical();
    Q_INVOKABLE void FlipHorizontal();

signals:
    // The automation events.
    void GraphMenuCommand(quint16 cmnd);
    void VertexMenuCommand(quint16 cmnd, quint32 elementID);
    void EdgeMenuCommand(quint16 cmnd, quint32 elementID);
    // The user's edits, beyond the automation events.
    void SelectionChanged();
    void DocumentModified();
    void VertexAdded(quint32 vertexID);
    void VertexRemoved(quint32 vertexID);
    void EdgeAdded(quint32 edgeID);
    void EdgeRemoved(quint32 edgeID);
    void LayoutFinished();
    // Drawing failed with automation error 0x800a03f0; the picture keeps its background.
    void DrawingFailed(quint32 code, const QString& description);
    // The zoom changed (Zoom, the wheel, the keys, a pinch, ZoomToFit).
    void ZoomChanged(double zoom);
    // The visible part of the drawing moved or changed its size.
    void ViewChanged();
    // The vertex the keys work on changed (kNoVertex: none, as after a new document).
    void FocusedVertexChanged(quint32 vertexID);

protected:
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    class Events;
    class ScreenContext;
    // The library's own parts of the widget (progress dialogs, mouse interaction).
    struct Impl;
    friend struct Impl;

    // Runs a member. A failure stays an AutomationError for C++ callers; once the widget was
    // handed to a QJSEngine it becomes a script error there (an Error with `code` and
    // `description`), since an exception must not cross the script engine's frames.
    template <typename F>
    auto member(F&& work) const -> decltype(work());
    // False when no script engine holds the widget.
    bool raiseInScript(const AutomationError& error) const;

    void updateBars();
    void pageStep(QScrollBar* bar, int action, int page);
    // Draws what was invalidated into the shown picture.
    void renderStale();
    void ensureScreenSize();
    // Runs a handler of the user's input; a failure that escapes it is shown in a box.
    template <typename Handler>
    void guardInput(Handler&& handler);
    // guardInput for handlers outside the file that defines it.
    void guardHandler(const std::function<void()>& handler);
    void showFailure(const std::u16string& text);
    void printShowingFailure(QPrinter* printer);
    nx::Point clientPoint(const QPoint& viewportPos) const;
    nx::Point scroll() const;
    void contextMenuAt(const QPoint& globalPos, const QPoint& viewportPos);
    // The shown picture's size and the logical point at its top-left corner.
    QSize pictureSize() const;
    QPoint pictureOrigin() const;
    QSize zoomedTotal() const;
    // Zoom and pan input; true when the event was taken.
    bool zoomKey(QKeyEvent* event);
    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y; true when the key was one of them.
    bool undoKey(QKeyEvent* event);
    bool panPress(QMouseEvent* event);
    bool panMove(QMouseEvent* event);
    bool panRelease(QMouseEvent* event);
    bool zoomGesture(QEvent* event);
    // Keyboard: what the keys do with the focused vertex.
    bool navigationKey(QKeyEvent* event);
    void selectFocused(bool toggle);
    void deleteFocused();
    void beginRename();
    void endRename(bool commit);
    // Where a logical point is shown in the viewport; scrolls it into view first.
    QPoint shownPoint(QPoint logical) const;
    void showLogical(QPoint logical);
    QRect focusMarkRect() const;
    void drawFocusMark(QPainter& painter);

    std::unique_ptr<Events> events_;
    std::unique_ptr<RamuloControl> control_;
    std::unique_ptr<Impl> impl_;
    bool created_ = false;
    bool leaveRequested_ = false;
    bool updatingBars_ = false;
    bool painting_ = false;
    bool scrollSizesSet_ = false;
    QSize total_{0, 0};
    QSize page_{0, 0};
    QSize line_{0, 0};
    QImage screen_;
    QRegion stale_;
    PrintLayout printLayout_ = PrintLayout::OnePage;
    QAction* printAction_ = nullptr;
    QAction* printPreviewAction_ = nullptr;
    QAction* propertiesAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    double zoom_ = 1.0;
    // Panning: the pointer's and the bars' positions where it began.
    bool panning_ = false;
    bool spaceHeld_ = false;
    bool spacePanned_ = false;
    QPoint panFrom_;
    QPoint panScroll_;
    quint32 focus_ = kNoVertex;
    QPointer<QLineEdit> nameEditor_;
    quint32 renaming_ = kNoVertex;
};

template <typename F>
auto CRamuloCtrl::member(F&& work) const -> decltype(work()) {
    try {
        return work();
    } catch (const AutomationError& error) {
        if (!raiseInScript(error)) throw;
        if constexpr (!std::is_void_v<decltype(work())>) return {};
    }
}
