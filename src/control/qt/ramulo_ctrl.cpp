// CRamuloCtrl: construction, the window's creation and destruction, events as signals, and
// the host-window questions (menus, message boxes, file dialogs, colours).
#include "control/qt/ramulo_ctrl.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QScrollBar>

#include "control/control_events.h"
#include "control/qt/progress_dialog_sink.h"
#include "control/qt/ramulo_accessible.h"
#include "control/qt/ramulo_module.h"
#include "control/qt/file_filter.h"
#include "control/qt/ramulo_translation.h"
#include "engine/menu_resources.h"
#include "platform/qt/qt_window_graph_view.h"

namespace ramulo {

// The control's events, relayed as the widget's signals.
class CRamuloCtrl::Events : public RamuloControlEvents {
public:
    explicit Events(CRamuloCtrl& widget) : w_(widget) {}
    void GraphMenuCommand(std::uint16_t cmnd) override { emit w_.GraphMenuCommand(cmnd); }
    void VertexMenuCommand(std::uint16_t cmnd, std::uint32_t id) override {
        emit w_.VertexMenuCommand(cmnd, id);
    }
    void EdgeMenuCommand(std::uint16_t cmnd, std::uint32_t id) override {
        emit w_.EdgeMenuCommand(cmnd, id);
    }
    void SelectionChanged() override { emit w_.SelectionChanged(); }
    void DocumentModified() override { emit w_.DocumentModified(); }
    void VertexAdded(std::uint32_t id) override { emit w_.VertexAdded(id); }
    void VertexRemoved(std::uint32_t id) override { emit w_.VertexRemoved(id); }
    void EdgeAdded(std::uint32_t id) override { emit w_.EdgeAdded(id); }
    void EdgeRemoved(std::uint32_t id) override { emit w_.EdgeRemoved(id); }
    void LayoutFinished() override { emit w_.LayoutFinished(); }

private:
    CRamuloCtrl& w_;
};

CRamuloCtrl::CRamuloCtrl(QWidget* parent)
    : QAbstractScrollArea(parent),
      events_(std::make_unique<Events>(*this)),
      control_((ensureModuleStarted(), std::make_unique<RamuloControl>())),
      impl_(std::make_unique<Impl>(*this, *control_)) {
    control_->setEventListener(events_.get());
    engineOf(*control_).setProgress(impl_->progress.get());
    // What was invalidated while an operation ran is drawn once it is over.
    impl_->progress->finished = [this] { viewport()->update(); };
    installRamuloAccessibility();
    viewport()->setMouseTracking(true);
    // The widget keeps its own picture and paints every pixel of it.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, [this](int action) {
        pageStep(horizontalScrollBar(), action, int(page_.width() * zoom_));
    });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this](int action) {
        pageStep(verticalScrollBar(), action, int(page_.height() * zoom_));
    });
    stockPropertiesChanged();
}

CRamuloCtrl::~CRamuloCtrl() {
    // The save question is asked while the window is still whole; then the document goes.
    control_.reset();
}

void CRamuloCtrl::setProgressDelay(int milliseconds) {
    impl_->progress->delayMs = milliseconds;
    engineOf(*control_).setProgress(milliseconds < 0 ? nullptr : impl_->progress.get());
}

int CRamuloCtrl::progressDelay() const {
    return impl_->progress->delayMs;
}

void CRamuloCtrl::createWindow() {
    if (created_) return;
    created_ = true;
    control_->windowCreated(this, this);
}

void CRamuloCtrl::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    createWindow();
}

// --- Signals from the view

void CRamuloCtrl::selectionChanged() {
    emit SelectionChanged();
}

// --- Menus, message boxes and dialogs

std::uint32_t CRamuloCtrl::showPopupMenu(const MenuModel& model, int x, int y) {
    QMenu menu(this);
    for (const MenuItem& item : model) {
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        // Built-in items in the user's language; the host's own items as the host wrote them.
        QAction* action = menu.addAction(item.commandId < menu_id::kCustomItemBase
                                             ? ramulo_i18n::menuText(item.text)
                                             : QString::fromStdU16String(item.text));
        action->setData(QVariant::fromValue<quint32>(item.commandId));
        action->setEnabled(!item.grayed);
    }
    const QPoint at(x, y);
    QAction* chosen = execMenu ? execMenu(menu, at) : menu.exec(at);
    if (!chosen || !chosen->isEnabled() || chosen->isSeparator()) return 0;
    return chosen->data().toUInt();
}

MessageAnswer CRamuloCtrl::messageBox(const std::u16string& text, const std::u16string& caption,
                                      MessageButtons buttons, MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            qtIcon = QMessageBox::Information;
            break;
        case MessageIcon::Question:
            qtIcon = QMessageBox::Question;
            break;
        case MessageIcon::Warning:
            qtIcon = QMessageBox::Warning;
            break;
        case MessageIcon::Error:
            qtIcon = QMessageBox::Critical;
            break;
    }
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    MessageAnswer dismissed = MessageAnswer::Ok;
    if (buttons == MessageButtons::YesNo) {
        qtButtons = QMessageBox::Yes | QMessageBox::No;
        dismissed = MessageAnswer::No;
    } else if (buttons == MessageButtons::YesNoCancel) {
        qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        dismissed = MessageAnswer::Cancel;
    }
    QMessageBox box(qtIcon, ramulo_i18n::caption(caption), ramulo_i18n::message(text), qtButtons,
                    this);
    const int answer = execMessageBox ? execMessageBox(box) : box.exec();
    switch (answer) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return dismissed;
    }
}

FileDialogResult CRamuloCtrl::fileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(this);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A save over an existing file is confirmed first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QString::fromStdU16String(request.defaultExtension));
    QStringList filters = qtNameFilters(request.filter);
    for (QString& f : filters) f = ramulo_i18n::nameFilter(f);
    dialog.setNameFilters(filters);
    if (!request.initialDirectory.empty())
        dialog.setDirectory(QString::fromStdU16String(request.initialDirectory));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdU16String(request.fileName));
    const int answer = execFileDialog ? execFileDialog(dialog) : dialog.exec();
    FileDialogResult result;
    const QStringList chosen = dialog.selectedFiles();
    if (answer != QDialog::Accepted || chosen.isEmpty()) return result;
    const QFileInfo file(chosen.front());
    result.accepted = true;
    result.path = file.absoluteFilePath().toStdU16String();
    result.fileName = file.fileName().toStdU16String();
    result.extension = file.suffix().toStdU16String();
    result.folder = file.absolutePath().toStdU16String();
    return result;
}

void CRamuloCtrl::showFailure(const std::u16string& text) {
    // The user stopped it in the progress dialog: nothing to tell.
    if (text == u"Operation cancelled") return;
    messageBox(text, u"Ramulo Control", MessageButtons::Ok, MessageIcon::Error);
}

// --- Colours and the stock properties

nx::RgbColor CRamuloCtrl::systemColor(int index) {
    // The system colour indices in the widget's palette; the rest keep the usual colours.
    struct Role {
        int index;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    static const Role kRoles[] = {
        {1, QPalette::Active, QPalette::Window},      // desktop
        {4, QPalette::Active, QPalette::Window},      // menu
        {5, QPalette::Active, QPalette::Base},        // window
        {6, QPalette::Active, QPalette::Shadow},      // window frame
        {7, QPalette::Active, QPalette::WindowText},  // menu text
        {8, QPalette::Active, QPalette::Text},        // window text
        {13, QPalette::Active, QPalette::Highlight},  // highlight
        {14, QPalette::Active, QPalette::HighlightedText},
        {15, QPalette::Active, QPalette::Button},  // button face
        {16, QPalette::Active, QPalette::Dark},    // button shadow
        {17, QPalette::Disabled, QPalette::Text},  // grey text
        {18, QPalette::Active, QPalette::ButtonText},
        {20, QPalette::Active, QPalette::Light},     // button highlight
        {21, QPalette::Active, QPalette::Shadow},    // 3D dark shadow
        {22, QPalette::Active, QPalette::Midlight},  // 3D light
        {23, QPalette::Active, QPalette::ToolTipText},
        {24, QPalette::Active, QPalette::ToolTipBase},
        {26, QPalette::Active, QPalette::Link},       // hot-tracked item
        {29, QPalette::Active, QPalette::Highlight},  // menu highlight
        {30, QPalette::Active, QPalette::Window},     // menu bar
    };
    for (const Role& r : kRoles) {
        if (r.index != index) continue;
        const QColor c = palette().color(r.group, r.role);
        return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                static_cast<std::uint8_t>(c.blue())};
    }
    return HostWindow::systemColor(index);
}

std::unique_ptr<nx::WindowGraphView> CRamuloCtrl::createGraphView(
    nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) {
    // A new document (NewTree, a load, a sample): its IDs name other vertices than the old
    // one's, so the keyboard starts afresh.
    if (focus_ != kNoVertex) {
        focus_ = kNoVertex;
        emit FocusedVertexChanged(kNoVertex);
    }
    return std::make_unique<nx::QtWindowGraphView>(vertexFormals, edgeFormals, viewport());
}

void CRamuloCtrl::stockPropertiesChanged() {
    // BorderStyle 1 draws a border; Appearance 1 makes it sunken (3D), 0 flat.
    setFrameShape(control_->GetBorderStyle() ? QFrame::Panel : QFrame::NoFrame);
    setFrameShadow(control_->GetAppearance() ? QFrame::Sunken : QFrame::Plain);
    const std::u16string font = control_->GetFont();
    QFont f;
    if (!font.empty() && f.fromString(QString::fromStdU16String(font)))
        setFont(f);
    else
        setFont(QFont());
    invalidate(true);
}

}  // namespace ramulo
