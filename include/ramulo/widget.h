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

namespace ramulo {

/// A scroll area that owns one RamuloControl for its whole life: it draws the document,
/// scrolls it, hands the user's mouse and context menus to the control, and offers every
/// automation member as a Q_PROPERTY or Q_INVOKABLE with Qt types (the same members are
/// reachable by DISPID through the dispatch table on control()).
///
/// The window counts as created when the widget is first shown: the document TestID is
/// built then. A member that fails throws AutomationError, as through the dispatch table
/// (or raises a script error, below).
class RAMULO_EXPORT CRamuloCtrl : public QAbstractScrollArea,
                                  public HostWindow,
                                  public ControlSite {
    Q_OBJECT
    /// The EditingEnabled property, read and written through the members of the same name.
    Q_PROPERTY(bool EditingEnabled READ editingEnabled WRITE setEditingEnabled)
    /// The NewEnabled property, read and written through the members of the same name.
    Q_PROPERTY(bool NewEnabled READ newEnabled WRITE setNewEnabled)
    /// The FileIOEnabled property, read and written through the members of the same name.
    Q_PROPERTY(bool FileIOEnabled READ fileIOEnabled WRITE setFileIOEnabled)
    /// The RotationEnabled property, read and written through the members of the same name.
    Q_PROPERTY(bool RotationEnabled READ rotationEnabled WRITE setRotationEnabled)
    /// The HierarchicalLayoutEnabled property, read and written through the members of the same
    /// name.
    Q_PROPERTY(bool HierarchicalLayoutEnabled READ hierarchicalLayoutEnabled WRITE
                   setHierarchicalLayoutEnabled)
    /// The RadialLayoutEnabled property, read and written through the members of the same name.
    Q_PROPERTY(bool RadialLayoutEnabled READ radialLayoutEnabled WRITE setRadialLayoutEnabled)
    /// The ForceDirectedLayoutEnabled property, read and written through the members of the same
    /// name.
    Q_PROPERTY(bool ForceDirectedLayoutEnabled READ forceDirectedLayoutEnabled WRITE
                   setForceDirectedLayoutEnabled)
    /// The DoubleClickEnabled property, read and written through the members of the same name.
    Q_PROPERTY(bool DoubleClickEnabled READ doubleClickEnabled WRITE setDoubleClickEnabled)
    /// The TestID property, read and written through the members of the same name.
    Q_PROPERTY(int TestID READ testID WRITE setTestIDValue)
    /// The WorkingDirectory property, read and written through the members of the same name.
    Q_PROPERTY(QString WorkingDirectory READ workingDirectory WRITE setWorkingDirectory)
    /// The FileName property, read and written through the members of the same name.
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    /// The FileExt property, read and written through the members of the same name.
    Q_PROPERTY(QString FileExt READ fileExt WRITE setFileExt)
    /// The BackColor property, read and written through the members of the same name.
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    /// The BorderStyle property, read and written through the members of the same name.
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyleValue)
    /// The Appearance property, read and written through the members of the same name.
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearanceValue)
    /// The stock font (stockFont(), setStockFont()).
    Q_PROPERTY(QFont Font READ stockFont WRITE setStockFont)
    /// The number of property types (read-only).
    Q_PROPERTY(quint16 PropertyTypeCount READ propertyTypeCount)
    /// The number of graph properties (read-only).
    Q_PROPERTY(quint16 GraphPropertyCount READ graphPropertyCount)
    /// The zoom (zoom(), setZoom()); ZoomChanged tells its changes.
    Q_PROPERTY(double Zoom READ zoom WRITE setZoom NOTIFY ZoomChanged)
    /// The LabelContrast property, read and written through the members of the same name.
    Q_PROPERTY(bool LabelContrast READ labelContrast WRITE setLabelContrast)
    /// The LabelAwareSpacing property, read and written through the members of the same name.
    Q_PROPERTY(bool LabelAwareSpacing READ labelAwareSpacing WRITE setLabelAwareSpacing)
    /// The steps the history keeps (undoLimit(), setUndoLimit()).
    Q_PROPERTY(int UndoLimit READ undoLimit WRITE setUndoLimit)

public:
    /// A widget with a new control; the control's window is created when the widget is first shown
    /// or createWindow() is called.
    explicit CRamuloCtrl(QWidget* parent = nullptr);
    /// With editing and file input/output enabled, asks whether to save changes first.
    ~CRamuloCtrl() override;

    /// The Qt-free control behind the widget, for the dispatch table and the rendering functions.
    RamuloControl& control() { return *control_; }
    /// Layouts, loads, saves and renders that run longer than this (milliseconds, 500 unless
    /// changed) show a progress dialog whose Cancel stops them; a cancelled member fails with
    /// "Operation cancelled" and leaves the document as it was. Negative: no dialog.
    void setProgressDelay(int milliseconds);
    /// The delay before a progress dialog shows, in milliseconds; negative for none.
    int progressDelay() const;
    /// The window exists (the widget was shown once, or createWindow was called).
    bool isCreated() const { return created_; }
    /// Creates the window now, without showing it: builds the document TestID.
    void createWindow();

    // --- Scrolling: the total size, page and line as last set, and the scroll position.
    /// The scrollable size last set, in logical units.
    QSize scrollTotal() const { return total_; }
    /// The page step of the scroll bars last set, in logical units.
    QSize scrollPage() const { return page_; }
    /// The line step of the scroll bars last set, in logical units.
    QSize scrollLine() const { return line_; }
    /// True once the control has set the scroll sizes.
    bool scrollSizesSet() const { return scrollSizesSet_; }
    /// The logical point at the viewport's top-left corner.
    QPoint scrollPosition() const;

    // --- Zoom and pan (ramulo_ctrl_zoom.cpp). 1.0 shows the drawing pixel for pixel; the
    // scroll bars work in shown pixels, the control and its view in logical ones.
    /// The smallest zoom the widget shows.
    static constexpr double kMinZoom = 0.1;
    /// The largest zoom the widget shows.
    static constexpr double kMaxZoom = 8.0;
    /// The zoom: 1.0 shows the drawing pixel for pixel.
    double zoom() const { return zoom_; }
    /// Zooms about the middle of the viewport; the value is clamped to kMinZoom ... kMaxZoom.
    void setZoom(double zoom);
    /// Zooms so that what lies under the viewport point `anchor` stays under it.
    void zoomAbout(double zoom, QPointF anchor);
    /// Zooms in one step about the middle of the viewport, up to kMaxZoom.
    Q_INVOKABLE void ZoomIn();
    /// Zooms out one step about the middle of the viewport, down to kMinZoom.
    Q_INVOKABLE void ZoomOut();
    /// The whole drawing (with its margins) in the viewport, at most at zoom 1.
    Q_INVOKABLE void ZoomToFit();
    // --- Undo and redo (ramulo_ctrl_undo.cpp): every change of the document is a step;
    // with editing enabled Ctrl+Z takes one back, Ctrl+Shift+Z and Ctrl+Y make it again.
    /// Calls RamuloControl::Undo: takes the last step back, with its codes and error texts.
    Q_INVOKABLE void Undo();
    /// Calls RamuloControl::Redo: makes the last step taken back again, with its codes and error
    /// texts.
    Q_INVOKABLE void Redo();
    /// True when there is a step to take back.
    Q_INVOKABLE bool CanUndo() const;
    /// True when there is a step to make again.
    Q_INVOKABLE bool CanRedo() const;
    /// The changes between the outermost begin and its end are one step (groups nest).
    Q_INVOKABLE void BeginUndoGroup();
    /// Calls RamuloControl::EndUndoGroup with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void EndUndoGroup();
    /// The steps kept (100 unless changed); 0 records none. An int, as forms store numbers;
    /// a negative limit fails with DISP_E_OVERFLOW.
    int undoLimit() const;
    /// Sets the steps kept; a negative limit fails with DISP_E_OVERFLOW (0x8002000A) and "Out of
    /// present range.".
    void setUndoLimit(int limit);

    /// The logical point under a viewport point, and the logical rectangle the viewport shows.
    QPoint logicalAt(QPoint viewportPos) const;
    /// The logical rectangle the viewport shows.
    QRect visibleLogicalRect() const;
    /// Scrolls so that the logical point lands at the viewport's top-left corner.
    void scrollToLogical(QPointF topLeft);

    // --- Keyboard (ramulo_ctrl_keyboard.cpp): the vertex the keys work on. The arrows walk
    // the drawing from it (Up parent, Down first child, Left and Right siblings), Space
    // selects it (Ctrl+Space toggles), Delete deletes it, F2 renames it, Enter runs the
    // double-click action and the menu key opens its menu. Its mark shows while the widget
    // has the focus.
    /// The focused-vertex value for no vertex.
    static constexpr quint32 kNoVertex = 0xFFFFFFFF;
    /// The ID of the vertex the keys work on; kNoVertex for none.
    quint32 focusedVertex() const;
    /// Moves the keys' focus to a vertex of the current graph; kNoVertex clears it.
    void setFocusedVertex(quint32 vertexID);
    /// The in-place name editor while F2 renames, else null.
    QLineEdit* nameEditor() const;

    /// The picture the widget shows, as last drawn (feedback drawn outside a paint included).
    const QImage& screenImage() const { return screen_; }

    /// The window's command messages: true for an ID the control handles (some only accept).
    bool onCommand(std::uint32_t id);

    // --- Hooks that stand in for the modal loops (tests, scripted hosts). Each receives
    // the prepared menu, box or dialog; unset, they run exec().
    /// Runs a prepared context menu at a global point and answers the chosen action (null for
    /// none); unset, exec().
    std::function<QAction*(QMenu& menu, const QPoint& globalPos)> execMenu;
    /// Runs a prepared message box and answers its button; unset, exec().
    std::function<int(QMessageBox& box)> execMessageBox;
    /// Runs a prepared file dialog and answers its result; unset, exec().
    std::function<int(QFileDialog& dialog)> execFileDialog;
    /// Runs the about box, the property page and the print dialogs; unset, exec().
    std::function<int(QDialog& dialog)> execDialog;

    // --- Printing, about box and property page (the shell around the members)

    /// Prints the document on the printer with the print layout (OnePage unless changed):
    /// the engine's printing path, one screen pixel to one millimetre. Returns the pages
    /// printed; a drawing failure throws AutomationError 0x800a03f0.
    int print(QPrinter* printer);
    /// How print() lays the drawing out on pages (OnePage unless changed).
    PrintLayout printLayout() const { return printLayout_; }
    /// Sets how print() lays the drawing out on pages.
    void setPrintLayout(PrintLayout layout) { printLayout_ = layout; }
    /// Asks for a printer (the layout on a tab of its own), then prints; false if cancelled.
    bool printWithDialog();
    /// Shows the pages in a preview dialog, from which they can be printed.
    void printPreview();
    /// The "Properties" verb: the property page, modal, bound to this control.
    Q_INVOKABLE void ShowPropertyPage();
    /// Actions a host places in its menus and toolbars: "Print...", "Print Preview...",
    /// "Properties..." and "About Ramulo Control..." (the widget's own context actions).
    QAction* printAction();
    /// The "Print Preview..." action: printPreview().
    QAction* printPreviewAction();
    /// The "Properties..." action: ShowPropertyPage().
    QAction* propertiesAction();
    /// The "About Ramulo Control..." action: the about box.
    QAction* aboutAction();

    // --- HostWindow
    /// Shows a context menu at a global point (through execMenu when set) and answers the chosen
    /// command; 0 for none.
    std::uint32_t showPopupMenu(const MenuModel& menu, int x, int y) override;
    /// Shows a message box with the control's caption, buttons and icon (through execMessageBox
    /// when set) and answers the button chosen.
    MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    /// Shows an open or save file dialog (through execFileDialog when set); not accepted when
    /// cancelled.
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    /// Schedules a repaint of the viewport.
    void invalidate(bool eraseBackground) override;
    /// Repaints the viewport at once.
    void repaintNow() override;
    /// Keeps the mouse events coming to the widget while a button is down.
    void captureMouse() override;
    /// Ends captureMouse().
    void releaseMouse() override;
    /// Asks for an event when the mouse leaves the viewport.
    void requestLeaveNotification() override;
    /// A context drawing on the widget's picture outside a paint (feedback while dragging).
    std::unique_ptr<nx::DeviceContext> windowDeviceContext() override;
    /// A system colour from the widget's palette.
    nx::RgbColor systemColor(int index) override;
    /// A view drawing with the Qt drawing tools, for a new document.
    std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) override;
    /// Emits SelectionChanged.
    void selectionChanged() override;

    // --- ControlSite
    /// Sets the scroll bars' ranges from the drawing's size in logical units.
    void setScrollSizes(const nx::Size& total) override;
    /// Shows the about box (through execDialog when set).
    void showAboutBox() override;
    /// Shows the new border, background and font.
    void stockPropertiesChanged() override;
    /// The widget's zoom.
    double viewZoom() const override { return zoom(); }
    /// Sets the widget's zoom, clamped to kMinZoom ... kMaxZoom.
    void setViewZoom(double zoom) override { setZoom(zoom); }
    /// ZoomToFit().
    void zoomToFit() override { ZoomToFit(); }

    // --- Languages (ramulo_ctrl_translation.cpp)

    /// Installs the widget's translation for the locale's language in the application
    /// (replacing one installed before), so that its menus, questions and dialogs appear in
    /// that language; English, the source language, needs none. False when there is no
    /// translation for it. Error texts stay English.
    static bool installTranslator(const QLocale& locale);
    /// Takes the installed translation out again: English.
    static void removeTranslator();

    // --- Properties
    /// EditingEnabled, as RamuloControl::GetEditingEnabled answers it, in a Qt type.
    bool editingEnabled() const;
    /// Sets EditingEnabled through RamuloControl::SetEditingEnabled, with its effect, codes and
    /// error texts.
    void setEditingEnabled(bool on);
    /// NewEnabled, as RamuloControl::GetNewEnabled answers it, in a Qt type.
    bool newEnabled() const;
    /// Sets NewEnabled through RamuloControl::SetNewEnabled, with its effect, codes and error
    /// texts.
    void setNewEnabled(bool on);
    /// FileIOEnabled, as RamuloControl::GetFileIOEnabled answers it, in a Qt type.
    bool fileIOEnabled() const;
    /// Sets FileIOEnabled through RamuloControl::SetFileIOEnabled, with its effect, codes and error
    /// texts.
    void setFileIOEnabled(bool on);
    /// RotationEnabled, as RamuloControl::GetRotationEnabled answers it, in a Qt type.
    bool rotationEnabled() const;
    /// Sets RotationEnabled through RamuloControl::SetRotationEnabled, with its effect, codes and
    /// error texts.
    void setRotationEnabled(bool on);
    /// HierarchicalLayoutEnabled, as RamuloControl::GetHierarchicalLayoutEnabled answers it, in a
    /// Qt type.
    bool hierarchicalLayoutEnabled() const;
    /// Sets HierarchicalLayoutEnabled through RamuloControl::SetHierarchicalLayoutEnabled, with its
    /// effect, codes and error texts.
    void setHierarchicalLayoutEnabled(bool on);
    /// RadialLayoutEnabled, as RamuloControl::GetRadialLayoutEnabled answers it, in a Qt type.
    bool radialLayoutEnabled() const;
    /// Sets RadialLayoutEnabled through RamuloControl::SetRadialLayoutEnabled, with its effect,
    /// codes and error texts.
    void setRadialLayoutEnabled(bool on);
    /// ForceDirectedLayoutEnabled, as RamuloControl::GetForceDirectedLayoutEnabled answers it, in a
    /// Qt type.
    bool forceDirectedLayoutEnabled() const;
    /// Sets ForceDirectedLayoutEnabled through RamuloControl::SetForceDirectedLayoutEnabled, with
    /// its effect, codes and error texts.
    void setForceDirectedLayoutEnabled(bool on);
    /// DoubleClickEnabled, as RamuloControl::GetDoubleClickEnabled answers it, in a Qt type.
    bool doubleClickEnabled() const;
    /// Sets DoubleClickEnabled through RamuloControl::SetDoubleClickEnabled, with its effect, codes
    /// and error texts.
    void setDoubleClickEnabled(bool on);
    /// TestID, as RamuloControl::GetTestID answers it, in a Qt type.
    quint16 testID() const;
    /// Sets TestID through RamuloControl::SetTestID, with its effect, codes and error texts.
    void setTestID(quint16 id);
    /// WorkingDirectory, as RamuloControl::GetWorkingDirectory answers it, in a Qt type.
    QString workingDirectory() const;
    /// Sets WorkingDirectory through RamuloControl::SetWorkingDirectory, with its effect, codes and
    /// error texts.
    void setWorkingDirectory(const QString& value);
    /// FileName, as RamuloControl::GetFileName answers it, in a Qt type.
    QString fileName() const;
    /// Sets FileName through RamuloControl::SetFileName, with its effect, codes and error texts.
    void setFileName(const QString& value);
    /// FileExt, as RamuloControl::GetFileExt answers it, in a Qt type.
    QString fileExt() const;
    /// Sets FileExt through RamuloControl::SetFileExt, with its effect, codes and error texts.
    void setFileExt(const QString& value);
    /// BackColor as a QColor.
    QColor backColor() const;
    /// An invalid colour stands for the window's system colour.
    void setBackColor(const QColor& color);
    /// BorderStyle, as RamuloControl::GetBorderStyle answers it, in a Qt type.
    qint16 borderStyle() const;
    /// Sets BorderStyle through RamuloControl::SetBorderStyle, with its effect, codes and error
    /// texts.
    void setBorderStyle(qint16 value);
    /// Appearance, as RamuloControl::GetAppearance answers it, in a Qt type.
    qint16 appearance() const;
    /// Sets Appearance through RamuloControl::SetAppearance, with its effect, codes and error
    /// texts.
    void setAppearance(qint16 value);
    /// The Q_PROPERTY forms of the 16-bit properties take int, the number type forms and Qt
    /// Designer store; a value outside the member's type fails with DISP_E_OVERFLOW, as it
    /// does through the dispatch table.
    void setTestIDValue(int id);
    /// Sets BorderStyle from an int; outside the 16-bit range it fails with DISP_E_OVERFLOW
    /// (0x8002000A) and "Out of present range.".
    void setBorderStyleValue(int value);
    /// Sets Appearance from an int; outside the 16-bit range it fails with DISP_E_OVERFLOW
    /// (0x8002000A) and "Out of present range.".
    void setAppearanceValue(int value);
    /// The stock font; the application's font unless set.
    QFont stockFont() const;
    /// Sets the stock font (RamuloControl::SetFont) and shows it.
    void setStockFont(const QFont& font);
    /// RamuloControl::GetPropertyTypeCount.
    quint16 propertyTypeCount() const;
    /// RamuloControl::GetGraphPropertyCount.
    quint16 graphPropertyCount() const;
    /// Labels keep a readable contrast against the background (off: their own colours).
    bool labelContrast() const;
    /// Sets LabelContrast through RamuloControl::SetLabelContrast, with its effect, codes and error
    /// texts.
    void setLabelContrast(bool on);
    /// The hierarchical and radial layouts make room for the labels (off: the shapes alone).
    bool labelAwareSpacing() const;
    /// Sets LabelAwareSpacing through RamuloControl::SetLabelAwareSpacing, with its effect, codes
    /// and error texts.
    void setLabelAwareSpacing(bool on);

    // --- Methods (the automation members with Qt types)
    /// Calls RamuloControl::AboutBox with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void AboutBox();
    /// Calls RamuloControl::Init with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void Init();
    /// Calls RamuloControl::NewTree with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint32 NewTree();
    /// Calls RamuloControl::Load with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 Load(const QString& pathname);
    /// Calls RamuloControl::LoadFromXml with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 LoadFromXml(const QString& pathname);
    /// Calls RamuloControl::LoadTest with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 LoadTest(quint16 id);
    /// Calls RamuloControl::Save with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 Save(const QString& pathname);
    /// Calls RamuloControl::SaveToXml with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 SaveToXml(const QString& pathname);
    /// Calls RamuloControl::Update with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void Update();

    /// Calls RamuloControl::AddVertex with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint32 AddVertex();
    /// Calls RamuloControl::RemoveVertex with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void RemoveVertex(quint32 vertexID);
    /// Calls RamuloControl::AddEdge with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint32 AddEdge(quint32 vertexID1, quint32 vertexID2);
    /// Calls RamuloControl::RemoveEdge with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void RemoveEdge(quint32 edgeID);
    /// The batch forms: N new vertex IDs; the edge IDs of the pairs (0xFFFFFFFF when skipped).
    Q_INVOKABLE QVariantList AddVertices(quint16 n);
    /// Removes the vertices with the listed IDs (RamuloControl::RemoveVertices).
    Q_INVOKABLE void RemoveVertices(const QVariantList& vertexIDs);
    /// Adds an edge per pair of the two lists and answers their IDs, 0xFFFFFFFF for a pair that was
    /// skipped (RamuloControl::AddEdges).
    Q_INVOKABLE QVariantList AddEdges(const QVariantList& vertexID1, const QVariantList& vertexID2);
    /// Removes the edges with the listed IDs (RamuloControl::RemoveEdges).
    Q_INVOKABLE void RemoveEdges(const QVariantList& edgeIDs);
    /// Calls RamuloControl::GetVertexCount with Qt types: the same answer, codes and error texts.
    Q_INVOKABLE quint32 VertexCount(quint16 scope);
    /// Calls RamuloControl::GetEdgeCount with Qt types: the same answer, codes and error texts.
    Q_INVOKABLE quint32 EdgeCount(quint16 scope);
    /// Calls RamuloControl::GetVertexID with Qt types: the same answer, codes and error texts.
    Q_INVOKABLE quint32 VertexID(quint16 scope, quint32 n);
    /// Calls RamuloControl::GetEdgeID with Qt types: the same answer, codes and error texts.
    Q_INVOKABLE quint32 EdgeID(quint16 scope, quint32 n);

    /// Calls RamuloControl::GetPropertyTypeName with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE QString PropertyTypeName(quint16 propertyTypeID) const;
    /// Calls RamuloControl::GetPropertyTypeID with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE quint16 PropertyTypeID(const QString& propertyTypeName) const;
    /// Calls RamuloControl::GetVertexPropertyCount with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE quint16 VertexPropertyCount(quint16 level) const;
    /// Calls RamuloControl::GetEdgePropertyCount with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE quint16 EdgePropertyCount(quint16 level) const;
    /// Calls RamuloControl::AddVertexProperty with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void AddVertexProperty(quint16 typeID, quint16 level);
    /// Calls RamuloControl::AddEdgeProperty with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void AddEdgeProperty(quint16 typeID, quint16 level);
    /// Calls RamuloControl::AddGraphProperty with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void AddGraphProperty(quint16 typeID);
    /// Calls RamuloControl::AddVertexPropertyByName with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void AddVertexPropertyByName(const QString& name, quint16 level);
    /// Calls RamuloControl::AddEdgePropertyByName with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void AddEdgePropertyByName(const QString& name, quint16 level);
    /// Calls RamuloControl::AddGraphPropertyByName with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void AddGraphPropertyByName(const QString& name);
    /// Calls RamuloControl::FindVertexPropertyIndex with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE quint16 FindVertexPropertyIndex(quint32 vertexID, quint16 typeID, quint16 level,
                                                quint16 startingFrom);
    /// Calls RamuloControl::FindEdgePropertyIndex with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE quint16 FindEdgePropertyIndex(quint32 edgeID, quint16 typeID, quint16 level,
                                              quint16 startingFrom);
    /// Calls RamuloControl::FindGraphPropertyIndex with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE quint16 FindGraphPropertyIndex(quint32 graphID, quint16 typeID, quint16 level,
                                               quint16 startingFrom);
    /// Calls RamuloControl::GetVertexPropertyIndex with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE quint16 VertexPropertyIndex(quint16 typeID, quint16 level);
    /// Calls RamuloControl::GetEdgePropertyIndex with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE quint16 EdgePropertyIndex(quint16 typeID, quint16 level);
    /// Calls RamuloControl::GetGraphPropertyIndex with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE quint16 GraphPropertyIndex(quint16 typeID);
    /// Calls RamuloControl::GetVertexPropertyValue with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE QVariant VertexPropertyValue(quint32 vertexID, quint16 index, quint16 level);
    /// Calls RamuloControl::SetVertexPropertyValue with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void SetVertexPropertyValue(quint32 vertexID, quint16 index, quint16 level,
                                            const QVariant& value);
    /// Calls RamuloControl::GetEdgePropertyValue with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE QVariant EdgePropertyValue(quint32 edgeID, quint16 index, quint16 level);
    /// Calls RamuloControl::SetEdgePropertyValue with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void SetEdgePropertyValue(quint32 edgeID, quint16 index, quint16 level,
                                          const QVariant& value);
    /// Calls RamuloControl::GetGraphPropertyValue with Qt types: the same answer, codes and error
    /// texts.
    Q_INVOKABLE QVariant GraphPropertyValue(quint16 index);
    /// Calls RamuloControl::SetGraphPropertyValue with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void SetGraphPropertyValue(quint16 index, const QVariant& value);
    /// Calls RamuloControl::GetVertexPropertyValueByName with Qt types: the same answer, codes and
    /// error texts.
    Q_INVOKABLE QVariant VertexPropertyValueByName(quint32 vertexID, const QString& name,
                                                   quint16 level);
    /// Calls RamuloControl::SetVertexPropertyValueByName with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetVertexPropertyValueByName(quint32 vertexID, const QString& name,
                                                  quint16 level, const QVariant& value);
    /// Calls RamuloControl::GetEdgePropertyValueByName with Qt types: the same answer, codes and
    /// error texts.
    Q_INVOKABLE QVariant EdgePropertyValueByName(quint32 edgeID, const QString& name,
                                                 quint16 level);
    /// Calls RamuloControl::SetEdgePropertyValueByName with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetEdgePropertyValueByName(quint32 edgeID, const QString& name, quint16 level,
                                                const QVariant& value);
    /// Calls RamuloControl::GetGraphPropertyValueByName with Qt types: the same answer, codes and
    /// error texts.
    Q_INVOKABLE QVariant GraphPropertyValueByName(const QString& name);
    /// Calls RamuloControl::SetGraphPropertyValueByName with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetGraphPropertyValueByName(const QString& name, const QVariant& value);

    /// Calls RamuloControl::AddGraphMenuItem with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 AddGraphMenuItem(const QString& text);
    /// Calls RamuloControl::AddVertexMenuItem with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE quint16 AddVertexMenuItem(const QString& text);
    /// Calls RamuloControl::AddEdgeMenuItem with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE quint16 AddEdgeMenuItem(const QString& text);
    /// Func: a callable QJSValue or a std::function<void(quint32)> in the QVariant; anything
    /// else adds the item without a callback.
    Q_INVOKABLE quint16 AddGraphMenuItemFunc(const QString& text, const QVariant& func);
    /// Calls RamuloControl::AddVertexMenuItemFunc with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE quint16 AddVertexMenuItemFunc(const QString& text, const QVariant& func);
    /// Calls RamuloControl::AddEdgeMenuItemFunc with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE quint16 AddEdgeMenuItemFunc(const QString& text, const QVariant& func);
    /// Calls RamuloControl::ClearGraphMenuItems with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void ClearGraphMenuItems();
    /// Calls RamuloControl::ClearVertexMenuItems with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void ClearVertexMenuItems();
    /// Calls RamuloControl::ClearEdgeMenuItems with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void ClearEdgeMenuItems();
    /// Calls RamuloControl::EnableGraphMenuItem with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void EnableGraphMenuItem(quint16 menuID, bool enable);
    /// Calls RamuloControl::EnableVertexMenuItem with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void EnableVertexMenuItem(quint16 menuID, bool enable);
    /// Calls RamuloControl::EnableEdgeMenuItem with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void EnableEdgeMenuItem(quint16 menuID, bool enable);

    /// Calls RamuloControl::SetDefaultVertexAppearance with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetDefaultVertexAppearance(quint16 sz, bool isFilled, quint16 outerColor,
                                                quint16 innerColor, quint16 namePos,
                                                quint16 weightPos);
    /// Calls RamuloControl::SetDefaultVertexAppearance_SquareDot with Qt types: the same effect,
    /// codes and error texts.
    Q_INVOKABLE void SetDefaultVertexAppearance_SquareDot(quint16 sz, bool isFilled,
                                                          quint16 outerColor, quint16 innerColor,
                                                          quint16 namePos, quint16 weightPos);
    /// Calls RamuloControl::SetDefaultVertexAppearance_DiamondDot with Qt types: the same effect,
    /// codes and error texts.
    Q_INVOKABLE void SetDefaultVertexAppearance_DiamondDot(quint16 sz, bool isFilled,
                                                           quint16 outerColor, quint16 innerColor,
                                                           quint16 namePos, quint16 weightPos);
    /// Calls RamuloControl::SetDefaultVertexAppearance_Icon with Qt types: the same effect, codes
    /// and error texts.
    Q_INVOKABLE void SetDefaultVertexAppearance_Icon(const QString& fileName,
                                                     const QString& iconName, qint32 id,
                                                     qint32 index, quint16 sz,
                                                     const QColor& nameTextColor,
                                                     const QColor& weightTextColor, quint16 namePos,
                                                     quint16 weightPos);
    /// Calls RamuloControl::SetDefaultEdgeAppearance with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetDefaultEdgeAppearance(quint16 edgeColor);
    /// Calls RamuloControl::SetVertexAppearance with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void SetVertexAppearance(quint32 vertexID, quint16 sz, bool isFilled,
                                         quint16 outerColor, quint16 innerColor, quint16 namePos,
                                         quint16 weightPos);
    /// Calls RamuloControl::SetVertexAppearance_SquareDot with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetVertexAppearance_SquareDot(quint32 vertexID, quint16 sz, bool isFilled,
                                                   quint16 outerColor, quint16 innerColor,
                                                   quint16 namePos, quint16 weightPos);
    /// Calls RamuloControl::SetVertexAppearance_DiamondDot with Qt types: the same effect, codes
    /// and error texts.
    Q_INVOKABLE void SetVertexAppearance_DiamondDot(quint32 vertexID, quint16 sz, bool isFilled,
                                                    quint16 outerColor, quint16 innerColor,
                                                    quint16 namePos, quint16 weightPos);
    /// Calls RamuloControl::SetVertexAppearance_Icon with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetVertexAppearance_Icon(quint32 vertexID, const QString& fileName,
                                              const QString& iconName, qint32 id, qint32 index,
                                              quint16 sz, const QColor& nameTextColor,
                                              const QColor& weightTextColor, quint16 namePos,
                                              quint16 weightPos);
    /// Calls RamuloControl::SetEdgeAppearance with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void SetEdgeAppearance(quint32 edgeID, quint16 edgeColor);

    /// Calls RamuloControl::HierarchicalLayout with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void HierarchicalLayout();
    /// Calls RamuloControl::RadialLayout with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void RadialLayout();
    /// Calls RamuloControl::ForceDirectedLayout with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void ForceDirectedLayout();
    /// Calls RamuloControl::SetHierarchicalLayoutParams with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetHierarchicalLayoutParams(quint16 layerSeparation, quint16 siblingSeparation,
                                                 quint16 subtreeSeparation);
    /// Calls RamuloControl::SetRadialLayoutParams with Qt types: the same effect, codes and error
    /// texts.
    Q_INVOKABLE void SetRadialLayoutParams(quint16 separation, double dampingCoefficient);
    /// Calls RamuloControl::SetForceDirectedLayoutParams with Qt types: the same effect, codes and
    /// error texts.
    Q_INVOKABLE void SetForceDirectedLayoutParams(quint16 separation, quint16 maxIterations);
    /// Calls RamuloControl::RotateRight90 with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void RotateRight90();
    /// Calls RamuloControl::RotateLeft90 with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void RotateLeft90();
    /// Calls RamuloControl::FlipVertical with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void FlipVertical();
    /// Calls RamuloControl::FlipHorizontal with Qt types: the same effect, codes and error texts.
    Q_INVOKABLE void FlipHorizontal();

signals:
    /// The automation events.
    void GraphMenuCommand(quint16 cmnd);
    /// RamuloControlEvents::VertexMenuCommand: a custom vertex-menu item (or a double-click on a
    /// vertex).
    void VertexMenuCommand(quint16 cmnd, quint32 elementID);
    /// RamuloControlEvents::EdgeMenuCommand: a custom edge-menu item (or a double-click on an
    /// edge).
    void EdgeMenuCommand(quint16 cmnd, quint32 elementID);
    /// The user's edits, beyond the automation events.
    void SelectionChanged();
    /// An edit with the mouse or the menu set the modified flag.
    void DocumentModified();
    /// The user added a vertex.
    void VertexAdded(quint32 vertexID);
    /// The user removed a vertex.
    void VertexRemoved(quint32 vertexID);
    /// The user added an edge.
    void EdgeAdded(quint32 edgeID);
    /// The user removed an edge.
    void EdgeRemoved(quint32 edgeID);
    /// A layout (member or menu command) arranged the graph.
    void LayoutFinished();
    /// Drawing failed with automation error 0x800a03f0; the picture keeps its background.
    void DrawingFailed(quint32 code, const QString& description);
    /// The zoom changed (Zoom, the wheel, the keys, a pinch, ZoomToFit).
    void ZoomChanged(double zoom);
    /// The visible part of the drawing moved or changed its size.
    void ViewChanged();
    /// The vertex the keys work on changed (kNoVertex: none, as after a new document).
    void FocusedVertexChanged(quint32 vertexID);

protected:
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    bool viewportEvent(QEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void showEvent(QShowEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void paintEvent(QPaintEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void resizeEvent(QResizeEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void scrollContentsBy(int dx, int dy) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void mousePressEvent(QMouseEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void wheelEvent(QWheelEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void keyPressEvent(QKeyEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void keyReleaseEvent(QKeyEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
    void focusInEvent(QFocusEvent* event) override;
    /// Qt's handler, passing the event to the control where it concerns the drawing.
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

}  // namespace ramulo
