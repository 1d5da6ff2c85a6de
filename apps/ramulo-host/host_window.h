// HostWindow of ramulo-host: the control in the centre, its members in menus and a toolbar,
// an event log and a script console beside it.
#pragma once

#include <QMainWindow>
#include <memory>

namespace ramulo {
class CRamuloCtrl;
}  // namespace ramulo
class QMenu;
class QPlainTextEdit;
namespace ramulo {
class RamuloScript;
}  // namespace ramulo
class ScriptConsole;

class RamuloHostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit RamuloHostWindow(quint16 sample = 1, QWidget* parent = nullptr);
    ~RamuloHostWindow() override;

    ramulo::CRamuloCtrl& control() { return *ctrl_; }
    ScriptConsole& console() { return *console_; }
    QPlainTextEdit& eventLog() { return *log_; }
    void logLine(const QString& line);

private:
    // Runs a member; a failure is logged and shown, as a container reports it.
    template <typename F>
    void call(const QString& what, F&& work);
    std::vector<quint32> selectedVertices();
    std::vector<quint32> selectedEdges();

    void buildFileMenu();
    void buildDocumentMenu();
    void buildEditingMenu();
    void buildPropertiesMenu();
    void buildAppearanceMenu();
    void buildLayoutMenu();
    void buildMenuItemsMenu();
    void buildToolBar();
    void exportAs();
    void updateTitle();

    ramulo::CRamuloCtrl* ctrl_;
    QPlainTextEdit* log_;
    std::unique_ptr<ramulo::RamuloScript> script_;
    ScriptConsole* console_;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* layoutActions_[3] = {};
    QAction* rotateActions_[2] = {};
};
