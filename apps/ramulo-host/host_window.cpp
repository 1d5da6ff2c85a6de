// RamuloHostWindow: menus and toolbar over the control's members, the event log, the console.
#include "host_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QDockWidget>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

#include "control/automation_error.h"
#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_export.h"
#include "control/qt/ramulo_icon.h"
#include "control/qt/ramulo_script.h"
#include "engine/menu_resources.h"
#include "script_console.h"
#include "signal_log.h"

namespace {

const char* const kColours[] = {"Blue", "Red", "Green", "Yellow", "Gray"};

}  // namespace

RamuloHostWindow::RamuloHostWindow(quint16 sample, QWidget* parent) : QMainWindow(parent) {
    setWindowIcon(ramulo::ramuloIcon());
    ctrl_ = new ramulo::CRamuloCtrl(this);
    // A container's test form: everything the user can do is switched on.
    ctrl_->setTestID(sample);
    ctrl_->setEditingEnabled(true);
    ctrl_->setNewEnabled(true);
    ctrl_->setFileIOEnabled(true);
    ctrl_->setRotationEnabled(true);
    ctrl_->setHierarchicalLayoutEnabled(true);
    ctrl_->setRadialLayoutEnabled(true);
    ctrl_->setForceDirectedLayoutEnabled(true);
    ctrl_->setDoubleClickEnabled(true);
    ctrl_->control().setModified(false);
    setCentralWidget(ctrl_);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("eventLog"));
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(2000);
    auto* logDock = new QDockWidget(tr("Events"), this);
    logDock->setObjectName(QStringLiteral("eventsDock"));
    logDock->setWidget(log_);
    addDockWidget(Qt::BottomDockWidgetArea, logDock);
    new SignalLog(
        ctrl_,
        [this](const QMetaMethod& signal, const QVariantList& args) {
            logLine(SignalLog::describe(signal, args));
        },
        &QAbstractScrollArea::staticMetaObject);

    script_ = std::make_unique<ramulo::RamuloScript>(*ctrl_);
    console_ = new ScriptConsole(*script_, this);
    auto* consoleDock = new QDockWidget(tr("Script"), this);
    consoleDock->setObjectName(QStringLiteral("scriptDock"));
    consoleDock->setWidget(console_);
    addDockWidget(Qt::RightDockWidgetArea, consoleDock);

    buildFileMenu();
    buildDocumentMenu();
    buildEditingMenu();
    buildPropertiesMenu();
    buildAppearanceMenu();
    buildLayoutMenu();
    buildMenuItemsMenu();
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(ctrl_->aboutAction());
    QMenu* view = menuBar()->addMenu(tr("&Window"));
    view->addAction(logDock->toggleViewAction());
    view->addAction(consoleDock->toggleViewAction());
    buildToolBar();
    resizeDocks({logDock}, {130}, Qt::Vertical);
    resizeDocks({consoleDock}, {360}, Qt::Horizontal);
    connect(ctrl_, &ramulo::CRamuloCtrl::DocumentModified, this, &RamuloHostWindow::updateTitle);
    statusBar()->showMessage(tr("Right-click the drawing for its menus"));
    updateTitle();
}

RamuloHostWindow::~RamuloHostWindow() {
    // The control goes first: its save question and last signals still find the window.
    delete ctrl_;
}

void RamuloHostWindow::logLine(const QString& line) {
    log_->appendPlainText(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz  ")) +
                          line);
}

template <typename F>
void RamuloHostWindow::call(const QString& what, F&& work) {
    try {
        work();
        // Once the console holds the control, a failing member raises its error in the script
        // engine rather than here: take it back from there.
        if (const std::optional<ramulo::AutomationError> raised = script_->takeRaisedError()) throw *raised;
        logLine(QStringLiteral("call ") + what);
    } catch (const ramulo::AutomationError& e) {
        const QString text = QString::fromStdU16String(e.description());
        logLine(QStringLiteral("call %1 failed: 0x%2 %3")
                    .arg(what)
                    .arg(e.code(), 8, 16, QLatin1Char('0'))
                    .arg(text));
        QMessageBox::warning(this, tr("Ramulo Host"), text);
    } catch (const std::exception& e) {
        logLine(QStringLiteral("call %1 failed: %2").arg(what, QString::fromLocal8Bit(e.what())));
        QMessageBox::warning(this, tr("Ramulo Host"), QString::fromLocal8Bit(e.what()));
    }
    updateTitle();
}

std::vector<quint32> RamuloHostWindow::selectedVertices() {
    std::vector<quint32> ids;
    const quint32 n = ctrl_->VertexCount(1);
    for (quint32 i = 0; i < n; ++i) ids.push_back(ctrl_->VertexID(1, i));
    return ids;
}

std::vector<quint32> RamuloHostWindow::selectedEdges() {
    std::vector<quint32> ids;
    const quint32 n = ctrl_->EdgeCount(1);
    for (quint32 i = 0; i < n; ++i) ids.push_back(ctrl_->EdgeID(1, i));
    return ids;
}

void RamuloHostWindow::updateTitle() {
    QString name = ctrl_->fileName();
    if (name.isEmpty()) name = tr("Untitled");
    setWindowTitle(QStringLiteral("%1%2 - Ramulo Host")
                       .arg(name, ctrl_->control().isModified() ? QStringLiteral("*") : QString()));
}

void RamuloHostWindow::buildFileMenu() {
    QMenu* m = menuBar()->addMenu(tr("&File"));
    // The control's own file commands: its dialogs, its save question, its folder.
    const auto command = [this](quint32 id) {
        return [this, id] {
            ctrl_->onCommand(id);
            updateTitle();
        };
    };
    m->addAction(QIcon::fromTheme(QStringLiteral("document-new")), tr("&New"),
                 QKeySequence::New, this, command(ramulo::menu_id::FileNew));
    openAction_ = m->addAction(QIcon::fromTheme(QStringLiteral("document-open")),
                               tr("&Open..."), QKeySequence::Open, this,
                               command(ramulo::menu_id::FileOpen));
    saveAction_ = m->addAction(QIcon::fromTheme(QStringLiteral("document-save")),
                               tr("&Save"), QKeySequence::Save, this,
                               command(ramulo::menu_id::FileSave));
    m->addAction(tr("Save &As..."), QKeySequence::SaveAs, this,
                 command(ramulo::menu_id::FileSaveAs));
    m->addSeparator();
    m->addAction(tr("&Export Drawing..."), this, [this] { exportAs(); });
    m->addAction(ctrl_->printAction());
    m->addAction(ctrl_->printPreviewAction());
    QMenu* layout = m->addMenu(tr("Print &Layout"));
    auto* group = new QActionGroup(this);
    const std::pair<ramulo::PrintLayout, const char*> layouts[] = {
        {ramulo::PrintLayout::OnePage, QT_TR_NOOP("One Page, Actual Size")},
        {ramulo::PrintLayout::FitToPage, QT_TR_NOOP("Fit to Page")},
        {ramulo::PrintLayout::Tiled, QT_TR_NOOP("Tile over Pages")},
    };
    for (const auto& [value, text] : layouts) {
        QAction* a = layout->addAction(tr(text));
        a->setCheckable(true);
        a->setChecked(ctrl_->printLayout() == value);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, v = value] { ctrl_->setPrintLayout(v); });
    }
    m->addSeparator();
    m->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void RamuloHostWindow::exportAs() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Drawing"), ctrl_->fileName(),
        tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty()) return;
    call(QStringLiteral("export %1").arg(path), [&] { ramulo::exportDrawing(ctrl_->control(), path); });
}

void RamuloHostWindow::buildDocumentMenu() {
    QMenu* m = menuBar()->addMenu(tr("&Document"));
    m->addAction(QStringLiteral("Init"), this, [this] { call("Init()", [&] { ctrl_->Init(); }); });
    m->addAction(QStringLiteral("NewTree"), this, [this] {
        call("NewTree()", [&] { logLine(QStringLiteral("graph %1").arg(ctrl_->NewTree())); });
    });
    QMenu* samples = m->addMenu(QStringLiteral("LoadTest"));
    const char* names[] = {QT_TR_NOOP("0: empty document"), QT_TR_NOOP("1: a small tree"),
                           QT_TR_NOOP("2: a wide tree"), QT_TR_NOOP("3: a large tree"),
                           QT_TR_NOOP("4: icons (drives)")};
    for (quint16 id = 0; id <= 4; ++id)
        samples->addAction(tr(names[id]), this, [this, id] {
            call(QStringLiteral("LoadTest(%1)").arg(id), [&] { ctrl_->LoadTest(id); });
        });
    m->addAction(QStringLiteral("Update"), this,
                 [this] { call("Update()", [&] { ctrl_->Update(); }); });
    m->addSeparator();
    m->addAction(tr("Counts"), this, [this] {
        call("VertexCount/EdgeCount", [&] {
            logLine(QStringLiteral("vertices %1 (selected %2, visible %3), edges %4 (selected %5)")
                        .arg(ctrl_->VertexCount(0))
                        .arg(ctrl_->VertexCount(1))
                        .arg(ctrl_->VertexCount(2))
                        .arg(ctrl_->EdgeCount(0))
                        .arg(ctrl_->EdgeCount(1)));
        });
    });
}

void RamuloHostWindow::buildEditingMenu() {
    QMenu* m = menuBar()->addMenu(tr("&Editing"));
    QAction* undo = m->addAction(QIcon::fromTheme(QStringLiteral("edit-undo")),
                                 tr("&Undo"), QKeySequence::Undo, this,
                                 [this] { call("Undo()", [&] { ctrl_->Undo(); }); });
    QAction* redo = m->addAction(QIcon::fromTheme(QStringLiteral("edit-redo")),
                                 tr("&Redo"), QKeySequence::Redo, this,
                                 [this] { call("Redo()", [&] { ctrl_->Redo(); }); });
    // Grayed as the control's history says while the menu is open; the keys always work
    // (with nothing to take back they do nothing).
    connect(m, &QMenu::aboutToShow, this, [this, undo, redo] {
        undo->setEnabled(ctrl_->CanUndo());
        redo->setEnabled(ctrl_->CanRedo());
    });
    connect(m, &QMenu::aboutToHide, this, [undo, redo] {
        undo->setEnabled(true);
        redo->setEnabled(true);
    });
    m->addSeparator();
    m->addAction(QStringLiteral("Add Vertex (child of the selection)"), this, [this] {
        call("AddVertex()", [&] {
            // The new vertex, its name, its edge and the layout are one step to undo.
            struct Group {
                ramulo::CRamuloCtrl* ctrl;
                explicit Group(ramulo::CRamuloCtrl* c) : ctrl(c) { ctrl->BeginUndoGroup(); }
                ~Group() { ctrl->EndUndoGroup(); }
            } group(ctrl_);
            const std::vector<quint32> parents = selectedVertices();
            const quint32 v = ctrl_->AddVertex();
            ctrl_->SetVertexPropertyValueByName(v, QStringLiteral("Name"), 0,
                                                QStringLiteral("V%1").arg(v));
            if (!parents.empty()) ctrl_->AddEdge(parents.front(), v);
            ctrl_->HierarchicalLayout();
            ctrl_->Update();
        });
    });
    m->addAction(tr("Remove Selected Vertices"), this, [this] {
        call("RemoveVertices()", [&] {
            QVariantList ids;
            for (quint32 id : selectedVertices()) ids.push_back(id);
            ctrl_->RemoveVertices(ids);
            ctrl_->Update();
        });
    });
    m->addAction(tr("Remove Selected Edges"), this, [this] {
        call("RemoveEdges()", [&] {
            QVariantList ids;
            for (quint32 id : selectedEdges()) ids.push_back(id);
            ctrl_->RemoveEdges(ids);
            ctrl_->Update();
        });
    });
    m->addAction(tr("Select All Vertices"), QKeySequence::SelectAll, this,
                 [this] { ctrl_->onCommand(ramulo::menu_id::SelectAllVertices); });
}

void RamuloHostWindow::buildPropertiesMenu() {
    QMenu* m = menuBar()->addMenu(tr("&Properties"));
    m->addAction(ctrl_->propertiesAction());
    QMenu* switches = m->addMenu(tr("Switches"));
    const char* names[] = {"EditingEnabled",          "NewEnabled",
                           "FileIOEnabled",           "RotationEnabled",
                           "HierarchicalLayoutEnabled", "RadialLayoutEnabled",
                           "ForceDirectedLayoutEnabled", "DoubleClickEnabled"};
    for (const char* name : names) {
        QAction* a = switches->addAction(QString::fromLatin1(name));
        a->setCheckable(true);
        connect(a, &QAction::toggled, this, [this, name](bool on) {
            if (ctrl_->property(name).toBool() != on)
                call(QStringLiteral("%1 = %2").arg(QLatin1String(name)).arg(on),
                     [&] { ctrl_->setProperty(name, on); });
        });
    }
    connect(switches, &QMenu::aboutToShow, this, [this, switches] {
        for (QAction* a : switches->actions()) {
            const QSignalBlocker quiet(a);
            a->setChecked(ctrl_->property(a->text().toLatin1().constData()).toBool());
        }
    });
    m->addAction(tr("List Property Types"), this, [this] {
        call("PropertyTypeName", [&] {
            QStringList names;
            for (quint16 id = 0; id < ctrl_->propertyTypeCount(); ++id)
                names.push_back(ctrl_->PropertyTypeName(id));
            logLine(QStringLiteral("property types: ") + names.join(QStringLiteral(", ")));
        });
    });
    m->addAction(tr("Selected Vertex Values"), this, [this] {
        call("VertexPropertyValueByName", [&] {
            for (quint32 v : selectedVertices())
                logLine(QStringLiteral("vertex %1: Name=%2 Weight=%3 X=%4 Y=%5")
                            .arg(v)
                            .arg(ctrl_->VertexPropertyValueByName(v, QStringLiteral("Name"), 0)
                                     .toString())
                            .arg(ctrl_->VertexPropertyValueByName(v, QStringLiteral("Weight"), 0)
                                     .toString())
                            .arg(ctrl_->VertexPropertyValueByName(v, QStringLiteral("X"), 2)
                                     .toString())
                            .arg(ctrl_->VertexPropertyValueByName(v, QStringLiteral("Y"), 2)
                                     .toString()));
        });
    });
}

void RamuloHostWindow::buildAppearanceMenu() {
    QMenu* m = menuBar()->addMenu(tr("&Appearance"));
    QMenu* vertices = m->addMenu(tr("Default Vertex"));
    const char* shapes[] = {"Circle", "Square", "Diamond"};
    for (int shape = 0; shape < 3; ++shape)
        for (quint16 colour = 0; colour < 5; ++colour) {
            const QString text = QStringLiteral("%1, %2")
                                     .arg(QLatin1String(shapes[shape]), QLatin1String(kColours[colour]));
            vertices->addAction(text, this, [this, shape, colour, text] {
                call(QStringLiteral("SetDefaultVertexAppearance (%1)").arg(text), [&] {
                    if (shape == 0)
                        ctrl_->SetDefaultVertexAppearance(9, true, colour, colour, 1, 3);
                    else if (shape == 1)
                        ctrl_->SetDefaultVertexAppearance_SquareDot(9, true, colour, colour, 1, 3);
                    else
                        ctrl_->SetDefaultVertexAppearance_DiamondDot(9, true, colour, colour, 1,
                                                                     3);
                    ctrl_->Update();
                });
            });
        }
    QMenu* selected = m->addMenu(tr("Selected Vertices"));
    QMenu* edges = m->addMenu(tr("Default Edge"));
    QMenu* selectedEdges = m->addMenu(tr("Selected Edges"));
    for (quint16 colour = 0; colour < 5; ++colour) {
        const QString name = QLatin1String(kColours[colour]);
        selected->addAction(name, this, [this, colour, name] {
            call(QStringLiteral("SetVertexAppearance (%1)").arg(name), [&] {
                for (quint32 v : selectedVertices())
                    ctrl_->SetVertexAppearance(v, 11, true, colour, colour, 1, 3);
                ctrl_->Update();
            });
        });
        edges->addAction(name, this, [this, colour, name] {
            call(QStringLiteral("SetDefaultEdgeAppearance(%1)").arg(colour), [&] {
                ctrl_->SetDefaultEdgeAppearance(colour);
                ctrl_->Update();
            });
        });
        selectedEdges->addAction(name, this, [this, colour, name] {
            call(QStringLiteral("SetEdgeAppearance (%1)").arg(name), [&] {
                for (quint32 e : this->selectedEdges()) ctrl_->SetEdgeAppearance(e, colour);
                ctrl_->Update();
            });
        });
    }
    m->addSeparator();
    m->addAction(tr("Background Colour..."), this, [this] {
        call("BackColor", [&] {
            const QColor c = QColorDialog::getColor(ctrl_->backColor(), this);
            if (c.isValid()) ctrl_->setBackColor(c);
        });
    });
}

void RamuloHostWindow::buildLayoutMenu() {
    QMenu* m = menuBar()->addMenu(tr("&Layout"));
    layoutActions_[0] = m->addAction(tr("Hierarchical Layout"), this, [this] {
        call("HierarchicalLayout()", [&] { ctrl_->HierarchicalLayout(); });
    });
    layoutActions_[1] = m->addAction(tr("Radial Layout"), this, [this] {
        call("RadialLayout()", [&] { ctrl_->RadialLayout(); });
    });
    layoutActions_[2] = m->addAction(tr("Force-Directed Layout"), this, [this] {
        call("ForceDirectedLayout()", [&] { ctrl_->ForceDirectedLayout(); });
    });
    QAction* labelled = m->addAction(tr("Label-Aware Spacing"));
    labelled->setCheckable(true);
    connect(labelled, &QAction::toggled, this, [this](bool on) {
        if (ctrl_->labelAwareSpacing() != on)
            call(QStringLiteral("LabelAwareSpacing = %1").arg(on),
                 [&] { ctrl_->setLabelAwareSpacing(on); });
    });
    connect(m, &QMenu::aboutToShow, this, [this, labelled] {
        const QSignalBlocker quiet(labelled);
        labelled->setChecked(ctrl_->labelAwareSpacing());
    });
    m->addAction(tr("Layout Parameters..."), this, [this] {
        bool ok = false;
        const int layer = QInputDialog::getInt(this, tr("Hierarchical Layout"),
                                               tr("Layer separation"), 80, 1, 1000,
                                               1, &ok);
        if (!ok) return;
        const int sibling = QInputDialog::getInt(this, tr("Hierarchical Layout"),
                                                 tr("Sibling separation"), 40, 1,
                                                 1000, 1, &ok);
        if (!ok) return;
        call(QStringLiteral("SetHierarchicalLayoutParams(%1, %2, %2)").arg(layer).arg(sibling),
             [&] {
                 ctrl_->SetHierarchicalLayoutParams(quint16(layer), quint16(sibling),
                                                    quint16(sibling));
             });
    });
    m->addSeparator();
    rotateActions_[0] = m->addAction(tr("Rotate Right 90"), this, [this] {
        call("RotateRight90()", [&] { ctrl_->RotateRight90(); });
    });
    rotateActions_[1] = m->addAction(tr("Rotate Left 90"), this, [this] {
        call("RotateLeft90()", [&] { ctrl_->RotateLeft90(); });
    });
    m->addAction(tr("Flip Vertical"), this,
                 [this] { call("FlipVertical()", [&] { ctrl_->FlipVertical(); }); });
    m->addAction(tr("Flip Horizontal"), this,
                 [this] { call("FlipHorizontal()", [&] { ctrl_->FlipHorizontal(); }); });
}

void RamuloHostWindow::buildMenuItemsMenu() {
    QMenu* m = menuBar()->addMenu(tr("&Menu Items"));
    struct Kind {
        const char* label;
        quint16 (ramulo::CRamuloCtrl::*add)(const QString&);
        void (ramulo::CRamuloCtrl::*clear)();
    };
    // The kinds as members name them; the menus show them translated.
    const Kind kinds[] = {
        {QT_TR_NOOP("Graph"), &ramulo::CRamuloCtrl::AddGraphMenuItem, &ramulo::CRamuloCtrl::ClearGraphMenuItems},
        {QT_TR_NOOP("Vertex"), &ramulo::CRamuloCtrl::AddVertexMenuItem, &ramulo::CRamuloCtrl::ClearVertexMenuItems},
        {QT_TR_NOOP("Edge"), &ramulo::CRamuloCtrl::AddEdgeMenuItem, &ramulo::CRamuloCtrl::ClearEdgeMenuItems},
    };
    for (const Kind& k : kinds) {
        const QString label = QLatin1String(k.label);
        m->addAction(tr("Add %1 Menu Item...").arg(tr(k.label)), this, [this, k, label] {
            bool ok = false;
            const QString text = QInputDialog::getText(
                this, QStringLiteral("Add%1MenuItem").arg(label), tr("Item text"),
                QLineEdit::Normal, QStringLiteral("My %1 Command").arg(label), &ok);
            if (!ok || text.isEmpty()) return;
            call(QStringLiteral("Add%1MenuItem(\"%2\")").arg(label, text), [&] {
                logLine(QStringLiteral("item %1").arg((ctrl_->*k.add)(text)));
            });
        });
    }
    m->addSeparator();
    for (const Kind& k : kinds) {
        const QString label = QLatin1String(k.label);
        m->addAction(tr("Clear %1 Menu Items").arg(tr(k.label)), this, [this, k, label] {
            call(QStringLiteral("Clear%1MenuItems()").arg(label), [&] { (ctrl_->*k.clear)(); });
        });
    }
}

void RamuloHostWindow::buildToolBar() {
    QToolBar* bar = addToolBar(tr("Control"));
    bar->setObjectName(QStringLiteral("controlToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(openAction_);
    bar->addAction(saveAction_);
    bar->addAction(ctrl_->printAction());
    bar->addSeparator();
    for (QAction* a : layoutActions_) bar->addAction(a);
    bar->addSeparator();
    for (QAction* a : rotateActions_) bar->addAction(a);
    bar->addSeparator();
    bar->addAction(ctrl_->propertiesAction());
    bar->addAction(ctrl_->aboutAction());
}
